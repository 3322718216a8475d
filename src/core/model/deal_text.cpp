#include "model/deal_text.h"

#include "model/symbol_text.h"

namespace tavlo {

namespace {

bool IsSeparator(char c) { return c == '.' || c == ' '; }

}  // namespace

Result<DealHoldings> ParseDeal(std::string_view text) {
  if (text.size() < DealTextLength) {
    return Reason{"The deal text is shorter than " + std::to_string(DealTextLength) +
                  " characters"};
  }
  DealHoldings parsed{};
  SeatCode seat = SeatOfLetter(text.substr(0, 1));
  const SeatCode firstSeat = seat;
  int suit = Spades;
  for (std::size_t p = 2; p < DealTextLength; ++p) {
    const char c = text[p];
    if (IsSeparator(c)) {
      // The layout is counted, not read: three full stops then a space per
      // hand, so every separator moves to the next suit and after clubs to
      // the next hand.
      suit = PreviousSuit(suit);
      if (suit == Spades) seat = NextSeat(seat);
      parsed[seat][suit] = 0;
      continue;
    }
    if (RankOfLetter(c) == 0) {
      return Reason{"The deal text holds '" + std::string(1, c) + "' at position " +
                    std::to_string(p + 1) + ", which is no card"};
    }
    const Holding bit = RankBitOfLetter(c);
    for (const auto& hand : parsed) {
      if (hand[suit] & bit) {
        return Reason{"The deal text holds the " + CardMarkup(bit | static_cast<Holding>(suit)) +
                      " twice"};
      }
    }
    parsed[seat][suit] |= bit;
  }
  for (int i = 0; i < 4; ++i) {
    const SeatCode s = static_cast<SeatCode>((firstSeat + i) % 4);
    int cards = 0;
    for (Holding holding : parsed[s]) cards += CountCards(holding);
    if (cards != 13) {
      return Reason{"The " + std::string(SeatNames[s]) + " hand of the deal text holds " +
                    std::to_string(cards) + " cards, not 13"};
    }
  }
  return parsed;
}

std::string WriteDealText(const DealHoldings& deal) {
  std::string text = "N:";
  for (int seat = North; seat <= West; ++seat) {
    if (seat != North) text += ' ';
    for (int suit = Spades; suit >= Clubs; --suit) {
      if (suit != Spades) text += '.';
      for (int rank = Ace; rank >= 2; --rank)
        if (deal[seat][suit] & (Holding{1} << rank)) text += RankLetters[rank];
    }
  }
  return text;
}

std::string HoldingText(int suit, Holding holding) {
  // A thirteen-card suit makes the text 16 characters long; it is shown whole.
  std::string text = "~" + std::string(StrainLetters[suit]) + " ";
  for (int rank = Ace; rank >= 2; --rank) {
    if (holding & (Holding{1} << rank)) text += RankText(rank);
  }
  return text;
}

}  // namespace tavlo
