#include "Outils_Rapports.h"
#include "app/Horloge.h"
#include "reports/Score.h"
#include "support/Principal.h"

#include <QObject>
#include <QTest>

class Test_Rapports : public QObject {
    Q_OBJECT

private slots:
    void Numero_data();
    void Numero();
    void Noms_De_Fichier_data();
    void Noms_De_Fichier();
    void Phares_Contactes_data();
    void Phares_Contactes();
    void Liste_Alphabetique_data();
    void Liste_Alphabetique();
    void Liste_Phares_Contactes_data();
    void Liste_Phares_Contactes();
    void Score_data();
    void Score();
};

using namespace Outils_Rapports;
using Rapports::Support;

Q_DECLARE_METATYPE(Rapports::Support)

namespace {

const QDate Jour(2026, 12, 5);
const QString Credit = QStringLiteral("CREDIT");

// A line of the alphabetical list from its five fields, as typed out by hand.
const QString PB0045 = QStringLiteral(" PB0045  Phare B                         03/03/06  F6AAA          ");
const QString PB1004 = QStringLiteral(" PB1004  P. Ar-Men                       14/07/14  F5XYZ         *");
const QString PB123 = QStringLiteral(" PB123   Phare A                         01/01/06  F5ZZZ          ");

const QByteArray Courte = "F5XYZ        29   JEAN            PB1004";

// Each report on both media, from no line and from three.
template <typename Corps> void Deux_Supports(const Corps& corps) {
    QTest::addColumn<Support>("support");
    QTest::addColumn<Corps>("corps");
    for (const auto& [nom, support] : {std::pair{"fichier", Support::Fichier}, {"papier", Support::Papier}}) {
        QTest::addRow("%s, vide", nom) << support << Corps{};
        QTest::addRow("%s, trois lignes", nom) << support << corps;
    }
}

} // namespace

void Test_Rapports::Numero_data() {
    QTest::addColumn<int>("numero");
    QTest::addColumn<QByteArray>("prefixe");
    QTest::newRow("1") << 1 << QByteArray("    1 ");
    QTest::newRow("12") << 12 << QByteArray("   12 ");
    QTest::newRow("99999 tient encore") << 99999 << QByteArray("99999 ");
    QTest::newRow("100000 elargit") << 100000 << QByteArray("100000 ");
}

void Test_Rapports::Numero() {
    QFETCH(int, numero);
    QFETCH(QByteArray, prefixe);
    QCOMPARE(Rapports::Numero(numero), prefixe);
}

void Test_Rapports::Noms_De_Fichier_data() {
    QTest::addColumn<QDateTime>("utc");
    QTest::addColumn<QDateTime>("locale");
    QTest::addColumn<QString>("suffixe");
    QTest::newRow("5 decembre 2026") << QDateTime(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC)
                                     << QDateTime(QDate(2026, 12, 5), QTime(10, 0)) << "_05_12_26";
    QTest::newRow("jour local, pas UTC") << QDateTime(QDate(2026, 12, 31), QTime(23, 30), Qt::UTC)
                                         << QDateTime(QDate(2027, 1, 1), QTime(0, 30)) << "_01_01_27";
    QTest::newRow("an 2000") << QDateTime(QDate(2000, 2, 29), QTime(12, 0), Qt::UTC)
                             << QDateTime(QDate(2000, 2, 29), QTime(13, 0)) << "_29_02_00";
}

void Test_Rapports::Noms_De_Fichier() {
    QFETCH(QDateTime, utc);
    QFETCH(QDateTime, locale);
    QFETCH(QString, suffixe);
    Horloge_Test horloge;
    horloge.utc = utc;
    horloge.locale = locale;
    QCOMPARE(Sous_Programmes::Suffixe_Date(horloge), suffixe);
    const QDate jour = Sous_Programmes::Date_Du_Jour(horloge);
    QCOMPARE(Rapports::Nom_Phares_Contactes("F5XYZ", jour), "Phares_Contacte_F5XYZ" + suffixe + ".txt");
    QCOMPARE(Rapports::Nom_Liste_Alphabetique("F5XYZ", jour),
             "F5XYZ_Liste_alaphanumerique_Phares" + suffixe + ".txt");
}

void Test_Rapports::Phares_Contactes_data() {
    // Bytes that Windows-1252 does not define, or that a text round trip could change, pass untouched.
    const QByteArray brut = "F6\x81\x9d         56   J\xc9R\xd4ME          PB1012" + QByteArray(20, ' ');
    Deux_Supports(Lignes{Exemple, brut, QSO("F5ZZZ", "PB123", "01/01/06")});
}

void Test_Rapports::Phares_Contactes() {
    QFETCH(Support, support);
    QFETCH(Lignes, corps);
    QCOMPARE(Rapports::Phares_Contactes(support, "F5XYZ", Jour, Credit, corps),
             Fichier_Texte::Encode_Lignes(Rapport(support, "F5XYZ", corps, Credit)));
}

void Test_Rapports::Liste_Alphabetique_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("log vide: la ligne vide seule") << Lignes{} << QStringList{""};
    QTest::newRow("ordre du texte, pas des nombres")
        << Lignes{QSO("F5ZZZ", "PB123", "01/01/06", "Phare A"), QSO("F6AAA", "PB0045", "03/03/06", "Phare B"),
                  Exemple}
        << QStringList{"", PB0045, PB1004, PB123};
    QTest::newRow("meme phare: le nom sans casse, puis la date comme texte")
        << Lignes{QSO("F1A", "PB1004", "14/07/14", "abc"), QSO("F1B", "PB1004", "02/01/15", "Abd", "*"),
                  QSO("F1C", "PB1004", "02/01/15", "abc")}
        << QStringList{"", " PB1004  abc                             02/01/15  F1C            ",
                       " PB1004  abc                             14/07/14  F1A            ",
                       " PB1004  Abd                             02/01/15  F1B           *"};
    QTest::newRow("lignes egales gardees") << Lignes{Exemple, Exemple} << QStringList{"", PB1004, PB1004};
    QTest::newRow("ligne courte completee a 66 colonnes")
        << Lignes{Courte} << QStringList{"", " PB1004" + Blancs(44) + "F5XYZ" + Blancs(10)};
}

void Test_Rapports::Liste_Alphabetique() {
    QFETCH(Lignes, log);
    QFETCH(QStringList, liste);
    QCOMPARE(Rapports::Liste_Alphabetique(log), liste);
}

void Test_Rapports::Liste_Phares_Contactes_data() {
    Deux_Supports(QStringList{PB0045, PB1004, PB123});
}

// The list's empty first line is left out of the numbering.
void Test_Rapports::Liste_Phares_Contactes() {
    QFETCH(Support, support);
    QFETCH(QStringList, corps);
    QCOMPARE(Rapports::Liste_Phares_Contactes(support, "F5XYZ", Jour, Credit, QStringList{""} + corps),
             Fichier_Texte::Encode_Lignes(Liste(support, "F5XYZ", corps, Credit)));
}

void Test_Rapports::Score_data() {
    QTest::addColumn<Lignes>("log");
    QTest::addColumn<qsizetype>("contactes");
    QTest::addColumn<qsizetype>("confirmes");
    QTest::newRow("log vide") << Lignes{} << qsizetype(0) << qsizetype(0);
    QTest::newRow("trois fois le meme phare, un confirme")
        << Lignes{QSO("F1A", "PB1004", "01/01/06"), Exemple, QSO("F1C", "PB1004", "03/01/06")} << qsizetype(3)
        << qsizetype(1);
    QTest::newRow("marques autres que l'etoile")
        << Lignes{QSO("F1A", "PB1", "01/01/06", "", "x"), QSO("F1B", "PB1", "01/01/06", "", "+"),
                  QSO("F1C", "PB1", "01/01/06", "Phare *", " ")}
        << qsizetype(3) << qsizetype(0);
    QTest::newRow("ligne courte comptee, pas confirmee")
        << Lignes{Courte, Exemple} << qsizetype(2) << qsizetype(1);
}

void Test_Rapports::Score() {
    QFETCH(Lignes, log);
    QFETCH(qsizetype, contactes);
    QFETCH(qsizetype, confirmes);
    const Score::Compte compte = Score::Compte_Log(log);
    QCOMPARE(compte.contactes, contactes);
    QCOMPARE(compte.confirmes, confirmes);
}

KEZ_TEST(Test_Rapports)

#include "Test_Rapports.moc"
