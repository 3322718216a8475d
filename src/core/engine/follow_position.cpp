#include "engine/follow_position.h"

#include "engine/suit_entries.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// The holder's n-th card beats the opponent's top card, n being the
// opponent's length: every round the opponent follows to, it follows low.
bool Outranks(Holding holder, Holding opponent, int length) {
  return length == 0 || opponent < NthHighestCard(length, holder);
}

}  // namespace

Follower::Follower(PlayContext& context, EngineState& engine)
    : context(context),
      a(engine.Analysis),
      plan(engine.Plan),
      play(context.Play),
      view(RefreshView(context, context.Play.ToPlay, context.Play.SuitLed)),
      s(NoteSuit(*view.OwnCards, *view.PartnerCards, *view.LhoCards, *view.RhoCards)),
      W(context.Play.WinningCard),
      suit(context.Play.SuitLed),
      lho(context.Hands[context.Play.ToPlay].Lho),
      rho(context.Hands[context.Play.ToPlay].Rho),
      suited(context.Play.Trump != NoTrump),
      defending(DefenderToPlay(context.Play.ToPlay, context.Play.Declarer) == 1) {}

bool Follower::PartnerDominates() const {
  return Outranks(s.P, s.R, s.nR) && (s.nL < 2 || s.L < NthHighestCard(s.nL - 1, s.P));
}

bool Follower::SeatDominates() const {
  return s.nO >= s.nL && s.nO - 1 >= s.nR && Outranks(s.O, s.L, s.nL) && Outranks(s.O, s.R, s.nR);
}

bool Follower::EntryOutside(SeatCode seat) const { return HasEntryOutside(context, seat, suit); }

int Follower::SuitCardsLeft() const { return CardsInSuit(view); }

void Follower::LowFirst(Holding second) {
  a.FirstTarget = LowTarget;
  a.SecondTarget = second;
}

}  // namespace tavlo
