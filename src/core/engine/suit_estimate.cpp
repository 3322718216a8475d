#include "engine/suit_estimate.h"

#include "engine/lead_timing.h"
#include "engine/lead_verdict.h"
#include "engine/suit_entries.h"
#include "engine/suit_notation.h"
#include "engine/suit_runs.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

constexpr std::uint8_t OwnRuffBit = 1, PartnerRuffBit = 2, LhoRuffBit = 4, RhoRuffBit = 8,
                       LeadingBit = 16, TheirTrumpsBit = 32;
constexpr std::uint8_t RuffBits = OwnRuffBit | PartnerRuffBit | LhoRuffBit | RhoRuffBit;

std::uint8_t SituationOf(const SuitView& view, bool leading, int theirLongestTrumps) {
  return (view.OwnCanRuff ? OwnRuffBit : 0) | (view.PartnerCanRuff ? PartnerRuffBit : 0) |
         (view.LhoCanRuff ? LhoRuffBit : 0) | (view.RhoCanRuff ? RhoRuffBit : 0) |
         (leading ? LeadingBit : 0) | (theirLongestTrumps != 0 ? TheirTrumpsBit : 0);
}

// The cards still out in each suit, 16 bits a suit. Within one binding of
// the views the deal is fixed, so this names the position exactly.
std::uint64_t CardsStillOut(const HandSet& hands) {
  std::uint64_t out = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const Holding all = hands[North].Suits[suit].Cards | hands[East].Suits[suit].Cards |
                        hands[South].Suits[suit].Cards | hands[West].Suits[suit].Cards;
    out |= std::uint64_t{all} << (16 * suit);
  }
  return out;
}

bool StillValid(const PlayContext& context, const SuitView& view, const StoredEstimate& stored,
                std::uint8_t situation) {
  const Holding cardsOut = view.OurCards | view.TheirCards;
  // A suit played out is never taken from store: a fresh binding leaves 0
  // in the keys without any estimate behind them.
  if (cardsOut == 0 || cardsOut != view.AnalysedCards || view.TrumpsOut != view.AnalysedTrumps)
    return false;
  if ((situation ^ stored.Situation) & stored.Reads) return false;
  if (!stored.ReadsOtherSuits) return true;
  const PlayState& play = context.Play;
  return stored.CardsStillOut == CardsStillOut(context.Hands) && stored.SuitLed == play.SuitLed &&
         stored.TrickPosition == play.TrickPosition;
}

// The suit is played out with both sides holding cards in it.
struct PlayedOut {
  PlayContext& context;
  SuitView& view;
  int suit;
  bool leading;
  RuffWatch watch;
  bool readsLeading = false;
  bool readsOtherSuits = false;

  void Run(int verdict);
  void OurTop(WorkHands& work, int verdict);
  void TheirTop(WorkHands& work);
};

void PlayedOut::Run(int verdict) {
  const Holding P = *view.PartnerCards, L = *view.LhoCards;
  WorkHands work{{*view.OwnCards, *view.OwnLength},
                 {P, *view.PartnerLength},
                 {L, *view.LhoLength},
                 {*view.RhoCards, *view.RhoLength}};
  if (verdict > 0 && P < L) {
    // Partner leads through LHO's honour: one round goes to the opponents,
    // counted for RHO whichever of them wins it.
    work.Partner.PlayLowest();
    work.Own.PlayLowest();
    work.Lho.PlayTop();
    work.Rho.PlayLowest();
    view.Tricks = -1;
    view.RhoTricks += 1;
    view.NextRun = OurCashRun(work, watch);
    view.LastRun = -TheirCashRun(work, watch);
  } else if (view.TheirCards < view.OurCards) {
    OurTop(work, verdict);
  } else {
    TheirTop(work);
  }
}

void PlayedOut::OurTop(WorkHands& work, int verdict) {
  readsLeading = true;
  view.Tricks = OurTopRun(work, verdict, leading, watch, view.OwnTricks, view.PartnerTricks);
  if (work.Partner.Cards < work.Own.Cards)
    view.OwnTricks = view.Tricks;
  else
    view.PartnerTricks = view.Tricks;

  // Can the opponents get in to cash what they hold, and then give us the
  // rest? Each side of the table needs a card of the suit or an entry for
  // its partner to lead to.
  const auto getsIn = [&](const WorkHand& hand, bool (*entry)(PlayContext&, int)) {
    if (hand.Length > 0) return true;
    readsOtherSuits = true;
    return entry(context, suit);
  };
  const WorkHand& own = work.Own;
  const WorkHand& lho = work.Lho;
  const WorkHand& rho = work.Rho;
  if (getsIn(lho, RhoTopsAnotherSuit) && getsIn(rho, LhoTopsAnotherSuit)) {
    view.NextRun = -TheirCashRun(work, watch);
    view.LastRun = OurCashRun(work, watch);
  } else if (lho.Cards < own.Cards && work.Partner.Length > 0 && own.Length > 1 && rho.Length > 1 &&
             NthHighestCard(2, rho.Cards) < own.Cards) {
    view.NextRun = -1;
    view.LastRun = 1;
  } else if (context.Play.Trump == NoTrump) {
    readsOtherSuits = true;
    const THands& hand = context.Hands[context.Play.ToPlay];
    if (lho.Length >= rho.Length && HasEntryOutside(context, hand.Lho, suit))
      view.NextRun = -lho.Length;
    else if (rho.Length >= lho.Length && HasEntryOutside(context, hand.Rho, suit))
      view.NextRun = -rho.Length;
    else
      view.NextRun = -own.Length;
  } else {
    view.NextRun = -own.Length;
  }

  // Second or later to the trick with the top card over RHO's and the
  // second over LHO's: one of our winners is only won later.
  const Holding O = *view.OwnCards;
  if (!leading && *view.RhoCards < O && *view.LhoCards < view.OwnSecond &&
      view.Tricks - view.NextRun < *view.OwnLength) {
    view.NextRun -= 1;
    view.LastRun += 1;
  }
}

void PlayedOut::TheirTop(WorkHands& work) {
  view.Tricks = -TheirCashRun(work, watch);
  // Stored as the negative count it is, unlike the played-out rounds above.
  if (*view.LhoCards < *view.RhoCards)
    view.RhoTricks = view.Tricks;
  else
    view.LhoTricks = view.Tricks;
  view.NextRun = OurCashRun(work, watch);
  if (view.NextRun > 0 && view.Tricks == -1) {
    if (view.TheirSecond < *view.OwnCards) view.OwnTricks += 1;
    if (view.TheirSecond < *view.PartnerCards) view.PartnerTricks += 1;
  }
  view.LastRun = -TheirCashRun(work, watch);
}

}  // namespace

void Estimate(PlayContext& context, EstimateCache& cache, int suit, int theirLongestTrumps) {
  const PlayState& play = context.Play;
  const SeatCode seat = play.ToPlay;
  SuitView& view = RefreshView(context, seat, suit);
  StoredEstimate& stored = cache.Stored[seat][suit];
  const bool leading = play.TrickPosition == 1;
  const std::uint8_t situation = SituationOf(view, leading, theirLongestTrumps);
  if (StillValid(context, view, stored, situation)) return;

  const Holding O = *view.OwnCards, P = *view.PartnerCards, L = *view.LhoCards, R = *view.RhoCards;
  const Holding U = view.OurCards, T = view.TheirCards;
  const int UL = view.OurLength, TL = view.TheirLength;
  view.AnalysedCards = U | T;
  view.AnalysedTrumps = view.TrumpsOut;
  view.Tricks = view.PartnerTricks = view.OwnTricks = view.LhoTricks = view.RhoTricks = 0;
  view.NextRun = view.LastRun = 0;
  view.PartnerTops = T < P;
  view.PartnerLowest = LowestCard(P);
  view.TheirThird = NthHighestCard(3, T);
  view.OwnThird = NthHighestCard(3, O);
  view.PartnerThird = NthHighestCard(3, P);
  const SuitNotation notation = NoteSuit(view);
  const Ruling verdict = LeadVerdict(notation);
  const Ruling timing = LeadTiming(notation);
  view.LeadVerdict = verdict.Value;
  view.LeadTiming = timing.Value;

  std::uint8_t reads = RuffBits;
  bool readsOtherSuits = false;
  const bool suited = play.Trump != NoTrump;
  if (view.TheyCanRuff && U < T) {
    // A side suit they ruff at once: one or two losers, to the ruffer.
    view.Tricks = U < view.TheirSecond ? -2 : -1;
    if (view.RhoCanRuff)
      view.RhoTricks = -view.Tricks;
    else
      view.LhoTricks = -view.Tricks;
  } else if (!suited || (TL > 0 && (TL != 1 || T > U || view.TheyCanRuff))) {
    if (UL == 0 || (UL == 1 && U < T)) {
      // We follow at most once, under them: they make all their length,
      // the top to the higher hand and the rest to the hand with the
      // higher second card.
      view.Tricks = -TL;
      (L < R ? view.RhoTricks : view.LhoTricks) = 1;
      (view.LhoSecond < view.RhoSecond ? view.RhoTricks : view.LhoTricks) += TL - 1;
    } else {
      const bool sideSuit = suited && suit != play.Trump;
      PlayedOut playedOut{
          context, view, suit, leading,
          RuffWatch{sideSuit && *view.LhoTrumps != 0, sideSuit && *view.RhoTrumps != 0}};
      playedOut.Run(verdict.Value);
      if (playedOut.readsLeading) reads |= LeadingBit;
      readsOtherSuits = playedOut.readsOtherSuits;
    }
  } else {
    // A trump contract in which they hold at most one low card of the suit
    // and cannot ruff it yet.
    reads |= TheirTrumpsBit;
    if (theirLongestTrumps != 0) {
      // We cash until an opponent with trumps runs out of the suit. With
      // no trumps on RHO's side the count starts from our length, not from
      // nothing: LHO alone ruffing still lets its singleton round through.
      view.Tricks = *view.RhoTrumps != 0 ? *view.RhoLength : UL;
      if (*view.LhoTrumps != 0) view.Tricks = Minimum(view.Tricks, *view.LhoLength);
    } else {
      view.Tricks = UL;
      if (view.OwnLowest < P) view.PartnerTricks = 1;
      if (view.PartnerLowest < O) view.OwnTricks = 1;
    }
  }

  view.NetTricks = view.Tricks + view.NextRun + view.LastRun;
  if (view.TheyCanRuff && view.Tricks > 0) view.Tricks = 0;
  view.RunsAll = view.Tricks >= UL;
  view.Surplus = view.Tricks - *view.PartnerLength;

  stored.Situation = situation;
  stored.Reads = reads;
  stored.ReadsOtherSuits = readsOtherSuits;
  if (readsOtherSuits) {
    stored.CardsStillOut = CardsStillOut(context.Hands);
    stored.SuitLed = play.SuitLed;
    stored.TrickPosition = play.TrickPosition;
  }
  stored.VerdictRule = static_cast<std::uint8_t>(verdict.Rule);
  stored.TimingRule = static_cast<std::uint8_t>(timing.Rule);
}

}  // namespace tavlo
