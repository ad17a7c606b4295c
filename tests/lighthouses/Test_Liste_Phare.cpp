#include "app/Fichier_Texte.h"
#include "lighthouses/Liste_Phare.h"
#include "support/Principal.h"

#include <QFile>
#include <QObject>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class Test_Liste_Phare : public QObject {
    Q_OBJECT

private slots:
    void Phares_data();
    void Phares();
    void Valeur_Numerique_data();
    void Valeur_Numerique();
    void Recherche_Phare_data();
    void Recherche_Phare();
    void Ligne_Liste_data();
    void Ligne_Liste();
    void Fichier_Livre();
};

using Lignes = QList<QByteArray>;

namespace {

QString Decrit(const QList<Phare>& phares) {
    QStringList textes;
    for (const Phare& p : phares)
        textes << QStringLiteral("%1|%2|%3|%4").arg(p.nom, p.numero_pb, p.numero_lh, p.departement);
    return textes.join(QLatin1Char('/'));
}

QByteArray Lit(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return "<absent>";
    return fichier.readAll();
}

} // namespace

void Test_Liste_Phare::Phares_data() {
    QTest::addColumn<Lignes>("lignes");
    QTest::addColumn<QString>("phares");
    const Lignes creach{"Phare du Creac'h", "1004", "LH0123", "29", "fin"};
    QTest::newRow("vide") << Lignes{} << "";
    QTest::newRow("un phare") << creach << "Phare du Creac'h|1004|LH0123|29";
    QTest::newRow("dernier incomplet ignore")
        << creach + Lignes{"Phare de Kereon", "1005", "", "29"} << "Phare du Creac'h|1004|LH0123|29";
    QTest::newRow("deux phares, blancs gardes")
        << creach + Lignes{"  Phare de K\xe9r\xe9on ", " 1005", "", " 29 ", ""}
        << QString::fromUtf8("Phare du Creac'h|1004|LH0123|29/  Phare de Kéréon | 1005|| 29 ");
    QTest::newRow("moins de cinq lignes") << Lignes{"Phare", "1"} << "";
}

void Test_Liste_Phare::Phares() {
    QFETCH(Lignes, lignes);
    QFETCH(QString, phares);
    QCOMPARE(Decrit(Liste_Phare::Phares(lignes)), phares);
}

void Test_Liste_Phare::Valeur_Numerique_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("valeur");
    const auto ligne = [](const char* nom, const char* texte, const char* valeur) {
        QTest::newRow(nom) << QString(texte) << QString(valeur);
    };
    ligne("1004", "1004", "1004");
    ligne("zeros en tete", "0012", "12");
    ligne("zero", "0000", "");
    ligne("vide", "", "");
    ligne("blancs ignores", " 1 0\t04 ", "1004");
    ligne("arret au premier non chiffre", "12A4", "12");
    ligne("sans chiffre", "LH", "");
    ligne("signe", "-12", "");
    ligne("plus long qu'un entier", "000123456789012345678901234567890", "123456789012345678901234567890");
}

void Test_Liste_Phare::Valeur_Numerique() {
    QFETCH(QString, texte);
    QFETCH(QString, valeur);
    QCOMPARE(Liste_Phare::Valeur_Numerique(texte), valeur);
}

void Test_Liste_Phare::Recherche_Phare_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("departement");
    const auto ligne = [](const char* nom, const char* reference, const char* phare,
                          const char* departement) {
        QTest::newRow(nom) << QString(reference) << QString(phare) << QString(departement);
    };
    ligne("trouve", "PB1004", "Phare du Creac'h", "29");
    ligne("PB0012 trouve 12", "PB0012", "Phare de Kerdonis", " 56 ");
    ligne("PB7 trouve 0007", "PB7", "Phare de l'Ile Vierge", "29");
    ligne("le dernier double gagne", "PB1010", "Phare double, second", "22");
    ligne("absent", "PB9999", "", "");
    ligne("prefixe seul: la valeur 0", "PB", "Phare sans numero", "2A");
    ligne("reference vide: la valeur 0", "", "Phare sans numero", "2A");
    ligne("prefixe quelconque", "XY12", "Phare de Kerdonis", " 56 ");
}

void Test_Liste_Phare::Recherche_Phare() {
    QFETCH(QString, reference);
    QFETCH(QString, nom);
    QFETCH(QString, departement);
    const QList<Phare> phares{
        {"Phare du Creac'h", "1004", "", "29"},      {"Phare double, premier", "1010", "", "29"},
        {"Phare de Kerdonis", "12", "LH12", " 56 "}, {"Phare sans numero", "", "", "2A"},
        {"Phare double, second", "01010", "", "22"}, {"Phare de l'Ile Vierge", "0007", "", "29"},
    };
    const Phare trouve = Sous_Programmes::Recherche_Phare(phares, reference);
    QCOMPARE(trouve.nom, nom);
    QCOMPARE(trouve.departement, departement);
}

void Test_Liste_Phare::Ligne_Liste_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("pb");
    QTest::addColumn<QString>("lh");
    QTest::addColumn<QString>("dpt");
    QTest::addColumn<QString>("ligne");
    const auto ligne = [](const char* cas, const QString& nom, const char* pb, const char* lh,
                          const char* dpt, const QString& resultat) {
        QTest::newRow(cas) << nom << QString(pb) << QString(lh) << QString(dpt) << resultat;
    };
    ligne("ordinaire", "Phare du Creac'h", "1004", "LH123", "29",
          " Phare du Creac'h                        1004   LH123  29 ");
    ligne("PB 12", "Phare de Kerdonis", "12", "", "56",
          " Phare de Kerdonis                       12            56 ");
    ligne("nom de 40: colle au numero", QString(40, 'N'), "1004", "", "2A",
          " " + QString(40, 'N') + "1004          2A ");
    ligne("blancs du fichier gardes", " Phare ", " 12", "", " 5",
          "  Phare                                   12            5 ");
    ligne("trop longs: coupes", "Phare de la pointe des Dames (Noirmoutier)", "123456", "LH12345", "2A4",
          " Phare de la pointe des Dames (Noirmoutie12345  LH123  2A4");
    ligne("vide", "", "", "", "", QString(58, ' '));
}

void Test_Liste_Phare::Ligne_Liste() {
    QFETCH(QString, nom);
    QFETCH(QString, pb);
    QFETCH(QString, lh);
    QFETCH(QString, dpt);
    QFETCH(QString, ligne);
    QCOMPARE(Liste_Phare::Ligne_Liste({nom, pb, lh, dpt}), ligne);
}

// The shipped reference file is the generator's output for the shipped list: each lighthouse of
// the list in order, numbered from PB1001, its LH line and fifth line empty, Windows-1252, CR LF.
// The entry proposes "P. " and the name in a 30-character field, so a name of the list longer than
// 27 characters ships shortened: whole words of it, in their order, and no other lighthouse's name.
void Test_Liste_Phare::Fichier_Livre() {
    const QByteArray source = Lit(QStringLiteral(KEZ_OUTILS_PHARES "/lighthouses.tsv"));
    const QByteArray livre = Lit(QStringLiteral(KEZ_DONNEES "/Liste_Phare.txt"));
    const QList<Phare> phares = Liste_Phare::Phares(Fichier_Texte::Coupe_Lignes(livre));
    const QRegularExpression separateurs(QStringLiteral("[ ']"));
    QStringList attendu, noms;
    int numero = 1001, raccourcis = 0;
    for (const QString& ligne : QString::fromUtf8(source).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList champs = ligne.split(QLatin1Char('\t'));
        QCOMPARE(champs.size(), 2);
        const qsizetype rang = numero - 1001;
        QVERIFY(rang < phares.size());
        const QString& nom = phares[rang].nom;
        QVERIFY2(nom.size() <= 27, qPrintable(nom));
        if (champs[0].size() > 27) {
            ++raccourcis;
            QStringList mots_source = champs[0].split(separateurs, Qt::SkipEmptyParts);
            for (const QString& mot : nom.split(separateurs, Qt::SkipEmptyParts)) {
                while (!mots_source.isEmpty() && mots_source.first().compare(mot, Qt::CaseInsensitive) != 0)
                    mots_source.removeFirst();
                QVERIFY2(!mots_source.isEmpty(), qPrintable(champs[0] + " -> " + nom));
                mots_source.removeFirst();
            }
        } else {
            QCOMPARE(nom, champs[0]);
        }
        noms << nom;
        attendu << nom << QString::number(numero++) << QString() << champs[1] << QString();
    }
    QCOMPARE(numero, 1001 + 123);
    QCOMPARE(raccourcis, 17);
    QCOMPARE(QSet<QString>(noms.begin(), noms.end()).size(), noms.size());
    QCOMPARE(livre, Fichier_Texte::Joint_Lignes(Fichier_Texte::Encode_Lignes(attendu)));
    QCOMPARE(Fichier_Texte::Decode(livre).count(QString::fromUtf8("Île")), 5);
    QCOMPARE(phares.size(), 123);
    const Phare trouve = Sous_Programmes::Recherche_Phare(phares, QStringLiteral("PB1004"));
    QCOMPARE(trouve.nom, QStringLiteral("Phare d'Alprech"));
    QCOMPARE(trouve.departement, QStringLiteral("62"));
}

KEZ_TEST(Test_Liste_Phare)

#include "Test_Liste_Phare.moc"
