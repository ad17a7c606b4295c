#include "app/Adaptateur_Touches.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace {

// The character code of a key, or -1 for a key that types nothing a field holds.
int Code_Touche(const QKeyEvent& touche) {
    if (touche.key() == Qt::Key_Return || touche.key() == Qt::Key_Enter)
        return Sous_Programmes::Touche_Entree;
    const QString texte = touche.text();
    if (texte.size() != 1)
        return -1;
    // Tab, Delete and Escape give control codes: keys that move or edit, not characters. Backspace
    // alone goes to the handlers, which guard what it erases. Ctrl with a key is a shortcut (Ctrl and
    // Alt together is AltGr on Windows, which types).
    if (texte[0].category() == QChar::Other_Control && texte[0] != QLatin1Char('\b'))
        return -1;
    const Qt::KeyboardModifiers raccourci = touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (raccourci == Qt::ControlModifier)
        return -1;
    return texte[0].unicode();
}

Qt::Key Touche_De_Code(int code, Qt::Key origine) {
    if (code >= 'A' && code <= 'Z')
        return static_cast<Qt::Key>(Qt::Key_A + (code - 'A'));
    if (code >= 'a' && code <= 'z')
        return static_cast<Qt::Key>(Qt::Key_A + (code - 'a'));
    return origine;
}

} // namespace

Adaptateur_Touches::Adaptateur_Touches(QWidget* champ, Gestionnaire gestionnaire)
    : QObject(champ), gestionnaire(std::move(gestionnaire)) {}

void Adaptateur_Touches::Installe(QWidget* champ, Gestionnaire gestionnaire) {
    champ->installEventFilter(new Adaptateur_Touches(champ, std::move(gestionnaire)));
}

bool Adaptateur_Touches::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() != QEvent::KeyPress || livraison_en_cours)
        return false;
    auto* touche = static_cast<QKeyEvent*>(evenement);
    const int origine = Code_Touche(*touche);
    if (origine < 0)
        return false;
    int code = origine;
    gestionnaire(code);
    if (code == origine)
        return false;
    if (code != 0) {
        QKeyEvent remplacee(QEvent::KeyPress, Touche_De_Code(code, static_cast<Qt::Key>(touche->key())),
                            touche->modifiers(), QString(QChar(code)), touche->isAutoRepeat());
        livraison_en_cours = true;
        QCoreApplication::sendEvent(objet, &remplacee);
        livraison_en_cours = false;
    }
    return true;
}

namespace Sous_Programmes {

void Entree_Presse(QAbstractButton* bouton) {
    Adaptateur_Touches::Installe(bouton, [bouton](int& code) {
        if (code != Touche_Entree)
            return;
        code = 0;
        bouton->click();
    });
}

QString Texte_Tape(QLineEdit* champ) {
    const QString texte = Majuscules(champ->text());
    if (texte != champ->text()) {
        const int curseur = champ->cursorPosition();
        champ->setText(texte);
        champ->setCursorPosition(curseur);
    }
    return texte;
}

} // namespace Sous_Programmes
