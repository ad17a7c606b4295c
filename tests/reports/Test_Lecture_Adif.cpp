#include "app/Fichier_Texte.h"
#include "log/Clavier.h"
#include "reports/Import_Adif.h"
#include "support/Disque.h"
#include "support/Principal.h"

// The ADIF reader and the making of log records from what it reads, without a window.
class Test_Lecture_Adif : public QObject {
    Q_OBJECT

private slots:
    void Lecture_data();
    void Lecture();
    void Conversion_data();
    void Conversion();
    void Fichiers_Modeles_data();
    void Fichiers_Modeles();
};

namespace {

using Enregistrement::Champ;

// The test list, and a name too long for the lighthouse-name field with its "P. ".
const QList<Phare> Phares = Liste_Phare::Phares(Fichier_Texte::Coupe_Lignes(Clavier::Liste_Phare)) +
                            QList<Phare>{{"Phare de l'île Vierge et de ses abords", "1020", "", "29"}};

// A record's values, blanks trimmed, between bars.
QString Court(const QString& enregistrement) {
    QStringList valeurs;
    for (int i = 0; i < Enregistrement::Nombre_Champs; ++i)
        valeurs << Enregistrement::Valeur(enregistrement, static_cast<Champ>(i));
    return valeurs.join('|');
}

} // namespace

void Test_Lecture_Adif::Lecture_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("lu"); // the records' fields, sorted; then where the reading stopped
    QTest::newRow("en-tete libre, minuscules, type")
        << QByteArray("Journal <eoh>\r\n<call:2:s>F1 x <Band:3>20m<cqz:2>14<eor>")
        << "BAND=20m;CALL=F1;CQZ=14";
    QTest::newRow("en-tete de champs") << QByteArray("<adif_ver:5>3.1.4<EOH><call:2>F1<eor>") << "CALL=F1";
    QTest::newRow("UTF-8: des caracteres")
        << QByteArray("<name:5>José😀<call:2>F1<EOR>") << "CALL=F1;NAME=José😀";
    QTest::newRow("Windows-1252") << QByteArray("<name:4>Jos\xe9<eor>") << "NAME=José";
    QTest::newRow("balise d'application, records vides")
        << QByteArray("<eor><call:2>F1<app_lotw_eof><eor><eor>") << "CALL=F1";
    QTest::newRow("pas de l'ADIF") << QByteArray("Bonjour,\r\nceci est une lettre.\r\n") << "";
    QTest::newRow("longueur au-dela de la fin") << QByteArray("<call:2>F1<eor><call:50>F2<eor>")
                                                << "CALL=F1 #2 longueur au-delà de la fin du fichier";
    QTest::newRow("longueur enorme") << QByteArray("<call:99999999999999999999999>F2<eor>")
                                     << " #1 longueur au-delà de la fin du fichier";
    QTest::newRow("longueur negative") << QByteArray("<call:-5>F2<eor>") << " #1 longueur illisible";
    QTest::newRow("octet nul") << QByteArray("<call:2>F1<eor>\0\x01<call:2>F2<eor>", 32)
                               << "CALL=F1 #2 octet nul, le fichier n'est pas du texte";
    QTest::newRow("binaire") << QByteArray("<\x89PNG\x1a>") << " #1 balise illisible";
    QTest::newRow("sans <eor> final")
        << QByteArray("<call:2>F1<eor><call:2>F2") << "CALL=F1 #2 fin du fichier sans <eor>";
}

// Lengths count characters; the reading stops at the damage, what came before stays.
void Test_Lecture_Adif::Lecture() {
    QFETCH(QByteArray, octets);
    QStringList records;
    const Lecture_Adif::Bilan bilan =
        Lecture_Adif::Lit(octets, [&records](const Lecture_Adif::Record& record) {
            QStringList champs;
            for (auto champ = record.cbegin(); champ != record.cend(); ++champ)
                champs << champ.key() + '=' + champ.value();
            champs.sort();
            records << champs.join(';');
        });
    QCOMPARE(bilan.records, records.size());
    QString lu = records.join(" | ");
    if (bilan.arret)
        lu += QStringLiteral(" #%1 %2").arg(bilan.arret->record).arg(bilan.arret->raison);
    QTEST(lu, "lu");
}

void Test_Lecture_Adif::Conversion_data() {
    QTest::addColumn<QByteArray>("champs");
    QTest::addColumn<QString>("qso"); // its values, or why it is refused
    // Later fields take the place of these.
    const QByteArray qso =
        "<call:5>F5XYZ<qso_date:8>20140714<time_on:4>0935<rst_rcvd:2>59<rst_sent:2>57<sig:6>PB1004";
    const QByteArray ssb = qso + "<band:3>20m<mode:3>SSB";
    const auto ligne = [](const char* nom, const QByteArray& champs, const QString& attendu) {
        QTest::newRow(nom) << champs << attendu;
    };
    ligne("export du programme",
          "<call:5>F5XYZ<STATE:2>29<name:4>JEAN<SIG:6>PB1004<qso_date:8>20140714<time_on:4>0935<mode:3>SSB<"
          "band:3>20m"
          "<rst_rcvd:2>59<rst_sent:2>57<SIG_INFO:9>P. Ar-Men<QSL_RCVD:1>Y",
          "F5XYZ|29|JEAN|PB1004|14/07/14|09:35|SSB|14 Mhz|59|57|P. Ar-Men|*");
    ligne("minuscules, secondes, 1999, 30m",
          "<call:7>f5xyz/p<qso_date:8>19991231<time_on:6>235959<band:3>30M"
          "<mode:2>cw<rst_rcvd:3>5nn<rst_sent:3>599<sig:4>pb12<name:4>rené<qsl_rcvd:1>n",
          "F5XYZ/P|56|RENÉ|PB12|31/12/99|23:59|CW|10 Mhz|5NN|599||");
    ligne("sans reference", ssb + "<sig:4>WWFF<sig_info:8>FFF-0001<comment:5>XPB12", "sans référence");
    ligne("SIG_INFO: nom et dpt de la liste", ssb + "<sig:4>TORV<sig_info:6>pb1004",
          "F5XYZ|29||PB1004|14/07/14|09:35|SSB|14 Mhz|59|57|P. Phare du Creac'h|");
    ligne("COMMENT: STATE d'abord, nom coupe", ssb + "<sig:0><comment:10>vu PB1020!<state:2>2a",
          "F5XYZ|2A||PB1020|14/07/14|09:35|SSB|14 Mhz|59|57|P. Phare de l'île Vierge et de|");
    ligne("NOTES: hors liste", ssb + "<sig:0><notes:6>PB9999<state:2>22",
          "F5XYZ|22||PB9999|14/07/14|09:35|SSB|14 Mhz|59|57|P.|");
    ligne("FREQ, MFSK FT4", qso + "<freq:6>14.080<mode:4>MFSK<submode:3>FT4",
          "F5XYZ|29||PB1004|14/07/14|09:35|FT4|14 Mhz|59|57||");
    ligne("SSB reste SSB", qso + "<freq:5>7.145<mode:3>SSB<submode:3>LSB",
          "F5XYZ|29||PB1004|14/07/14|09:35|SSB|7.0 Mhz|59|57||");
    ligne("bande inconnue gardee", qso + "<band:3>60m<mode:2>CW",
          "F5XYZ|29||PB1004|14/07/14|09:35|CW|60m|59|57||");
    ligne("frequence hors bandes", qso + "<freq:6>5.3545<mode:2>CW",
          "FREQ : fréquence hors des bandes du log");
    ligne("ni BAND ni FREQ", qso + "<mode:2>CW", "BAND : Entrez une QRG");
    ligne("RTTY", qso + "<band:3>20m<mode:4>RTTY", "MODE : 3 caracteres maxi pour le Mode");
    ligne("2050", ssb + "<qso_date:8>20500101", "QSO_DATE : le log ne tient que les années 1950 à 2049");
    ligne("1949", ssb + "<qso_date:8>19491231", "QSO_DATE : le log ne tient que les années 1950 à 2049");
    ligne("date a tirets", ssb + "<qso_date:10>2014-07-14", "QSO_DATE : la date doit s'écrire AAAAMMJJ");
    ligne("mois 13", ssb + "<qso_date:8>20141307", "QSO_DATE : Le format de la date doit etre JJ/MM/AA");
    ligne("heure courte", ssb + "<time_on:3>935", "TIME_ON : l'heure doit s'écrire HHMM ou HHMMSS");
    ligne("report en dB", ssb + "<rst_rcvd:3>-10", "RST_RCVD : R (de RST)doit etre compris entre 0 et 5");
    ligne("prenom long", ssb + "<name:16>Jean-Pierre Andr", "NAME : 15 caracteres maxi pour le Prenom");
    ligne("hors Windows-1252", ssb + "<name:6>Łukasz", "NAME : Caractere non autorise : Ł");
    ligne("controle", ssb + "<sig_info:3>A\tB", "SIG_INFO : Caractere non autorise : code 9");
    ligne("reference longue", ssb + "<sig:7>PB12345<state:2>29",
          "SIG : 6 caracteres maxi pour la reference ex: PB1004");
    ligne("departement absent", ssb + "<sig:6>PB9999", "STATE : Entrez un Departement");
}

// Each field mapped and checked as a typed one; the first field refused names the reason.
void Test_Lecture_Adif::Conversion() {
    QFETCH(QByteArray, champs);
    QString qso = "<aucun record>";
    Lecture_Adif::Lit(champs + "<eor>", [&qso](const Lecture_Adif::Record& record) {
        const std::optional<Import_Adif::Conversion> conversion =
            Import_Adif::Convertit(record, Liste_Phare::Indexe(Phares));
        qso = !conversion                   ? "sans référence"
              : conversion->refus.isEmpty() ? Court(conversion->enregistrement)
                                            : conversion->refus;
    });
    QTEST(qso, "qso");
}

void Test_Lecture_Adif::Fichiers_Modeles_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<QStringList>("import");
    QTest::newRow("FREQ et SUBMODE sans BAND")
        << "freq_submode.adi"
        << QStringList{"1 TM5PB|29||PB1004|01/06/23|12:00|SSB|7.0 Mhz|57|59|P. Phare du Creac'h|",
                       "2 F4ABC/P|56||PB12|01/06/23|12:15|FT4|14 Mhz|53|55|Phare de Kerdonis|",
                       "5 F6ZZZ|56||PB12|02/06/23|08:30|FM|432 Mhz|59|59|P. Phare de Kerdonis|",
                       "3 FREQ : fréquence hors des bandes du log",
                       "4 MODE : 3 caracteres maxi pour le Mode",
                       "sans référence 0"};
    QTest::newRow("references dans COMMENT, Windows-1252")
        << "reference_commentaire.adi"
        << QStringList{"1 F5ZZZ|29||PB1004|01/01/22|00:00|CW|1.8 Mhz|579|599|P. Phare du Creac'h|",
                       "2 F1AB|56||PB12|30/06/95|18:30|FM|50 Mhz|59|59|P. Phare de Kerdonis|",
                       "4 F2XYZ|22||PB9999|03/01/22|10:00|SSB|24 Mhz|59|59|P.|",
                       "5 QSO_DATE : le log ne tient que les années 1950 à 2049", "sans référence 1"};
}

// Files written as general loggers write them, by hand from the format's description.
void Test_Lecture_Adif::Fichiers_Modeles() {
    QFETCH(QString, fichier);
    const Import_Adif::Import apport =
        Import_Adif::Prepare(Lit_Disque(KEZ_FIXTURES "/" + fichier), {}, Phares);
    QStringList lu;
    for (const Import_Adif::QSO& qso : apport.a_importer)
        lu << QString::number(qso.numero) + ' ' + Court(qso.enregistrement);
    for (const Import_Adif::Refus& refus : apport.refus)
        lu << QString::number(refus.numero) + ' ' + refus.raison;
    QTEST(lu << "sans référence " + QString::number(apport.sans_reference), "import");
    QVERIFY(apport.doublons.isEmpty() && !apport.lecture.arret);
}

KEZ_TEST(Test_Lecture_Adif)

#include "Test_Lecture_Adif.moc"
