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

namespace {

Colour InkOfLetter(char letter) {
  if (letter == 'D' || letter == 'H') return Rgb(255, 0, 0);
  if (letter == 'N') return Rgb(0, 0, 128);
  return Rgb(0, 0, 0);
}

}  // namespace

std::vector<SymbolRun> SplitSymbolText(std::string_view text) {
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
    // The text after each symbol is cut at 200 characters, as the table has
    // always drawn it.
    text = FirstCharacters(text.substr(mark + 2), 200);
  }
}

}  // namespace tavlo
