#include "pbn/pbn_text.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tavlo {

namespace {

constexpr std::array<std::string_view, 5> StrainTexts{"C", "D", "H", "S", "NT"};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool IsSuitLetter(char c) { return std::string_view("CDHS").find(c) != std::string_view::npos; }

// The length of the UTF-8 sequence that starts at text[at]; 0 when none does.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  unsigned lowest = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2, lowest = 0x80;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3, lowest = 0x800;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4, lowest = 0x10000;
  else
    return 0;
  if (at + length > text.size()) return 0;
  unsigned code = lead & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code >= lowest && code <= 0x10FFFF && !surrogate ? length : 0;
}

}  // namespace

std::string PbnCallText(Bid call) {
  if (call == Pass) return "Pass";
  if (call == Double) return "X";
  if (call == Redouble) return "XX";
  return std::to_string(BidLevel(call)) + std::string(StrainTexts[BidStrain(call)]);
}

std::optional<Bid> ReadPbnCall(std::string_view token) {
  const std::string upper = Upper(token);
  if (upper == "PASS" || upper == "P") return Pass;
  if (upper == "X") return Double;
  if (upper == "XX") return Redouble;
  if (upper.size() < 2 || upper[0] < '1' || upper[0] > '7') return std::nullopt;
  const std::string_view strain = std::string_view(upper).substr(1);
  for (int s = Clubs; s <= NoTrump; ++s) {
    if (strain == StrainTexts[s] || (s == NoTrump && strain == "N"))
      return ContractBidCode(upper[0] - '0', s);
  }
  return std::nullopt;
}

std::string PbnContractText(const PbnContract& contract) {
  if (!IsContractBid(contract.ContractBid)) return "Pass";
  return PbnCallText(contract.ContractBid) + std::string(contract.Doubling, 'X');
}

std::optional<PbnContract> ReadPbnContract(std::string_view text) {
  std::string upper = Upper(text);
  if (upper == "PASS") return PbnContract{};
  PbnContract contract;
  while (upper.size() > 2 && upper.back() == 'X' && contract.Doubling < 2) {
    upper.pop_back();
    ++contract.Doubling;
  }
  const auto bid = ReadPbnCall(upper);
  if (!bid || !IsContractBid(*bid)) return std::nullopt;
  contract.ContractBid = *bid;
  return contract;
}

std::string PbnCardText(Card card) {
  const std::string text = CardText(card);  // rank then suit
  return std::string{text[1], text[0]};
}

Card ReadPbnCard(std::string_view token) {
  const std::string upper = Upper(token);
  if (upper.size() != 2) return 0;
  char suit = upper[0], rank = upper[1];
  if (!IsSuitLetter(suit)) std::swap(suit, rank);
  if (!IsSuitLetter(suit) || RankOfLetter(rank) == 0) return 0;
  return MakeCard(RankOfLetter(rank), SuitOfLetter(std::string(1, suit)));
}

std::optional<SeatCode> ReadPbnSeat(std::string_view text) {
  const std::string upper = Upper(text);
  // "^S": a declarer other than the one the auction names; the seat counts.
  const std::string_view seat = !upper.empty() && upper[0] == '^'
                                    ? std::string_view(upper).substr(1)
                                    : std::string_view(upper);
  if (seat.size() != 1) return std::nullopt;
  const auto at = std::string_view("NESW").find(seat[0]);
  if (at == std::string_view::npos) return std::nullopt;
  return static_cast<SeatCode>(at);
}

std::string_view PbnVulnerabilityText(int vulnerability) {
  constexpr std::array<std::string_view, 4> texts{"None", "NS", "EW", "All"};
  return texts[vulnerability & 3];
}

std::optional<int> ReadPbnVulnerability(std::string_view text) {
  const std::string upper = Upper(text);
  if (upper == "NONE" || upper == "LOVE" || upper == "-") return 0;
  if (upper == "NS") return 1;
  if (upper == "EW") return 2;
  if (upper == "ALL" || upper == "BOTH") return 3;
  return std::nullopt;
}

std::string PbnTextAsUtf8(std::string_view bytes) {
  bool utf8 = true;
  for (std::size_t at = 0; at < bytes.size() && utf8;) {
    const std::size_t length = Utf8SequenceLength(bytes, at);
    utf8 = length != 0;
    at += length;
  }
  if (utf8) return std::string(bytes);
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | byte >> 6);
      text += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return text;
}

std::string PbnString(std::string_view text) {
  // Alone, "?" means not known and "#" the value of the board before.
  if (text == "?" || text == "#") return "\\" + std::string(text);
  std::string value;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '~' && at + 1 < text.size() && IsSuitLetter(text[at + 1])) {
      value += '\\';
    } else if (c == '"' || c == '\\') {
      value += '\\';
      value += c;
    } else {
      value += c;
    }
  }
  return value;
}

std::string TextOfPbnString(std::string_view value) {
  std::string text;
  for (std::size_t at = 0; at < value.size(); ++at) {
    const char c = value[at];
    if (c != '\\' || at + 1 == value.size()) {
      text += c;
      continue;
    }
    const char next = value[++at];
    text += IsSuitLetter(next) ? '~' : next;
    if (IsSuitLetter(next)) text += next;
  }
  return text;
}

}  // namespace tavlo
