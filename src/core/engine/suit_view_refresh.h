#pragma once
// Bringing a seat's view of a suit up to date before the analyses read it,
// and the small questions they ask of the view.

#include "engine/play_state.h"
#include "model/hand_data.h"

namespace tavlo {

// Selects the view of the suit from the seat (CurrentView) and refreshes its
// ruff flags and, when a card of the suit has gone, its derived cards.
SuitView& RefreshView(PlayContext& context, int seat, int suit);
// The view selected last.
inline SuitView& CurrentView(PlayContext& context) {
  return context.Hands[context.Search.CurrentViewSeat].SuitViews[context.Search.CurrentViewSuit];
}

// LHO's cards when LHO holds two or more, with RHO's on the same terms.
Holding OpponentsLongCards(const SuitView& view);
int CardsInSuit(const SuitView& view);
int ShorterOpponent(const SuitView& view);
Holding OurTrumps(const SuitView& view);
Holding TheirTrumps(const SuitView& view);
// The highest card LHO holds below our top card; the two when LHO has none
// (or when our top card is the two).
Holding LhoCardUnderOurTop(const SuitView& view);
// Our cheapest card that is at least x; 0 when every card is below it.
Holding LowestCardAtLeast(const SuitView& view, Holding x);
// The top of our run of touching cards that starts at card x.
Holding TopOfSequence(const SuitView& view, Holding x);

}  // namespace tavlo
