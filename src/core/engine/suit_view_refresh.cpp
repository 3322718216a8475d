#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

void RefreshRuffs(SuitView& view, Holding trumpsOut) {
  view.OwnCanRuff = *view.OwnCards == 0 && *view.OwnTrumps != 0;
  view.PartnerCanRuff = *view.PartnerCards == 0 && *view.PartnerTrumps != 0;
  view.RhoCanRuff = *view.RhoCards == 0 && *view.RhoTrumps != 0;
  view.TrumpsOut = trumpsOut;
}

void RederiveView(SuitView& view, Holding our, Holding their) {
  view.OurCards = our;
  view.TheirCards = their;
  view.CardsOut = our | their;
  view.OurLength = Maximum(*view.OwnLength, *view.PartnerLength);
  view.TheirLength = Maximum(*view.LhoLength, *view.RhoLength);
  view.OwnLowest = LowestCard(*view.OwnCards);
  view.OwnSecond = NthHighestCard(2, *view.OwnCards);
  view.OurSecond = NthHighestCard(2, our);
  view.LhoSecond = NthHighestCard(2, *view.LhoCards);
  view.RhoSecond = NthHighestCard(2, *view.RhoCards);
  view.PartnerSecond = NthHighestCard(2, *view.PartnerCards);
  view.TheirSecond = NthHighestCard(2, their);
}

}  // namespace

SuitView& WorkOutView(PlayContext& context, SuitView& view, int suit) {
  const PlayState& play = context.Play;
  const Holding own = *view.OwnCards, partner = *view.PartnerCards, lho = *view.LhoCards,
                rho = *view.RhoCards;
  // The deal is fixed, so the cards still out tell who holds what. A view
  // never refreshed (CardsOut 0) has the derived cards of a suit played
  // out, but its ruff flags may be from the cards as dealt.
  const Holding all = own | partner | lho | rho;
  const bool suitChanged = all != view.CardsOut;

  if (play.Trump != NoTrump) {
    const Holding lhoTrumps = *view.LhoTrumps;
    const Holding trumpsOut = *view.OwnTrumps | *view.PartnerTrumps | lhoTrumps | *view.RhoTrumps;
    if (suitChanged || all == 0 || trumpsOut != view.TrumpsOut) RefreshRuffs(view, trumpsOut);
    // Second or third hand in the suit led: LHO, still to play, spends a
    // lone trump on this trick and is no ruffing threat in later rounds.
    const bool loneTrump = lhoTrumps != 0 && (lhoTrumps & (lhoTrumps - 1)) == 0;
    view.LhoCanRuff = lho == 0 && lhoTrumps != 0 &&
                      !(loneTrump && suit == play.SuitLed &&
                        (play.TrickPosition == 2 || play.TrickPosition == 3));
    view.TheyCanRuff = view.RhoCanRuff || view.LhoCanRuff;
  }

  if (suitChanged) RederiveView(view, own | partner, lho | rho);
  return view;
}

Holding OpponentsLongCards(const SuitView& view) {
  return (*view.LhoLength >= 2 ? *view.LhoCards : 0) | (*view.RhoLength >= 2 ? *view.RhoCards : 0);
}

int CardsInSuit(const SuitView& view) {
  return *view.OwnLength + *view.PartnerLength + *view.LhoLength + *view.RhoLength;
}

int ShorterOpponent(const SuitView& view) { return Minimum(*view.LhoLength, *view.RhoLength); }

Holding OurTrumps(const SuitView& view) { return *view.OwnTrumps + *view.PartnerTrumps; }

Holding TheirTrumps(const SuitView& view) { return *view.LhoTrumps + *view.RhoTrumps; }

Holding LhoCardUnderOurTop(const SuitView& view) {
  for (Holding card = HighestCard(*view.OwnCards) >> 1; card > TwoBit; card >>= 1)
    if (*view.LhoCards & card) return card;
  return TwoBit;
}

Holding LowestCardAtLeast(const SuitView& view, Holding x) {
  const Holding lowest = LowestCard(*view.OwnCards);
  if (lowest >= x) return lowest;
  // A bound without a rank lets every card through.
  const Holding top = HighestCard(x);
  for (Holding card = top != 0 ? top : TwoBit; card <= AceBit; card <<= 1)
    if (*view.OwnCards & card) return card;
  return 0;
}

Holding TopOfSequence(const SuitView& view, Holding x) {
  Holding card = x & 0xFFFC;
  while (card && (*view.OwnCards & (card << 1))) card <<= 1;
  return card;
}

}  // namespace tavlo
