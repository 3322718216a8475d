#include "model/symbol_text.h"

namespace tavlo {

SymbolCode SymbolOfLetter(char letter, int language) {
  switch (letter) {
    case 'C':
      return 0xC0;
    case 'D':
      return 0xC1;
    case 'H':
      return 0xC2;
    case 'S':
      return 0xC3;
    case 'N':
      if (language == 1 || language == 2) return 0xB8;
      if (language == 3 || language == 4) return 0xB6;
      return 0xC8;
  }
  return '?';
}

std::string RankText(int rank) {
  if (rank < 2 || rank > Ace) return "?";
  // The ten is "10", as on its face, never the files' "T".
  return rank == 10 ? "10" : std::string(1, RankLetters[rank]);
}

std::string CardMarkup(Card card) {
  std::string markup = "~";
  markup += StrainLetters[CardSuit(card)];
  markup += RankText(CardRank(card));
  return markup;
}

namespace {

Colour InkOfLetter(char letter) {
  if (letter == 'D' || letter == 'H') return Rgb(255, 0, 0);
  if (letter == 'N') return Rgb(0, 0, 128);
  return Rgb(0, 0, 0);
}

}  // namespace

std::vector<SymbolRun> SplitSymbolText(std::string_view text, std::size_t keep) {
  std::vector<SymbolRun> runs;
  for (;;) {
    const auto mark = text.find('~');
    if (mark == std::string_view::npos || mark + 1 == text.size()) {
      if (!text.empty()) runs.push_back({.Text = std::string(text)});
      return runs;
    }
    if (mark > 0) runs.push_back({.Text = std::string(text.substr(0, mark))});
    const char letter = text[mark + 1];
    runs.push_back({.IsSymbol = true, .Text = {}, .Letter = letter, .Ink = InkOfLetter(letter)});
    text = FirstCharacters(text.substr(mark + 2), keep);
  }
}

}  // namespace tavlo
