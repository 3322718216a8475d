#include "engine/suit_score.h"

#include "engine/declarers_score.h"
#include "engine/defenders_score.h"

namespace tavlo {

ScoredSuit::ScoredSuit(PlayContext& context, PlanState& plan, int suit)
    : context(context),
      plan(plan),
      play(context.Play),
      suit(suit),
      view(context.Hands[context.Play.ToPlay].SuitViews[suit]),
      s(NoteSuit(view)),
      v(view.LeadVerdict),
      suited(context.Play.Trump != NoTrump),
      trumps(suit == context.Play.Trump),
      defending(DefenderToPlay(context.Play.ToPlay, context.Play.Declarer) == 1) {}

int SuitScore(ScoredSuit& x) {
  return x.defending ? DefendersSuitScore(x) : DeclaringSideSuitScore(x);
}

}  // namespace tavlo
