#pragma once
// The card play of a finished hand as one text for the hand file: thirteen
// tricks of four cards in seat order from the declarer's left-hand opponent,
// the winning card of each trick marked "+" for the declaring side, "-" for
// the defenders: "2C 5C KC+ 3C ...".

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The thirteen tricks of such a text, each of four cards in seat order from
// declarer's left-hand opponent, the winners' signs dropped. Nothing unless
// the text holds 52 cards; whether they can have been played is for the
// replay of the play to say.
std::optional<std::vector<std::array<Card, 4>>> PlayRecordTricks(std::string_view text);

}  // namespace tavlo
