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

} // namespace Sous_Programmes
