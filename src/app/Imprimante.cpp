#include "app/Imprimante.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace {

// Report lines can be wide (117 characters for the whole log): when they do not fit across a portrait
// page, the page is turned before the operator sees the dialog, where they may still change it.
void Oriente(QPrinter& imprimante, const QFont& police, const QStringList& lignes) {
    const QFontMetricsF mesures(police, &imprimante);
    qreal largeur = 0;
    for (const QString& ligne : lignes)
        largeur = qMax(largeur, mesures.horizontalAdvance(ligne));
    imprimante.setPageOrientation(QPageLayout::Portrait);
    if (largeur > imprimante.pageRect(QPrinter::DevicePixel).width())
        imprimante.setPageOrientation(QPageLayout::Landscape);
}

} // namespace

Imprimante::Imprimante() = default;

Imprimante::~Imprimante() = default;

Imprimante::Impression Imprimante::Imprime(const QString& document, const QStringList& lignes) {
    if (!imprimante)
        imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QFont avant = police;
    police = Sous_Programmes::Police_Impression();
    imprimante->setDocName(document);
    Oriente(*imprimante, police, lignes);
    Impression impression = Impression::Annulee;
    if (Choisit(*imprimante))
        impression = Sous_Programmes::Peint_Lignes(*imprimante, police, lignes) ? Impression::Faite
                                                                                : Impression::Impossible;
    police = avant;
    return impression;
}

QString Imprimante::Destination() const {
    if (!imprimante)
        return {};
    if (!imprimante->outputFileName().isEmpty())
        return imprimante->outputFileName();
    return imprimante->printerName();
}

bool Imprimante_Systeme::Choisit(QPrinter& imprimante) {
    QPrintDialog dialogue(&imprimante, QApplication::activeWindow());
    // The lines are printed whole, from the first page: there is no page range to choose.
    dialogue.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialogue.exec() == QDialog::Accepted;
}

namespace Sous_Programmes {

QFont Police_Impression() {
    QFont police(QStringLiteral("Courier New"), 9);
    police.setBold(true);
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    return police;
}

bool Peint_Lignes(QPrinter& imprimante, const QFont& police, const QStringList& lignes) {
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return false;
    peintre.setFont(police);
    const QFontMetricsF mesures(police, &imprimante);
    const qreal hauteur_page = imprimante.pageRect(QPrinter::DevicePixel).height();
    qreal haut = 0;
    for (const QString& ligne : lignes) {
        if (haut > 0 && haut + mesures.lineSpacing() > hauteur_page) {
            imprimante.newPage();
            haut = 0;
        }
        peintre.drawText(QPointF(0, haut + mesures.ascent()), ligne);
        haut += mesures.lineSpacing();
    }
    return peintre.end();
}

QString Message_Impression_Impossible(const QString& destination) {
    return QStringLiteral("Impossible d'imprimer sur %1 : l'impression n'a pas pu commencer.")
        .arg(destination);
}

} // namespace Sous_Programmes
