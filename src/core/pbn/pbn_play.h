#pragma once
// The play section of a board replayed on its deal. The section gives each
// trick as four cards in columns by seat, clockwise from the seat the
// section names, and that seat leads the first trick; a later trick is led
// by whoever won the one before.

#include <span>

#include "engine/play_out.h"
#include "model/result.h"
#include "pbn/pbn_board.h"

namespace tavlo {

// The tricks (each of four cards, columns from playSeat) replayed from the
// opening lead of leader in the trump strain: the play, or the reason its
// first card that cannot have been played is refused, with the trick it is
// in.
Result<PlayOut> ReplayPbnTricks(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                                SeatCode playSeat, std::span<const PbnTrick> tricks);

}  // namespace tavlo
