#include "reports/Aff_Contacte.h"

#include "app/Couleurs.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

QFont Police_Liste() {
    QFont police(QStringLiteral("Courier New"), 9);
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    return police;
}

// Wide enough for a whole list line, 24 lines high.
QSize Taille_Liste(const QListView* liste) {
    const QFontMetrics mesures(liste->font());
    return {mesures.horizontalAdvance(QString(70, QLatin1Char('M'))) +
                liste->verticalScrollBar()->sizeHint().width(),
            mesures.lineSpacing() * 24};
}

} // namespace

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
    Liste_TORV_Contacte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_TORV_Contacte->setFont(Police_Liste());
    // One line of text each: a long log is laid out without measuring every line.
    Liste_TORV_Contacte->setUniformItemSizes(true);
    Liste_TORV_Contacte->setMinimumSize(Taille_Liste(Liste_TORV_Contacte));
    Couleurs::Colorie(Liste_TORV_Contacte, Couleurs::Jaune);

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
