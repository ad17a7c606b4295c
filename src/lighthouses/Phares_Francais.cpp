#include "lighthouses/Phares_Francais.h"

#include "app/Fenetres.h"
#include "app/Main.h"
#include "lighthouses/Liste_Phare.h"
#include "lighthouses/Reference_Phare.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {
constexpr int Largeur_Ligne = 58;
constexpr int Lignes_Visibles = 30;
} // namespace

Phares_Francais::Phares_Francais(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Phares_Francais"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titre = Label1->font();
    titre.setBold(true);
    titre.setPointSize(titre.pointSize() + 4);
    Label1->setFont(titre);
    Entete = new QLabel(this);
    Entete->setObjectName(QStringLiteral("Entete"));
    Entete->setTextFormat(Qt::PlainText);
    Phares_FR = new QListWidget(this);
    Phares_FR->setObjectName(QStringLiteral("Phares_FR"));
    Phares_FR->setSortingEnabled(false);
    Sous_Programmes::Prepare_Liste(Phares_FR, Largeur_Ligne, Lignes_Visibles);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Label1, 0, Qt::AlignHCenter);
    colonne->addWidget(Entete);
    colonne->addWidget(Phares_FR);
    Form_Load();
    adjustSize();
}

void Phares_Francais::Form_Load() {
    setWindowTitle(QStringLiteral("Liste des Phares Francais"));
    Label1->setText(QStringLiteral("Liste des Phares Français"));
    Entete->setText(Liste_Phare::Entete);
    Phares_FR->clear();
    const QList<Phare> phares = Sous_Programmes::Lecture_Liste_Phare(main);
    QStringList lignes;
    lignes.reserve(phares.size());
    for (const Phare& phare : phares)
        lignes.append(Liste_Phare::Ligne_Liste(phare));
    // All in one go, each line of one height: a long file (a wrong one, say) opens at once rather
    // than line by line.
    Phares_FR->addItems(lignes);
}
