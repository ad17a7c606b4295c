#pragma once

#include <QDateTime>
#include <QString>

// The system clock, UTC and local.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDateTime Utc() const = 0;
    virtual QDateTime Locale() const = 0;
};

class Horloge_Systeme : public Horloge {
public:
    QDateTime Utc() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime Locale() const override { return QDateTime::currentDateTime(); }
};

namespace Sous_Programmes {
QString Date_Utc_Texte(const Horloge& horloge);     // dd/mm/yy
QString Heure_Utc_Texte(const Horloge& horloge);    // hh:mm:ss
QString Heure_Locale_Texte(const Horloge& horloge); // hh:mm:ss
} // namespace Sous_Programmes
