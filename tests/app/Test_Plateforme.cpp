#include "app/Adaptateur_Touches.h"
#include "app/Installation.h"
#include "app/Parametres.h"
#include "support/Disque.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QLineEdit>
#include <QMap>

class Test_Plateforme : public QObject {
    Q_OBJECT

private slots:
    void Reglages_data();
    void Reglages();
    void Adaptateur_Touches_data();
    void Adaptateur_Touches();
    void Dossier_data();
    void Dossier();
};

namespace {

using Contenus = QMap<QString, QByteArray>;

// Shipped files with bytes that a text conversion would change: CR LF, bare LF, Windows-1252, NUL.
const Contenus Livres{{"FXXXX.txt", ""},
                      {"Liste_Prenom.txt", "F5ABC        29 JEAN\r\n"},
                      {"Liste_Phare.txt", QByteArray("Phare du Cr\xe9"
                                                     "ac'h\r\n1001\n\r\n\x00\x80\r\n",
                                                     29)}};

Contenus Lit_Tous(const QString& dossier) {
    Contenus contenus;
    for (const QString& nom : QDir(dossier).entryList(QDir::Files))
        contenus[nom] = Lit_Disque(dossier + '/' + nom);
    return contenus;
}

} // namespace

// Each key read through its accessor, then written, at its exact place.
void Test_Plateforme::Reglages_data() {
    QTest::addColumn<QStringList>("cle"); // section, key, stored ("-": never written), read for F5ABC
    for (const QStringList& cle :
         QList<QStringList>{{"Setup ", "Indicatif Station", "F5ABCDEFGH_1", "F5ABCDEFGH_1"},
                            {"Setup ", "Indicatif Station", "-", "FXXXX"},
                            {"Setup ", "Indicatif Station", "F5ABCDEFGH_12", "FXXXX"},
                            {"Setup ", "Indicatif Station", "f5abc", "FXXXX"},
                            {"Setup F5ABC", "bande Utilisee", " 11 ", "11"},
                            {"Setup F5ABC", "bande Utilisee", "-1", "-1"},
                            {"Setup F5ABC", "bande Utilisee", "12", "0"},
                            {"Setup F5ABC", "Mode Utilise", "-2", "0"},
                            {"Setup F5ABC", "Date Auto", "-", "Oui"}})
        QTest::addRow("%s '%s'", qPrintable(cle[1]), qPrintable(cle[2])) << cle;
}

void Test_Plateforme::Reglages() {
    QFETCH(QStringList, cle);
    Plateforme_Test t;
    if (cle[2] != "-")
        t.Ecrit_Reglage(cle[0], cle[1], cle[2]);
    Parametres& p = *t.parametres;
    for (const Cle_Reglage* r :
         {&Reglages::Indicatif_Station, &Reglages::Chemin_Repertoire, &Reglages::Bande_Utilisee,
          &Reglages::Mode_Utilise, &Reglages::Date_Auto, &Reglages::Revision}) {
        if (cle[1] != r->cle)
            continue;
        QCOMPARE(r == &Reglages::Indicatif_Station ? p.Indicatif_Station()
                 : QString(r->defaut) == "0"       ? QString::number(p.Lit_Position(*r, "F5ABC", 12))
                                                   : p.Lit(*r, "F5ABC"),
                 cle[3]);
        p.Ecrit(*r, "F6XYZ", "F5ABC");
        QCOMPARE(t.Reglage(cle[0], cle[1]), QStringLiteral("F6XYZ"));
        return;
    }
    QFAIL("no such key");
}

// Only Enter, Backspace and characters reach the handler, which may replace or swallow them; no
// shortcut (Ctrl), but AltGr, which Windows gives as Ctrl and Alt, types.
void Test_Plateforme::Adaptateur_Touches_data() {
    QTest::addColumn<QString>("remplacement");
    QTest::addColumn<QString>("texte");
    QTest::newRow("aucun") << ""
                           << "ab/1@";
    QTest::newRow("majuscule") << "maj"
                               << "AB/1@";
    QTest::newRow("avale /") << "avale /"
                             << "ab1@";
    QTest::newRow("souligne /") << "souligne /"
                                << "ab_1@";
}

void Test_Plateforme::Adaptateur_Touches() {
    QFETCH(QString, remplacement);
    QFETCH(QString, texte);
    QLineEdit champ;
    QStringList recus;
    Adaptateur_Touches::Installe(&champ, [&](int& code) {
        recus << QString::number(code);
        if (remplacement == "maj")
            Sous_Programmes::Majuscule(code);
        else if (code == '/' && !remplacement.isEmpty())
            code = remplacement == "avale /" ? 0 : '_';
    });
    QTest::keyClicks(&champ, "ab/1");
    QTest::keyClick(&champ, '@', Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(champ.text(), texte);
    for (const Qt::Key touche : {Qt::Key_Return, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Delete, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_F1})
        QTest::keyClick(&champ, touche);
    QTest::keyClick(&champ, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(recus.join(','), QStringLiteral("97,98,47,49,64,13,8"));
}

// The program's own folder for a portable copy (any shipped file beside it), otherwise the operator's,
// where each shipped file missing is copied, writable, and none of his is ever replaced. "%1": the
// shipped files' folder, "%2": the operator's.
void Test_Plateforme::Dossier_data() {
    QTest::addColumn<QStringList>("a_cote");
    QTest::addColumn<Contenus>("avant"); // the operator's folder
    QTest::addColumn<QString>("manque"); // among the shipped files
    QTest::addColumn<QString>("choix");
    QTest::addColumn<Contenus>("apres");
    QTest::addColumn<QString>("erreur");
    const auto ligne = [](const char* nom, const QStringList& a_cote, const Contenus& avant,
                          const QString& manque, const char* choix, const Contenus& apres,
                          const QString& erreur) {
        QTest::newRow(nom) << a_cote << avant << manque << choix << apres << erreur;
    };
    const Contenus operateur{{"Liste_Prenom.txt", "F6XYZ        56 PAUL\r\n"}, {"F6XYZ_TORV.log", "un log"}};
    Contenus garde = Livres, sans_phares = Livres;
    garde.insert(operateur);
    sans_phares.remove("Liste_Phare.txt");
    ligne("construction", {"KEZ_TORV", "FXXXX.txt", "Liste_Phare.txt", "Liste_Prenom.txt"}, {}, "", "bin|",
          {}, "");
    ligne("prénoms effacés", {"KEZ_TORV", "Liste_Phare.txt"}, {}, "", "bin|", {}, "");
    ligne("premier lancement", {"KEZ_TORV"}, {}, "", "maison|share", Livres, "");
    ligne("fichiers de l'opérateur gardés", {"KEZ_TORV", "F5ABC_TORV.log"}, operateur, "", "maison|share",
          garde, "");
    ligne("modèle absent", {"KEZ_TORV"}, {}, "Liste_Phare.txt", "maison|share", sans_phares,
          "Impossible de copier le fichier %1/Liste_Phare.txt dans le dossier %2 : fichier absent");
}

void Test_Plateforme::Dossier() {
    QFETCH(QStringList, a_cote);
    QFETCH(Contenus, avant);
    QFETCH(QString, manque);
    QFETCH(QString, choix);
    QFETCH(Contenus, apres);
    QFETCH(QString, erreur);
    QTemporaryDir racine;
    const Installation::Lieux lieux{racine.filePath("bin"), racine.filePath("share"),
                                    racine.filePath("maison")};
    for (const QString& nom : a_cote)
        Ecrit_Disque(lieux.programme + '/' + nom, Livres.value(nom, "x"));
    for (const QString& nom : Livres.keys()) {
        if (nom != manque)
            Ecrit_Disque(lieux.donnees + '/' + nom, Livres[nom]);
        QFile::setPermissions(lieux.donnees + '/' + nom,
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    for (const QString& nom : avant.keys())
        Ecrit_Disque(lieux.utilisateur + '/' + nom, avant[nom]);
    const Installation::Emplacement emplacement = Installation::Choisit(lieux);
    QCOMPARE(QString(emplacement.travail + '|' + emplacement.modeles).remove(racine.path() + '/'), choix);
    const QStringList erreurs =
        erreur.isEmpty() ? QStringList()
                         : QStringList{erreur.replace("%1", lieux.donnees).replace("%2", lieux.utilisateur)};
    for (int fois = 0; fois < 2 && !emplacement.modeles.isEmpty(); ++fois) {
        QCOMPARE(Installation::Prepare_Dossier(emplacement.modeles, emplacement.travail, Livres.keys()),
                 erreurs);
        QCOMPARE(Lit_Tous(lieux.utilisateur), apres);
    }
    for (const QString& nom : apres.keys())
        QVERIFY2(QFile::permissions(lieux.utilisateur + '/' + nom) & QFile::WriteOwner, qPrintable(nom));
    // A portable copy in a folder the operator cannot write starts his folder from its own files.
    QCOMPARE(Installation::Choisit(lieux, true, false).modeles, lieux.programme);
    QCOMPARE(Installation::Choisit(lieux, false, true).travail, lieux.utilisateur);
}

KEZ_TEST(Test_Plateforme)

#include "Test_Plateforme.moc"
