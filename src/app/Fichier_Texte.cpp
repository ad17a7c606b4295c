#include "app/Fichier_Texte.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>
#include <cstring>
#include <optional>

namespace Fichier_Texte {

namespace {

constexpr const char* Codage = "windows-1252";

// Windows-1252 gives one character to each byte. Read once from the codec, these tables turn a long
// log into text and back line by line without a call to the codec for each line.
struct Tables {
    std::array<char16_t, 256> caracteres;
    // The byte of each character the codec writes as one byte, the characters past ASCII only:
    // ASCII is written as it stands.
    QHash<char16_t, char> octets;
};

std::optional<Tables> Lit_Tables() {
    QByteArray tous(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        tous[i] = static_cast<char>(i);
    QStringDecoder decodeur(Codage);
    const QString caracteres = decodeur.decode(tous);
    if (caracteres.size() != 256)
        return std::nullopt;
    Tables tables;
    for (int i = 0; i < 256; ++i) {
        const char16_t caractere = caracteres[i].unicode();
        tables.caracteres[i] = caractere;
        QStringEncoder encodeur(Codage);
        const QByteArray octet = encodeur.encode(QString(QChar(caractere)));
        const bool aller_retour = !encodeur.hasError() && octet == tous.mid(i, 1);
        if (i < 0x80 && (caractere != i || !aller_retour))
            return std::nullopt;
        if (i >= 0x80 && aller_retour)
            tables.octets.insert(caractere, static_cast<char>(i));
    }
    return tables;
}

const std::optional<Tables>& Table() {
    static const std::optional<Tables> tables = Lit_Tables();
    return tables;
}

// The bytes of a text whose every character is in the table; none when one is not, so that the
// codec decides what becomes of it.
std::optional<QByteArray> Encode_Par_Table(const Tables& tables, const QString& texte) {
    QByteArray octets(texte.size(), Qt::Uninitialized);
    char* octet = octets.data();
    for (const QChar caractere : texte) {
        const char16_t code = caractere.unicode();
        if (code < 0x80) {
            *octet++ = static_cast<char>(code);
            continue;
        }
        const auto trouve = tables.octets.constFind(code);
        if (trouve == tables.octets.cend())
            return std::nullopt;
        *octet++ = *trouve;
    }
    return octets;
}

} // namespace

QString Decode(const QByteArray& octets) {
    const std::optional<Tables>& tables = Table();
    if (!tables) {
        QStringDecoder decodeur(Codage);
        return decodeur.decode(octets);
    }
    QString texte(octets.size(), Qt::Uninitialized);
    char16_t* caractere = reinterpret_cast<char16_t*>(texte.data());
    for (const char octet : octets)
        *caractere++ = tables->caracteres[static_cast<uchar>(octet)];
    return texte;
}

QByteArray Encode(const QString& texte) {
    const std::optional<Tables>& tables = Table();
    if (tables) {
        if (std::optional<QByteArray> octets = Encode_Par_Table(*tables, texte))
            return *std::move(octets);
    }
    QStringEncoder encodeur(Codage);
    return encodeur.encode(texte);
}

QString Caractere_Non_Encodable(const QString& texte) {
    // Checked one character at a time: the encoder's error flag does not say where it failed.
    for (qsizetype i = 0; i < texte.size(); ++i) {
        if (texte[i].unicode() < 0x80)
            continue;
        const bool paire =
            texte[i].isHighSurrogate() && i + 1 < texte.size() && texte[i + 1].isLowSurrogate();
        const QString caractere = texte.mid(i, paire ? 2 : 1);
        QStringEncoder encodeur(Codage);
        const QByteArray octet = encodeur.encode(caractere);
        if (encodeur.hasError() || octet.isEmpty())
            return caractere;
        i += paire ? 1 : 0;
    }
    return {};
}

QString Capitales(const QString& texte) {
    QString capitales = texte;
    for (QChar& caractere : capitales) {
        if (caractere.isSurrogate())
            continue;
        const QChar haut = caractere.toUpper();
        if (haut != caractere && Caractere_Non_Encodable(QString(haut)).isEmpty())
            caractere = haut;
    }
    return capitales;
}

QList<Borne_Ligne> Bornes_Lignes(const QByteArray& octets) {
    QList<Borne_Ligne> bornes;
    // A log the program wrote has lines of one length: room for all of them at once.
    bornes.reserve(octets.size() / 109 + 1);
    const char* const texte = octets.constData();
    const qsizetype taille = octets.size();
    // From one LF to the next, found with memchr: a long log is read at the speed of memory. A CR in
    // between ends a line too, and the LF just after a CR ends nothing more.
    qsizetype debut = 0;
    while (debut < taille) {
        const auto* lf = static_cast<const char*>(std::memchr(texte + debut, '\n', taille - debut));
        const qsizetype fin = lf ? lf - texte : taille;
        const char* cr;
        while (debut < fin &&
               (cr = static_cast<const char*>(std::memchr(texte + debut, '\r', fin - debut)))) {
            bornes.append({debut, cr - texte - debut});
            debut = cr - texte + 1;
        }
        const bool cr_lf = debut == fin && fin > 0 && texte[fin - 1] == '\r';
        if (lf && !cr_lf)
            bornes.append({debut, fin - debut});
        else if (!lf && debut < taille)
            bornes.append({debut, taille - debut});
        debut = lf ? fin + 1 : taille;
    }
    return bornes;
}

QList<QByteArray> Coupe_Lignes(const QByteArray& octets) {
    QList<QByteArray> lignes;
    const QList<Borne_Ligne> bornes = Bornes_Lignes(octets);
    lignes.reserve(bornes.size());
    for (const Borne_Ligne& borne : bornes)
        lignes.append(octets.mid(borne.debut, borne.taille));
    return lignes;
}

QByteArray Joint_Lignes(const QList<QByteArray>& lignes) {
    qsizetype taille = 0;
    for (const QByteArray& l : lignes)
        taille += l.size() + 2;
    QByteArray octets;
    octets.reserve(taille);
    for (const QByteArray& l : lignes) {
        octets.append(l);
        Termine_Ligne(octets);
    }
    return octets;
}

void Termine_Ligne(QByteArray& octets) {
    octets.append("\r\n", 2);
}

QList<QByteArray> Encode_Lignes(const QStringList& lignes) {
    QList<QByteArray> octets;
    octets.reserve(lignes.size());
    for (const QString& l : lignes)
        octets.append(Encode(l));
    return octets;
}

QStringList Decode_Lignes(const QList<QByteArray>& lignes) {
    QStringList textes;
    textes.reserve(lignes.size());
    for (const QByteArray& l : lignes)
        textes.append(Decode(l));
    return textes;
}

} // namespace Fichier_Texte
