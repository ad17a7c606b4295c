#include "app/Couleurs.h"
#include "app/Main.h"
#include "log/Enregistrement.h"
#include "reports/Carte_Acti_TORV.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QTest>
#include <memory>

class Test_Carte_Fenetre : public QObject {
    Q_OBJECT

private slots:
    void Ouverture();
    void Cases_Placees();
    void Comptes_data();
    void Comptes();
    void Afficher();
    void Colorie_Compte_Les_Cases();
    void Bande_Vide();
    void Mode_Stocke_data();
    void Mode_Stocke();
    void Fichiers_De_La_Carte_Absents_data();
    void Fichiers_De_La_Carte_Absents();
    void Image_Illisible();
    void Log_Absent_Ou_Illisible_data();
    void Log_Absent_Ou_Illisible();
    void Une_Seule_Fenetre();
};

using Lignes = QList<QByteArray>;

namespace {

const QString Image = QStringLiteral("Carte_France.jpg");
const QString Positions = QStringLiteral("Carte_Positions.txt");

QByteArray QSO(const char* departement, const char* bande = "14 Mhz", const char* mode = "SSB") {
    return Enregistrement::Compose(
               {"F5ABC", departement, "", "PB1004", "14/07/06", "10:05", mode, bande, "59", "59", "", " "})
        .toLatin1();
}

QByteArray Donnees(const QString& nom) {
    QFile fichier(QStringLiteral(KEZ_DONNEES "/") + nom);
    if (!fichier.open(QIODevice::ReadOnly))
        qFatal("missing data file %s", qPrintable(nom));
    return fichier.readAll();
}

// The main window of station F6KEZ, its log, and the map's files beside the program.
struct Banc {
    explicit Banc(const Lignes& log, const QString& bande = QStringLiteral("4"),
                  const QString& mode = QStringLiteral("0"),
                  const QStringList& fichiers = {Image, Positions}) {
        t.Ecrit_Reglage("Setup ", "Indicatif Station", "F6KEZ");
        t.Ecrit_Reglage("Setup F6KEZ", "bande Utilisee", bande);
        t.Ecrit_Reglage("Setup F6KEZ", "Mode Utilise", mode);
        QByteArray octets;
        for (const QByteArray& ligne : log)
            octets += ligne + "\r\n";
        t.Ecrit_Fichier("F6KEZ_TORV.log", octets);
        for (const QString& nom : fichiers)
            t.Ecrit_Fichier(nom, Donnees(nom));
        main = std::make_unique<Main>(t.plateforme);
        main->Form_Load();
    }

    Carte_Acti_TORV* Ouvre() {
        main->Mnu_Carte_HB->trigger();
        carte = main->findChild<Carte_Acti_TORV*>();
        return carte;
    }

    QList<int> Vertes() const {
        QList<int> vertes;
        for (int i = 0; i < Carte_Departements::Nombre_Cases; ++i) {
            if (Couleurs::Couleur(carte->Dep[i]) == Couleurs::Vert_Carte)
                vertes.append(i);
        }
        return vertes;
    }

    // Every box that is not green has the window's background.
    bool Autres_Au_Fond() const {
        const QColor fond = carte->palette().color(QPalette::Base);
        for (QLineEdit* boite : carte->Dep) {
            const QColor couleur = Couleurs::Couleur(boite);
            if (couleur != Couleurs::Vert_Carte && couleur != fond)
                return false;
        }
        return true;
    }

    Plateforme_Test t;
    std::unique_ptr<Main> main;
    Carte_Acti_TORV* carte = nullptr;
};

QString Lecture_Impossible(const Plateforme_Test& t, const QString& nom, const QString& raison) {
    return QStringLiteral("Impossible de lire le fichier ") + QDir::toNativeSeparators(t.Chemin(nom)) +
           QStringLiteral(" : ") + raison;
}

} // namespace

void Test_Carte_Fenetre::Ouverture() {
    Banc banc({QSO("29")});
    Carte_Acti_TORV* carte = banc.Ouvre();
    QVERIFY(carte);
    QVERIFY(carte->isVisible());
    QCOMPARE(carte->objectName(), QStringLiteral("Carte_Acti_TORV"));
    QCOMPARE(carte->windowTitle(), QStringLiteral("Carte des départements contactés"));
    QCOMPARE(carte->Label1->text(), QStringLiteral("départements contactés sur"));
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("1"));
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("14 Mhz"));
    QCOMPARE(carte->Label2->text(), QStringLiteral("Bande"));
    QCOMPARE(carte->Label3->text(), QStringLiteral("Mode"));
    QCOMPARE(carte->Afficher->text(), QStringLiteral("Afficher"));
    QCOMPARE(carte->Afficher->objectName(), QStringLiteral("Afficher"));
    QStringList bandes, modes;
    for (int i = 0; i < carte->Bande_A->count(); ++i)
        bandes << carte->Bande_A->itemText(i);
    for (int i = 0; i < carte->Mode_AX->count(); ++i)
        modes << carte->Mode_AX->itemText(i);
    QCOMPARE(bandes.join('|'), QStringLiteral("1.8 Mhz|3.5 Mhz|7.0 Mhz|10 Mhz|14 Mhz|18 Mhz|21 Mhz|24 Mhz|"
                                              "28 Mhz|50 Mhz|144 Mhz|432 Mhz"));
    QCOMPARE(modes.join('|'), QStringLiteral("SSB|CW"));
    for (QComboBox* liste : {carte->Bande_A, carte->Mode_AX}) {
        QVERIFY(liste->isEditable());
        QCOMPARE(liste->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(Couleurs::Couleur(liste), QColor(0xFF, 0xFF, 0xC0));
    }
    QCOMPARE(carte->Picture1->pixmap().size(), QSize(475, 510));
    QCOMPARE(carte->Picture1->size(), QSize(475, 510));
    QVERIFY(banc.t.messages.textes.isEmpty());
    QCOMPARE(banc.Vertes(), QList<int>{29});
    QCOMPARE(Couleurs::Couleur(carte->Dep[29]), QColor(0x80, 0xFF, 0x80));
    QVERIFY(banc.Autres_Au_Fond());
}

// Every box on the picture in the map's font, "X" on those of no département; the fixed ones where the
// window's design has them.
void Test_Carte_Fenetre::Cases_Placees() {
    Banc banc({});
    Carte_Acti_TORV* carte = banc.Ouvre();
    const QList<int> cachees{0, 20, 98, 99};
    const QMap<int, QString> textes{{0, "00"}, {20, "X"}, {96, "2a"}, {97, "2b"}, {98, "X"}, {99, "X"}};
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index) {
        QLineEdit* boite = carte->findChild<QLineEdit*>(QStringLiteral("Dep_%1").arg(index));
        QVERIFY(boite);
        QCOMPARE(boite, carte->Dep[index]);
        QCOMPARE(boite->parentWidget(), carte->Picture1);
        QCOMPARE(boite->text(),
                 textes.value(index, QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'))));
        QCOMPARE(boite->alignment(), Qt::AlignCenter);
        QCOMPARE(boite->font().family(), QStringLiteral("Arial"));
        QCOMPARE(boite->font().pointSizeF(), 9.75);
        QVERIFY(boite->font().bold());
        QCOMPARE(boite->isVisible(), !cachees.contains(index));
    }
    const QMap<int, QPoint> twips{{1, {5280, 3960}},  {29, {360, 2160}}, {75, {360, 480}},
                                  {92, {0, 600}},     {93, {720, 240}},  {94, {720, 720}},
                                  {96, {6240, 7080}}, {97, {6720, 6720}}};
    for (auto i = twips.cbegin(); i != twips.cend(); ++i)
        QCOMPARE(carte->Dep[i.key()]->geometry(), QRect(i.value() / 15, QSize(25, 20)));
}

void Test_Carte_Fenetre::Comptes_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QString>("bande"); // stored positions of the main window
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("compte");
    QTest::addColumn<QList<int>>("vertes");
    const QList<int> rien;
    QTest::newRow("log vide") << Lignes{} << "4" << QStringLiteral("0") << "0" << rien;
    QTest::newRow("2A, 2B et 2a") << Lignes{QSO("2A"), QSO("2B"), QSO("2a")} << "4" << QStringLiteral("0")
                                  << "2" << QList<int>{96, 97};
    QTest::newRow("00 colore sans compter, 20 colore et compte")
        << Lignes{QSO("00"), QSO("20"), QSO("29")} << "4" << QStringLiteral("0") << "2"
        << QList<int>{0, 20, 29};
    QTest::newRow("CW sur 7.0 Mhz") << Lignes{QSO("29", "7.0 Mhz", "CW"), QSO("56")} << "2"
                                    << QStringLiteral("1") << "1" << QList<int>{29};
}

void Test_Carte_Fenetre::Comptes() {
    QFETCH(Lignes, log);
    QFETCH(QString, bande);
    QFETCH(QString, mode);
    QFETCH(QString, compte);
    QFETCH(QList<int>, vertes);
    Banc banc(log, bande, mode);
    banc.Ouvre();
    QCOMPARE(banc.carte->NB_Dep->text(), compte);
    QCOMPARE(banc.Vertes(), vertes);
    QVERIFY(banc.Autres_Au_Fond());
    QVERIFY(banc.t.messages.textes.isEmpty());
}

// A band or a mode chosen, or a QSO logged while the map is open, shows only when it is drawn again.
void Test_Carte_Fenetre::Afficher() {
    Banc banc({QSO("29"), QSO("56"), QSO("22", "7.0 Mhz")});
    Carte_Acti_TORV* carte = banc.Ouvre();
    carte->Bande_A->setCurrentIndex(2);
    banc.t.Ecrit_Fichier("F6KEZ_TORV.log", QSO("29") + "\r\n" + QSO("35", "7.0 Mhz") + "\r\n");
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("14 Mhz"));
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("2"));
    QCOMPARE(banc.Vertes(), (QList<int>{29, 56}));
    QTest::mouseClick(carte->Afficher, Qt::LeftButton);
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("1"));
    QCOMPARE(banc.Vertes(), QList<int>{35});
    QVERIFY(banc.Autres_Au_Fond());
    // A mode typed in, here one the list does not offer.
    carte->Mode_AX->setEditText(QStringLiteral("FM"));
    carte->Bande_A->setEditText(QStringLiteral("14 Mhz"));
    carte->Afficher_Click();
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("0"));
    QCOMPARE(banc.Vertes(), QList<int>{});
    QVERIFY(banc.t.messages.textes.isEmpty());
}

// The count comes from the boxes: one coloured by hand and left green would be counted.
void Test_Carte_Fenetre::Colorie_Compte_Les_Cases() {
    Banc banc({QSO("29"), QSO("00"), QSO("95")});
    Carte_Acti_TORV* carte = banc.Ouvre();
    Couleurs::Colorie(carte->Dep[5], Couleurs::Vert_Carte);
    QCOMPARE(Sous_Programmes::Colorie_Departements(*carte, QStringLiteral("14 Mhz"), QStringLiteral("SSB")),
             2);
    QCOMPARE(banc.Vertes(), (QList<int>{0, 29, 95}));
    QCOMPARE(Sous_Programmes::Colorie_Departements(*carte, QStringLiteral("14 Mhz"), QStringLiteral("CW")),
             0);
    QCOMPARE(banc.Vertes(), QList<int>{});
    QVERIFY(banc.Autres_Au_Fond());
}

// Without a band, at opening or when drawing again, the operator is asked for one and the map stays as
// it was.
void Test_Carte_Fenetre::Bande_Vide() {
    Banc banc({QSO("29"), QSO("56")}, QStringLiteral("-1"));
    Carte_Acti_TORV* carte = banc.Ouvre();
    QVERIFY(carte->isVisible());
    const QStringList question{QStringLiteral("Selectionnez une bande")};
    QCOMPARE(banc.t.messages.textes, question);
    QCOMPARE(carte->Bande_A->currentText(), QString());
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("    Mhz"));
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("0"));
    QCOMPARE(banc.Vertes(), QList<int>{});
    carte->Bande_A->setCurrentIndex(4);
    carte->Afficher_Click();
    banc.t.messages.textes.clear();
    carte->Bande_A->setEditText(QString());
    carte->Mode_AX->setCurrentIndex(1);
    QTest::mouseClick(carte->Afficher, Qt::LeftButton);
    QCOMPARE(banc.t.messages.textes, question);
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("14 Mhz"));
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("2"));
    QCOMPARE(banc.Vertes(), (QList<int>{29, 56}));
}

void Test_Carte_Fenetre::Mode_Stocke_data() {
    QTest::addColumn<QString>("stocke");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<int>>("vertes");
    QTest::newRow("SSB") << "0" << QStringLiteral("SSB") << 0 << QList<int>{29};
    QTest::newRow("CW") << "1" << QStringLiteral("CW") << 1 << QList<int>{22};
    QTest::newRow("FM, tape") << "2" << QStringLiteral("FM") << -1 << QList<int>{35};
    QTest::newRow("aucun") << "-1" << QString() << -1 << QList<int>{};
    QTest::newRow("hors liste") << "3" << QStringLiteral("SSB") << 0 << QList<int>{29};
}

void Test_Carte_Fenetre::Mode_Stocke() {
    QFETCH(QString, stocke);
    QFETCH(QString, texte);
    QFETCH(int, position);
    QFETCH(QList<int>, vertes);
    Banc banc({QSO("29"), QSO("22", "14 Mhz", "CW"), QSO("35", "14 Mhz", "FM")}, QStringLiteral("4"), stocke);
    Carte_Acti_TORV* carte = banc.Ouvre();
    QCOMPARE(carte->Mode_AX->currentText(), texte);
    QCOMPARE(carte->Mode_AX->currentIndex(), position);
    QCOMPARE(carte->Mode_AX->count(), 2);
    QCOMPARE(banc.Vertes(), vertes);
}

void Test_Carte_Fenetre::Fichiers_De_La_Carte_Absents_data() {
    QTest::addColumn<QStringList>("presents");
    QTest::addColumn<QStringList>("absents");
    QTest::newRow("image") << QStringList{Positions} << QStringList{Image};
    QTest::newRow("positions") << QStringList{Image} << QStringList{Positions};
    QTest::newRow("les deux") << QStringList{} << QStringList{Image, Positions};
}

void Test_Carte_Fenetre::Fichiers_De_La_Carte_Absents() {
    QFETCH(QStringList, presents);
    QFETCH(QStringList, absents);
    Banc banc({QSO("29")}, QStringLiteral("4"), QStringLiteral("0"), presents);
    Carte_Acti_TORV* carte = banc.Ouvre();
    QVERIFY(carte);
    QVERIFY(carte->isVisible());
    QStringList attendus;
    for (const QString& nom : absents)
        attendus << Lecture_Impossible(banc.t, nom, QStringLiteral("fichier absent"));
    QCOMPARE(banc.t.messages.textes, attendus);
    // The map still counts and colours; boxes without a place stay hidden.
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("1"));
    QCOMPARE(banc.Vertes(), QList<int>{29});
    QCOMPARE(carte->Dep[29]->isVisible(), presents.contains(Positions));
    QCOMPARE(carte->Picture1->pixmap().isNull(), !presents.contains(Image));
    QCOMPARE(carte->Picture1->size(), QSize(475, 510));
}

void Test_Carte_Fenetre::Image_Illisible() {
    Banc banc({QSO("29")}, QStringLiteral("4"), QStringLiteral("0"), {Positions});
    banc.t.Ecrit_Fichier(Image, QByteArrayLiteral("\xFF\xD8\xFF\xE0 pas une image"));
    Carte_Acti_TORV* carte = banc.Ouvre();
    QCOMPARE(banc.t.messages.textes.size(), 1);
    const QString debut = Lecture_Impossible(banc.t, Image, QString());
    QVERIFY2(banc.t.messages.textes[0].startsWith(debut), qPrintable(banc.t.messages.textes[0]));
    QVERIFY(banc.t.messages.textes[0].size() > debut.size());
    QVERIFY(carte->Picture1->pixmap().isNull());
    QCOMPARE(banc.Vertes(), QList<int>{29});
}

void Test_Carte_Fenetre::Log_Absent_Ou_Illisible_data() {
    QTest::addColumn<bool>("illisible");
    QTest::newRow("absent") << false;
    QTest::newRow("illisible") << true;
}

void Test_Carte_Fenetre::Log_Absent_Ou_Illisible() {
    QFETCH(bool, illisible);
    Banc banc({QSO("29")});
    Carte_Acti_TORV* carte = banc.Ouvre();
    QCOMPARE(banc.Vertes(), QList<int>{29});
    QVERIFY(QFile::remove(banc.t.Chemin("F6KEZ_TORV.log")));
    // A folder in the log's place exists but cannot be read as a file.
    if (illisible)
        QVERIFY(QDir(banc.t.Chemin(QString())).mkdir(QStringLiteral("F6KEZ_TORV.log")));
    carte->Afficher_Click();
    QCOMPARE(banc.Vertes(), QList<int>{});
    QCOMPARE(carte->NB_Dep->text(), QStringLiteral("0"));
    if (!illisible) {
        QVERIFY(banc.t.messages.textes.isEmpty());
        return;
    }
    QCOMPARE(banc.t.messages.textes.size(), 1);
    QVERIFY2(banc.t.messages.textes[0].startsWith(Lecture_Impossible(banc.t, "F6KEZ_TORV.log", QString())),
             qPrintable(banc.t.messages.textes[0]));
}

void Test_Carte_Fenetre::Une_Seule_Fenetre() {
    Banc banc({QSO("29")});
    Carte_Acti_TORV* carte = banc.Ouvre();
    carte->Bande_A->setCurrentIndex(2);
    banc.main->Mnu_Carte_HB->trigger();
    QCOMPARE(banc.main->findChildren<Carte_Acti_TORV*>().size(), 1);
    // Brought forward, not drawn again.
    QCOMPARE(carte->Bande_A->currentText(), QStringLiteral("7.0 Mhz"));
    QCOMPARE(carte->Bande_Carte->text(), QStringLiteral("14 Mhz"));
    QPointer<Carte_Acti_TORV> fermee = carte;
    carte->close();
    QTRY_VERIFY(!fermee);
    Carte_Acti_TORV* nouvelle = banc.Ouvre();
    QVERIFY(nouvelle);
    QCOMPARE(nouvelle->Bande_A->currentText(), QStringLiteral("14 Mhz"));
    QCOMPARE(banc.Vertes(), QList<int>{29});
}

KEZ_TEST(Test_Carte_Fenetre)

#include "Test_Carte_Fenetre.moc"
