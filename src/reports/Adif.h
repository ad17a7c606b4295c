#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The log as an ADIF file, the text format in which logging programs exchange QSOs. The lighthouse
// travels in SIG and SIG_INFO, the département in STATE.
namespace Adif {

QString Nom_Fichier(const QString& indicatif);

// The ADIF band of a band text of the log; empty for a text it does not know.
QString Bande(QStringView texte);

// The other way: the log's band text of an ADIF band (in any case), or of a frequency in MHz; empty
// for a band the log does not list.
QString Bande_Du_Log(QStringView bande);
QString Bande_De_Frequence(double mhz);

// One log line as one ADIF record line, "<eor>" included, without its line end.
QString ADIF_SP(const QString& ligne);

// The whole file's bytes: the header, then one record line per log line, in log order.
QByteArray Fichier(const QString& indicatif, const QString& credit, const QList<QByteArray>& log);

} // namespace Adif
