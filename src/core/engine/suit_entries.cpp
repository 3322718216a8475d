#include "engine/suit_entries.h"

#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// Visits the three other suits in the order after this one from the seat's
// chair until one passes the test; the seat to play's view of the suit is
// selected again afterwards.
template <typename Test>
bool AnyOtherSuit(PlayContext& context, int seat, int suit, Test test) {
  bool found = false;
  for (int step = 1; step < 4 && !found; ++step)
    found = test(RefreshView(context, seat, (suit + step) % 4));
  RefreshView(context, context.Play.ToPlay, suit);
  return found;
}

}  // namespace

bool HasEntryOutside(PlayContext& context, int seat, int suit) {
  return AnyOtherSuit(context, seat, suit, [](const SuitView& view) {
    const bool topsBoth = (*view.LhoCards | *view.RhoCards) < *view.OwnCards;
    return topsBoth && *view.PartnerLength > 0 && !view.LhoCanRuff && !view.RhoCanRuff;
  });
}

bool HasEntryElsewhere(PlayContext& context, int seat, int suit) {
  return AnyOtherSuit(context, seat, suit, [](const SuitView& view) {
    if (*view.PartnerLength == 0) return false;
    const Holding top = *view.OwnCards;
    return view.OwnCanRuff ||
           ((*view.LhoCards | *view.RhoCards) < top && LowestCard(*view.PartnerCards) < top);
  });
}

bool RuffOrTop(PlayContext& context, int seat, int suit) {
  const THands& hand = context.Hands[seat];
  const Holding others = context.Hands[hand.Partner].Suits[suit].Cards |
                         context.Hands[hand.Lho].Suits[suit].Cards |
                         context.Hands[hand.Rho].Suits[suit].Cards;
  return others < hand.Suits[suit].Cards || HasEntryElsewhere(context, seat, suit);
}

bool WinnerWherePartnerVoid(const PlayContext& context, int seat) {
  const THands& hand = context.Hands[seat];
  const THands& partner = context.Hands[hand.Partner];
  for (int suit = 0; suit < 4; ++suit) {
    const Holding own = hand.Suits[suit].Cards;
    const Holding theirs =
        context.Hands[hand.Lho].Suits[suit].Cards | context.Hands[hand.Rho].Suits[suit].Cards;
    if (own != 0 && partner.Suits[suit].Cards == 0 && theirs < own) return true;
  }
  return false;
}

bool RhoTopsAnotherSuit(PlayContext& context, int suit) {
  return AnyOtherSuit(context, context.Play.ToPlay, suit, [](const SuitView& view) {
    return (view.OurCards < *view.RhoCards) && *view.LhoLength > 1;
  });
}

bool LhoTopsAnotherSuit(PlayContext& context, int suit) {
  return AnyOtherSuit(context, context.Play.ToPlay, suit, [](const SuitView& view) {
    return (view.OurCards < *view.LhoCards) && *view.RhoLength > 1;
  });
}

}  // namespace tavlo
