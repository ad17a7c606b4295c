// A second program for the tests that need one: another copy holding the folder's lock, or a
// program rewriting a log when it is killed. It uses the program's own code for both, and says on
// its standard output when it has got going.
//   kez_processus verrou <dossier>                hold the lock until killed
//   kez_processus reecrit <log> <hex>  insert the record (its bytes in hexadecimal), delete it, and so on
//                                      until killed
//   kez_processus ajoute <log> <hex>   add the record at the end of the log once, as recording a QSO
//                                      does: prints each message shown (its UTF-8 in hexadecimal), then
//                                      "enregistre" or "non enregistre"
#include "app/Fichiers.h"
#include "app/Messages.h"
#include "app/Verrou_Dossier.h"
#include "log/Journal.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

namespace {

void Dit(const char* texte) {
    std::fputs(texte, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int Tient_Verrou(const QString& dossier) {
    Verrou_Dossier verrou(dossier);
    Dit(verrou.Prend() == Verrou_Dossier::Etat::Pris ? "pris" : "refuse");
    for (;;)
        QThread::sleep(1);
}

// Each turn reads the log as the program does and rewrites it whole, with or without the record.
int Reecrit_Sans_Fin(const QString& log, const QByteArray& enregistrement) {
    Fichiers_Disque fichiers;
    Dit("pret");
    for (;;) {
        const Lecture_Fichier lecture = fichiers.Lit(log);
        if (!lecture.Lu()) {
            Dit("illisible");
            return 2;
        }
        const qsizetype place = lecture.lignes.indexOf(enregistrement);
        const Journal::Lignes lignes = place >= 0
                                           ? *Journal::Supprime(lecture.lignes, {place, enregistrement})
                                           : Journal::Insere(lecture.lignes, enregistrement);
        if (!fichiers.Remplace(log, lignes).raison.isEmpty()) {
            Dit("echec");
            return 3;
        }
    }
}

// The message boxes, one line each on the standard output.
class Messages_Sortie : public Messages {
public:
    void Affiche(const QString& texte) override { Dit(texte.toUtf8().toHex().constData()); }
    bool Demande(const QString& texte) override {
        Affiche(texte);
        return true;
    }
};

int Ajoute(const QString& log, const QByteArray& enregistrement) {
    Fichiers_Disque fichiers;
    Messages_Sortie messages;
    const Lecture_Fichier lecture = fichiers.Lit(log);
    if (!lecture.Lu()) {
        Dit("illisible");
        return 2;
    }
    const bool fait = Sous_Programmes::Ecriture_Faite(
        messages, log, fichiers.Remplace(log, Journal::Ajoute(lecture.lignes, enregistrement)));
    Dit(fait ? "enregistre" : "non enregistre");
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("verrou"))
        return Tient_Verrou(arguments[2]);
    if (arguments.size() == 4 && arguments[1] == QLatin1String("reecrit"))
        return Reecrit_Sans_Fin(arguments[2], QByteArray::fromHex(arguments[3].toLatin1()));
    if (arguments.size() == 4 && arguments[1] == QLatin1String("ajoute"))
        return Ajoute(arguments[2], QByteArray::fromHex(arguments[3].toLatin1()));
    std::fputs("usage: kez_processus verrou <dossier> | reecrit <log> <hex> | ajoute <log> <hex>\n", stderr);
    return 2;
}
