#pragma once
// Drawing texts with "~" suit-symbol markup: plain parts in Arial in the
// caller's colour and style, each symbol in a font that has the suit signs,
// coloured by its suit.

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <string_view>

class QPainter;

namespace tavlo {

// Font styles as a set of flags, as the hand print-out and the table ask for them.
enum FontStyleFlag : int { PlainStyle = 0, BoldStyle = 1, ItalicStyle = 2, UnderlineStyle = 4 };

// The glyphs standing for a symbol code of the old symbol font: ♣ ♦ ♥ ♠ for
// 0xC0..0xC3, "NT", "UT", "SA" for 0xC8, 0xB8, 0xB6; the code's own character
// for any other.
QString SymbolGlyph(unsigned char code);

// The font in which symbols are drawn: DejaVu Sans, plain, at base's size.
QFont SymbolFont(const QFont& base);

// Draws text with its "~" markup with its top left at (x, y) in the size of
// the painter's font. Plain parts are drawn in Arial (or the nearest font the
// system has) in style (FontStyleFlag bits) and colour; each symbol is drawn
// one pixel right of the text before it, and no-trump signs follow language
// (0 English .. 5 Swedish). Leaves the painter's font set to Arial.
void DrawSymbolText(QPainter& painter, int x, int y, int style, const QColor& colour,
                    std::string_view text, int language = 0);

// How wide DrawSymbolText draws the text with a painter whose font is base.
int SymbolTextWidth(const QFont& base, int style, std::string_view text, int language = 0);

// The text broken at its blanks into lines that DrawSymbolText draws at
// most width wide; a single word wider than that keeps a line of its own.
QStringList WrapSymbolText(const QFont& base, int style, const QString& text, int width,
                           int language = 0);

// The whole text with its marks turned into the signs themselves ("4~S"
// reads "4♠"): a label, a message, a hint or what a screen reader says.
QString SymbolPlainText(const QString& text, int language = 0);

}  // namespace tavlo
