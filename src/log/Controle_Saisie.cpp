#include "log/Controle_Saisie.h"

#include "app/Fichier_Texte.h"
#include "app/Textes.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace Sous_Programmes {

namespace {

struct Borne {
    int position; // of the two digits, from 0
    int maximum;
};

// 1 unless the text follows the pattern ('9' for a digit, any other character for itself) and each
// two-digit number stays within its bound. Every test runs, none stops the others.
int Controle_Format(const QString& texte, const QString& modele, std::initializer_list<Borne> bornes) {
    int erreur = 0;
    for (qsizetype i = 0; i < modele.size(); ++i) {
        const QChar attendu = modele[i];
        const QChar lu = i < texte.size() ? texte[i] : QChar();
        const bool bon =
            attendu == QLatin1Char('9') ? (lu >= QLatin1Char('0') && lu <= QLatin1Char('9')) : lu == attendu;
        if (!bon)
            erreur = 1;
    }
    for (const Borne& borne : bornes) {
        if (texte.mid(borne.position, 2).toInt() > borne.maximum)
            erreur = 1;
    }
    // A longer text would not fit its column of the log record.
    if (texte.size() != modele.size())
        erreur = 1;
    return erreur;
}

int Premier_Chiffre_Hors_RST(const QString& texte) {
    const QChar r = texte.isEmpty() ? QChar() : texte[0];
    return r >= QLatin1Char('0') && r <= QLatin1Char('5') ? 0 : 1;
}

int Mode_Trop_Long(const QString& texte) {
    // The mode column of the record holds 3 characters; a longer mode would be cut.
    return texte.size() > 3 ? 1 : 0;
}

struct Regle {
    int maximum;      // 0: no length of its own
    const char* vide; // nullptr: may be left empty
    const char* trop_long;
    int (*controle)(const QString&); // a further check, 1 when it fails
    const char* refus_controle;
};

// In the order of Champ_Saisie.
const std::array<Regle, 10> Regles{{
    {12, "Entrez un indicatif", "12 caracteres maxi pour l'indicatif", nullptr, nullptr},
    {15, nullptr, "15 caracteres maxi pour le Prenom", nullptr, nullptr},
    {6, "Entrez une Reference", "6 caracteres maxi pour la reference ex: PB1004", nullptr, nullptr},
    {2, "Entrez un Departement", "2 caracteres maxi pour le Departement", nullptr, nullptr},
    {0, "Entrez une date", nullptr, Controle_Date, "Le format de la date doit etre JJ/MM/AA"},
    {0, "Entrez une Heure", nullptr, Controle_Heure, "Le format de l'heure doit etre HH:MM"},
    {6, "Entrez un Mode", "6 caracteres maxi pour le Mode", Mode_Trop_Long, "3 caracteres maxi pour le Mode"},
    {7, "Entrez une QRG", "7 caracteres maxi pour la QRG", nullptr, nullptr},
    {3, "Entrez un Report", "3 caracteres maxi pour le Report", Premier_Chiffre_Hors_RST,
     "R (de RST)doit etre compris entre 0 et 5"},
    {30, nullptr, "30 caracteres maxi pour le nom du Phare", nullptr, nullptr},
}};

bool Vide(Champ_Saisie champ, const QString& texte) {
    // The reference field starts with its prefix: that alone is an empty reference.
    if (champ == Champ_Saisie::Reference)
        return texte == Textes::Reference_Vide;
    return texte.isEmpty();
}

} // namespace

int Controle_Date(const QString& texte) {
    return Controle_Format(texte, QStringLiteral("99/99/99"), {{0, 31}, {3, 12}});
}

int Controle_Heure(const QString& texte) {
    return Controle_Format(texte, QStringLiteral("99:99"), {{0, 23}, {3, 59}});
}

void Majuscule(int& code) {
    if (code >= 'a' && code <= 'z')
        code -= 32;
}

QString Majuscules(QString texte) {
    for (QChar& caractere : texte) {
        int code = caractere.unicode();
        Majuscule(code);
        caractere = QChar(code);
    }
    return texte;
}

bool Suit_Regle_Des_Lettres(Champ_Saisie champ) {
    return champ != Champ_Saisie::Bande && champ != Champ_Saisie::Nom_Phare;
}

QString Refus_Saisie(Champ_Saisie champ, const QString& texte) {
    const Regle& regle = Regles[static_cast<int>(champ)];
    if (regle.vide && Vide(champ, texte))
        return QLatin1String(regle.vide);
    if (regle.maximum > 0 && texte.size() > regle.maximum)
        return QLatin1String(regle.trop_long);
    if (regle.controle && regle.controle(texte) != 0)
        return QLatin1String(regle.refus_controle);
    return Refus_Caracteres(texte);
}

QString Refus_Caracteres(const QString& texte) {
    const QString refus = QStringLiteral("Caractere non autorise : ");
    // A control character (pasted, or read from a damaged file) has no place in a record: a line end
    // would cut the line of the log in two. It is named by its code, having no face of its own.
    const auto controle = std::find_if(texte.cbegin(), texte.cend(),
                                       [](QChar c) { return c.category() == QChar::Other_Control; });
    const QString caractere = Fichier_Texte::Caractere_Non_Encodable(texte.first(controle - texte.cbegin()));
    if (!caractere.isEmpty())
        return refus + caractere;
    if (controle != texte.cend())
        return refus + QStringLiteral("code %1").arg(controle->unicode());
    return {};
}

} // namespace Sous_Programmes
