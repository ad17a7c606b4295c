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

// Today for the operator: report titles and report file names follow the local calendar; only the
// dates and times of QSOs are UTC.
QDate Date_Du_Jour(const Horloge& horloge);
// "_dd_mm_yy", the date suffix of report file names.
QString Suffixe_Date(const QDate& jour);
QString Suffixe_Date(const Horloge& horloge);
} // namespace Sous_Programmes
