#pragma once

#include "lighthouses/Liste_Phare.h"

#include <QObject>

class Main;

// The reference field of the entry chain: on Enter it checks the reference, warns when the
// lighthouse is already in the log, and fills the département and the lighthouse's name.
class Reference_Phare : public QObject {
    Q_OBJECT

public:
    explicit Reference_Phare(Main& main);

    void Ref_A_KeyPress(int& code);

private:
    void Previent_Si_Deja_Contacte(const QString& reference);

    Main& main;
};

namespace Sous_Programmes {
// The lighthouses of the reference file; when it cannot be read the operator is told, once, and
// the list is empty.
QList<Phare> Lecture_Liste_Phare(Main& main);
} // namespace Sous_Programmes
