#pragma once
// The deal text of a hand record, "N:AKQ2.JT9.876.543 ..." (four hands
// clockwise from the named seat, suits spades first), and the display text of
// one suit of a hand.

#include <string>
#include <string_view>

#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

// The length of a deal text of four 13-card hands.
inline constexpr std::size_t DealTextLength = 69;

// Reads the deal of the first 69 characters of text. A space counts as a
// full stop, the character after the seat letter is not looked at and
// characters after the 69th are ignored. A text that is not a complete deal
// (too short, a character that is no rank, a card twice, a hand without 13
// cards) gives the reason instead.
Result<DealHoldings> ParseDeal(std::string_view text);

// The deal as the hand file stores it: "N:" and the four hands from North,
// each spades to clubs from the ace down; ParseDeal reads it back.
std::string WriteDealText(const DealHoldings& deal);

// "~S AK1082": the suit in "~" markup, a space and the ranks from the ace
// down as the cards show them; "~S " for a void.
std::string HoldingText(int suit, Holding holding);

}  // namespace tavlo
