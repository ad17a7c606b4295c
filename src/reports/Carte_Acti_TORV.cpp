#include "reports/Carte_Acti_TORV.h"

#include "app/Adaptateur_Touches.h"
#include "app/Couleurs.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Textes.h"
#include "app/Twips.h"
#include "log/Journal_Station.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Nom_Image = QStringLiteral("Carte_France.jpg");
const QString Nom_Positions = QStringLiteral("Carte_Positions.txt");
const QString Bande_Absente = QStringLiteral("Selectionnez une bande");

// Twips over the picture become picture pixels, not screen pixels: the picture is never scaled.
constexpr int Dpi_Image = Twips::Par_Pouce / Carte_Departements::Twips_Par_Pixel;

// The map offers the first two modes of the entry list; FM is typed.
constexpr int Modes_Carte = 2;

QColor Fond(const QWidget* fenetre) {
    return fenetre->palette().color(QPalette::Base);
}

} // namespace

Carte_Acti_TORV::Carte_Acti_TORV(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Carte_Acti_TORV"));
    setWindowTitle(QStringLiteral("Carte des départements contactés"));
    Cree_Controles();
    Cree_Cases();
    Place_Controles();
    Charge_Image();
    Place_Cases();
    connect(Afficher, &QPushButton::clicked, this, &Carte_Acti_TORV::Afficher_Click);
    Sous_Programmes::Entree_Presse(Afficher);
    Form_Load();
}

void Carte_Acti_TORV::Cree_Controles() {
    auto cree = [this](auto* controle, const char* nom) {
        controle->setObjectName(QLatin1String(nom));
        return controle;
    };
    NB_Dep = cree(new QLabel(QStringLiteral("0"), this), "NB_Dep");
    Label1 = cree(new QLabel(QStringLiteral("départements contactés sur"), this), "Label1");
    Bande_Carte = cree(new QLabel(QStringLiteral("    Mhz"), this), "Bande_Carte");
    Picture1 = cree(new QLabel(this), "Picture1");
    Label2 = cree(new QLabel(QStringLiteral("Bande"), this), "Label2");
    Bande_A = cree(new QComboBox(this), "Bande_A");
    Label3 = cree(new QLabel(QStringLiteral("Mode"), this), "Label3");
    Mode_AX = cree(new QComboBox(this), "Mode_AX");
    Afficher = cree(new QPushButton(QStringLiteral("Afficher"), this), "Afficher");

    QFont gras = font();
    gras.setBold(true);
    for (QLabel* libelle : {NB_Dep, Label1, Bande_Carte})
        libelle->setFont(gras);
    for (QComboBox* liste : {Bande_A, Mode_AX}) {
        liste->setEditable(true);
        // A typed text is used as it is, never added to the list.
        liste->setInsertPolicy(QComboBox::NoInsert);
        Couleurs::Colorie(liste, Couleurs::Jaune);
    }
}

void Carte_Acti_TORV::Cree_Cases() {
    QFont police(QStringLiteral("Arial"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(9.75);
    police.setBold(true);
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index) {
        auto* boite = new QLineEdit(Carte_Departements::Texte_Case(index), Picture1);
        boite->setObjectName(QStringLiteral("Dep_%1").arg(index));
        boite->setFont(police);
        boite->setAlignment(Qt::AlignCenter);
        // The boxes only show: nothing typed there would mean anything.
        boite->setReadOnly(true);
        boite->setFocusPolicy(Qt::NoFocus);
        boite->setTextMargins(0, 0, 0, 0);
        Couleurs::Colorie(boite, Couleurs::Blanc);
        boite->resize(Twips::Pixels(Carte_Departements::Largeur_Case_Twips, Dpi_Image),
                      Twips::Pixels(Carte_Departements::Hauteur_Case_Twips, Dpi_Image));
        boite->hide();
        Dep[index] = boite;
    }
}

void Carte_Acti_TORV::Place_Controles() {
    Picture1->setFixedSize(Carte_Departements::Largeur_Image, Carte_Departements::Hauteur_Image);
    auto* haut = new QHBoxLayout;
    haut->addWidget(NB_Dep);
    haut->addWidget(Label1);
    haut->addWidget(Bande_Carte);
    haut->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addWidget(Label2);
    bas->addWidget(Bande_A);
    bas->addSpacing(12);
    bas->addWidget(Label3);
    bas->addWidget(Mode_AX);
    bas->addStretch();
    bas->addWidget(Afficher);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(haut);
    colonne->addWidget(Picture1);
    colonne->addLayout(bas);
    setFixedSize(sizeHint());
}

void Carte_Acti_TORV::Charge_Image() {
    Fichiers& fichiers = main.plateforme.fichiers;
    const QString chemin = main.session.Chemin(Nom_Image);
    QString raison;
    // The picture is not text: only its absence goes through the files' own reading and wording.
    if (!fichiers.Existe(chemin)) {
        raison = fichiers.Lit(chemin).raison;
    } else {
        QImageReader lecteur(chemin);
        const QImage image = lecteur.read();
        if (!image.isNull())
            Picture1->setPixmap(QPixmap::fromImage(image));
        else
            raison = lecteur.errorString();
    }
    if (!raison.isEmpty())
        main.plateforme.messages.Affiche(Sous_Programmes::Message_Lecture_Impossible(chemin, raison));
}

// A box without a place is left hidden rather than piled in a corner of the map.
void Carte_Acti_TORV::Place_Cases() {
    const std::optional<QList<QByteArray>> lignes = Sous_Programmes::Lit_Ou_Signale(
        main.plateforme.fichiers, main.plateforme.messages, main.session.Chemin(Nom_Positions),
        Sous_Programmes::Si_Absent::Signale);
    const QMap<int, QPoint> positions =
        Carte_Departements::Lit_Positions(lignes.value_or(QList<QByteArray>{}));
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index) {
        const auto position = positions.constFind(index);
        if (!Carte_Departements::Case_Visible(index) || position == positions.cend())
            continue;
        Dep[index]->move(Twips::Pixels(position->x(), Dpi_Image), Twips::Pixels(position->y(), Dpi_Image));
        Dep[index]->show();
    }
}

void Carte_Acti_TORV::Form_Load() {
    Bande_A->clear();
    Bande_A->addItems(Textes::Bandes);
    Mode_AX->addItems(Textes::Modes.mid(0, Modes_Carte));
    Selectionne_Bande_Mode();
    for (int index = 1; index < Carte_Departements::Nombre_Cases; ++index)
        Couleurs::Colorie(Dep[index], Fond(this));
    Affiche_Carte();
}

// The band and mode of the main window. A mode the map does not list (FM) is typed in for the
// operator, so the map opens on the QSOs he is making.
void Carte_Acti_TORV::Selectionne_Bande_Mode() {
    const Parametres& parametres = main.plateforme.parametres;
    const QString& indicatif = main.session.Indicatif_Station();
    Bande_A->setCurrentIndex(parametres.Lit_Position(Reglages::Bande_Utilisee, indicatif,
                                                     static_cast<int>(Textes::Bandes.size())));
    const int mode =
        parametres.Lit_Position(Reglages::Mode_Utilise, indicatif, static_cast<int>(Textes::Modes.size()));
    if (mode < Mode_AX->count()) {
        Mode_AX->setCurrentIndex(mode);
    } else {
        Mode_AX->setCurrentIndex(-1);
        Mode_AX->setEditText(Textes::Modes[mode]);
    }
}

void Carte_Acti_TORV::Afficher_Click() {
    Affiche_Carte();
}

void Carte_Acti_TORV::Affiche_Carte() {
    const QString bande = Bande_A->currentText();
    if (bande.isEmpty()) {
        main.plateforme.messages.Affiche(Bande_Absente);
        return;
    }
    Bande_Carte->setText(bande);
    NB_Dep->setText(
        QString::number(Sous_Programmes::Colorie_Departements(*this, bande, Mode_AX->currentText())));
}

namespace Sous_Programmes {

int Colorie_Departements(Carte_Acti_TORV& carte, const QString& bande, const QString& mode) {
    Main& main = carte.main;
    const QColor fond = Fond(&carte);
    for (QLineEdit* boite : carte.Dep)
        Couleurs::Colorie(boite, fond);
    // A missing log has no QSO; an unreadable one is reported and colours nothing.
    const Carte_Departements::Cases cases = Carte_Departements::Cases_Contactees(
        main.journal.Lignes_Du_Log().value_or(Journal::Lignes{}), bande, mode);
    for (int index = 0; index < Carte_Departements::Nombre_Cases; ++index) {
        if (cases.test(index))
            Couleurs::Colorie(carte.Dep[index], Couleurs::Vert_Carte);
    }
    // Counted from the boxes themselves; box 0 is not a département.
    int compte = 0;
    for (int index = 1; index < Carte_Departements::Nombre_Cases; ++index)
        compte += Couleurs::Couleur(carte.Dep[index]) == Couleurs::Vert_Carte ? 1 : 0;
    return compte;
}

} // namespace Sous_Programmes
