#include "reports/Aff_Contacte.h"

#include "app/Adaptateur_Touches.h"
#include "app/Fenetres.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

Aff_Contacte::Aff_Contacte(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Aff_Contacte"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont gras = font();
    gras.setBold(true);
    gras.setPointSize(gras.pointSize() + 2);
    Label3->setFont(gras);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Liste_TORV_Contacte = new QListView(this);
    Liste_TORV_Contacte->setObjectName(QStringLiteral("Liste_TORV_Contacte"));
    contenu = new QStringListModel(this);
    Liste_TORV_Contacte->setModel(contenu);
    Sous_Programmes::Prepare_Liste(Liste_TORV_Contacte, 70, 24);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Label3, 0, Qt::AlignHCenter);
    colonne->addWidget(Label2);
    colonne->addWidget(Liste_TORV_Contacte);
    colonne->addLayout(Sous_Programmes::Boutons_Rapport(this, Enregistrer, Imprimer));

    connect(Enregistrer, &QPushButton::clicked, this, &Aff_Contacte::Enregistrer_Click);
    connect(Imprimer, &QPushButton::clicked, this, &Aff_Contacte::Imprimer_Click);
    Form_Load();
    resize(sizeHint());
}

void Aff_Contacte::Form_Load() {
    setWindowTitle(QStringLiteral("Phares Contactés"));
    Label2->setText(QStringLiteral("  Ref             Nom du Phare                        Date      Indicatif"
                                   "         QSL"));
    Label3->setText(QStringLiteral("Liste alphanumérique des Phares contactés"));
    const std::optional<QList<QByteArray>> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    contenu->setStringList(Rapports::Liste_Alphabetique(log.value_or(QList<QByteArray>{})));
}

QStringList Aff_Contacte::Lignes() const {
    return contenu->stringList();
}

void Aff_Contacte::Enregistrer_Click() {
    const QDate jour = Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
    Sous_Programmes::Enregistre_Rapport(
        main, Rapports::Nom_Liste_Alphabetique(main.session.Indicatif_Station(), jour),
        Fichier_Texte::Joint_Lignes(
            Rapports::Liste_Phares_Contactes(Rapports::Support::Fichier, main.session.Indicatif_Station(),
                                             jour, Sous_Programmes::Credit_Rapport(main), Lignes())),
        Sous_Programmes::Annonce_Log);
}

void Aff_Contacte::Imprimer_Click() {
    const QDate jour = Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
    Sous_Programmes::Imprime_Rapport(
        main, windowTitle(),
        Rapports::Liste_Phares_Contactes(Rapports::Support::Papier, main.session.Indicatif_Station(), jour,
                                         Sous_Programmes::Credit_Rapport(main), Lignes()));
}
