#include "log/Restauration.h"

#include "app/Fenetres.h"
#include "app/Main.h"
#include "app/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString Moment(const Sauvegardes::Sauvegarde& sauvegarde) {
    QString moment = sauvegarde.jour.toString(QStringLiteral("dd/MM/yyyy"));
    if (sauvegarde.heure.isValid())
        moment += sauvegarde.heure.toString(QStringLiteral(" à HH:mm:ss"));
    return moment;
}

QString Ligne(const Sauvegardes::Sauvegarde& sauvegarde) {
    return QStringLiteral("%1  %2")
        .arg(Moment(sauvegarde), -22)
        .arg(sauvegarde.qso < 0 ? QStringLiteral("illisible") : QStringLiteral("%1 QSO").arg(sauvegarde.qso));
}

} // namespace

Restauration::Restauration(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Restauration"));
    setWindowTitle(QStringLiteral("Restaurer une sauvegarde"));
    Liste_Sauvegardes = new QListWidget(this);
    Liste_Sauvegardes->setObjectName(QStringLiteral("Liste_Sauvegardes"));
    Sous_Programmes::Prepare_Liste(Liste_Sauvegardes, 40, 12);
    Restaurer = new QPushButton(QStringLiteral("Restaurer"), this);
    Restaurer->setObjectName(QStringLiteral("Restaurer"));
    Fermer = new QPushButton(QStringLiteral("Fermer"), this);
    Fermer->setObjectName(QStringLiteral("Fermer"));
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(Restaurer);
    boutons->addWidget(Fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Liste_Sauvegardes);
    colonne->addLayout(boutons);
    connect(Restaurer, &QPushButton::clicked, this, &Restauration::Restaurer_Click);
    connect(Liste_Sauvegardes, &QListWidget::itemDoubleClicked, this, &Restauration::Restaurer_Click);
    connect(Fermer, &QPushButton::clicked, this, &QWidget::close);
    // A change makes the copy of the day; another station has copies of its own.
    connect(&main.journal, &Journal_Station::Log_Lu, this, &Restauration::Form_Load);
    connect(&main.journal, &Journal_Station::Log_Change, this, &Restauration::Form_Load);
    Form_Load();
    resize(sizeHint());
}

void Restauration::Form_Load() {
    sauvegardes = main.journal.Copies().Liste();
    Liste_Sauvegardes->clear();
    for (const Sauvegardes::Sauvegarde& sauvegarde : sauvegardes)
        Liste_Sauvegardes->addItem(Ligne(sauvegarde));
}

void Restauration::Restaurer_Click() {
    Messages& messages = main.plateforme.messages;
    const int rang = Liste_Sauvegardes->currentRow();
    if (rang < 0) {
        messages.Affiche(QStringLiteral("Choisissez une sauvegarde dans la liste."));
        return;
    }
    const Sauvegardes::Sauvegarde choisie = sauvegardes[rang];
    const std::optional<QByteArray> copie = main.journal.Copies().Lit(choisie.chemin);
    const std::optional<Journal::Lignes> log = main.journal.Lignes_Du_Log();
    if (!copie || !log)
        return;
    const QString question =
        QStringLiteral("Remplacer le log %1 (%2 QSO) par la sauvegarde du %3 (%4 QSO) ?\r\n"
                       "Le log actuel est d'abord copié dans le dossier %5.")
            .arg(QFileInfo(main.session.Chemin_Log()).fileName())
            .arg(log->size())
            .arg(Moment(choisie))
            .arg(Sous_Programmes::QSO_Sauvegarde(*copie))
            .arg(QDir::toNativeSeparators(QFileInfo(choisie.chemin).path()));
    if (messages.Demande(question))
        main.journal.Restaure_Log(*copie);
}
