#pragma once
// The one-page print-out of a hand: the four hands as dealt, the board,
// dealer, vulnerability, contract, tricks and score, the scripted auction
// with its alerts numbered, their explanations, and the cards of every
// trick. The page is laid out on a 700 x 700 grid and drawn on any painter
// scaled to it, so the printer and the PDF get sharp text, not a bitmap.

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

#include "game/game.h"

namespace tavlo {

class TMultiLang;

inline constexpr int PrintPageSize = 700;

// One text of the page. X is its left edge, or its right edge when it is
// right-aligned; Top is the top of the text.
struct PrintText {
  QString Text{};  // "~" markup when Symbols
  int X = 0;
  int Top = 0;
  bool RightAligned = false;
  bool Symbols = false;
  int Style = 0;  // FontStyleFlag bits
  QColor Colour = Qt::black;
  int PointSize = 11;
  int PixelSize = 0;  // when shrunk to fit its room; 0 keeps the size's own
};

struct PrintPage {
  std::vector<QRect> Frames;  // navy one-pixel frames
  std::vector<PrintText> Texts;
};

// The width of a text on the page, in the page's units.
int PrintTextWidth(const PrintText& text, int language);

// Never shown: it holds the print-out's labels in the six languages.
class TPrintForm : public QWidget {
  Q_OBJECT
 public:
  explicit TPrintForm(QWidget* parent = nullptr);

  // The page of the game's hand with the labels of the language.
  PrintPage PrintHandOnCanvas(const Game& game, int language);
  // Draws the page on painter, whose coordinates are the page's 700 units.
  static void PaintPage(QPainter& painter, const PrintPage& page, int language);

  QString Label(const char* name) const;
  QString TranslatedSeatName(int seat) const;

 private:
  void Show4Hands(PrintPage& page, const Game& game) const;
  void ShowInformation(PrintPage& page, const Game& game, int language) const;
  void ShowBids(PrintPage& page, const Game& game) const;
  // The lines of the explanations beside the auction: each explanation
  // numbered and broken into lines that fit their room, each remark whole.
  static QStringList AlertLines(const Game& game, int language);
  static void ShowAlerts(PrintPage& page, const QStringList& lines);
  void ShowPlay(PrintPage& page, const Game& game, int language) const;

  TMultiLang* multiLang_;
};

}  // namespace tavlo
