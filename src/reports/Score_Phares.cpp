#include "reports/Score_Phares.h"

#include "app/Couleurs.h"
#include "app/Main.h"
#include "reports/Rapports_Station.h"
#include "reports/Score.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

Score_Phares::Score_Phares(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Score_Phares"));
    auto cree = [this](auto* controle, QWidget* parent, const char* nom) {
        controle->setParent(parent);
        controle->setObjectName(QLatin1String(nom));
        return controle;
    };
    Frame1 = cree(new QGroupBox, this, "Frame1");
    Label1 = cree(new QLabel, Frame1, "Label1");
    Frame2 = cree(new QGroupBox, this, "Frame2");
    Label2 = cree(new QLabel, Frame2, "Label2");
    QSO_NB = cree(new QLineEdit, Frame2, "QSO_NB");
    Label3 = cree(new QLabel, Frame2, "Label3");
    QSL_NB = cree(new QLineEdit, Frame2, "QSL_NB");

    QFont gras = font();
    gras.setBold(true);
    gras.setPointSize(gras.pointSize() + 2);
    Label1->setFont(gras);
    for (QLineEdit* boite : {QSO_NB, QSL_NB}) {
        // Nothing reads them back: they only show the counts.
        boite->setReadOnly(true);
        boite->setAlignment(Qt::AlignRight);
        boite->setFixedWidth(boite->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
        Couleurs::Colorie(boite, Couleurs::Jaune);
    }

    (new QVBoxLayout(Frame1))->addWidget(Label1, 0, Qt::AlignHCenter);
    auto* grille = new QGridLayout(Frame2);
    grille->addWidget(Label2, 0, 0);
    grille->addWidget(QSO_NB, 0, 1);
    grille->addWidget(Label3, 1, 0);
    grille->addWidget(QSL_NB, 1, 1);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Frame1);
    colonne->addWidget(Frame2);

    Form_Load();
    setFixedSize(sizeHint());
}

void Score_Phares::Form_Load() {
    setWindowTitle(QStringLiteral("Scores"));
    Label1->setText(QStringLiteral("Score des Phares contactés"));
    Label2->setText(QStringLiteral("Nombre de Phares contactés"));
    Label3->setText(QStringLiteral("Nombre de Phares confirmés"));
    // An unreadable log leaves the boxes empty rather than showing a score of nothing.
    const std::optional<QList<QByteArray>> log =
        main.journal.Lignes_Du_Log(Sous_Programmes::Si_Absent::Signale);
    if (!log)
        return;
    const Score::Compte compte = Score::Compte_Log(*log);
    QSO_NB->setText(QString::number(compte.contactes));
    QSL_NB->setText(QString::number(compte.confirmes));
}
