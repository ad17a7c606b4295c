#include "app/Fichier_Texte.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <array>
#include <optional>

namespace Fichier_Texte {

namespace {
constexpr const char* Codage = "windows-1252";
}

namespace {

// Windows-1252 gives one character to each byte. Read once from the codec, this table decodes a
// long log line by line without a call to the codec for each line.
using Table_Caracteres = std::array<char16_t, 256>;

std::optional<Table_Caracteres> Lit_Table() {
    QByteArray octets(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        octets[i] = static_cast<char>(i);
    QStringDecoder decodeur(Codage);
    const QString caracteres = decodeur.decode(octets);
    if (caracteres.size() != 256)
        return std::nullopt;
    Table_Caracteres table;
    for (int i = 0; i < 256; ++i)
        table[i] = caracteres[i].unicode();
    return table;
}

const std::optional<Table_Caracteres>& Table() {
    static const std::optional<Table_Caracteres> table = Lit_Table();
    return table;
}

} // namespace

QString Decode(const QByteArray& octets) {
    const std::optional<Table_Caracteres>& table = Table();
    if (!table) {
        QStringDecoder decodeur(Codage);
        return decodeur.decode(octets);
    }
    QString texte(octets.size(), Qt::Uninitialized);
    char16_t* caractere = reinterpret_cast<char16_t*>(texte.data());
    for (const char octet : octets)
        *caractere++ = (*table)[static_cast<uchar>(octet)];
    return texte;
}

QByteArray Encode(const QString& texte) {
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

QList<QByteArray> Coupe_Lignes(const QByteArray& octets) {
    QList<QByteArray> lignes;
    qsizetype debut = 0;
    const qsizetype taille = octets.size();
    for (qsizetype i = 0; i < taille; ++i) {
        const char c = octets[i];
        if (c != '\r' && c != '\n')
            continue;
        lignes.append(octets.mid(debut, i - debut));
        if (c == '\r' && i + 1 < taille && octets[i + 1] == '\n')
            ++i;
        debut = i + 1;
    }
    if (debut < taille)
        lignes.append(octets.mid(debut));
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
        octets.append("\r\n", 2);
    }
    return octets;
}

QList<QByteArray> Encode_Lignes(const QStringList& lignes) {
    QStringEncoder encodeur(Codage, QStringEncoder::Flag::Stateless);
    QList<QByteArray> octets;
    octets.reserve(lignes.size());
    for (const QString& l : lignes)
        octets.append(encodeur.encode(l));
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
