#include "Clavier.h"
#include "log/Modele_Log.h"
#include "support/Principal.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QRegularExpression>

// The entry chain walked with Enter, and the buttons that record, modify, insert and delete a QSO.
class Test_Edition_QSO : public QObject {
    Q_OBJECT

private slots:
    void QSO_Complet_data();
    void QSO_Complet();
    void Refus_data();
    void Refus();
    void Modes_data();
    void Modes();
    void Doublons_data();
    void Doublons();
};

using namespace Clavier;
using Lignes = QList<QByteArray>;

struct QSO_Tape {
    QByteArray memoire; // the first-name memory before
    QStringList textes; // added to each field before Enter; all of them with manual dating
    QString panne;      // the file whose rewrite fails on the first Enter on the record button, if any
    QByteArray enregistrement, prenoms; // the record, the memory after
};
Q_DECLARE_METATYPE(QSO_Tape)

namespace {

const QByteArray A = QSO_Phare("F5AAA", "01/07/06"), B = QSO_Phare("F5BBB", "02/07/06", "10:00", "PB12"),
                 C = QSO_Phare("F5CCC", "03/07/06");
const QString Question = QStringLiteral("Voulez vous enregistrer ces données ?");

// Adds the text to the focused field; "^...": pastes it over the field's text; "#n": picks item n of a list.
void Entre_Texte(Main& main, const QString& texte) {
    if (auto* liste = qobject_cast<QComboBox*>(Champ(main)); liste && texte.startsWith(QLatin1Char('#')))
        return liste->setCurrentIndex(texte.mid(1).toInt());
    if (!texte.startsWith(QLatin1Char('^')))
        return Tape(main, texte);
    Texte(Champ(main))->selectAll();
    QGuiApplication::clipboard()->setText(texte.mid(1));
    QTest::keyClick(Champ(main), Qt::Key_V, Qt::ControlModifier);
}

// Plays the gestures: a digit chooses that line of the list, N answers No to the next question, M I E S
// click Modify, Insert, Clear and Delete, X has another program write `ailleurs` over the log, V walks the
// chain from the callsign typing over the fields in `saisie` and records. Gives the questions asked.
QStringList Joue(Poste& poste, const QString& gestes, const QMap<QString, QString>& saisie,
                 const Lignes& ailleurs = {}) {
    auto& [t, main] = poste;
    const QMap<QChar, QPushButton*> boutons{
        {'M', main.Modi_Saisie}, {'I', main.Ajout_QSO}, {'E', main.Efface_A}, {'S', main.Annule_Saisie}};
    QStringList questions;
    t.messages.reponses.clear();
    for (const QChar geste : gestes) {
        if (geste.isDigit())
            main.Liste_TORV->setCurrentIndex(main.Modele_TORV->index(geste.digitValue()));
        if (geste == 'N')
            t.messages.reponses = {false};
        if (geste == 'X')
            t.Ecrit_Fichier("F5ABC_TORV.log", Fichier(ailleurs));
        if (boutons.contains(geste))
            boutons[geste]->click();
        if (geste == 'S')
            questions << QStringLiteral("Voulez vous Supprimer ce QSO ?");
        if (geste != 'V')
            continue;
        main.Bande_A->setEditText("14 Mhz");
        // The automatic date passes over two fields.
        for (int i = 0; i < Chaine.size() && Champ(main) != main.Valide_A; ++i) {
            if (saisie.contains(Champ(main)->objectName()))
                Remplace(main, saisie[Champ(main)->objectName()]);
            Entree(main);
        }
        Entree(main);
        questions << Question;
    }
    return questions;
}

} // namespace

void Test_Edition_QSO::QSO_Complet_data() {
    QTest::addColumn<QSO_Tape>("qso");
    const auto ligne = [](const char* nom, const QByteArray& memoire, const QStringList& textes,
                          const char* panne, const QByteArray& enregistrement, const QByteArray& prenoms) {
        QTest::newRow(nom) << QSO_Tape{memoire, textes, panne, enregistrement, prenoms};
    };
    const QByteArray paul = "F5ABC        29 PAUL\r\n", anne = "F6AAA        22 ANNE\r\n";
    ligne("date automatique, prenom retrouve: le dernier double, panne des prenoms",
          "F5ABC        29 jean\r\n" + anne + "F5ABC        29 paul\r\n",
          {"f5abc", "", "1004", "", "", "", "", "", "", " "}, "Liste_Prenom.txt",
          "F5ABC        29   PAUL            PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  P. Phare du Creac'h" +
              QByteArray(12, ' ') + "*",
          paul + anne + paul);
    // Pasted as typed: capitals wherever typing gives them; the lighthouse name as it is.
    ligne("textes colles", {}, {"^f5abc", "^grüßgott-müller", "1004", "", "", "", "", "", "^P. Goulphar", ""},
          "",
          "F5ABC        29   GR\xdc\xdfGOTT-M\xdcLLER PB100406/12/26 14:05 SSB 1.8 Mhz 59  59  P. Goulphar" +
              QByteArray(21, ' '),
          "F5ABC        29 GR\xdc\xdfGOTT-M\xdcLLER\r\n");
    ligne("date manuelle, panne du log", {},
          {"f6abc/p12345", "", "12", "", "31/12/99", "23:59", "", "#4", "\b\b5nn", "\b9", "\bz", ""},
          "F5ABC_TORV.log",
          "F6ABC/P12345 56" + QByteArray(19, ' ') +
              "PB12  31/12/99 23:59 SSB 14 Mhz  5NN 59  P. Phare de KerdoniZ" + QByteArray(12, ' '),
          "F6ABC/P12345 56 \r\n");
}

void Test_Edition_QSO::QSO_Complet() {
    QFETCH(QSO_Tape, qso);
    Poste poste;
    auto& [t, main] = poste;
    QStringList vierge = Etat_Saisie(main);
    if (!qso.memoire.isEmpty())
        t.Ecrit_Fichier("Liste_Prenom.txt", qso.memoire);
    (qso.textes.size() == Chaine.size() ? main.Mnu_Date_Man : main.Mnu_Date_Auto)->trigger();
    for (const QString& texte : qso.textes) {
        Entre_Texte(main, texte);
        Entree(main);
    }
    QStringList messages{Question};
    if (!qso.panne.isEmpty()) {
        // The entry stays; the same Enter records once the disk is back, the first name once.
        t.fichiers.cible = t.Chemin(qso.panne);
        t.fichiers.panne = Fichiers_Defaillants::Etape::Ouverture;
        const QStringList avant = Etat_Saisie(main);
        Entree(main);
        QCOMPARE(Etat_Saisie(main), avant);
        QVERIFY(t.messages.textes.value(1).startsWith("Impossible d'enregistrer le fichier " +
                                                      QDir::toNativeSeparators(t.fichiers.cible) + " : "));
        messages << t.messages.textes.value(1) << Question;
        t.fichiers.panne = Fichiers_Defaillants::Etape::Aucune;
    }
    Entree(main);
    QCOMPARE(t.messages.textes, messages);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), qso.enregistrement + "\r\n");
    QCOMPARE(t.Lit_Fichier("Liste_Prenom.txt"), qso.prenoms);
    // Ready for the next QSO as at start, the band last picked shown again.
    const QString bande =
        Enregistrement::Valeur(QString::fromLatin1(qso.enregistrement), Enregistrement::Champ::Bande);
    QCOMPARE(Etat_Saisie(main), vierge.replaceInStrings("'1.8 Mhz'", "'" + bande + "'"));
}

// A refusal in each field keeps the focus ('^': pasted, refused as typed; each rule in Test_Journal).
void Test_Edition_QSO::Refus_data() {
    QTest::addColumn<QString>("champ");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("message");
    const auto ligne = [](const char* champ, const char* texte, const char* message) {
        QTest::addRow("%s %s", champ, texte) << champ << QString(texte) << QString(message);
    };
    ligne("Ind_A", "^F5ŁAB", "Caractere non autorise : Ł");
    ligne("Prenom_A", "jean-christophe1", "15 caracteres maxi pour le Prenom");
    ligne("Ref_A", "", "Entrez une Reference");
    ligne("Dpt_A", "1", "2 caracteres maxi pour le Departement");
    ligne("Mode_A", "^mfsk", "3 caracteres maxi pour le Mode");
    ligne("Bande_A", "^1296 Mhz", "7 caracteres maxi pour la QRG");
    ligne("RST_A", "\b\bs9", "R (de RST)doit etre compris entre 0 et 5");
    ligne("RSTE_A", "\b\b", "Entrez un Report");
    ligne("Rem_A", "abcdefghijkl", "30 caracteres maxi pour le nom du Phare");
}

void Test_Edition_QSO::Refus() {
    QFETCH(QString, champ);
    QFETCH(QString, texte);
    QFETCH(QString, message);
    Poste poste;
    auto& [t, main] = poste;
    main.Mnu_Date_Man->trigger();
    Avance_Jusqu_A(main, champ);
    Entre_Texte(main, texte);
    Entree(main);
    QCOMPARE(t.messages.textes, QStringList{message});
    QCOMPARE(Champ(main)->objectName(), champ);
}

// Each order of the buttons, the last line chosen before each and questions answered No: the caption names
// what recording does, and recording does just that, dating by hand a QSO modified or inserted.
void Test_Edition_QSO::Modes_data() {
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<QString>("libelle"); // with Mode_Modification and Mode_Insertion
    const auto lignes = [](const QStringList& ordres, const char* libelle) {
        for (const QString& boutons : ordres)
            QTest::newRow(qPrintable(boutons))
                << QString(boutons).replace(QRegularExpression("(.)"), "2N\\1") << QString(libelle);
    };
    lignes({"", "E", "ME", "IE", "MIE", "IME", "MIV"}, "Saisie QSO 0 0");
    lignes({"I", "MI", "EI", "MEI", "EMI", "MVI", "SI"}, "Insertion QSO 0 1");
    lignes({"M", "IM", "EM", "IEM", "EIM", "IVM"}, "Modification QSO 1 0");
}

void Test_Edition_QSO::Modes() {
    QFETCH(QString, gestes);
    QFETCH(QString, libelle);
    Poste poste({{"F5ABC_TORV.log", Fichier({A, B, C})}});
    // The QSO loaded for modification is C; typed, a QSO goes between A and B by its date.
    const QMap<QString, QString> saisie{
        {"Ind_A", "f5new"}, {"Ref_A", "PB1004"}, {"Date_A", "02/07/06"}, {"Heure_A", "09:00"}};
    Joue(poste, gestes, saisie);
    QCOMPARE(Etat_Saisie(poste.main).last(), "Mode_Aff " + libelle);
    Joue(poste, "0V", saisie);
    const QByteArray N = QSO_Phare("F5NEW", "02/07/06", "09:00");
    const Lignes log = libelle.startsWith("Saisie") ? Lignes{A, B, C, QSO_Phare("F5NEW", "06/12/26", "14:05")}
                       : libelle.startsWith("Insertion") ? Lignes{A, N, B, C}
                                                         : Lignes{A, B, N};
    QCOMPARE(poste.t.Lit_Fichier("F5ABC_TORV.log"), Fichier(log));
}

// Only the chosen line is changed, not its twin, while it is at its place whatever is done meanwhile; else
// the operator is told, nothing is written, the list shows the log as it is and the entry stays as typed.
void Test_Edition_QSO::Doublons_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("gestes");
    QTest::addColumn<Lignes>("fichier"); // also what another program writes, if it does
    QTest::addColumn<bool>("refuse");
    const auto ligne = [](const char* nom, const Lignes& log, const char* gestes, const Lignes& fichier,
                          bool refuse = false) {
        QTest::newRow(nom) << log << QString(gestes) << fichier << refuse;
    };
    const QByteArray B57 = QSO_Phare("F5BBB", "02/07/06", "10:00", "PB12", "57");
    const Lignes ABBC{A, B, B, C}, ABCB{A, B, C, B}, raccourci{A, B.left(60), B, C};
    ligne("suppression du second", ABBC, "2S", {A, B, C});
    ligne("suppression, reponse non", ABBC, "2NS", ABBC);
    ligne("modification du premier", ABBC, "1MV", {A, B57, B, C});
    ligne("modification du second", ABBC, "2MV", {A, B, B57, C});
    ligne("modification, autre ligne choisie", {A, B, C}, "1M2V", {A, B57, C});
    ligne("modification, QSO d'avant supprime", {A, B, C}, "1M0SV", {B57, C});
    ligne("suppression, log change par ailleurs", ABBC, "2XS", ABCB, true);
    ligne("modification, log change par ailleurs", ABBC, "2MXV", ABCB, true);
    ligne("modification, ligne raccourcie par ailleurs", ABBC, "1MXV", raccourci, true);
    ligne("modification du QSO supprime", {A, B, C}, "1MSV", {A, C}, true);
}

void Test_Edition_QSO::Doublons() {
    QFETCH(Lignes, log);
    QFETCH(QString, gestes);
    QFETCH(Lignes, fichier);
    QFETCH(bool, refuse);
    Poste poste({{"F5ABC_TORV.log", Fichier(log)}});
    auto& [t, main] = poste;
    QStringList questions = Joue(poste, gestes, {{"RSTE_A", "57"}}, fichier);
    QCOMPARE(t.messages.textes, refuse ? questions << QSO_Deplace(t) : questions);
    QCOMPARE(t.Lit_Fichier("F5ABC_TORV.log"), Fichier(fichier));
    // The list shows the log as it is, numbered from 1.
    QCOMPARE(main.Modele_TORV->rowCount(), fichier.size());
    QCOMPARE(Enregistrement::De_Ligne_Liste(main.Modele_TORV->Ligne(fichier.size() - 1)).toLatin1(),
             fichier.last());
    QCOMPARE(main.Modele_TORV->Ligne(1).left(12), "    2  " + QString::fromLatin1(fichier[1].left(5)));
    QCOMPARE(main.session.Ligne_Selectionnee().isEmpty(), refuse);
    const bool garde = refuse && gestes.endsWith('V');
    QCOMPARE(main.Mode_Aff->text() + " " + main.RSTE_A->text(),
             QString(garde ? "Modification QSO 57" : "Saisie QSO 59"));
}

KEZ_TEST(Test_Edition_QSO)

#include "Test_Edition_QSO.moc"
