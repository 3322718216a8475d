#include "model/codes.h"

#include <bit>
#include <cctype>
#include <charconv>

namespace tavlo {

SeatCode SeatOfLetter(std::string_view text) {
  if (text.empty()) return North;
  const auto at = std::string_view("NESW").find(
      static_cast<char>(std::toupper(static_cast<unsigned char>(text.front()))));
  return at == std::string_view::npos ? North : static_cast<SeatCode>(at);
}

int VulnerabilityOfText(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper == "N-S" || upper == "NS") return 1;
  if (upper == "E-W" || upper == "EW") return 2;
  if (upper == "BOTH") return 3;
  return 0;
}

StrainCode SuitOfLetter(std::string_view text) {
  if (text.empty()) return NoTrump;
  switch (text.front()) {
    case 'C':
      return Clubs;
    case 'D':
      return Diamonds;
    case 'H':
      return Hearts;
    case 'S':
      return Spades;
    default:
      return NoTrump;
  }
}

int RankOfLetter(char letter) {
  const auto at = RankLetters.find(letter, 2);
  return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

Holding RankBitOfLetter(char letter) {
  if (static_cast<unsigned char>(letter) > '9') {
    // A letter outside TJQKA has position 0 there and so gives the nine.
    const auto at = std::string_view("TJQKA").find(letter);
    const int position = at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
    return Holding{1} << (9 + position);
  }
  // A digit (or anything that sorts below it) is read as its decimal value.
  // Characters that are no digit cannot name a rank; keep the shift in range.
  const int value = letter - '0';
  return value >= 0 && value <= 9 ? Holding{1} << value : 0;
}

int CardRank(Card card) {
  // The top bit of a 16-bit card code is no rank: a card with it alone would
  // read past the rank letters.
  const Holding ranks = card & 0x7FFC;
  return ranks ? std::countr_zero(ranks) : 0;
}

std::string CardText(Card card) {
  // A play record or a file another program wrote may hold a code that is
  // no card; it is shown, never read past the rank letters.
  const int rank = CardRank(card);
  if (rank == 0) return "??";
  return {RankLetters[rank], StrainLetters[CardSuit(card)][0]};
}

int LowestRank(Holding holding) {
  const Holding ranks = holding & 0x7FFC;
  return ranks ? std::countr_zero(ranks) : 0;
}

std::string TrimTrailingSpaces(std::string_view text) {
  const auto end = text.find_last_not_of(' ');
  return std::string(end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1));
}

std::string TrimLeadingSpaces(std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  return std::string(start == std::string_view::npos ? std::string_view{} : text.substr(start));
}

std::string TrimTrailingSpacesKeepOne(std::string_view text) {
  auto end = text.size();
  while (end > 1 && text[end - 1] == ' ') --end;
  return std::string(text.substr(0, end));
}

int LeadingNumber(std::string_view text) {
  if (text.size() >= 2 && text[1] == ' ') text = text.substr(0, 1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return 99;
  return value;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t p = 0;
  for (std::size_t n = 0; p < text.size() && n < count; ++n) {
    ++p;
    while (p < text.size() && (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80) ++p;
  }
  return text.substr(0, p);
}

}  // namespace tavlo
