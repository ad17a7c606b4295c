#include "app/Horloge.h"

namespace Sous_Programmes {

QString Date_Utc_Texte(const Horloge& horloge) {
    return horloge.Utc().date().toString(QStringLiteral("dd/MM/yy"));
}

QString Heure_Utc_Texte(const Horloge& horloge) {
    return horloge.Utc().time().toString(QStringLiteral("HH:mm:ss"));
}

QString Heure_Locale_Texte(const Horloge& horloge) {
    return horloge.Locale().time().toString(QStringLiteral("HH:mm:ss"));
}

QDate Date_Du_Jour(const Horloge& horloge) {
    return horloge.Locale().date();
}

QString Suffixe_Date(const QDate& jour) {
    return jour.toString(QStringLiteral("_dd_MM_yy"));
}

QString Suffixe_Date(const Horloge& horloge) {
    return Suffixe_Date(Date_Du_Jour(horloge));
}

} // namespace Sous_Programmes
