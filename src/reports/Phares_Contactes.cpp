#include "reports/Phares_Contactes.h"

#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"

namespace Sous_Programmes {

void Enregistre_Phares_Contactes(Main& main) {
    const QDate jour = Date_Du_Jour(main.plateforme.horloge);
    const std::optional<QList<QByteArray>> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    if (!log)
        return;
    Enregistre_Rapport(
        main, Rapports::Nom_Phares_Contactes(main.session.Indicatif_Station(), jour),
        Fichier_Texte::Joint_Lignes(Rapports::Phares_Contactes(
            Rapports::Support::Fichier, main.session.Indicatif_Station(), jour, Credit_Rapport(main), *log)),
        Annonce_Log);
}

void Imprime_Phares_Contactes(Main& main) {
    const QDate jour = Date_Du_Jour(main.plateforme.horloge);
    const std::optional<QList<QByteArray>> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    if (!log)
        return;
    Imprime_Rapport(main, QStringLiteral("Phares contactés"),
                    Rapports::Phares_Contactes(Rapports::Support::Papier, main.session.Indicatif_Station(),
                                               jour, Credit_Rapport(main), *log));
}

} // namespace Sous_Programmes
