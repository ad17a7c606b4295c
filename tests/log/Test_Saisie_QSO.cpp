#include "Clavier.h"
#include "app/Textes.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>

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

struct QSO_Tape {
    bool automatique;
    QByteArray memoire; // the first-name memory before
    QStringList textes; // added to each field of the chain before Enter; '^': pasted over its text
    int bande;          // the list item picked first, -1: none
    QByteArray enregistrement, prenoms; // the record, the memory after
    QString reglages;                   // the mode's and the band's positions kept for the station
};
Q_DECLARE_METATYPE(QSO_Tape)

void Test_Saisie_QSO::QSO_Complet_data() {
    QTest::addColumn<QSO_Tape>("qso");
    const QByteArray creach = "P. Phare du Creac'h            ", paul = "F5ABC        29 PAUL\r\n";
    QTest::newRow("date automatique, prenom retrouve: le dernier double") << QSO_Tape{
        true,
        "F5ABC        29 jean\r\nF6AAA        22 ANNE\r\nF5ABC        29 paul\r\n",
        {"f5abc", "", "1004", "", "", "", "", "", "", " "},
        -1,
        "F5ABC        29   PAUL            PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  " + creach + "*",
        paul + "F6AAA        22 ANNE\r\n" + paul,
        "0 0"};
    // Pasted as typed: capitals wherever typing gives them; the lighthouse name as it is.
    QTest::newRow("textes colles") << QSO_Tape{
        true,
        {},
        {"^f5abc", "^grüßgott-müller", "1004", "", "", "", "", "", "^P. Goulphar", ""},
        -1,
        "F5ABC        29   GR\xdc\xdfGOTT-M\xdcLLER PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  P. Goulphar" +
            QByteArray(20, ' ') + " ",
        "F5ABC        29 GR\xdc\xdfGOTT-M\xdcLLER\r\n",
        "0 0"};
    QTest::newRow("date manuelle") << QSO_Tape{
        false,
        {},
        {"f6abc/p12345", "", "12", "", "31/12/99", "23:59", "", "", "\b\b5nn", "\b9", "\bz", ""},
        4,
        "F6ABC/P12345 56" + QByteArray(19, ' ') +
            "PB12  31/12/99 23:59 SSB 14 Mhz  5NN 59  P. Phare de KerdoniZ" + QByteArray(12, ' '),
        "F6ABC/P12345 56 \r\n",
        "0 4"};
}

void Test_Saisie_QSO::QSO_Complet() {
    QFETCH(QSO_Tape, qso);
    Poste poste;
    auto& [t, main] = poste;
    if (!qso.memoire.isEmpty())
        t.Ecrit_Fichier("Liste_Prenom.txt", qso.memoire);
    (qso.automatique ? main.Mnu_Date_Auto : main.Mnu_Date_Man)->trigger();
    // The clock has moved on since the labels were last shown: the labels are what counts.
    t.horloge.utc = t.horloge.utc.addSecs(3600);
    for (const QString& texte : qso.textes) {
        if (Champ(main) == main.Bande_A && qso.bande >= 0)
            main.Bande_A->setCurrentIndex(qso.bande);
        texte.startsWith(QLatin1Char('^')) ? Colle(main, texte.mid(1)) : Tape(main, texte);
        Entree(main);
    }
    QCOMPARE(Champ(main), main.Valide_A);
    QCOMPARE(t.messages.textes, QStringList());
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), qso.enregistrement + "\r\n");
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), qso.prenoms);
    QCOMPARE(t.Reglage("Setup F5ABC", "Mode Utilise") + " " + t.Reglage("Setup F5ABC", "bande Utilisee"),
             qso.reglages);
    QCOMPARE(main.session.QSO_Selectionne().octets, qso.enregistrement);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(0));
    // Ready for the next QSO.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge(main.Bande_A->itemText(qMax(qso.bande, 0))));
    QCOMPARE(Champ(main), main.Ind_A);
}

// One refusal of each kind: the field keeps the focus and its text, the next one stays closed. A pasted
// text ('^') is refused just as typed.
void Test_Saisie_QSO::Refus_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte"); // typed over the field's text
    QTest::addColumn<QString>("reste");
    QTest::addColumn<QString>("message");
    const auto ligne = [](const char* champ, const char* texte, const char* reste, const char* message) {
        QTest::addRow("%s %s", champ, texte)
            << champ << QString::fromUtf8(texte) << QString::fromUtf8(reste) << QString::fromUtf8(message);
    };
    ligne("Ind_A", "", "", "Entrez un indicatif");
    ligne("Ind_A", "^F5ŁAB", "F5ŁAB", "Caractere non autorise : Ł");
    ligne("Prenom_A", "jean-christophe1", "JEAN-CHRISTOPHE1", "15 caracteres maxi pour le Prenom");
    ligne("Ref_A", "PB", "PB", "Entrez une Reference");
    ligne("Ref_A", "^pb10045", "PB10045", "6 caracteres maxi pour la reference ex: PB1004");
    ligne("Dpt_A", "291", "291", "2 caracteres maxi pour le Departement");
    ligne("Date_A", "14/07/2006", "14/07/2006", "Le format de la date doit etre JJ/MM/AA");
    ligne("Heure_A", "12h05", "12H05", "Le format de l'heure doit etre HH:MM");
    ligne("Mode_A", "", "", "Entrez un Mode");
    ligne("Mode_A", "^mfsk", "MFSK", "3 caracteres maxi pour le Mode");
    ligne("Bande_A", "1296 Mhz", "1296 MHZ", "7 caracteres maxi pour la QRG");
    ligne("RST_A", "s9", "S9", "R (de RST)doit etre compris entre 0 et 5");
    ligne("RSTE_A", "5999", "5999", "3 caracteres maxi pour le Report");
    ligne("Rem_A", "p. phare de la pointe saint-mat", "P. PHARE DE LA POINTE SAINT-MAT",
          "30 caracteres maxi pour le nom du Phare");
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
    QWidget* refuse = Champ(main);
    QWidget* suivant = main.findChild<QWidget*>(Chaine[Chaine.indexOf(champ) + 1]);
    texte.startsWith(QLatin1Char('^')) ? Colle(main, texte.mid(1)) : Remplace(main, texte);
    t.messages.textes.clear();
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Champ(main), refuse);
    QCOMPARE(refuse->objectName() + " " + Texte(refuse)->text(), champ + " " + reste);
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
