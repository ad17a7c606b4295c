#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <memory>

// Starts kez_processus with these arguments and waits for its first line; the line, or "<rien>"
// when it ended or said nothing in time.
QByteArray Lance_Aide(QProcess& aide, const QStringList& arguments);
// Ends it at once, as a crash or a power cut would: no clean-up of its own runs.
void Tue(QProcess& aide);
