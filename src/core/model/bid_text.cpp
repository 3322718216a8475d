#include "model/bid_text.h"

namespace tavlo {

namespace {

// The strain named by the character after the level: a suit letter (upper
// case only) or a suit symbol; anything else is no trump.
StrainCode StrainOfBidText(std::string_view rest) {
  if (const StrainCode letter = SuitOfLetter(rest); letter != NoTrump) return letter;
  // ♠ U+2660, ♥ U+2665, ♦ U+2666, ♣ U+2663 in UTF-8.
  if (rest.starts_with("\u2663")) return Clubs;
  if (rest.starts_with("\u2666")) return Diamonds;
  if (rest.starts_with("\u2665")) return Hearts;
  if (rest.starts_with("\u2660")) return Spades;
  return NoTrump;
}

}  // namespace

Bid BidCode(std::string_view text) {
  text = text.substr(0, text.find('('));
  if (text.empty() || text.front() == 'P') return Pass;
  if (text.front() == 'D' || text == "X") return Double;
  if (text == "XX") return Redouble;
  if (text.size() < 2) return NoBid;
  const StrainCode strain = StrainOfBidText(text.substr(1));
  const char first = text.front();
  const bool isDigit = first >= '0' && first <= '9';
  const int level = isDigit ? first - '0' : 1;
  // "0S" or "9N" would land on a call or past seven no trump: no bid.
  if (level < 1 || level > 7) return NoBid;
  return ContractBidCode(level, strain);
}

std::string BidShortText(int code) {
  switch (code) {
    case Redouble:
      return "XX";
    case Double:
      return "X";
    case Pass:
      return "P";
  }
  if (!IsContractBid(code)) return "??";
  return std::to_string(BidLevel(code)) + std::string(StrainLetters[BidStrain(code)]);
}

std::string BidSymbolText(int code) {
  switch (code) {
    case Redouble:
      return "RDbl";
    case Double:
      return "Dbl";
    case Pass:
      return "Pass";
    case NoBid:
      return std::string(NoBidSymbolText);
  }
  if (!IsContractBid(code)) return "????";
  return std::to_string(BidLevel(code)) + "~" + std::string(StrainLetters[BidStrain(code)]);
}

std::string BidLongText(int code, int doubled) {
  switch (code) {
    case Redouble:
      return "ReDbl";
    case Double:
      return "Double";
    case Pass:
      return "Pass";
    case NoBid:
      return "No Bid";
  }
  std::string text = BidSymbolText(code);
  if (doubled == 1) text += " X";
  if (doubled == 2) text += " XX";
  return text;
}

}  // namespace tavlo
