// Times what the operator waits for, through the program's own code, on logs of 1,000, 10,000 and
// 50,000 QSOs, beside what the disk itself needs for the same bytes. Not a test: figures to read.
//   kez_bench [tours [QSO...]]  the table, each figure the median of `tours` runs (at least 5), on
//                               logs of 1,000, 10,000 and 50,000 QSOs or of the sizes given
//   kez_bench --affiche LOG   (used by the table) the program started on LOG in a process of its
//                               own, until the list's first picture: prints its peak memory
#include "Banc.h"

#include "app/Fichier_Texte.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "log/Journal.h"
#include "support/Log_Genere.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

const QList<int> Tailles_Par_Defaut{1000, 10000, 50000};

double Millisecondes(const std::function<void()>& travail) {
    QElapsedTimer chrono;
    chrono.start();
    travail();
    return static_cast<double>(chrono.nsecsElapsed()) / 1e6;
}

double Mediane(QList<double> durees) {
    std::sort(durees.begin(), durees.end());
    const qsizetype milieu = durees.size() / 2;
    return durees.size() % 2 ? durees[milieu] : (durees[milieu - 1] + durees[milieu]) / 2;
}

// The same steps as every rewrite of the program, from the disk seam itself: a scratch file, written,
// flushed to disk, renamed, its folder flushed.
void Ecrit_Surement(const QString& chemin, const QByteArray& octets) {
    const Ecriture ecriture = Fichiers_Disque().Remplace(chemin, octets);
    if (!ecriture.raison.isEmpty() || !ecriture.raison_dossier.isEmpty())
        qFatal("floor: cannot write %s", qPrintable(chemin));
}

void Plancher_Copie(const Banc& banc) {
    QFile source(banc.Chemin_Log());
    if (!source.open(QIODevice::ReadOnly))
        qFatal("copy floor: cannot read the log");
    Ecrit_Surement(banc.t.Chemin(QStringLiteral("copie.log")), source.readAll());
}

const char* Nom(Plancher plancher) {
    switch (plancher) {
    case Plancher::Copie_Videe:
        return "copie+vidage";
    case Plancher::Ecriture:
        return "ecriture";
    case Plancher::Aucun:
        break;
    }
    return "-";
}

// The floor's timed work, its bytes made beforehand: making them is not writing them.
std::function<void()> Plancher_De(const Banc& banc, const Operation& operation) {
    if (operation.plancher == Plancher::Copie_Videe)
        return [&banc] { Plancher_Copie(banc); };
    const qint64 taille = QFileInfo(banc.t.Chemin(operation.fichier_ecrit(banc))).size();
    return [&banc, octets = QByteArray(taille, 'x')] {
        Ecrit_Surement(banc.t.Chemin(QStringLiteral("octets.bin")), octets);
    };
}

struct Medianes {
    double operation;
    double plancher;
};

// The operation and its floor in turn, run after run: the disk's speed to flush changes from one
// moment to the next, and both then see the same moments.
Medianes Mesure(Banc& banc, int tours, const Operation& operation) {
    QList<double> durees, planchers;
    for (int i = 0; i < tours; ++i) {
        operation.prepare(banc);
        durees.append(Millisecondes([&] { operation.mesure(banc); }));
        if (operation.plancher != Plancher::Aucun)
            planchers.append(Millisecondes(Plancher_De(banc, operation)));
    }
    return {Mediane(durees), planchers.isEmpty() ? 0.0 : Mediane(planchers)};
}

void Table(int tours, const QList<int>& tailles) {
    std::printf("%-30s %7s %11s %13s %12s %6s  %s\n", "operation", "QSO", "mediane ms", "plancher",
                "plancher ms", "ratio", "cible");
    for (const int taille : tailles) {
        Banc banc(taille);
        for (const Operation& operation : Operations()) {
            if (qEnvironmentVariableIsSet("SEUL") &&
                !QString::fromLatin1(operation.nom).contains(qEnvironmentVariable("SEUL")))
                continue;
            const Medianes m = Mesure(banc, tours, operation);
            std::printf("%-30s %7d %11.2f %13s ", operation.nom, taille, m.operation,
                        Nom(operation.plancher));
            if (operation.plancher == Plancher::Aucun)
                std::printf("%12s %6s", "-", "-");
            else
                std::printf("%12.2f %6.1f", m.plancher, m.operation / m.plancher);
            std::printf("  %s\n", operation.cible);
        }
        std::fflush(stdout);
    }
}

// The most memory the process has held so far (peak resident set), in kilobytes.
qint64 Memoire_Crete_Ko() {
    QFile etat(QStringLiteral("/proc/self/status"));
    if (!etat.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : etat.readAll().split('\n')) {
        if (ligne.startsWith("VmHWM:"))
            return ligne.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

struct Processus {
    double millisecondes; // from the exec to the list's first picture
    qint64 crete_ko;
};

// The program started on that log in a process of its own, from the exec (linking and Qt's own
// start-up included) to the first picture of the list, with the log in it.
Processus Processus_Entier(const QString& log) {
    QProcess enfant;
    QElapsedTimer chrono;
    chrono.start();
    enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--affiche"), log});
    if (!enfant.waitForReadyRead(120000))
        qFatal("the program did not show its window");
    const double millisecondes = static_cast<double>(chrono.nsecsElapsed()) / 1e6;
    enfant.waitForFinished(120000);
    return {millisecondes, enfant.readAllStandardOutput().trimmed().toLongLong()};
}

// The start of the whole process on logs of each size, beside the program with an empty log.
void Processus_Entiers(int tours, const QList<int>& tailles) {
    std::printf("\n%-30s %7s %11s %6s %12s %12s  %s\n", "processus entier", "QSO", "mediane ms", "ratio",
                "crete ko", "limite ko", "cible");
    double vide_ms = 0;
    qint64 vide_ko = 0;
    for (const int taille : QList<int>{0} + tailles) {
        const Banc banc(taille);
        QList<double> durees;
        QList<double> cretes;
        for (int i = 0; i < tours; ++i) {
            const Processus processus = Processus_Entier(banc.Chemin_Log());
            durees.append(processus.millisecondes);
            cretes.append(static_cast<double>(processus.crete_ko));
        }
        const double ms = Mediane(durees);
        const auto ko = static_cast<qint64>(Mediane(cretes));
        if (taille == 0) {
            vide_ms = ms;
            vide_ko = ko;
        }
        // The memory may grow by one and a half times the log file's size.
        const qint64 limite = vide_ko + banc.octets.size() * 3 / 2 / 1024;
        std::printf("%-30s %7d %11.2f %6.2f %12lld %12lld  %s\n", "premier affichage", taille, ms,
                    ms / vide_ms, static_cast<long long>(ko), static_cast<long long>(limite),
                    taille >= 50000   ? "<= 1.3x vide"
                    : taille >= 10000 ? "<= 1.15x vide"
                                      : "-");
        std::fflush(stdout);
    }
}

// The program folder of the benchmark's station, and its log.
void Choisit_Station(const Plateforme_Test& t) {
    t.Ecrit_Reglage(QStringLiteral("Setup "), QStringLiteral("Indicatif Station"), Banc::Indicatif);
}

QString Log_De(const Plateforme_Test& t) {
    return t.Chemin(Journal::Nom_Fichier(Banc::Indicatif));
}

// Stops the program at the first picture of the list, saying how much memory it took.
class Premiere_Image : public QObject {
protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint) {
            std::printf("%lld\n", static_cast<long long>(Memoire_Crete_Ko()));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(objet, evenement);
    }
};

int Affiche_Enfant(const QString& log) {
    Plateforme_Test t;
    Choisit_Station(t);
    // A link: copying the log would be timed with the program.
    if (!QFile::link(log, Log_De(t)))
        return 1;
    Main main(t.plateforme);
    Premiere_Image filtre;
    main.Liste_TORV->viewport()->installEventFilter(&filtre);
    main.Form_Load();
    return QCoreApplication::exec();
}

QByteArray Liste_Phare_Livree() {
    QFile fichier(QStringLiteral(KEZ_LISTE_PHARE));
    if (!fichier.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", KEZ_LISTE_PHARE);
    return fichier.readAll();
}

} // namespace

Banc::Banc(int qso)
    : qso(qso), phares(Liste_Phare::Phares(Fichier_Texte::Coupe_Lignes(Liste_Phare_Livree()))),
      lignes(Log_Genere::Lignes(qso, 1, phares)), octets(Fichier_Texte::Joint_Lignes(lignes)),
      session(t.repertoire), journal(session, t.fichiers, t.messages, t.horloge) {
    Choisit_Station(t);
    session.Change_Station(Indicatif);
    t.Ecrit_Fichier(Liste_Phare::Nom_Fichier, Liste_Phare_Livree());
    Remet_Log();
}

Banc::~Banc() = default;

QString Banc::Chemin_Log() const {
    return Log_De(t);
}

void Banc::Remet_Log() {
    t.Ecrit_Fichier(Journal::Nom_Fichier(Indicatif), octets);
}

void Banc::Demarre() {
    if (main)
        return;
    main = std::make_unique<Main>(t.plateforme);
    main->Form_Load();
}

const QByteArray& Banc::QSO_Du_Milieu() const {
    return lignes[qso / 2];
}

Journal::QSO_Choisi Banc::QSO_Choisi_Du_Milieu() const {
    return {qso / 2, QSO_Du_Milieu()};
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--affiche"))
        return Affiche_Enfant(arguments[2]);
    const int tours = std::max(5, arguments.size() > 1 ? arguments[1].toInt() : 7);
    QList<int> tailles;
    for (qsizetype i = 2; i < arguments.size(); ++i)
        tailles.append(arguments[i].toInt());
    Table(tours, tailles.isEmpty() ? Tailles_Par_Defaut : tailles);
    Processus_Entiers(tours, tailles.isEmpty() ? Tailles_Par_Defaut : tailles);
    return 0;
}
