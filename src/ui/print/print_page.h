#pragma once
// Putting the print-out on paper: the 700-unit page stretched over 7.5 by
// 8.33 inches of the printer's page, drawn at the printer's own resolution.

#include <QString>

class QPrinter;
class QWidget;

namespace tavlo {

struct Game;
class TPrintForm;

// Prints the page of the game's hand as one job; false when the printer
// would not start it.
bool PrintBitmap(QPrinter& printer, TPrintForm& form, const Game& game, int language);

// The table's print command: the system's print dialog, or, with no printer
// installed, a PDF file the user names. Returns what went wrong, or an
// empty text (also when the user cancelled).
QString PrintHand(QWidget* parent, TPrintForm& form, const Game& game, int language,
                  const QString& pdfTitle);
// Writes the print-out to a PDF file the user names in a file dialog of
// that title.
QString ExportHandAsPdf(QWidget* parent, TPrintForm& form, const Game& game, int language,
                        const QString& title);
// Writes the print-out to the PDF file path.
QString WriteHandPdf(const QString& path, TPrintForm& form, const Game& game, int language);

}  // namespace tavlo
