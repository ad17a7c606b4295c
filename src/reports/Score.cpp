#include "reports/Score.h"

#include "log/Enregistrement.h"

namespace Score {

Compte Compte_Log(const QList<QByteArray>& log) {
    using Enregistrement::Champ;
    const QByteArray marque = Enregistrement::Marque_QSL.toLatin1();
    Compte compte;
    compte.contactes = log.size();
    for (const QByteArray& ligne : log) {
        if (ligne.mid(Enregistrement::Debut(Champ::QSL), Enregistrement::Largeur(Champ::QSL)) == marque)
            ++compte.confirmes;
    }
    return compte;
}

} // namespace Score
