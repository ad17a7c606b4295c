#include "Clavier.h"
#include "app/Textes.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QObject>

// The entry chain as the operator walks it with Enter, from the callsign to the record button.
class Test_Saisie_QSO : public QObject {
    Q_OBJECT

private slots:
    void QSO_Complet_data();
    void QSO_Complet();
    void Refus_data();
    void Refus();
    void Sans_Station();
};

using namespace Clavier;

namespace {

QByteArray Blancs(int n) {
    return QByteArray(n, ' ');
}

// Types the text into the focused field, or pastes it when it starts with '^'.
void Entre_Texte(Main& main, const QString& texte) {
    if (texte.startsWith(QLatin1Char('^')))
        Colle(main, texte.mid(1));
    else
        Remplace(main, texte);
}

} // namespace

void Test_Saisie_QSO::QSO_Complet_data() {
    QTest::addColumn<bool>("automatique");
    QTest::addColumn<QByteArray>("memoire"); // the first-name memory before
    QTest::addColumn<QStringList>(
        "textes");                  // added to each field of the chain, then Enter; '^': pasted over it
    QTest::addColumn<int>("bande"); // list item picked before typing, -1: none
    QTest::addColumn<QByteArray>("enregistrement");
    QTest::addColumn<QByteArray>("prenoms"); // the memory after
    QTest::addColumn<QString>("reglages");   // the mode's and the band's positions kept for the station
    const QByteArray creach = "P. Phare du Creac'h" + Blancs(12);
    QTest::newRow("date automatique, prenom retrouve, doublons de la memoire remplaces")
        << true << QByteArray("F5ABC        29 jean\r\nF6AAA        22 ANNE\r\nF5ABC        29 paul\r\n")
        << QStringList{"f5abc", "", "1004", "", "", "", "", "", "", " "} << -1
        << "F5ABC        29   PAUL            PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  " + creach + "*"
        << QByteArray("F5ABC        29 PAUL\r\nF6AAA        22 ANNE\r\nF5ABC        29 PAUL\r\n") << "0 0";
    // Pasted as typed: capitals wherever typing gives them, the lighthouse name as it is.
    QTest::newRow("textes colles")
        << true << QByteArray()
        << QStringList{"^f5abc", "^grüßgott-müller", "1004", "", "", "", "", "", "^P. Goulphar", ""} << -1
        << "F5ABC        29   GR\xdc\xdfGOTT-M\xdcLLER PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  P. Goulphar" +
               Blancs(20) + " "
        << QByteArray("F5ABC        29 GR\xdc\xdfGOTT-M\xdcLLER\r\n") << "0 0";
    QTest::newRow("date manuelle") << false << QByteArray() << QStringList{"f6abc/p12345", "",      "12",  "",
                                                                           "31/12/99",     "23:59", "",    "",
                                                                           "\b\b5nn",      "\b9",   "\bz", ""}
                                   << 4
                                   << "F6ABC/P12345 56" + Blancs(19) +
                                          "PB12  31/12/99 23:59 SSB 14 Mhz  5NN 59  P. Phare de KerdoniZ" +
                                          Blancs(12)
                                   << QByteArray("F6ABC/P12345 56 \r\n") << "0 4";
}

void Test_Saisie_QSO::QSO_Complet() {
    QFETCH(bool, automatique);
    QFETCH(QByteArray, memoire);
    QFETCH(QStringList, textes);
    QFETCH(int, bande);
    QFETCH(QByteArray, enregistrement);
    QFETCH(QByteArray, prenoms);
    QFETCH(QString, reglages);
    Poste poste;
    auto& [t, main] = poste;
    if (!memoire.isEmpty())
        t.Ecrit_Fichier("Liste_Prenom.txt", memoire);
    (automatique ? main.Mnu_Date_Auto : main.Mnu_Date_Man)->trigger();
    // The clock has moved on since the labels were last shown: the labels are what counts.
    t.horloge.utc = t.horloge.utc.addSecs(3600);
    for (const QString& texte : textes) {
        if (Champ(main) == main.Bande_A && bande >= 0)
            main.Bande_A->setCurrentIndex(bande);
        if (texte.startsWith(QLatin1Char('^')))
            Colle(main, texte.mid(1));
        else
            Tape(main, texte);
        Entree(main);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    QVERIFY(main.Valide_A->isEnabled());
    QCOMPARE(t.messages.textes, QStringList());
    Entree(main);

    QCOMPARE(t.messages.textes, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), enregistrement + "\r\n");
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), prenoms);
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise") + " " + t.Reglage("Setup F5ABC", "bande Utilisee"),
             reglages);
    QCOMPARE(main.session.QSO_Selectionne().octets, enregistrement);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(0));
    // Ready for the next QSO.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge(main.Bande_A->itemText(qMax(bande, 0))));
    QCOMPARE(Champ(main), main.Ind_A);
}

// One refusal of each message (Test_Formats checks each rule in full): the field keeps the focus and
// its text, the next one stays closed. A pasted text is refused just as typed.
void Test_Saisie_QSO::Refus_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte"); // typed over the field's text; '^': pasted
    QTest::addColumn<QString>("reste");
    QTest::addColumn<QString>("message");
    const auto ligne = [](const char* champ, const char* texte, const char* reste, const char* message) {
        QTest::addRow("%s %s", champ, texte)
            << champ << QString::fromUtf8(texte) << QString::fromUtf8(reste) << QString::fromUtf8(message);
    };
    ligne("Ind_A", "", "", "Entrez un indicatif");
    ligne("Ind_A", "abcdefghij123", "ABCDEFGHIJ123", "12 caracteres maxi pour l'indicatif");
    ligne("Ind_A", "^F5ŁAB", "F5ŁAB", "Caractere non autorise : Ł");
    ligne("Prenom_A", "jean-christophe1", "JEAN-CHRISTOPHE1", "15 caracteres maxi pour le Prenom");
    ligne("Ref_A", "PB", "PB", "Entrez une Reference");
    ligne("Ref_A", "^pb10045", "PB10045", "6 caracteres maxi pour la reference ex: PB1004");
    ligne("Dpt_A", "", "", "Entrez un Departement");
    ligne("Dpt_A", "291", "291", "2 caracteres maxi pour le Departement");
    ligne("Date_A", "14/07/2006", "14/07/2006", "Le format de la date doit etre JJ/MM/AA");
    ligne("Heure_A", "12h05", "12H05", "Le format de l'heure doit etre HH:MM");
    ligne("Mode_A", "", "", "Entrez un Mode");
    ligne("Mode_A", "olivia8", "OLIVIA8", "6 caracteres maxi pour le Mode");
    ligne("Mode_A", "^mfsk", "MFSK", "3 caracteres maxi pour le Mode");
    ligne("Bande_A", "1296 Mhz", "1296 MHZ", "7 caracteres maxi pour la QRG");
    ligne("RST_A", "s9", "S9", "R (de RST)doit etre compris entre 0 et 5");
    ligne("RSTE_A", "", "", "Entrez un Report");
    ligne("RSTE_A", "5999", "5999", "3 caracteres maxi pour le Report");
    ligne("Rem_A", "p. phare de la pointe saint-mat", "P. PHARE DE LA POINTE SAINT-MAT",
          "30 caracteres maxi pour le nom du Phare");
    ligne("Rem_A", "^P. 🙂", "P. 🙂", "Caractere non autorise : 🙂");
}

void Test_Saisie_QSO::Refus() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, reste);
    QFETCH(QString, message);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, champ);
    QWidget* refuse = main.findChild<QWidget*>(champ);
    QWidget* suivant = main.findChild<QWidget*>(Chaine[Chaine.indexOf(champ) + 1]);
    Entre_Texte(main, texte);
    t.messages.textes.clear();
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Champ(main), refuse);
    QCOMPARE(Texte(refuse)->text(), reste);
    QCOMPARE(Couleurs::Couleur(refuse), Couleurs::Vert_Saisie);
    // The lighthouse name is opened early by the reference look-up.
    QCOMPARE(Couleurs::Couleur(suivant), Couleurs::Jaune);
    QCOMPARE(suivant->isEnabled(), suivant == main.Rem_A);
}

// Without a station, typing a callsign only repeats the first-run message: no QSO can be begun.
void Test_Saisie_QSO::Sans_Station() {
    Plateforme_Test t;
    Main main(t.plateforme);
    Demarre(main);
    t.messages.textes.clear();
    Saisit(main, "f5");
    QCOMPARE(t.messages.textes, QStringList(3, Textes::Premiere_Installation));
    QCOMPARE(main.Ind_A->text(), QStringLiteral("f5"));
    QVERIFY(!main.Prenom_A->isEnabled());
}

KEZ_TEST(Test_Saisie_QSO)

#include "Test_Saisie_QSO.moc"
