#include "app/Fichier_Texte.h"
#include "lighthouses/Liste_Phare.h"
#include "lighthouses/Phares_Francais.h"
#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "support/Disque.h"
#include "support/Principal.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QSet>

class Test_Phares : public QObject {
    Q_OBJECT

private slots:
    void Recherche_Phare_data();
    void Recherche_Phare();
    void Fichier_Livre();
    void Saisie_data();
    void Saisie();
    void Phares_Francais_Affiche();
};

using namespace Clavier;

void Test_Phares::Recherche_Phare_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("phare"); // the one found: name|PB|LH|département as read, blanks and all
    const QString creach = "Phare du Creac'h|1004|LH0123|29", sans = "Phare sans numero|||2A",
                  kereon = QString::fromUtf8("  Phare de Kéréon | 0012|LH12| 56 ");
    // clang-format off
    const QStringList cas{"PB1004", creach, "PB 1 0\t04", creach, "PB0012", kereon, "PB012", kereon,
        "PB12", kereon, "XY12", kereon, "PB12A4", kereon, "PB7", "Phare de l'Ile Vierge|0007||29",
        "PB1010", "Phare double, second|01010||22", "PB", sans, "PB0000", sans, "PB-12", sans,
        "PB123456789012345678901234567890", "Phare long|000123456789012345678901234567890||13",
        "PB9999", "|||", "PB2000", "|||"};
    // clang-format on
    for (qsizetype i = 0; i < cas.size(); i += 2)
        QTest::newRow(qPrintable(cas[i])) << cas[i] << cas[i + 1];
}

// The file read as the program reads it: Windows-1252, five lines a lighthouse, the last one cut short.
void Test_Phares::Recherche_Phare() {
    QFETCH(QString, reference);
    QFETCH(QString, phare);
    const QByteArray fichier =
        "Phare du Creac'h\r\n1004\r\nLH0123\r\n29\r\nfin\r\nPhare double, premier\r\n1010\r\n\r\n29\r\n\r\n"
        "  Phare de K\xe9r\xe9on \r\n 0012\r\nLH12\r\n 56 \r\n\r\nPhare sans numero\r\n\r\n\r\n2A\r\n\r\n"
        "Phare double, second\r\n01010\r\n\r\n22\r\n\r\nPhare de l'Ile Vierge\r\n0007\r\n\r\n29\r\n\r\n"
        "Phare long\r\n000123456789012345678901234567890\r\n\r\n13\r\n\r\nPhare coupe\r\n2000\r\n\r\n22\r\n";
    const Phare p = Sous_Programmes::Recherche_Phare(
        Liste_Phare::Phares(Fichier_Texte::Coupe_Lignes(fichier)), reference);
    QCOMPARE(QStringList({p.nom, p.numero_pb, p.numero_lh, p.departement}).join('|'), phare);
}

// The generator's output for the shipped list: in order from PB1001, LH and fifth lines empty, Windows-1252,
// CR LF. The entry proposes "P. " and the name in 30 characters: a name over 27 ships as whole words of it,
// in their order, and no other lighthouse's name.
void Test_Phares::Fichier_Livre() {
    const QByteArray livre = Lit_Disque(QStringLiteral(KEZ_DONNEES "/Liste_Phare.txt"));
    const QList<Phare> phares = Liste_Phare::Phares(Fichier_Texte::Coupe_Lignes(livre));
    const QString source = QString::fromUtf8(Lit_Disque(KEZ_OUTILS_PHARES "/lighthouses.tsv"));
    const QRegularExpression separateurs(QStringLiteral("[ ']"));
    QStringList attendu, noms;
    int raccourcis = 0;
    for (const QString& ligne : source.split('\n', Qt::SkipEmptyParts)) {
        const QStringList champs = ligne.split('\t');
        const QString nom = phares.value(noms.size()).nom;
        QVERIFY2(nom.size() <= 27, qPrintable(nom));
        QStringList mots;
        for (const QString& mot : nom.split(separateurs, Qt::SkipEmptyParts))
            mots << QRegularExpression::escape(mot);
        const QRegularExpression dans_l_ordre("^(.*[ '])?" + mots.join("[ '](.*[ '])?") + "([ '].*)?$",
                                              QRegularExpression::CaseInsensitiveOption);
        const bool raccourci = champs[0].size() > 27;
        raccourcis += raccourci;
        QVERIFY2(raccourci ? dans_l_ordre.match(champs[0]).hasMatch() : nom == champs[0],
                 qPrintable(champs[0] + " -> " + nom));
        attendu << nom << QString::number(1001 + noms.size()) << QString() << champs.value(1) << QString();
        noms << nom;
    }
    QCOMPARE(noms.size(), 123);
    QCOMPARE(raccourcis, 17);
    QCOMPARE(QSet<QString>(noms.begin(), noms.end()).size(), noms.size());
    QCOMPARE(livre, Fichier_Texte::Joint_Lignes(Fichier_Texte::Encode_Lignes(attendu)));
}

void Test_Phares::Saisie_data() {
    QTest::addColumn<QString>("mode"); // the button clicked first, or "absente": no reference file
    QTest::addColumn<QString>("tape"); // over the text of the reference field, then Enter
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("saisie"); // reference|département|lighthouse name
    const auto ligne = [](const char* nom, const char* mode, const char* tape, const QString& message,
                          const char* saisie) {
        QTest::newRow(nom) << QString(mode) << QString(tape) << message << QString(saisie);
    };
    const QString deja = "PB1004 Phare deja contacté le 14/07/14";
    ligne("deja contacte", "", "PB1004", deja, "PB1004|29|P. Phare du Creac'h");
    ligne("QSO modifie: deja dans le log", "Modi_Saisie", "PB1004", "", "PB1004|29|P. Phare du Creac'h");
    ligne("pb0012 est PB12", "", "pb0012", "", "PB0012|56|P. Phare de Kerdonis");
    ligne("sans liste", "absente", "PB12", "Impossible de lire le fichier %1 : fichier absent", "PB12||P. ");
}

void Test_Phares::Saisie() {
    QFETCH(QString, mode);
    QFETCH(QString, tape);
    QFETCH(QString, message);
    QFETCH(QString, saisie);
    const QString qso = Enregistrement::Compose(
        {"F5AAA", "29", "", "PB1004", "14/07/14", "10:00", "SSB", "14 Mhz", "59", "59", "", ""});
    Poste poste({{"F5ABC_TORV.log", Fichier({qso.toLatin1()})}});
    auto& [t, main] = poste;
    if (mode == "absente")
        QVERIFY(QFile::remove(t.Chemin("Liste_Phare.txt")));
    if (auto* bouton = main.findChild<QPushButton*>(mode.isEmpty() ? "-" : mode))
        bouton->click();
    main.Ind_A->setFocus();
    Avance_Jusqu_A(main, "Ref_A");
    Remplace(main, tape);
    Entree(main);
    QCOMPARE(t.messages.textes.join('\n'),
             message.arg(QDir::toNativeSeparators(t.Chemin("Liste_Phare.txt"))));
    const QStringList champs = saisie.split('|');
    const QString jaune = "' 1 " + Couleurs::Jaune.name();
    QCOMPARE(Etat_Saisie(main).mid(2, 2) << Etat_Saisie(main)[10],
             QStringList({"Ref_A '" + champs[0] + jaune,
                          "Dpt_A '" + champs[1] + "' 1 " + Couleurs::Vert_Saisie.name(),
                          "Rem_A '" + champs[2] + jaune}));
    QCOMPARE(Champ(main), main.Dpt_A);
}

void Test_Phares::Phares_Francais_Affiche() {
    Plateforme_Test t;
    t.Ecrit_Fichier(
        "Liste_Phare.txt",
        "Phare de K\xe9r\xe9on\r\n12\r\n\r\n 29\r\n\r\nPhare du Creac'h\r\n1004\r\nLH123\r\n29\r\n"
        "non lu\r\nPhare de la pointe des Dames (Noirmoutier)\r\n123456\r\nLH12345\r\n"
        "2A4\r\n\r\nPhare coupe\r\n2000\r\n\r\n22\r\n");
    Main main(t.plateforme);
    main.Mnu_Liste_FR->trigger();
    const Phares_Francais* fenetre = main.findChild<Phares_Francais*>(QStringLiteral("Phares_Francais"));
    QVERIFY(fenetre && fenetre->isVisible());
    QStringList lignes{fenetre->Entete->text()};
    for (int i = 0; i < fenetre->Phares_FR->count(); ++i)
        lignes << fenetre->Phares_FR->item(i)->text();
    // In file order, each field cut to its column so the columns stay under the header.
    QCOMPARE(lignes,
             QStringList({"                     Nom du Phare                            PB       LH      Dpt",
                          QString::fromUtf8(" Phare de Kéréon                         12             29"),
                          " Phare du Creac'h                        1004   LH123  29 ",
                          " Phare de la pointe des Dames (Noirmoutie12345  LH123  2A4"}));
    // A whole line shows without scrolling sideways.
    QVERIFY(fenetre->Phares_FR->viewport()->width() >=
            QFontMetrics(fenetre->Phares_FR->font()).horizontalAdvance(lignes[3]));
}

KEZ_TEST(Test_Phares)

#include "Test_Phares.moc"
