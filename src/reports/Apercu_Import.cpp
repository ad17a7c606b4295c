#include "reports/Apercu_Import.h"

#include "app/Adaptateur_Touches.h"
#include "app/Fenetres.h"
#include "app/Fichier_Texte.h"
#include "app/Horloge.h"
#include "app/Main.h"
#include "app/Messages.h"
#include "log/Enregistrement.h"
#include "log/Prenoms_Station.h"
#include "reports/Rapports.h"
#include "reports/Rapports_Station.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

Apercu_Import::Apercu_Import(Main& main, const QString& fichier, Import_Adif::Import apport)
    : QDialog(&main), main(main), fichier(fichier), apport(std::move(apport)) {
    setObjectName(QStringLiteral("Apercu_Import"));
    setWindowTitle(QStringLiteral("Importer le fichier ADIF ") + QFileInfo(fichier).fileName());
    const QString entete = Enregistrement::Entete_Liste();
    Entete = new QLabel(entete, this);
    Entete->setObjectName(QStringLiteral("Entete"));
    Liste_Import = new QListView(this);
    Liste_Import->setObjectName(QStringLiteral("Liste_Import"));
    contenu = new QStringListModel(Import_Adif::Lignes_Apercu(this->apport), this);
    Liste_Import->setModel(contenu);
    Sous_Programmes::Prepare_Liste(Liste_Import, static_cast<int>(entete.size()), 24);
    Entete->setFont(Liste_Import->font());
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    const auto bouton = [this, boutons](const char* nom, const QString& legende) {
        auto* cree = new QPushButton(legende, this);
        cree->setObjectName(QLatin1String(nom));
        // Enter presses the focused button only: no import is made by a stray key.
        cree->setAutoDefault(false);
        Sous_Programmes::Entree_Presse(cree);
        boutons->addWidget(cree);
        return cree;
    };
    Importer = bouton("Importer", QStringLiteral("Importer"));
    Enregistrer = bouton("Enregistrer", QStringLiteral("Enregistrer l'aperçu"));
    Annuler = bouton("Annuler", QStringLiteral("Annuler"));
    boutons->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Entete);
    colonne->addWidget(Liste_Import);
    colonne->addLayout(boutons);
    Importer->setEnabled(!this->apport.a_importer.isEmpty());
    connect(Importer, &QPushButton::clicked, this, &Apercu_Import::Importer_Click);
    connect(Enregistrer, &QPushButton::clicked, this, &Apercu_Import::Enregistrer_Click);
    connect(Annuler, &QPushButton::clicked, this, &QDialog::reject);
    resize(sizeHint());
}

QStringList Apercu_Import::Lignes() const {
    return contenu->stringList();
}

void Apercu_Import::Importer_Click() {
    // The first names go with their QSOs: when the log cannot be written, the memory is put back.
    const std::optional<Prenoms_Avant> avant =
        Sous_Programmes::Memorise_Prenoms_Nouveaux(main, Import_Adif::Lignes_Prenoms(apport));
    if (!avant)
        return;
    if (!main.journal.Importe_QSO_Log(Import_Adif::Enregistrements(apport))) {
        Sous_Programmes::Retablit_Prenoms(main, *avant);
        return;
    }
    accept();
    main.plateforme.messages.Affiche(Import_Adif::Bilan(fichier, apport));
}

void Apercu_Import::Enregistrer_Click() {
    const QString indicatif = main.session.Indicatif_Station();
    const QDate jour = Sous_Programmes::Date_Du_Jour(main.plateforme.horloge);
    Sous_Programmes::Enregistre_Rapport(
        main, Rapports::Nom_Import_Adif(indicatif, jour),
        Fichier_Texte::Joint_Lignes(Rapports::Import_Adif(indicatif, jour, QFileInfo(fichier).fileName(),
                                                          Sous_Programmes::Credit_Rapport(main), Lignes())),
        Sous_Programmes::Annonce_Fichier);
}
