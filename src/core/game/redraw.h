#pragma once
// What a step of the game changed on the table: the game's operations say it,
// the window draws those parts and nothing decides twice.

#include <cstdint>

namespace tavlo {

enum class Redraw : std::uint16_t {
  Nothing = 0,
  Board = 1 << 0,     // the board panel and the window caption
  Hands = 1 << 1,     // the four hands, laid out afresh
  Points = 1 << 2,    // the high-card points
  Auction = 1 << 3,   // the bid box, the bidding record, the stop light
  Contract = 1 << 4,  // the contract picture and the trick counts
  Panel = 1 << 5,     // the command panel of the phase
  Comment = 1 << 6,   // the comment under South's hand and the lesson's point
  Trick = 1 << 7,     // the cards on the table
};

constexpr Redraw operator|(Redraw a, Redraw b) {
  return static_cast<Redraw>(static_cast<std::uint16_t>(a) | static_cast<std::uint16_t>(b));
}
constexpr bool Includes(Redraw parts, Redraw part) {
  return (static_cast<std::uint16_t>(parts) & static_cast<std::uint16_t>(part)) != 0;
}

// Everything of a hand that has just come to the table.
inline constexpr Redraw WholeTable = Redraw::Board | Redraw::Hands | Redraw::Points |
                                     Redraw::Auction | Redraw::Contract | Redraw::Panel |
                                     Redraw::Comment | Redraw::Trick;

}  // namespace tavlo
