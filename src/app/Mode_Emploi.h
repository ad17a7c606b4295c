#pragma once

#include <QWidget>

class QTextBrowser;

// The user guide, shown read-only. Its text is docs/Mode_emploi.md, built into the program, so the
// guide in the program and the one beside the sources are the same.
class Mode_Emploi : public QWidget {
    Q_OBJECT

public:
    explicit Mode_Emploi(QWidget& parent);

    static const QString Source;

    QTextBrowser* Guide;
};
