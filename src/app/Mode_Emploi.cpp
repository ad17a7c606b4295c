#include "app/Mode_Emploi.h"

#include "app/Twips.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

const QString Mode_Emploi::Source = QStringLiteral("qrc:/docs/Mode_emploi.md");

// The guide lives in a static library: registering it here keeps its resource in the program. Outside
// any namespace, as the resource's own function is.
static void Charge_Guide() {
    static const bool charge = [] {
        Q_INIT_RESOURCE(mode_emploi);
        return true;
    }();
    Q_UNUSED(charge);
}

Mode_Emploi::Mode_Emploi(QWidget& parent) : QWidget(&parent, Qt::Window) {
    Charge_Guide();
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
    resize(Twips::Pixels(12600, dpi), Twips::Pixels(9000, dpi));
}
