#include "log/Edition_QSO.h"

#include "app/Main.h"

#include <QListWidget>

Edition_QSO::Edition_QSO(Main& main) : QObject(&main), main(main) {}

void Edition_QSO::Liste_TORV_Click(int ligne) {
    // Emptying the list deselects without a click: the remembered line stays.
    if (ligne < 0)
        return;
    main.Ligne_Selectionnee = main.Liste_TORV->item(ligne)->text();
}
