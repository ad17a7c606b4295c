#include "reports/Suivi_Phares.h"

#include "app/Couleurs.h"
#include "app/Fenetres.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Textes.h"
#include "lighthouses/Reference_Phare.h"
#include "log/Modele_Log.h"
#include "reports/Rapports_Station.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The columns before the boxes: reference, name, département.
constexpr int Colonnes_Phare = 3;
constexpr int Rangees_Visibles = 25;
} // namespace

Suivi_Phares::Suivi_Phares(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Suivi_Phares"));
    setWindowTitle(Suivi::Titre);
    Mode_Suivi = new QComboBox(this);
    Mode_Suivi->setObjectName(QStringLiteral("Mode_Suivi"));
    Mode_Suivi->addItems(QStringList{Suivi::Tous_Les_Modes} + Textes::Modes);
    auto* choix = new QHBoxLayout;
    choix->addWidget(new QLabel(QStringLiteral("Mode"), this));
    choix->addWidget(Mode_Suivi);
    choix->addSpacing(24);
    for (int i = 0; i < 3; ++i) {
        Filtre[i] = new QRadioButton(Suivi::Noms_Filtres[i], this);
        Filtre[i]->setObjectName(QStringLiteral("Filtre_%1").arg(i + 1));
        Filtre[i]->setChecked(i == 0);
        choix->addWidget(Filtre[i]);
    }
    choix->addStretch();
    Compte = new QLabel(this);
    Compte->setObjectName(QStringLiteral("Compte"));
    QFont gras = Compte->font();
    gras.setBold(true);
    Compte->setFont(gras);
    Grille = new QTableWidget(this);
    Grille->setObjectName(QStringLiteral("Grille"));
    Grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A chosen box would hide its colour.
    Grille->setSelectionMode(QAbstractItemView::NoSelection);
    Grille->verticalHeader()->hide();
    Grille->verticalHeader()->setDefaultSectionSize(Grille->fontMetrics().lineSpacing() + 6);
    Grille->setToolTip(QStringLiteral("Double-cliquez sur une case pour voir ses QSO"));

    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(choix);
    colonne->addWidget(Compte);
    colonne->addWidget(Grille);
    colonne->addLayout(Sous_Programmes::Boutons_Rapport(this, Enregistrer, Imprimer));
    connect(Enregistrer, &QPushButton::clicked, this, &Suivi_Phares::Enregistrer_Click);
    connect(Imprimer, &QPushButton::clicked, this, &Suivi_Phares::Imprimer_Click);
    connect(Grille, &QTableWidget::cellDoubleClicked, this, &Suivi_Phares::Grille_DblClick);
    connect(Mode_Suivi, &QComboBox::currentIndexChanged, this, &Suivi_Phares::Calcule);
    for (QRadioButton* filtre : Filtre)
        connect(filtre, &QRadioButton::toggled, this, [this](bool coche) {
            if (coche)
                Affiche();
        });
    connect(&main.journal, &Journal_Station::Log_Lu, this, &Suivi_Phares::Charge);
    connect(&main.journal, &Journal_Station::Log_Change, this, &Suivi_Phares::Charge);
    Charge();
    ouverte = true;

    // Every column whole beside the scroll bar, a page of lighthouses high.
    int largeur = 2 * Grille->frameWidth() + Grille->verticalScrollBar()->sizeHint().width();
    for (int i = 0; i < Grille->columnCount(); ++i)
        largeur += Grille->columnWidth(i);
    Grille->setMinimumSize(largeur, Grille->verticalHeader()->defaultSectionSize() * Rangees_Visibles);
    resize(sizeHint());
}

// The reference file is told about when it cannot be read or holds lighthouses no QSO can reach, once,
// when the window opens; the log, as the main list shows it, was told about when it was read.
void Suivi_Phares::Charge() {
    const QString chemin = main.session.Chemin(Liste_Phare::Nom_Fichier);
    phares = ouverte ? Liste_Phare::Phares(main.plateforme.fichiers.Lit(chemin).lignes)
                     : Sous_Programmes::Lecture_Liste_Phare(main);
    Calcule();
    const QString message = Suivi::Message_Injoignables(grille, chemin);
    if (!ouverte && !message.isEmpty())
        main.plateforme.messages.Affiche(message);
}

void Suivi_Phares::Calcule() {
    // The QSOs listed from the grid as it was may now stand elsewhere in the log, or be gone.
    if (QSO_Phare)
        QSO_Phare->close();
    grille = Suivi::Calcule(main.journal.Log().Vues(), phares, Mode_Choisi());
    Compte->setText(Suivi::Resume(grille));
    Affiche();
}

void Suivi_Phares::Affiche() {
    const QStringList entetes = Suivi::Entetes_Cases();
    QList<qsizetype> gardees;
    for (qsizetype i = 0; i < grille.lignes.size(); ++i) {
        if (Suivi::Retenue(grille.lignes[i], Filtre_Choisi()))
            gardees.append(i);
    }
    const QList<QStringList> comptes = Suivi::Lignes_Comptes(grille);
    Grille->clear();
    Grille->setColumnCount(static_cast<int>(Colonnes_Phare + entetes.size()));
    Grille->setHorizontalHeaderLabels(Suivi::Entetes_Phare + entetes);
    Grille->setRowCount(static_cast<int>(gardees.size() + comptes.size() + 1 + grille.absentes.size()));
    int rangee = 0;
    auto ecrit = [this, &rangee](int colonne, const QString& texte, const QVariant& cle = {}) {
        auto* item = new QTableWidgetItem(texte);
        item->setData(Qt::UserRole, cle);
        if (colonne >= Colonnes_Phare)
            item->setTextAlignment(Qt::AlignCenter);
        Grille->setItem(rangee, colonne, item);
        return item;
    };
    for (const qsizetype i : gardees) {
        const Suivi::Ligne& ligne = grille.lignes[i];
        ecrit(0, Suivi::Reference(ligne.phare), i);
        ecrit(1, ligne.phare.nom);
        ecrit(2, ligne.phare.departement.trimmed());
        for (qsizetype colonne = 0; colonne < entetes.size(); ++colonne) {
            const Suivi::Etat etat = colonne < ligne.bandes.size() ? ligne.bandes[colonne] : ligne.total;
            if (etat != Suivi::Etat::Rien)
                ecrit(static_cast<int>(Colonnes_Phare + colonne), Suivi::Marque(etat))
                    ->setBackground(etat == Suivi::Etat::Confirme ? Couleurs::Vert_Confirme
                                                                  : Couleurs::Orange_Travaille);
        }
        ++rangee;
    }
    for (const QStringList& compte : comptes) {
        ecrit(1, compte[0]);
        for (qsizetype colonne = 1; colonne < compte.size(); ++colonne)
            ecrit(static_cast<int>(Colonnes_Phare + colonne - 1), compte[colonne]);
        ++rangee;
    }
    ecrit(1, Suivi::Titre_Absentes(grille))->setFont(Compte->font());
    ++rangee;
    for (qsizetype i = 0; i < grille.absentes.size(); ++i, ++rangee) {
        ecrit(0, grille.absentes[i].reference, -1 - i);
        ecrit(1, Suivi::Nombre_QSO(grille.absentes[i]));
    }
    Grille->resizeColumnsToContents();
}

// A lighthouse's box, its name for all its bands, or an absent reference: their QSOs in the mode chosen
// (an absent reference's in every mode), as the main list shows them.
void Suivi_Phares::Grille_DblClick(int rangee, int colonne) {
    const QTableWidgetItem* tete = Grille->item(rangee, 0);
    if (!tete || !tete->data(Qt::UserRole).isValid())
        return;
    const qsizetype cle = tete->data(Qt::UserRole).toLongLong();
    const int bande = colonne >= Colonnes_Phare ? colonne - Colonnes_Phare : -1;
    const bool une_bande = cle >= 0 && bande >= 0 && bande < grille.par_bande.size();
    const QList<qsizetype> positions = cle < 0 ? grille.absentes[-1 - cle].positions
                                               : Suivi::Positions(grille.lignes[cle], une_bande ? bande : -1);
    if (positions.isEmpty())
        return;
    QListWidget* liste = Sous_Programmes::Ouvre_Fenetre(QSO_Phare, [this, &positions] {
        auto* nouvelle = new QListWidget(this);
        nouvelle->setWindowFlag(Qt::Window);
        nouvelle->setObjectName(QStringLiteral("QSO_Phare"));
        nouvelle->setFont(main.Liste_TORV->font());
        nouvelle->setToolTip(
            QStringLiteral("Double-cliquez sur un QSO pour le choisir dans la liste du log"));
        Couleurs::Colorie(nouvelle, Couleurs::Jaune);
        // A list line whole beside the scroll bar, a dozen lines high.
        const QFontMetrics mesure(nouvelle->font());
        const QString ligne = main.Modele_TORV->Ligne(static_cast<int>(positions[0]));
        nouvelle->resize(mesure.horizontalAdvance(ligne) + 40, mesure.lineSpacing() * 12);
        connect(nouvelle, &QListWidget::itemDoubleClicked, this, &Suivi_Phares::QSO_Phare_DblClick);
        return nouvelle;
    });
    liste->setWindowTitle(
        QStringLiteral("QSO de ") + tete->text() +
        (une_bande ? QStringLiteral(" sur ") + Textes::Bandes.value(bande, QStringLiteral("une autre bande"))
                   : QString()));
    liste->clear();
    for (const qsizetype position : positions) {
        auto* item = new QListWidgetItem(main.Modele_TORV->Ligne(static_cast<int>(position)), liste);
        item->setData(Qt::UserRole, position);
    }
}

// The main window's list on that QSO, chosen as by a click.
void Suivi_Phares::QSO_Phare_DblClick(QListWidgetItem* qso) {
    const QModelIndex ligne = main.Modele_TORV->index(qso->data(Qt::UserRole).toInt());
    main.Liste_TORV->setCurrentIndex(ligne);
    main.Liste_TORV->scrollTo(ligne, QAbstractItemView::PositionAtCenter);
    main.raise();
    main.activateWindow();
}

Suivi::Filtre Suivi_Phares::Filtre_Choisi() const {
    for (int i = 0; i < 3; ++i) {
        if (Filtre[i]->isChecked())
            return static_cast<Suivi::Filtre>(i);
    }
    return Suivi::Filtre::Tous;
}

QString Suivi_Phares::Mode_Choisi() const {
    return Mode_Suivi->currentIndex() > 0 ? Mode_Suivi->currentText() : QString();
}

Rapports::Lignes Suivi_Phares::Rapport(Rapports::Support support) const {
    return Suivi::Rapport(support, main.session.Indicatif_Station(),
                          Sous_Programmes::Date_Du_Jour(main.plateforme.horloge),
                          Sous_Programmes::Credit_Rapport(main), grille, Filtre_Choisi(), Mode_Choisi());
}

void Suivi_Phares::Enregistrer_Click() {
    Sous_Programmes::Enregistre_Rapport(
        main,
        Suivi::Nom_Fichier(main.session.Indicatif_Station(),
                           Sous_Programmes::Date_Du_Jour(main.plateforme.horloge)),
        Fichier_Texte::Joint_Lignes(Rapport(Rapports::Support::Fichier)), Sous_Programmes::Annonce_Fichier);
}

void Suivi_Phares::Imprimer_Click() {
    Sous_Programmes::Imprime_Rapport(main, windowTitle(), Rapport(Rapports::Support::Papier));
}
