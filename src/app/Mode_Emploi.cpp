#include "app/Mode_Emploi.h"

#include "app/Twips.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

const QString Mode_Emploi::Source = QStringLiteral("qrc:/docs/Mode_emploi.md");

Mode_Emploi::Mode_Emploi(QWidget& parent) : QWidget(&parent, Qt::Window) {
    setObjectName(QStringLiteral("Mode_Emploi"));
    setWindowTitle(QStringLiteral("Mode d'emploi"));
    Guide = new QTextBrowser(this);
    Guide->setObjectName(QStringLiteral("Guide"));
    Guide->setReadOnly(true);
    Guide->setOpenExternalLinks(true);
    // The pictures of the guide are found beside it, in the same resource.
    Guide->setSource(QUrl(Source));
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Guide);
    const int dpi = logicalDpiY();
    resize(Twips::Pixels(12000, dpi), Twips::Pixels(9000, dpi));
}
