#include "app/Parametres.h"

#include <QDir>
#include <QSettings>

namespace {

QString Cle_Complete(const Cle_Reglage& cle, const QString& indicatif) {
    QString section = QStringLiteral("Setup ");
    if (cle.par_station)
        section += indicatif;
    return section + QLatin1Char('/') + QLatin1String(cle.cle);
}

// A settings file that could not be read (FormatError) is written all the same, with what could be read
// from it; one that cannot be written (AccessError) keeps the settings of the run in memory only.
QString Message_Reglages(const QSettings& stockage) {
    const QString fichier = QDir::toNativeSeparators(stockage.fileName());
    if (stockage.status() == QSettings::FormatError)
        return QStringLiteral(
                   "Le fichier de réglages %1 est abîmé : les réglages qui n'ont pas pu y être lus "
                   "reprennent leur valeur par défaut.")
            .arg(fichier);
    return QStringLiteral(
               "Impossible d'enregistrer les réglages dans le fichier %1 : le fichier ne peut pas "
               "être écrit.\r\nLe programme continue, mais les réglages changés seront perdus à sa "
               "fermeture.")
        .arg(fichier);
}

} // namespace

Parametres::Parametres(std::unique_ptr<QSettings> stockage) : stockage(std::move(stockage)) {}

Parametres::~Parametres() = default;

std::unique_ptr<Parametres> Parametres::Natifs() {
    return std::make_unique<Parametres>(
        std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "KEZ_TORV", "TORV"));
}

QString Parametres::Lit(const Cle_Reglage& cle, const QString& indicatif) const {
    return stockage->value(Cle_Complete(cle, indicatif), QString::fromLatin1(cle.defaut)).toString();
}

void Parametres::Avertit_Par(std::function<void(const QString&)> avertit) {
    this->avertit = std::move(avertit);
}

void Parametres::Ecrit(const Cle_Reglage& cle, const QString& valeur, const QString& indicatif) {
    stockage->setValue(Cle_Complete(cle, indicatif), valeur);
    stockage->sync();
    if (stockage->status() != QSettings::NoError && !averti && avertit) {
        averti = true;
        avertit(Message_Reglages(*stockage));
    }
}

int Parametres::Lit_Position(const Cle_Reglage& cle, const QString& indicatif, int taille) const {
    bool nombre = false;
    const int position = Lit(cle, indicatif).trimmed().toInt(&nombre);
    if (nombre && position >= -1 && position < taille)
        return position;
    return QString::fromLatin1(cle.defaut).toInt();
}

QString Parametres::Indicatif_Station() const {
    const QString indicatif = Lit(Reglages::Indicatif_Station);
    return Sous_Programmes::Indicatif_Valide(indicatif) ? indicatif : Sous_Programmes::Indicatif_Absent;
}

namespace Sous_Programmes {

bool Indicatif_Valide(const QString& indicatif) {
    if (indicatif.isEmpty() || indicatif.size() > 12)
        return false;
    for (const QChar c : indicatif) {
        const char16_t u = c.unicode();
        const bool permis = (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
        if (!permis)
            return false;
    }
    return true;
}

} // namespace Sous_Programmes
