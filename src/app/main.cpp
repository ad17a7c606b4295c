#include "app/Main.h"

#include "app/Choix_Fichier.h"
#include "app/Fichiers.h"
#include "app/Horloge.h"
#include "app/Imprimante.h"
#include "app/Installation.h"
#include "app/Messages_Fenetre.h"
#include "app/Parametres.h"
#include "app/Repertoire.h"
#include "app/Verrou_Dossier.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Names the operator's own data folder, used by an installed copy, and ties the windows to the
    // desktop menu entry.
    QApplication::setApplicationName(QStringLiteral("KEZ_TORV"));
    QApplication::setDesktopFileName(QStringLiteral(KEZ_ID));
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);

    Messages_Fenetre messages;
    Horloge_Systeme horloge;
    Repertoire_Choisi repertoire(Installation::Repertoire_De_Travail(messages));
    // Before anything reads or writes a file of the folder.
    const std::unique_ptr<Verrou_Dossier> verrou = Sous_Programmes::Verrouille_Dossier(repertoire, messages);
    if (!verrou)
        return 0;
    const std::unique_ptr<Parametres> parametres = Parametres::Natifs();
    parametres->Avertit_Par([&messages](const QString& texte) { messages.Affiche(texte); });
    Fichiers_Disque fichiers;
    Imprimante_Systeme imprimante;
    Choix_Fichier_Dialogue choix_fichier;
    Plateforme plateforme{messages, horloge, repertoire, *parametres, fichiers, imprimante, choix_fichier};

    Main fenetre(plateforme);
    fenetre.Form_Load();
    return QApplication::exec();
}
