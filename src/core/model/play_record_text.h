#pragma once
// The card play of a finished hand as one text for the hand file: thirteen
// tricks of four cards in seat order from the declarer's left-hand opponent,
// the winning card of each trick marked "+" for the declaring side, "-" for
// the defenders: "2C 5C KC+ 3C ...".

#include <span>
#include <string>

#include "model/codes.h"

namespace tavlo {

// The number of entries of a complete play record: 52 cards, and one more
// whose seat is the winner of the last trick.
inline constexpr std::size_t PlayRecordLength = 53;

// The text of a complete play record, in which entry 4t+4 names the seat that
// won trick t. Callers pass the record of a hand played to its end; a record
// that is not complete (too short, an entry that is no card or no seat, a
// seat missing from a trick) gives the empty text of a hand without play.
std::string PlayRecordText(std::span<const PlayRecordEntry> record, SeatCode declarer);

}  // namespace tavlo
