#include "support/Doubles.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSettings>
#include <limits>

void Messages_Test::Affiche(const QString& texte) {
    textes.append(texte);
    if (a_l_affichage)
        a_l_affichage(texte);
}

bool Messages_Test::Demande(const QString& texte) {
    Affiche(texte);
    return reponses.isEmpty() || reponses.takeFirst();
}

Ecriture Fichiers_Defaillants::Remplace(const QString& chemin, const QByteArray& octets) {
    visee = cible.isEmpty() || chemin == cible;
    return Fichiers_Disque::Remplace(chemin, octets);
}

Lecture_Fichier Fichiers_Defaillants::Lit_Octets(const QString& chemin) {
    if (lecture_refusee.isEmpty())
        return Fichiers_Disque::Lit_Octets(chemin);
    Lecture_Fichier lecture;
    lecture.etat = Lecture_Fichier::Etat::Illisible;
    lecture.raison = lecture_refusee;
    return lecture;
}

bool Fichiers_Defaillants::En_Panne(Etape etape) {
    const bool en_panne = visee && panne == etape;
    pannes += en_panne;
    return en_panne;
}

bool Fichiers_Defaillants::Ecrit(QSaveFile& brouillon, const QByteArray& bloc) {
    if (!En_Panne(Etape::Ecriture))
        return Fichiers_Disque::Ecrit(brouillon, bloc);
    brouillon.write(bloc.left(bloc.size() / 2)); // part of the block reaches the scratch file first
    return false;
}

bool Fichiers_Defaillants::Valide(QSaveFile& brouillon) {
    if (!En_Panne(Etape::Validation))
        return Fichiers_Disque::Valide(brouillon);
    brouillon.cancelWriting();
    return false;
}

namespace {

// What a poppler tool prints; nothing when it fails (no PDF, say), which the test then sees.
QString Sortie(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.start(programme, arguments);
    if (processus.waitForFinished(30000) && processus.exitStatus() == QProcess::NormalExit &&
        processus.exitCode() == 0)
        return QString::fromUtf8(processus.readAllStandardOutput());
    qWarning("%s: %s", qPrintable(programme), processus.readAllStandardError().constData());
    return {};
}

} // namespace

bool Imprimante_Test::Choisit(QPrinter& imprimante) {
    ++dialogues;
    police_au_dialogue = Police();
    if (annule)
        return false;
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin_force.isEmpty() ? Chemin_PDF() : chemin_force);
    return true;
}

QList<QStringList> Imprimante_Test::Pages() const {
    // Courier at 9 points advances 5.4 points a character.
    QStringList tranches =
        Sortie("pdftotext", {"-fixed", "5.4", "-enc", "UTF-8", Chemin_PDF(), "-"}).split('\f');
    tranches.removeLast(); // after the last page break
    QList<QStringList> pages;
    qsizetype marge = std::numeric_limits<qsizetype>::max();
    for (const QString& tranche : tranches) {
        QStringList lignes = tranche.split('\n');
        if (!lignes.isEmpty() && lignes.last().isEmpty())
            lignes.removeLast();
        for (QString& ligne : lignes) {
            while (ligne.endsWith(' '))
                ligne.chop(1);
            if (!ligne.isEmpty())
                marge = qMin(marge, ligne.indexOf(QRegularExpression("\\S")));
        }
        pages.append(lignes);
    }
    for (QStringList& page : pages)
        for (QString& ligne : page)
            ligne.remove(0, qMin(marge, ligne.size()));
    return pages;
}

QString Imprimante_Test::Taille_Page() const {
    return QRegularExpression("Page size:\\s+(\\S+ x \\S+) pts")
        .match(Sortie("pdfinfo", {Chemin_PDF()}))
        .captured(1);
}

QStringList Imprimante_Test::Polices() const {
    QStringList polices;
    const QStringList lignes = Sortie("pdffonts", {Chemin_PDF()}).split('\n');
    for (qsizetype i = 2; i < lignes.size(); ++i)
        if (!lignes[i].isEmpty())
            polices.append(lignes[i].section(' ', 0, 0));
    return polices;
}

Plateforme_Test::Plateforme_Test()
    : parametres(std::make_unique<Parametres>(
          std::make_unique<QSettings>(Fichier_Reglages(), QSettings::IniFormat))),
      plateforme{messages, horloge, repertoire, *parametres, fichiers, imprimante, choix_fichier} {
    parametres->Avertit_Par([this](const QString& texte) { messages.Affiche(texte); });
}

QString Plateforme_Test::Reglage(const QString& section, const QString& cle) const {
    return QSettings(Fichier_Reglages(), QSettings::IniFormat)
        .value(section + '/' + cle, "<absent>")
        .toString();
}

void Plateforme_Test::Ecrit_Reglage(const QString& section, const QString& cle, const QString& valeur) const {
    QSettings(Fichier_Reglages(), QSettings::IniFormat).setValue(section + '/' + cle, valeur);
}
