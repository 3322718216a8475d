#pragma once
// A claim at the table: the user's side says it takes so many of the
// tricks left (none, to concede). Whether it stands is the double-dummy
// check's to say; this is the table's side of it: when the user may claim,
// and an accepted claim ending the hand as the thirteenth trick does.

#include <span>

#include "game/game.h"
#include "game/play_flow.h"
#include "game/redraw.h"
#include "model/clock.h"

namespace tavlo {

// The seat that claims: the user's, South.
inline constexpr SeatCode ClaimingSeat = South;

// The play is under way, dummy is on the table and a card is still to come.
bool CanClaim(const Game& game);
// The tricks left to claim, the trick in progress or waiting to be cleared
// not counted once complete.
int TricksLeftToClaim(const Game& game);

// The claim stands: the rest of the play (every card left, in a legal
// order) goes into the record, the claiming side is given the tricks it
// claimed, and the hand ends, scored, as after the thirteenth trick.
Redraw AcceptClaim(Game& game, std::span<const Card> rest, int tricks, const Clock& clock,
                   const LogicErrorHandler& onLogicError = nullptr);

}  // namespace tavlo
