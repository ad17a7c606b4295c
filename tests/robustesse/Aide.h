#pragma once

#include "app/Fichier_Texte.h"
#include "app/Main.h"
#include "log/Clavier.h"
#include "support/Doubles.h"
#include "support/Principal.h"

#include <QAction>
#include <QDir>

using namespace Clavier;
using Fichier_Texte::Joint_Lignes;
using Lignes = QList<QByteArray>;

inline QStringList Message(const QString& texte) {
    return texte.isEmpty() ? QStringList() : QStringList{texte};
}
