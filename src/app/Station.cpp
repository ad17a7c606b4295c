#include "app/Station.h"

#include "app/Adaptateur_Touches.h"
#include "app/Couleurs.h"
#include "app/Fichiers.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "app/Parametres.h"
#include "app/Twips.h"
#include "log/Journal_Station.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Station::Station(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Station"));
    const int dpi = logicalDpiY();
    setFixedSize(Twips::Pixels(3975, dpi), Twips::Pixels(2670, dpi));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Label2 = new QLabel(Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont gras = font();
    gras.setBold(true);
    Label2->setFont(gras);
    New_Indicatif = new QLineEdit(this);
    New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
    New_Indicatif->setFont(gras);
    Couleurs::Colorie(New_Indicatif, Couleurs::Vert_Saisie);
    Validation = new QPushButton(this);
    Validation->setObjectName(QStringLiteral("Validation"));
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::Box);
    Label3 = new QLabel(Frame2);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label5 = new QLabel(Frame2);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setStyleSheet(QStringLiteral("color: red"));
    Label5->setWordWrap(true);

    auto* haut = new QVBoxLayout(Frame1);
    haut->addWidget(Label2, 0, Qt::AlignHCenter);
    auto* bas = new QVBoxLayout(Frame2);
    bas->addWidget(Label3);
    bas->addWidget(Label5);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(New_Indicatif);
    colonne->addWidget(Validation, 0, Qt::AlignHCenter);
    colonne->addWidget(Frame2);

    Adaptateur_Touches::Installe(New_Indicatif, [this](int& code) { New_Indicatif_KeyPress(code); });
    Sous_Programmes::Entree_Presse(Validation);
    connect(Validation, &QPushButton::clicked, this, &Station::Validation_Click);
    Form_Load();
}

void Station::Form_Load() {
    setWindowTitle(QStringLiteral("Selection Indicaif"));
    Label2->setText(QStringLiteral("Indicatif de la Station"));
    Validation->setText(QStringLiteral("Validez"));
    Label3->setText(QStringLiteral("Indicatif"));
    Label5->setText(QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'"));
    New_Indicatif->clear();
    New_Indicatif->setFocus();
}

void Station::New_Indicatif_KeyPress(int& code) {
    Sous_Programmes::Majuscule(code);
    if (code == Sous_Programmes::Touche_Entree) {
        code = 0;
        Couleurs::Colorie(New_Indicatif, Couleurs::Blanc);
        Validation->setFocus();
    } else if (code == '/') {
        code = '_';
    }
}

QString Station::Candidat_Accepte() {
    Messages& messages = main.plateforme.messages;
    const QString candidat = Sous_Programmes::Majuscules(New_Indicatif->text());
    if (candidat.isEmpty()) {
        messages.Affiche(QStringLiteral("Vous devez entrer un indicatif"));
        return {};
    }
    if (candidat.size() > 12) {
        messages.Affiche(QStringLiteral("12 caracteres maximum pour l'indicatif"));
        return {};
    }
    if (!Sous_Programmes::Indicatif_Valide(candidat)) {
        messages.Affiche(
            QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "));
        New_Indicatif->clear();
        return {};
    }
    return candidat;
}

void Station::Validation_Click() {
    const QString candidat = Candidat_Accepte();
    if (candidat.isEmpty())
        return;
    Parametres& parametres = main.plateforme.parametres;
    const bool fichier_neuf = !main.plateforme.fichiers.Existe(main.session.Chemin_Log(candidat));
    // Without its log the station is not taken: the window stays open on the callsign typed, for
    // another try once the folder can be written.
    if (fichier_neuf && !main.journal.Creer_Log_Station(candidat))
        return;
    parametres.Ecrit(Reglages::Indicatif_Station, candidat);
    if (fichier_neuf) {
        parametres.Ecrit(Reglages::Bande_Utilisee, QStringLiteral("0"), candidat);
        parametres.Ecrit(Reglages::Mode_Utilise, QStringLiteral("0"), candidat);
    }
    main.session.Change_Station(candidat);
    close();
}
