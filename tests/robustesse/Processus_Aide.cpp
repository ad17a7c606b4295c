// Another process running the program's own code. "verrou <dossier>": holds the lock, after saying "pris"
// or "refuse". "reecrit <log> <hex>": says "pret", then inserts the record, deletes it, and so on, until a
// rewrite fails: then says "<raison>|<raison du dossier>".
#include "app/Fichiers.h"
#include "app/Verrou_Dossier.h"
#include "log/Journal.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QThread>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QByteArray enregistrement = QByteArray::fromHex(arguments.value(3).toLatin1());
    if (arguments.value(1) == "verrou") {
        Verrou_Dossier verrou(arguments.value(2));
        QTextStream(stdout) << (verrou.Prend() == Verrou_Dossier::Etat::Pris ? "pris" : "refuse") << Qt::endl;
        for (;;)
            QThread::sleep(1);
    }
    QTextStream(stdout) << "pret" << Qt::endl;
    for (Fichiers_Disque fichiers;;) {
        const Journal::Lignes lignes = fichiers.Lit(arguments.value(2)).lignes;
        const qsizetype place = lignes.indexOf(enregistrement);
        const Ecriture ecriture = fichiers.Remplace(
            arguments.value(2), place >= 0 ? *Journal::Supprime(lignes, {place, enregistrement})
                                           : Journal::Insere(lignes, enregistrement));
        if (!ecriture.raison.isEmpty() || !ecriture.raison_dossier.isEmpty()) {
            QTextStream(stdout) << ecriture.raison << '|' << ecriture.raison_dossier << Qt::endl;
            return 0;
        }
    }
}
