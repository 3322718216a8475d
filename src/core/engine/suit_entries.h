#pragma once
// Entries outside the suit being estimated: can a seat get in elsewhere to
// run its winners, or can an opponent get partner in to lead through us?
// Each test refreshes the views it looks at and leaves the view of the seat
// to play for the suit selected again.

#include "engine/play_state.h"

namespace tavlo {

// The seat has a safe entry: it tops another suit (the next suits after this
// one in turn) that its partner can still lead to it and neither opponent can
// ruff.
bool HasEntryOutside(PlayContext& context, int seat, int suit);

// The seat can be reached in another suit (the next suits after this one in
// turn): its partner still holds a card there, and the seat can ruff it or
// tops both opponents and partner's lowest card.
bool HasEntryElsewhere(PlayContext& context, int seat, int suit);
// The seat holds the top card of the suit, or it has an entry elsewhere:
// either way it regains the lead to give partner a ruff.
bool RuffOrTop(PlayContext& context, int seat, int suit);

// The seat tops both opponents in a suit its partner is void in: a winner
// that partner cannot lead to.
bool WinnerWherePartnerVoid(const PlayContext& context, int seat);

// From the chair to play: in some other suit RHO holds the top card and LHO
// has two or more cards to lead to it.
bool RhoTopsAnotherSuit(PlayContext& context, int suit);
// The same for LHO, with RHO to lead it.
bool LhoTopsAnotherSuit(PlayContext& context, int suit);

}  // namespace tavlo
