#pragma once
// The "~" markup of suit symbols in texts ("11-13 HCP, 4~D && 4~H", "4~S X"):
// "~" and a strain letter stand for the suit symbol or the no-trump sign.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/codes.h"

namespace tavlo {

// A character code of the suit-symbol font: 0xC0..0xC3 the club, diamond,
// heart and spade; 0xC8, 0xB8, 0xB6 the no-trump sign in English, the
// Scandinavian languages, French and German.
using SymbolCode = std::uint8_t;

// "C", "D", "H", "S" give their suit symbols; "N" the no-trump sign of the
// language (0 English, 1 Danish, 2 Norwegian, 3 French, 4 German, 5 Swedish:
// 0xB8 for 1 and 2, 0xB6 for 3 and 4, 0xC8 otherwise); other letters '?'.
SymbolCode SymbolOfLetter(char letter, int language);

// One piece of a marked-up text: plain text drawn in the caller's font and
// colour, or one symbol drawn in the symbol font in the colour of its suit.
struct SymbolRun {
  bool IsSymbol = false;
  std::string Text;  // plain text; empty for a symbol
  char Letter = 0;   // the strain letter after "~"
  Colour Ink = 0;    // red for diamonds and hearts, navy for no trump, black otherwise
  bool operator==(const SymbolRun&) const = default;
};

// A rank as a learner reads it on the cards: "A", "K", "Q", "J", "10", "9"
// down to "2"; "?" for what is no rank.
std::string RankText(int rank);

// A card in the markup, the suit's mark before its rank ("~H10", "~CA"),
// so every text that names a card shows it as the table does.
std::string CardMarkup(Card card);

// How many characters after each symbol the table has always drawn.
inline constexpr std::size_t DrawnAfterSymbol = 200;

// Splits text at its "~" marks. Only the first keep characters after each
// symbol are kept: DrawnAfterSymbol as the table has always drawn them, all
// of them for a text read whole. A "~" at the very end marks nothing and
// stays plain text.
std::vector<SymbolRun> SplitSymbolText(std::string_view text, std::size_t keep = DrawnAfterSymbol);

}  // namespace tavlo
