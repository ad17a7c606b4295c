#include "reports/Lecture_Adif.h"

#include "app/Fichier_Texte.h"

#include <QStringDecoder>
#include <algorithm>

namespace Lecture_Adif {

namespace {

const QString Balise_Illisible = QStringLiteral("balise illisible");
const QString Longueur_Illisible = QStringLiteral("longueur illisible");
const QString Longueur_Trop_Grande = QStringLiteral("longueur au-delà de la fin du fichier");
const QString Octet_Nul = QStringLiteral("octet nul, le fichier n'est pas du texte");
const QString Sans_Fin = QStringLiteral("fin du fichier sans <eor>");

QString Texte_Du_Fichier(const QByteArray& octets) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8.decode(octets);
    return utf8.hasError() ? Fichier_Texte::Decode(octets) : texte;
}

bool Lettre_De_Nom(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('_');
}

bool Chiffre(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Where the records start: a file that does not open on a field opens on a header of free text.
qsizetype Debut_Des_Records(const QString& texte) {
    if (texte.startsWith(QLatin1Char('<')))
        return 0;
    const qsizetype fin_entete = texte.indexOf(QLatin1String("<eoh>"), 0, Qt::CaseInsensitive);
    return fin_entete < 0 ? 0 : fin_entete + 5;
}

struct Curseur {
    const QString& texte;
    qsizetype position;

    bool Fini() const { return position >= texte.size(); }
    bool Passe(QChar c) {
        if (Fini() || texte[position] != c)
            return false;
        ++position;
        return true;
    }
    // The characters from here on that pass the test.
    QStringView Suite(bool (*test)(QChar)) {
        const qsizetype debut = position;
        while (!Fini() && test(texte[position]))
            ++position;
        return QStringView(texte).sliced(debut, position - debut);
    }
    // Past `nombre` characters (one beyond U+FFFF takes two units); false when the text ends first.
    bool Avance(qsizetype nombre) {
        for (; nombre > 0; --nombre) {
            if (Fini())
                return false;
            const bool paire = texte[position].isHighSurrogate() && position + 1 < texte.size() &&
                               texte[position + 1].isLowSurrogate();
            position += paire ? 2 : 1;
        }
        return true;
    }
};

// A length past the text's own is as good as infinite: it is held there, never overflowing.
qsizetype Longueur(QStringView chiffres, qsizetype plafond) {
    qsizetype longueur = 0;
    for (const QChar chiffre : chiffres)
        longueur = std::min(longueur * 10 + (chiffre.unicode() - u'0'), plafond + 1);
    return longueur;
}

} // namespace

Bilan Lit(const QByteArray& octets, const std::function<void(const Record&)>& recoit) {
    const QString texte = Texte_Du_Fichier(octets);
    Curseur curseur{texte, Debut_Des_Records(texte)};
    Bilan bilan;
    Record record;
    const auto arret = [&bilan](const QString& raison) {
        bilan.arret = Arret{bilan.records + 1, raison};
        return bilan;
    };
    for (;;) {
        // Text between fields is passed over; a NUL byte there is a binary file.
        for (; !curseur.Fini() && texte[curseur.position] != QLatin1Char('<'); ++curseur.position) {
            if (texte[curseur.position].isNull())
                return arret(Octet_Nul);
        }
        if (!curseur.Passe(QLatin1Char('<')))
            return record.isEmpty() ? bilan : arret(Sans_Fin);
        const QString nom = curseur.Suite(Lettre_De_Nom).toString().toUpper();
        if (nom.isEmpty())
            return arret(Balise_Illisible);
        // A tag without a length ends a record or the header; any other (an application's) is passed over.
        if (curseur.Passe(QLatin1Char('>'))) {
            if (nom == QLatin1String("EOR") && !record.isEmpty()) {
                ++bilan.records;
                recoit(record);
            }
            if (nom == QLatin1String("EOR") || nom == QLatin1String("EOH"))
                record.clear();
            continue;
        }
        if (!curseur.Passe(QLatin1Char(':')))
            return arret(Balise_Illisible);
        const QStringView chiffres = curseur.Suite(Chiffre);
        if (chiffres.isEmpty())
            return arret(Longueur_Illisible);
        if (curseur.Passe(QLatin1Char(':')))
            curseur.Suite(Lettre_De_Nom); // the type, which the field's name already tells
        if (!curseur.Passe(QLatin1Char('>')))
            return arret(Balise_Illisible);
        const qsizetype debut = curseur.position;
        if (!curseur.Avance(Longueur(chiffres, texte.size())))
            return arret(Longueur_Trop_Grande);
        record.insert(nom, texte.sliced(debut, curseur.position - debut));
    }
}

} // namespace Lecture_Adif
