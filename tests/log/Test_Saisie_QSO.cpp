#include "Clavier.h"
#include "app/Textes.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QObject>
#include <algorithm>

class Test_Saisie_QSO : public QObject {
    Q_OBJECT

private slots:
    void QSO_Complet_data();
    void QSO_Complet();
    void Refus_data();
    void Refus();
    void Accepte_data();
    void Accepte();
    void Premiere_Installation();
    void Prenom_Retrouve_data();
    void Prenom_Retrouve();
    void Date_Automatique_data();
    void Date_Automatique();
    void Position_Memorisee_data();
    void Position_Memorisee();
    void Retour_A_Un_Champ_Passe();
};

using namespace Clavier;

namespace {

QByteArray Blancs(int n) {
    return QByteArray(n, ' ');
}

QWidget* Nomme(Main& main, const QString& nom) {
    return main.findChild<QWidget*>(nom);
}

} // namespace

void Test_Saisie_QSO::QSO_Complet_data() {
    QTest::addColumn<bool>("automatique");
    QTest::addColumn<QStringList>("textes"); // typed in each field of the chain, with Enter
    QTest::addColumn<int>("bande");          // list item picked before typing, -1: none
    QTest::addColumn<bool>("qsl");
    QTest::addColumn<QByteArray>("enregistrement");
    QTest::addColumn<QByteArray>("prenom");
    QTest::newRow("date automatique")
        << true << QStringList{"f5abc", "jean", "1004", "", "", "", "", "", ""} << -1 << true
        << "F5ABC" + Blancs(8) + "29" + Blancs(3) + "JEAN" + Blancs(12) +
               "PB100406/12/26 14:05 SSB 1.8 Mhz 59" + Blancs(2) + "59" + Blancs(2) + "P. Phare du Creac'h" +
               Blancs(12) + "*"
        << QByteArray("F5ABC        29 JEAN");
    QTest::newRow("prenom de 15 avec ß")
        << true << QStringList{"f5abc", "grüßgott-müller", "1004", "", "", "", "", "", ""} << -1 << false
        << "F5ABC" + Blancs(8) + "29" + Blancs(3) + "GR\xdc\xdfGOTT-M\xdcLLER " +
               "PB100406/12/26 14:05 SSB 1.8 Mhz 59" + Blancs(2) + "59" + Blancs(2) + "P. Phare du Creac'h" +
               Blancs(12) + " "
        << QByteArray("F5ABC        29 GR\xdc\xdfGOTT-M\xdcLLER");
    QTest::newRow("date manuelle") << false << QStringList{"f6abc/p12345", "",      "12", "",
                                                           "31/12/99",     "23:59", "",   "",
                                                           "\b\b5nn",      "\b9",   "\bz"}
                                   << 4 << false
                                   << "F6ABC/P12345 56" + Blancs(3) + Blancs(16) +
                                          "PB12  31/12/99 23:59 SSB 14 Mhz  5NN 59  " +
                                          "P. Phare de KerdoniZ" + Blancs(10) + "  "
                                   << QByteArray("F6ABC/P12345 56 ");
}

void Test_Saisie_QSO::QSO_Complet() {
    QFETCH(bool, automatique);
    QFETCH(QStringList, textes);
    QFETCH(int, bande);
    QFETCH(bool, qsl);
    QFETCH(QByteArray, enregistrement);
    QFETCH(QByteArray, prenom);
    Poste poste;
    auto& [t, main] = poste;
    (automatique ? main.Mnu_Date_Auto : main.Mnu_Date_Man)->trigger();
    for (const QString& texte : textes) {
        if (Champ(main) == main.Bande_A && bande >= 0)
            main.Bande_A->setCurrentIndex(bande);
        // QTest types ASCII only: another text is pasted, which must come to the same.
        if (std::all_of(texte.cbegin(), texte.cend(), [](QChar c) { return c.unicode() < 0x80; }))
            Tape(main, texte);
        else
            Colle(main, texte);
        Entree(main);
    }
    QCOMPARE(Champ(main), main.QSL_A);
    QCOMPARE(Couleurs::Couleur(main.QSL_A), Couleurs::Vert_Saisie);
    if (qsl)
        QTest::keyClick(main.QSL_A, Qt::Key_Space);
    QVERIFY(!main.Valide_A->isEnabled());
    Entree(main);
    QVERIFY(main.Valide_A->isEnabled());
    QCOMPARE(Couleurs::Couleur(main.Valide_A), Couleurs::Vert_Saisie);
    QCOMPARE(Couleurs::Couleur(main.QSL_A), Couleurs::Jaune);
    QCOMPARE(Champ(main), main.Valide_A);
    QVERIFY(t.messages.textes.isEmpty());
    Entree(main);

    QCOMPARE(t.messages.textes, QStringList{"Voulez vous enregistrer ces données ?"});
    QCOMPARE(enregistrement.size(), 107);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), enregistrement + "\r\n");
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), prenom + "\r\n");
    QCOMPARE(main.Modele_TORV->rowCount(), 1);
    QCOMPARE(main.session.Ligne_Selectionnee(), main.Modele_TORV->Ligne(0));
    // Ready for the next QSO.
    QCOMPARE(Etat_Saisie(main), Etat_Vierge(main.Bande_A->itemText(bande < 0 ? 0 : bande)));
    QCOMPARE(Champ(main), main.Ind_A);
    QVERIFY(Couleurs::Couleur(main.Valide_A) != Couleurs::Vert_Saisie);
}

void Test_Saisie_QSO::Refus_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte"); // typed over the field's text
    QTest::addColumn<bool>("colle");    // pasted rather than typed: refused and shown just the same
    QTest::addColumn<QString>("reste");
    QTest::addColumn<QString>("message");
    const auto ligne = [](const char* champ, const char* texte, const char* reste, const char* message,
                          bool colle = false) {
        QTest::addRow("%s %s", champ, texte) << champ << QString::fromUtf8(texte) << colle
                                             << QString::fromUtf8(reste) << QString::fromUtf8(message);
    };
    // Each format is checked in full in Test_Controle_Saisie: one refusal of each shows its message.
    ligne("Ind_A", "", "", "Entrez un indicatif");
    ligne("Ind_A", "abcdefghij123", "ABCDEFGHIJ123", "12 caracteres maxi pour l'indicatif");
    ligne("Ind_A", "F5ŁAB", "F5ŁAB", "Caractere non autorise : Ł", true);
    ligne("Ind_A", "abcdefghij12ß", "ABCDEFGHIJ12ß", "12 caracteres maxi pour l'indicatif", true);
    ligne("Prenom_A", "jean-christophe1", "JEAN-CHRISTOPHE1", "15 caracteres maxi pour le Prenom");
    ligne("Ref_A", "PB", "PB", "Entrez une Reference");
    ligne("Ref_A", "pb10045", "PB10045", "6 caracteres maxi pour la reference ex: PB1004");
    ligne("Ref_A", "PB10Ł", "PB10Ł", "Caractere non autorise : Ł", true);
    ligne("Ref_A", "pb10045", "PB10045", "6 caracteres maxi pour la reference ex: PB1004", true);
    ligne("Dpt_A", "", "", "Entrez un Departement");
    ligne("Dpt_A", "291", "291", "2 caracteres maxi pour le Departement");
    ligne("Date_A", "", "", "Entrez une date");
    ligne("Date_A", "14/07/2006", "14/07/2006", "Le format de la date doit etre JJ/MM/AA");
    ligne("Heure_A", "", "", "Entrez une Heure");
    ligne("Heure_A", "12h05", "12H05", "Le format de l'heure doit etre HH:MM");
    ligne("Mode_A", "", "", "Entrez un Mode");
    ligne("Mode_A", "olivia8", "OLIVIA8", "6 caracteres maxi pour le Mode");
    ligne("Mode_A", "sstv", "SSTV", "3 caracteres maxi pour le Mode");
    ligne("Mode_A", "mfsk", "MFSK", "3 caracteres maxi pour le Mode", true);
    ligne("Bande_A", "", "", "Entrez une QRG");
    ligne("Bande_A", "1296 Mhz", "1296 MHZ", "7 caracteres maxi pour la QRG");
    ligne("RST_A", "", "", "Entrez un Report");
    ligne("RST_A", "s9", "S9", "R (de RST)doit etre compris entre 0 et 5");
    ligne("RST_A", "5999", "5999", "3 caracteres maxi pour le Report");
    ligne("RSTE_A", "", "", "Entrez un Report");
    ligne("RSTE_A", "69", "69", "R (de RST)doit etre compris entre 0 et 5");
    ligne("Rem_A", "p. phare de la pointe saint-mat", "P. PHARE DE LA POINTE SAINT-MAT",
          "30 caracteres maxi pour le nom du Phare");
    ligne("Rem_A", "P. 🙂", "P. 🙂", "Caractere non autorise : 🙂", true);
}

void Test_Saisie_QSO::Refus() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(bool, colle);
    QFETCH(QString, reste);
    QFETCH(QString, message);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, champ);
    QWidget* refuse = Nomme(main, champ);
    QCOMPARE(Champ(main), refuse);
    const QString suivant = Chaine[Chaine.indexOf(champ) + 1];
    if (colle)
        Colle(main, texte);
    else
        Remplace(main, texte);
    t.messages.textes.clear();
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Champ(main), refuse);
    QCOMPARE(Texte(refuse)->text(), reste);
    QCOMPARE(Couleurs::Couleur(refuse), Couleurs::Vert_Saisie);
    // The next field was not opened (the lighthouse name is enabled early by the reference look-up).
    QCOMPARE(Couleurs::Couleur(Nomme(main, suivant)), Couleurs::Jaune);
    QCOMPARE(Nomme(main, suivant)->isEnabled(), suivant == "Rem_A");
    QVERIFY(!main.Valide_A->isEnabled());
    // Nothing filled in by a refused reference.
    if (champ == "Ref_A")
        QCOMPARE(main.Rem_A->text() + main.Dpt_A->text(), QString());
}

void Test_Saisie_QSO::Accepte_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("colle");
    QTest::addColumn<QString>("reste"); // the field's text once accepted
    const auto ligne = [](const char* nom, const char* champ, const char* texte, const char* reste,
                          bool colle = false) {
        QTest::newRow(nom) << QString(champ) << QString::fromUtf8(texte) << colle << QString::fromUtf8(reste);
    };
    // A callsign of 12 with a slash and an empty first name are entered by QSO_Complet.
    ligne("departement 2a", "Dpt_A", "2a", "2A");
    ligne("31/02/06", "Date_A", "31/02/06", "31/02/06");
    ligne("00:00", "Heure_A", "00:00", "00:00");
    ligne("mode hors liste", "Mode_A", "am", "AM");
    ligne("bande hors liste", "Bande_A", "2400", "2400");
    ligne("report 5", "RST_A", "5", "5");
    ligne("report 599", "RSTE_A", "599", "599");
    ligne("nom vide", "Rem_A", "", "");
    // Pasted, as typed: capitals wherever typing gives them.
    ligne("indicatif colle", "Ind_A", "f5abc", "F5ABC", true);
    ligne("prenom colle", "Prenom_A", "straße", "STRAßE", true);
    ligne("departement colle", "Dpt_A", "2a", "2A", true);
    ligne("mode colle", "Mode_A", "am", "AM", true);
    // The program writes small letters in these two itself: a pasted text keeps its own.
    ligne("bande collee", "Bande_A", "14 Mhz", "14 Mhz", true);
    ligne("nom colle", "Rem_A", "P. Goulphar", "P. Goulphar", true);
}

void Test_Saisie_QSO::Accepte() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(bool, colle);
    QFETCH(QString, reste);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, champ);
    if (colle)
        Colle(main, texte);
    else
        Remplace(main, texte);
    Entree(main);
    QCOMPARE(Texte(Nomme(main, champ))->text(), reste);
    QWidget* suivant = Nomme(main, Chaine[Chaine.indexOf(champ) + 1]);
    QCOMPARE(t.messages.textes, QStringList());
    QCOMPARE(Champ(main), suivant);
    QCOMPARE(Couleurs::Couleur(Nomme(main, champ)), Couleurs::Jaune);
    QCOMPARE(Couleurs::Couleur(suivant), Couleurs::Vert_Saisie);
    // Typed items are used as they are, never added to the lists.
    QCOMPARE(main.Mode_A->count(), 3);
    QCOMPARE(main.Bande_A->count(), 12);
}

void Test_Saisie_QSO::Premiere_Installation() {
    Plateforme_Test t;
    Main main(t.plateforme);
    Demarre(main);
    t.messages.textes.clear();
    Saisit(main, "f5");
    // Keys that type nothing say nothing.
    for (const Qt::Key touche : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Delete, Qt::Key_Escape})
        QTest::keyClick(main.Ind_A, touche);
    QTest::keyClick(main.Ind_A, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(t.messages.textes, QStringList(3, Textes::Premiere_Installation));
    QCOMPARE(main.Ind_A->text(), QStringLiteral("f5"));
    QCOMPARE(Champ(main), main.Ind_A);
    QVERIFY(!main.Prenom_A->isEnabled());
}

void Test_Saisie_QSO::Prenom_Retrouve_data() {
    QTest::addColumn<QByteArray>("memoire");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QByteArray>("apres");
    const QByteArray jean = "F5XYZ        29 JEAN\r\n", paul = "F5XYZ        29 paul\r\n",
                     autre = "F6AAA        22 ANNE\r\n", f5xyz = "F5XYZ        29 \r\n";
    QTest::newRow("connu") << autre + jean << "JEAN" << autre + jean;
    QTest::newRow("doublons: le dernier") << jean + autre + paul << "PAUL"
                                          << "F5XYZ        29 PAUL\r\n" + autre + "F5XYZ        29 PAUL\r\n";
    QTest::newRow("casse differente: inconnu") << QByteArray("f5xyz        29 JEAN\r\n") << ""
                                               << "f5xyz        29 JEAN\r\n" + f5xyz;
    QTest::newRow("fichier absent") << QByteArray() << "" << f5xyz;
}

void Test_Saisie_QSO::Prenom_Retrouve() {
    QFETCH(QByteArray, memoire);
    QFETCH(QString, prenom);
    QFETCH(QByteArray, apres);
    Poste poste;
    auto& [t, main] = poste;
    // Read when the callsign is entered.
    if (!memoire.isEmpty())
        t.Ecrit_Fichier("Liste_Prenom.txt", memoire);
    main.Mnu_Date_Man->trigger();
    Saisit(main, "f5xyz");
    QCOMPARE(main.Prenom_A->text(), prenom);
    QCOMPARE(Champ(main), main.Prenom_A);
    for (int i = 1; i < Chaine.size(); ++i)
        Saisit(main, Textes_Usuels[i]);
    Entree(main);
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), apres);
}

void Test_Saisie_QSO::Date_Automatique_data() {
    QTest::addColumn<bool>("automatique");
    QTest::addColumn<QString>("mode"); // "", "modification" or "insertion"
    QTest::addColumn<bool>("date_du_jour");
    QTest::newRow("nouveau QSO") << true << "" << true;
    QTest::newRow("date manuelle") << false << "" << false;
    QTest::newRow("insertion") << true << "insertion" << false;
    QTest::newRow("modification") << true << "modification" << false;
}

void Test_Saisie_QSO::Date_Automatique() {
    QFETCH(bool, automatique);
    QFETCH(QString, mode);
    QFETCH(bool, date_du_jour);
    Poste poste;
    auto& [t, main] = poste;
    if (!automatique)
        main.Mnu_Date_Man->trigger();
    main.session.Choisit_Mode(mode == "modification", mode == "insertion");
    // The clock has moved on since the labels were last shown: the labels are what counts.
    t.horloge.utc = t.horloge.utc.addSecs(3600);
    Avance_Jusqu_A(main, "Dpt_A");
    Entree(main);
    if (date_du_jour) {
        QCOMPARE(Champ(main), main.Mode_A);
        QCOMPARE(main.Date_A->text(), QStringLiteral("06/12/26"));
        QCOMPARE(main.Heure_A->text(), QStringLiteral("14:05"));
        QVERIFY(!main.Date_A->isEnabled());
        QVERIFY(!main.Heure_A->isEnabled());
        QCOMPARE(Couleurs::Couleur(main.Date_A), Couleurs::Jaune);
        QCOMPARE(Couleurs::Couleur(main.Mode_A), Couleurs::Vert_Saisie);
    } else {
        QCOMPARE(Champ(main), main.Date_A);
        QCOMPARE(main.Date_A->text(), QString());
        QVERIFY(!main.Mode_A->isEnabled());
    }
    QCOMPARE(Couleurs::Couleur(main.Dpt_A), Couleurs::Jaune);
}

void Test_Saisie_QSO::Position_Memorisee_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<int>("choisi"); // item picked in the list first, -1: the text selected to type over
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("avant_entree"); // stored once the text is typed
    QTest::addColumn<QString>("apres_entree"); // "9" when Enter did not write
    QTest::addColumn<QStringList>("messages");
    const auto ligne = [](const char* nom, const char* champ, int choisi, const char* texte, const char* mode,
                          const char* avant_entree, const char* apres_entree, QStringList messages = {}) {
        QTest::newRow(nom) << QString(champ) << choisi << QString(texte) << QString(mode)
                           << QString(avant_entree) << QString(apres_entree) << messages;
    };
    ligne("CW choisi", "Mode_A", 1, "", "", "<absent>", "1");
    ligne("mode tape", "Mode_A", -1, "am", "", "-1", "-1");
    ligne("position d'avant la touche", "Mode_A", 1, "\b", "", "1", "-1");
    ligne("14 Mhz choisi", "Bande_A", 4, "", "", "<absent>", "4");
    ligne("bande tapee", "Bande_A", -1, "2400", "", "-1", "-1");
    ligne("insertion", "Mode_A", 2, "", "insertion", "<absent>", "2");
    ligne("modification", "Mode_A", -1, "am", "modification", "<absent>", "9");
    ligne("modification bande", "Bande_A", 4, "x", "modification", "<absent>", "9");
    ligne("Entree refusee", "Mode_A", -1, "\b", "", "0", "9", {"Entrez un Mode"});
}

void Test_Saisie_QSO::Position_Memorisee() {
    QFETCH(QString, champ);
    QFETCH(int, choisi);
    QFETCH(QString, texte);
    QFETCH(QString, mode);
    QFETCH(QString, avant_entree);
    QFETCH(QString, apres_entree);
    QFETCH(QStringList, messages);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    main.session.Choisit_Mode(mode == "modification", mode == "insertion");
    Avance_Jusqu_A(main, champ);
    const QString cle = champ == "Mode_A" ? "Mode Utilise" : "bande Utilisee";
    QCOMPARE(t.Reglage("Setup F5ABC", cle), QStringLiteral("<absent>"));
    auto* liste = static_cast<QComboBox*>(Nomme(main, champ));
    if (choisi >= 0)
        liste->setCurrentIndex(choisi);
    else
        liste->lineEdit()->selectAll();
    Tape(main, texte);
    QCOMPARE(t.Reglage("Setup F5ABC", cle), avant_entree);
    t.Ecrit_Reglage("Setup F5ABC", cle, "9");
    Entree(main);
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(t.Reglage("Setup F5ABC", cle), apres_entree);
}

void Test_Saisie_QSO::Retour_A_Un_Champ_Passe() {
    Poste poste;
    auto& main = poste.main;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, "RST_A");
    main.Prenom_A->setFocus();
    Remplace(main, "luc");
    Entree(main);
    QCOMPARE(Champ(main), main.Ref_A);
    QCOMPARE(main.Ref_A->cursorPosition(), 3);
    QCOMPARE(main.Ref_A->text(), QStringLiteral("PB1004"));
    QCOMPARE(main.Prenom_A->text(), QStringLiteral("LUC"));
    // Fields further down keep their content and state.
    QVERIFY(main.RST_A->isEnabled());
    QCOMPARE(main.Date_A->text(), QStringLiteral("14/07/06"));
    QCOMPARE(Couleurs::Couleur(main.RST_A), Couleurs::Vert_Saisie);
}

KEZ_TEST(Test_Saisie_QSO)

#include "Test_Saisie_QSO.moc"
