#pragma once

#include <QPointer>
#include <QWidget>

class QListView;

namespace Sous_Programmes {

// A read-only list of report lines: the fixed-pitch font of the reports, light yellow, each line of
// one height (a long list opens at once), wide enough for `colonnes` characters beside its scroll bar
// and `lignes` lines high.
void Prepare_Liste(QListView* liste, int colonnes, int lignes);

// Places a window in the middle of its screen.
void Centre(QWidget* fenetre);

// A secondary window: created when it is not open, otherwise only brought to the front, so its
// loading runs once per opening. It never blocks the main window.
template <typename Fenetre, typename Fabrique>
Fenetre* Ouvre_Fenetre(QPointer<Fenetre>& fenetre, Fabrique fabrique) {
    if (!fenetre) {
        fenetre = fabrique();
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        Centre(fenetre);
    }
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
    return fenetre;
}

} // namespace Sous_Programmes
