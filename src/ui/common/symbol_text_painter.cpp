#include "common/symbol_text_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include "common/colour.h"
#include "common/suit_colours.h"
#include "model/symbol_text.h"

namespace tavlo {

QString SymbolGlyph(unsigned char code) {
  switch (code) {
    case 0xC0:
      return QString(QChar(0x2663));
    case 0xC1:
      return QString(QChar(0x2666));
    case 0xC2:
      return QString(QChar(0x2665));
    case 0xC3:
      return QString(QChar(0x2660));
    case 0xC8:
      return "NT";
    case 0xB8:
      return "UT";
    case 0xB6:
      return "SA";
  }
  return QString(QChar(code));
}

QFont SymbolFont(const QFont& base) {
  QFont font = base;
  font.setFamily("DejaVu Sans");
  font.setBold(false);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

namespace {

QFont TextFont(const QFont& base, int style) {
  QFont font = base;
  font.setFamily("Arial");
  font.setBold(style & BoldStyle);
  font.setItalic(style & ItalicStyle);
  font.setUnderline(style & UnderlineStyle);
  return font;
}

// Draws text on the baseline (when there is a painter) and gives its width.
int DrawOnBaseline(QPainter* painter, const QFont& font, int x, int baseline, const QString& text) {
  if (painter) {
    painter->setFont(font);
    painter->drawText(x, baseline, text);
  }
  return QFontMetrics(font).horizontalAdvance(text);
}

// Lays the marked-up text out from x, drawing it when there is a painter,
// and gives the x where it ends.
int LayOutSymbolText(QPainter* painter, const QFont& base, int x, int y, int style,
                     const QColor& colour, std::string_view text, int language) {
  const QFont textFont = TextFont(base, style);
  const QFont symbolFont = SymbolFont(textFont);
  // The text's top stands at y, as on the old canvas; symbols share the
  // text's baseline, whatever font stands in for the text face.
  const int baseline = y + QFontMetrics(textFont).ascent();
  for (const SymbolRun& run : SplitSymbolText(text)) {
    if (!run.IsSymbol) {
      if (painter) painter->setPen(colour);
      x += DrawOnBaseline(painter, textFont, x, baseline,
                          QString::fromUtf8(run.Text.data(), run.Text.size()));
      continue;
    }
    // A symbol stands one pixel clear of the text before it.
    const StrainCode suit = SuitOfLetter(std::string_view(&run.Letter, 1));
    if (painter)
      painter->setPen(FourColourDeck() && suit != NoTrump ? SuitInk(suit) : ToQColor(run.Ink));
    x += 1 + DrawOnBaseline(painter, symbolFont, x + 1, baseline,
                            SymbolGlyph(SymbolOfLetter(run.Letter, language)));
  }
  if (painter) {
    painter->setFont(textFont);
    painter->setPen(colour);
  }
  return x;
}

}  // namespace

void DrawSymbolText(QPainter& painter, int x, int y, int style, const QColor& colour,
                    std::string_view text, int language) {
  LayOutSymbolText(&painter, painter.font(), x, y, style, colour, text, language);
}

int SymbolTextWidth(const QFont& base, int style, std::string_view text, int language) {
  return LayOutSymbolText(nullptr, base, 0, 0, style, Qt::black, text, language);
}

QStringList WrapSymbolText(const QFont& base, int style, const QString& text, int width,
                           int language) {
  const auto widthOf = [&](const QString& line) {
    const QByteArray bytes = line.toUtf8();
    return SymbolTextWidth(base, style, {bytes.constData(), std::size_t(bytes.size())}, language);
  };
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    const QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && widthOf(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  if (!line.isEmpty() || lines.isEmpty()) lines << line;
  return lines;
}

QString SymbolPlainText(const QString& text, int language) {
  const QByteArray bytes = text.toUtf8();
  QString plain;
  // Read whole: a message or a lesson's point is not cut as the table's
  // drawing always was.
  for (const SymbolRun& run :
       SplitSymbolText({bytes.constData(), std::size_t(bytes.size())}, std::string_view::npos)) {
    plain += run.IsSymbol ? SymbolGlyph(SymbolOfLetter(run.Letter, language))
                          : QString::fromStdString(run.Text);
  }
  return plain;
}

}  // namespace tavlo
