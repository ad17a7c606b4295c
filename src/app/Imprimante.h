#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

// The printer, kept for the whole run like a printer object: the printer chosen and its settings stay
// from one print to the next, and so does its font, which a report borrows and puts back.
class Imprimante {
public:
    enum class Impression { Faite, Annulee, Impossible };

    Imprimante();
    virtual ~Imprimante();

    // Asks which printer, then prints the lines as one document in "Courier New" 9 points bold, one
    // text line per line, a new page when one is full. Cancelling prints nothing.
    Impression Imprime(const QString& document, const QStringList& lignes);

    // Where the last document went: the printer's name, or the file printed to.
    QString Destination() const;

    QFont Police() const { return police; }
    void Change_Police(const QFont& nouvelle) { police = nouvelle; }

protected:
    // Lets the operator choose the printer and its settings; false when they cancel.
    virtual bool Choisit(QPrinter& imprimante) = 0;

private:
    std::unique_ptr<QPrinter> imprimante;
    QFont police;
};

// The system's printers through the printer dialog (on Linux the CUPS printers and printing to a PDF file).
class Imprimante_Systeme : public Imprimante {
protected:
    bool Choisit(QPrinter& imprimante) override;
};

namespace Sous_Programmes {
// The font of every printed report.
QFont Police_Impression();
// Paints the lines on the printer's pages from the top, a new page when the next line does not fit.
// False when the printer cannot start the document.
bool Peint_Lignes(QPrinter& imprimante, const QFont& police, const QStringList& lignes);
QString Message_Impression_Impossible(const QString& destination);
} // namespace Sous_Programmes
