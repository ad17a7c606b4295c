// A second program running the program's own code, for the tests that need another process:
//   verrou <dossier>     holds the folder's lock until killed, after saying "pris" or "refuse"
//   reecrit <log> <hex>  says "pret", then inserts the record (its bytes in hexadecimal), deletes it,
//                        and so on until killed
//   ajoute <log> <hex>   adds the record once, as recording a QSO does, and says why the file or its
//                        folder could not be written: "<raison>|<raison du dossier>"
#include "app/Fichiers.h"
#include "app/Verrou_Dossier.h"
#include "log/Journal.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

static void Dit(const QString& texte) {
    std::fputs(qPrintable(texte + '\n'), stdout);
    std::fflush(stdout);
}

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString commande = arguments.value(1), chemin = arguments.value(2);
    const QByteArray enregistrement = QByteArray::fromHex(arguments.value(3).toLatin1());
    Fichiers_Disque fichiers;
    if (commande == "verrou") {
        Verrou_Dossier verrou(chemin);
        Dit(verrou.Prend() == Verrou_Dossier::Etat::Pris ? "pris" : "refuse");
        for (;;)
            QThread::sleep(1);
    }
    if (commande == "reecrit") {
        Dit("pret");
        // Each turn reads the log as the program does and rewrites it whole, with or without the record.
        for (Lecture_Fichier lecture; (lecture = fichiers.Lit(chemin)).Lu();) {
            const qsizetype place = lecture.lignes.indexOf(enregistrement);
            if (!fichiers
                     .Remplace(chemin, place >= 0
                                           ? *Journal::Supprime(lecture.lignes, {place, enregistrement})
                                           : Journal::Insere(lecture.lignes, enregistrement))
                     .raison.isEmpty())
                break;
        }
        return 3;
    }
    const Ecriture ecriture =
        fichiers.Remplace(chemin, Journal::Ajoute(fichiers.Lit(chemin).lignes, enregistrement));
    Dit(ecriture.raison + '|' + ecriture.raison_dossier);
}
