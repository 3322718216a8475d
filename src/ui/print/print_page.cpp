#include "print/print_page.h"

#include <QApplication>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "print/print_form.h"

namespace tavlo {

namespace {

constexpr double PageWidthInches = 7.5, PageHeightInches = 8.33333;

// The hourglass while the page is drawn and sent.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

QString PdfPathFromUser(QWidget* parent, const QString& title) {
  return QFileDialog::getSaveFileName(parent, title, "hand.pdf", "PDF (*.pdf)");
}

}  // namespace

bool PrintBitmap(QPrinter& printer, TPrintForm& form, const Game& game, int language) {
  const PrintPage page = form.PrintHandOnCanvas(game, language);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(PageWidthInches * printer.logicalDpiX() / PrintPageSize,
                PageHeightInches * printer.logicalDpiY() / PrintPageSize);
  TPrintForm::PaintPage(painter, page, language);
  return painter.end();
}

QString WriteHandPdf(const QString& path, TPrintForm& form, const Game& game, int language) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
  if (!PrintBitmap(printer, form, game, language))
    return "The PDF file could not be written: " + path;
  return {};
}

QString ExportHandAsPdf(QWidget* parent, TPrintForm& form, const Game& game, int language,
                        const QString& title) {
  const QString path = PdfPathFromUser(parent, title);
  if (path.isEmpty()) return {};
  const WaitCursor wait;
  return WriteHandPdf(path, form, game, language);
}

QString PrintHand(QWidget* parent, TPrintForm& form, const Game& game, int language,
                  const QString& pdfTitle) {
  if (QPrinterInfo::availablePrinters().isEmpty())
    return ExportHandAsPdf(parent, form, game, language, pdfTitle);
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return {};
  const WaitCursor wait;
  if (!PrintBitmap(printer, form, game, language)) return "The printer did not start the job";
  return {};
}

}  // namespace tavlo
