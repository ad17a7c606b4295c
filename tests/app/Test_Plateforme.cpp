#include "app/Adaptateur_Touches.h"
#include "app/Fichier_Texte.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QDir>
#include <QLineEdit>
#include <QObject>
#include <QTest>
#include <array>

class Test_Plateforme : public QObject {
    Q_OBJECT

private slots:
    void Coupe_Lignes_data();
    void Coupe_Lignes();
    void Codage_Aller_Retour_data();
    void Codage_Aller_Retour();
    void Caractere_Non_Encodable_data();
    void Caractere_Non_Encodable();
    void Remplace_Et_Lit();
    void Empreinte();
    void Indicatif_Station_Lu_data();
    void Indicatif_Station_Lu();
    void Sections_Et_Cles();
    void Textes_Horloge_data();
    void Textes_Horloge();
    void Adaptateur_Touches_data();
    void Adaptateur_Touches();
};

using Lignes = QList<QByteArray>;

void Test_Plateforme::Coupe_Lignes_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<Lignes>("lignes");
    QTest::newRow("vide") << QByteArray() << Lignes{};
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << Lignes{"a", "b"};
    QTest::newRow("sans fin de ligne finale") << QByteArray("a\r\nb") << Lignes{"a", "b"};
    QTest::newRow("LF seuls") << QByteArray("a\nb\n") << Lignes{"a", "b"};
    QTest::newRow("CR seuls") << QByteArray("a\rb\r") << Lignes{"a", "b"};
    QTest::newRow("ligne vide gardee") << QByteArray("a\r\n\r\nb\r\n") << Lignes{"a", "", "b"};
    QTest::newRow("une ligne vide") << QByteArray("\r\n") << Lignes{""};
    QTest::newRow("LF CR fait deux fins") << QByteArray("a\n\rb") << Lignes{"a", "", "b"};
}

void Test_Plateforme::Coupe_Lignes() {
    QFETCH(QByteArray, octets);
    QFETCH(Lignes, lignes);
    QCOMPARE(Fichier_Texte::Coupe_Lignes(octets), lignes);
}

void Test_Plateforme::Codage_Aller_Retour_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");
    QTest::newRow("ascii") << QStringLiteral("F5ABC") << QByteArray("F5ABC");
    QTest::newRow("accents") << QStringLiteral("Créac'h é à")
                             << QByteArray("Cr\xe9"
                                           "ac'h \xe9 \xe0");
    QTest::newRow("euro et oe") << QStringLiteral("€œŸ") << QByteArray("\x80\x9c\x9f");
    // Bytes Windows-1252 leaves undefined come back as they were.
    QTest::newRow("octets indefinis")
        << QStringLiteral("\u0081\u008d\u008f\u0090\u009d") << QByteArray("\x81\x8d\x8f\x90\x9d");
}

void Test_Plateforme::Codage_Aller_Retour() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);
    QCOMPARE(Fichier_Texte::Encode(texte), octets);
    QCOMPARE(Fichier_Texte::Decode(octets), texte);
}

void Test_Plateforme::Caractere_Non_Encodable_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("refuse");
    QTest::newRow("ascii") << QStringLiteral("PB1004") << QString();
    QTest::newRow("latin") << QStringLiteral("Île d'Yeu €") << QString();
    QTest::newRow("L barre") << QStringLiteral("SP5Ł") << QStringLiteral("Ł");
    QTest::newRow("emoji") << QStringLiteral("A😀B") << QStringLiteral("😀");
    QTest::newRow("premier des deux") << QStringLiteral("ЖŁ") << QStringLiteral("Ж");
}

void Test_Plateforme::Caractere_Non_Encodable() {
    QFETCH(QString, texte);
    QFETCH(QString, refuse);
    QCOMPARE(Fichier_Texte::Caractere_Non_Encodable(texte), refuse);
}

void Test_Plateforme::Remplace_Et_Lit() {
    Plateforme_Test t;
    QCOMPARE(t.fichiers.Lit(t.Chemin("f.txt")).etat, Lecture_Fichier::Etat::Absent);
    QCOMPARE(t.fichiers.Remplace(t.Chemin("f.txt"), Lignes{"un", "", "trois"}).raison, QString());
    QCOMPARE(t.Lit_Fichier("f.txt"), QByteArray("un\r\n\r\ntrois\r\n"));
    QCOMPARE(t.fichiers.Lit(t.Chemin("f.txt")).lignes, (Lignes{"un", "", "trois"}));
    QCOMPARE(t.fichiers.Remplace(t.Chemin("f.txt"), Lignes{}).raison, QString());
    QCOMPARE(t.Lit_Fichier("f.txt"), QByteArray());
}

// The state of a file changes with every write, even of the same bytes, and only then.
void Test_Plateforme::Empreinte() {
    Plateforme_Test t;
    const QString chemin = t.Chemin("f.txt");
    QCOMPARE(t.fichiers.Empreinte(chemin), QString());
    t.Ecrit_Fichier("f.txt", "un\r\n");
    const QString premiere = t.fichiers.Empreinte(chemin);
    QVERIFY2(premiere.startsWith(chemin + "|4|"), qPrintable(premiere));
    QCOMPARE(t.fichiers.Empreinte(chemin), premiere);
    QCOMPARE(t.fichiers.Lit(chemin).lignes, Lignes{"un"});
    QCOMPARE(t.fichiers.Empreinte(chemin), premiere);
    QCOMPARE(t.fichiers.Remplace(chemin, Lignes{"un"}).raison, QString());
    QVERIFY(t.fichiers.Empreinte(chemin) != premiere);
    QCOMPARE(t.fichiers.Empreinte(t.Chemin("autre.txt")), QString());
}

void Test_Plateforme::Indicatif_Station_Lu_data() {
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<QString>("lu");
    const QString aucun = QStringLiteral("FXXXX");
    for (const char* stocke : {"F5ABC", "F5ABC_P", "ABCDEFGHIJ12"})
        QTest::newRow(stocke) << QString(stocke) << QString(stocke);
    // Too long, a path, lower case, nothing: no station of the program's.
    for (const QString& stocke :
         {QString(40, 'A'), QStringLiteral("../F5ABC"), QStringLiteral("f5abc"), QString()})
        QTest::addRow("'%s'", qPrintable(stocke)) << stocke << aucun;
}

void Test_Plateforme::Indicatif_Station_Lu() {
    QFETCH(QString, stocke);
    QFETCH(QString, lu);
    Plateforme_Test t;
    t.Ecrit_Reglage("Setup ", "Indicatif Station", stocke);
    QCOMPARE(t.parametres->Indicatif_Station(), lu);
}

void Test_Plateforme::Sections_Et_Cles() {
    Plateforme_Test t;
    QCOMPARE(t.parametres->Indicatif_Station(), QStringLiteral("FXXXX"));
    QCOMPARE(t.parametres->Lit(Reglages::Date_Auto, "F5ABC"), QStringLiteral("Oui"));
    t.parametres->Ecrit(Reglages::Indicatif_Station, "F5ABC");
    t.parametres->Ecrit(Reglages::Mode_Utilise, "2", "F5ABC");
    t.parametres->Ecrit(Reglages::Date_Auto, "Non", "F5ABC");
    QCOMPARE(t.Reglage("Setup ", "Indicatif Station"), QStringLiteral("F5ABC"));
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise"), QStringLiteral("2"));
    QCOMPARE(t.Reglage("Setup F5ABC", "Date Auto"), QStringLiteral("Non"));
    QCOMPARE(t.Reglage("Setup", "Indicatif Station"), QStringLiteral("<absent>"));
}

void Test_Plateforme::Textes_Horloge_data() {
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("heure");
    QTest::newRow("zeros gardes") << QDateTime(QDate(2026, 12, 5), QTime(9, 5, 7), Qt::UTC)
                                  << QStringLiteral("05/12/26") << "09:05:07";
    QTest::newRow("2030") << QDateTime(QDate(2030, 1, 1), QTime(0, 0, 0), Qt::UTC)
                          << QStringLiteral("01/01/30") << "00:00:00";
    QTest::newRow("fin de journee") << QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC)
                                    << QStringLiteral("31/12/99") << "23:59:59";
}

void Test_Plateforme::Textes_Horloge() {
    QFETCH(QDateTime, utc);
    QFETCH(QString, date);
    QFETCH(QString, heure);
    Horloge_Test horloge;
    horloge.utc = utc;
    horloge.locale = utc.addSecs(3600 + 60).toLocalTime();
    horloge.locale.setTimeSpec(Qt::LocalTime);
    QCOMPARE(Sous_Programmes::Date_Utc_Texte(horloge), date);
    QCOMPARE(Sous_Programmes::Heure_Utc_Texte(horloge), heure);
    QCOMPARE(Sous_Programmes::Heure_Locale_Texte(horloge), horloge.locale.time().toString("HH:mm:ss"));
}

void Test_Plateforme::Adaptateur_Touches_data() {
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("codes");
    const std::array<const char*, 4> lignes[]{{"ab1", "", "ab1", "97,98,49"},
                                              {"ab1", "maj", "AB1", "97,98,49"},
                                              {"a/b", "avale /", "ab", "97,47,98"},
                                              {"a/b", "souligne /", "a_b", "97,47,98"}};
    for (const auto& [tape, remplacement, texte, codes] : lignes)
        QTest::addRow("'%s'", remplacement)
            << QString(tape) << QString(remplacement) << QString(texte) << QString(codes);
}

void Test_Plateforme::Adaptateur_Touches() {
    QFETCH(QString, tape);
    QFETCH(QString, remplacement);
    QFETCH(QString, texte);
    QFETCH(QString, codes);
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        if (remplacement == "maj")
            Sous_Programmes::Majuscule(code);
        else if (remplacement == "avale /" && code == '/')
            code = 0;
        else if (remplacement == "souligne /" && code == '/')
            code = '_';
    });
    QTest::keyClicks(&champ, tape);
    QCOMPARE(champ.text(), texte);
    QCOMPARE(recus.join(','), codes);
    recus.clear();
    // Enter and Backspace only: no key that moves, edits or controls reaches the handler.
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_Home, Qt::Key_F1})
        QTest::keyClick(&champ, touche);
    QTest::keyClick(&champ, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(recus.join(','), QStringLiteral("13,8"));
}

KEZ_TEST(Test_Plateforme)

#include "Test_Plateforme.moc"
