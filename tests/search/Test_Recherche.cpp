#include "log/Clavier.h"
#include "log/Enregistrement.h"
#include "search/Recherche.h"
#include "search/Recherche_Indicatif.h"
#include "support/Principal.h"

#include <QListWidget>

class Test_Recherche : public QObject {
    Q_OBJECT

private slots:
    void Controles_data();
    void Controles();
    void Ligne_Resultat();
    void Cherche_data();
    void Cherche();
    void Fenetre_data();
    void Fenetre();
};

namespace {

QString QSO(const char* indicatif, const char* departement, const char* date, const char* phare = "",
            const char* qsl = " ") {
    return Enregistrement::Compose(
        {indicatif, departement, "JEAN", "PB1004", date, "10:05", "SSB", "14 Mhz", "59", "59", phare, qsl});
}

const QStringList Log_Test{QSO("F5ABC", "29", "14/07/06"), QSO("F6XYZ", "56", "15/07/06"),
                           QSO("TM5F5X", "29", "14/07/06"), QSO("F8AAA", "5", "14/07/06"),
                           QSO("ON4F5", "2A", "16/07/06")};

// Station F5ABC with the test log, its search window opened; Etat: the QSOs listed and the boxes.
struct Banc : Clavier::Poste {
    Banc() : Poste({{"F5ABC_TORV.log", Clavier::Fichier(Log_Test.join("\n").toLatin1().split('\n'))}}) {
        QTest::mouseClick(main.Rechercher, Qt::LeftButton);
        r = main.findChild<Recherche_Indicatif*>();
    }
    QString Etat() const {
        QStringList etat;
        for (int i = 0; i < r->QSO_Effectues->count(); ++i)
            etat << r->QSO_Effectues->item(i)->text().section(' ', 0, 0, QString::SectionSkipEmpty);
        return etat.join(' ') + " / " + r->Indica->text() + '|' + r->Data->text() + '|' + r->Depa->text();
    }
    std::array<QLineEdit*, 3> Boites() const { return {r->Indica, r->Data, r->Depa}; }

    Recherche_Indicatif* r = nullptr;
};

} // namespace

void Test_Recherche::Controles_data() {
    QTest::addColumn<QStringList>("cas"); // box, text, then message|box emptied|search run
    const QString format = "Le format de la date doit etre JJ/MM/AA|0|0";
    // clang-format off
    const QStringList cas{
        "Indica", "F5ABCDEFGHIJ", "|0|1", "Indica", "F5ABCDEFGHIJK", "12 caracteres maxi pour l'indicatif|0|1",
        "Indica", "", "Entrez un indicatif|1|0", "Data", "14/07/06", "|0|1", "Data", "ab/cd/", "|0|1",
        "Data", "14/7/06", format, "Data", "14/07", format, "Data", "", format, "Data", "14-07-06", format,
        "Data", "14/07/2006", "8 caracteres maxi pour la Date|0|0", "Depa", "5", "|0|1", "Depa", "29", "|0|1",
        "Depa", "971", "2 caracteres maxi pour le Canton|0|0", "Depa", "", "Entrez un Canton|1|0"};
    // clang-format on
    for (qsizetype i = 0; i < cas.size(); i += 3)
        QTest::newRow(qPrintable(cas[i] + " '" + cas[i + 1] + "'")) << cas.mid(i, 3);
}

void Test_Recherche::Controles() {
    QFETCH(QStringList, cas);
    const Recherche::Controle c = cas[0] == "Indica" ? Recherche::Controle_Indicatif(cas[1])
                                  : cas[0] == "Data" ? Recherche::Controle_Date(cas[1])
                                                     : Recherche::Controle_Departement(cas[1]);
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(c.message).arg(int(c.vide_la_case)).arg(int(c.cherche)), cas[2]);
}

void Test_Recherche::Ligne_Resultat() {
    QCOMPARE(Recherche::Ligne_Resultat(
                 Enregistrement::Ligne_Liste(QSO("F5ABC", "29", "14/07/06", "Phare du Creac'h", "*"), 7)),
             "    7  F5ABC         29   14/07/06  PB1004  Phare du Creac'h                *");
    QCOMPARE(
        Recherche::Ligne_Resultat(Enregistrement::Ligne_Liste(QSO("TM5ABCDEFGHI", "2A", "01/01/07"), 9999)),
        " 9999  TM5ABCDEFGHI  2A   01/01/07  PB1004                                   ");
    QCOMPARE(Recherche::Ligne_Resultat(
                 Enregistrement::Ligne_Liste(QSO("F5ABC", "9710", "14/07/06", "", "*"), 10000)),
             " 10000  F5ABC         971  14/07/06  PB1004                                  *");
}

void Test_Recherche::Cherche_data() {
    // Option, text, the QSOs found or "absent"; a leading line break goes after the first line's test.
    QTest::addColumn<QStringList>("cas");
    // clang-format off
    const QStringList cas{"1", "f5", "135", "1", "F6XYZ", "2", "1", "F5ABCDEFGHIJK", "", "2", "14/07/06", "134",
        "2", "14/07/07", "", "3", "29", "13", "3", "5", "", "3", "2a", "5", "1", "", "absent", "2", "", "absent",
        "3", "\r\n", "absent", "1", "\r\nF5", "35"};
    // clang-format on
    for (qsizetype i = 0; i < cas.size(); i += 3)
        QTest::newRow(qPrintable(cas[i] + ' ' + cas[i + 1])) << cas.mid(i, 3);
}

void Test_Recherche::Cherche() {
    QFETCH(QStringList, cas);
    const auto critere = Recherche::Critere(cas[0].toInt());
    const Journal::Lignes log = Fichier_Texte::Encode_Lignes(Log_Test);
    QStringList attendues;
    for (const QChar numero : cas[2] == "absent" ? QString() : cas[2])
        attendues << Recherche::Ligne_Resultat(Journal::Ligne_Liste(log, numero.digitValue() - 1));
    const Recherche::Resultat resultat = Recherche::Cherche(log, critere, cas[1]);
    QCOMPARE(resultat.lignes, attendues);
    QCOMPARE(resultat.critere_absent, cas[2] == "absent");
    QCOMPARE(Recherche::Cherche({}, critere, cas[1]).critere_absent, false);
}

void Test_Recherche::Fenetre_data() {
    // Indica|Data|Depa, what is clicked, the text typed and Enter in the box named or else the focused
    // one; then the messages, the QSOs listed, the boxes. Enter runs the search of the option chosen.
    QTest::addColumn<QStringList>("cas");
    // clang-format off
    QTest::newRow("f5 en minuscules") << QStringList{"||", "Indica", "", "f5", "", "1 3 5 / ||"};
    QTest::newRow("indicatif de 13") << QStringList{"||", "Option1_1", "", "F5ABCDEFGHIJK",
        "12 caracteres maxi pour l'indicatif\nPas de QSO trouvé", " / ||"};
    QTest::newRow("date refusee") << QStringList{"||", "Option1_2", "", "ab/cd",
        "Le format de la date doit etre JJ/MM/AA", " / |ab/cd|"};
    QTest::newRow("departement de 3") << QStringList{"||", "Option1_3", "", "29x",
        "2 caracteres maxi pour le Canton", " / ||29X"};
    QTest::newRow("Dpt choisi") << QStringList{"||29", "Option1_3", "Indica", "F6", "", "1 3 / ||"};
    QTest::newRow("Station vide") << QStringList{"||29", "Indica", "Data", "14/07/06", "Entrez un indicatif",
        " / |14/07/06|29"};
    QTest::newRow("Date vide") << QStringList{"F5||", "Data", "Depa", "29", "Entrez une date", " / F5||29"};
    QTest::newRow("Dpt vide") << QStringList{"|14/07/06|", "Depa", "Indica", "F5", "Entrez un departement",
        " / F5|14/07/06|"};
    // clang-format on
}

void Test_Recherche::Fenetre() {
    QFETCH(QStringList, cas);
    Banc banc;
    for (int i = 0; i < 3; ++i)
        banc.Boites()[i]->setText(cas[0].section('|', i, i));
    QTest::mouseClick(banc.r->findChild<QWidget*>(cas[1]), Qt::LeftButton);
    QTRY_VERIFY(banc.r->isAncestorOf(QApplication::focusWidget()));
    QWidget* boite = cas[2].isEmpty() ? QApplication::focusWidget() : banc.r->findChild<QLineEdit*>(cas[2]);
    QTest::keyClicks(boite, cas[3]);
    QTest::keyClick(boite, Qt::Key_Return);
    QCOMPARE(banc.t.messages.textes.join('\n'), cas[4]);
    QCOMPARE(banc.Etat(), cas[5]);
    // "Quitter" closes the window.
    QTest::mouseClick(banc.r->Command1, Qt::LeftButton);
    QTRY_VERIFY(!banc.main.findChild<Recherche_Indicatif*>());
}

KEZ_TEST(Test_Recherche)

#include "Test_Recherche.moc"
