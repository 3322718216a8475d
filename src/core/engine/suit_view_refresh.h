#pragma once
// Bringing a seat's view of a suit up to date before the analyses read it,
// and the small questions they ask of the view.

#include "engine/play_state.h"
#include "model/hand_data.h"

namespace tavlo {

// Brings the view up to date with the cards: the ruff flags, and when a
// card of the suit has gone, its derived cards.
SuitView& WorkOutView(PlayContext& context, SuitView& view, int suit);

// Selects the view of the suit from the seat (CurrentView) and refreshes its
// ruff flags and, when a card of the suit has gone, its derived cards. The
// analyses ask for a view many times a position; after its first refresh
// in an analysis the answer is the view as it stands.
inline SuitView& RefreshView(PlayContext& context, int seat, int suit) {
  SearchState& search = context.Search;
  SuitView& view = context.Hands[seat].SuitViews[suit];
  search.CurrentViewSeat = static_cast<SeatCode>(seat);
  search.CurrentViewSuit = static_cast<StrainCode>(suit);
  const std::uint16_t viewBit = std::uint16_t{1} << (4 * seat + suit);
  if (search.FreshViews & viewBit) return view;
  if (search.Analysing) search.FreshViews |= viewBit;
  return WorkOutView(context, view, suit);
}

// The views stay as refreshed for as long as a position is analysed.
class AnalysisOfPosition {
 public:
  explicit AnalysisOfPosition(SearchState& search) : search_(search) {
    search_.Analysing = true;
    search_.FreshViews = 0;
  }
  ~AnalysisOfPosition() {
    search_.Analysing = false;
    search_.FreshViews = 0;
  }
  AnalysisOfPosition(const AnalysisOfPosition&) = delete;
  AnalysisOfPosition& operator=(const AnalysisOfPosition&) = delete;

 private:
  SearchState& search_;
};

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
