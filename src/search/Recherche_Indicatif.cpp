#include "search/Recherche_Indicatif.h"

#include "app/Adaptateur_Touches.h"
#include "app/Couleurs.h"
#include "app/Main.h"
#include "app/Messages.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

namespace {

// Runs an action when the mouse is pressed in a widget, before the widget sees the press.
class Clic : public QObject {
public:
    static void Installe(QWidget* controle, std::function<void()> action) {
        controle->installEventFilter(new Clic(controle, std::move(action)));
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::MouseButtonPress)
            action();
        return false;
    }

private:
    Clic(QObject* parent, std::function<void()> action) : QObject(parent), action(std::move(action)) {}
    std::function<void()> action;
};

} // namespace

Recherche_Indicatif::Recherche_Indicatif(Main& main) : QWidget(&main, Qt::Window), main(main) {
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    Cree_Controles();
    Place_Controles();
    Relie_Evenements();
    Form_Load();
}

void Recherche_Indicatif::Cree_Controles() {
    auto cree = [this](auto* controle, const QString& nom) {
        controle->setObjectName(nom);
        return controle;
    };
    Label3 = cree(new QLabel(this), QStringLiteral("Label3"));
    for (int index = 1; index <= 3; ++index)
        Option1[index - 1] = cree(new QRadioButton(this), QStringLiteral("Option1_%1").arg(index));
    Indica = cree(new QLineEdit(this), QStringLiteral("Indica"));
    Data = cree(new QLineEdit(this), QStringLiteral("Data"));
    Depa = cree(new QLineEdit(this), QStringLiteral("Depa"));
    Label13 = cree(new QLabel(this), QStringLiteral("Label13"));
    Label10 = cree(new QLabel(QStringLiteral("QSL"), this), QStringLiteral("Label10"));
    QSO_Effectues = cree(new QListWidget(this), QStringLiteral("QSO_Effectues"));
    Command1 = cree(new QPushButton(this), QStringLiteral("Command1"));

    for (QWidget* champ : {static_cast<QWidget*>(Indica), static_cast<QWidget*>(Data),
                           static_cast<QWidget*>(Depa), static_cast<QWidget*>(QSO_Effectues)})
        Couleurs::Colorie(champ, Couleurs::Jaune);
    // The result lines are cut from the main list's lines: they need its fixed-pitch font.
    for (QWidget* colonnes : {static_cast<QWidget*>(QSO_Effectues), static_cast<QWidget*>(Label13),
                              static_cast<QWidget*>(Label10)})
        colonnes->setFont(main.Liste_TORV->font());
    QSO_Effectues->setToolTip(QStringLiteral("Cliquez sur le QSO pour le selectionner"));
    Option1[0]->setChecked(true);
}

void Recherche_Indicatif::Place_Controles() {
    auto* criteres = new QGridLayout;
    const std::array<QLineEdit*, 3> cases{Indica, Data, Depa};
    for (int ligne = 0; ligne < 3; ++ligne) {
        criteres->addWidget(Option1[ligne], ligne, 0);
        criteres->addWidget(cases[ligne], ligne, 1);
    }
    criteres->setColumnStretch(2, 1);
    auto* entete = new QHBoxLayout;
    entete->addWidget(Label13);
    entete->addWidget(Label10);
    entete->addStretch();
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Label3);
    colonne->addLayout(criteres);
    colonne->addLayout(entete);
    colonne->addWidget(QSO_Effectues);
    colonne->addWidget(Command1, 0, Qt::AlignRight);
    const QFontMetrics mesure(QSO_Effectues->font());
    QSO_Effectues->setMinimumSize(mesure.horizontalAdvance(Recherche::Entete + QStringLiteral("  QSL")),
                                  mesure.lineSpacing() * 16);
    for (QLineEdit* boite : cases)
        boite->setFixedWidth(mesure.horizontalAdvance(QLatin1Char('W')) * 14);
    setFixedSize(sizeHint());
}

void Recherche_Indicatif::Relie_Evenements() {
    for (int index = 1; index <= 3; ++index)
        connect(Option1[index - 1], &QRadioButton::clicked, this, [this, index] { Option1_Click(index); });
    Clic::Installe(Indica, [this] { Indica_Click(); });
    Clic::Installe(Data, [this] { Data_Click(); });
    Clic::Installe(Depa, [this] { Depa_Click(); });
    Adaptateur_Touches::Installe(Indica, [this](int& code) { Indica_KeyPress(code); });
    Adaptateur_Touches::Installe(Data, [this](int& code) { Data_KeyPress(code); });
    Adaptateur_Touches::Installe(Depa, [this](int& code) { Depa_KeyPress(code); });
    connect(Command1, &QPushButton::clicked, this, &Recherche_Indicatif::Command1_Click);
    Sous_Programmes::Entree_Presse(Command1);
}

void Recherche_Indicatif::Form_Load() {
    Indica->clear();
    setWindowTitle(QStringLiteral("Rechercher un QSO"));
    Label3->setText(QStringLiteral("Rechercher un QSO par ..."));
    Label13->setText(Recherche::Entete);
    Option1[0]->setText(QStringLiteral("Station"));
    Option1[1]->setText(QStringLiteral("Date"));
    Option1[2]->setText(QStringLiteral("Dpt"));
    Command1->setText(QStringLiteral("Quitter"));
    Indica->setFocus();
}

void Recherche_Indicatif::Option1_Click(int index) {
    Case_Du_Critere(static_cast<Recherche::Critere>(index))->setFocus();
}

void Recherche_Indicatif::Indica_Click() {
    Option1[0]->setChecked(true);
}

void Recherche_Indicatif::Data_Click() {
    Option1[1]->setChecked(true);
}

void Recherche_Indicatif::Depa_Click() {
    Option1[2]->setChecked(true);
}

void Recherche_Indicatif::Indica_KeyPress(int& code) {
    if (code == Sous_Programmes::Touche_Entree) {
        code = 0;
        Entree(Indica, Recherche::Controle_Indicatif(Sous_Programmes::Texte_Tape(Indica)));
    }
    Sous_Programmes::Majuscule(code);
}

void Recherche_Indicatif::Data_KeyPress(int& code) {
    if (code == Sous_Programmes::Touche_Entree) {
        code = 0;
        Entree(Data, Recherche::Controle_Date(Data->text()));
    }
}

void Recherche_Indicatif::Depa_KeyPress(int& code) {
    if (code == Sous_Programmes::Touche_Entree) {
        code = 0;
        Entree(Depa, Recherche::Controle_Departement(Sous_Programmes::Texte_Tape(Depa)));
    }
    Sous_Programmes::Majuscule(code);
}

void Recherche_Indicatif::Entree(QLineEdit* boite, const Recherche::Controle& controle) {
    if (!controle.message.isEmpty())
        main.plateforme.messages.Affiche(controle.message);
    if (controle.vide_la_case)
        boite->clear();
    if (controle.cherche)
        Recherche_QSO();
}

void Recherche_Indicatif::Command1_Click() {
    close();
}

// Reads the log the main list shows as it stands now: QSOs recorded since the window opened are found
// too.
void Recherche_Indicatif::Recherche_QSO() {
    QSO_Effectues->clear();
    const Recherche::Critere critere = Critere_Choisi();
    QLineEdit* boite = Case_Du_Critere(critere);
    const Recherche::Resultat resultat =
        Recherche::Cherche(main.journal.Log().Vues(), critere, boite->text());
    if (resultat.critere_absent) {
        main.plateforme.messages.Affiche(Recherche::Message_Critere_Absent(critere));
        boite->clear();
        return;
    }
    QSO_Effectues->setUpdatesEnabled(false);
    QSO_Effectues->addItems(resultat.lignes);
    QSO_Effectues->setUpdatesEnabled(true);
    if (resultat.lignes.isEmpty())
        main.plateforme.messages.Affiche(Recherche::Message::Aucun_QSO);
    for (QLineEdit* critere_tape : {Indica, Data, Depa})
        critere_tape->clear();
}

Recherche::Critere Recherche_Indicatif::Critere_Choisi() const {
    for (int index = 1; index <= 3; ++index) {
        if (Option1[index - 1]->isChecked())
            return static_cast<Recherche::Critere>(index);
    }
    return Recherche::Critere::Station;
}

QLineEdit* Recherche_Indicatif::Case_Du_Critere(Recherche::Critere critere) const {
    switch (critere) {
    case Recherche::Critere::Station:
        return Indica;
    case Recherche::Critere::Date:
        return Data;
    case Recherche::Critere::Dpt:
        return Depa;
    }
    return Indica;
}
