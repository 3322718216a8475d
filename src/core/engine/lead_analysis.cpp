#include "engine/lead_analysis.h"

#include "engine/hand_plan.h"
#include "engine/lead_in_suit.h"

namespace tavlo {

namespace {

struct Ranked {
  int Score = 0;
  int Suit = 0;
};

}  // namespace

bool StopAdding(const PlayContext& context, int count, int next, int best) {
  const SearchState& search = context.Search;
  if (next <= 0) return true;
  if (search.TablePosition > 19) return false;  // later in the hand: every suit
  if (next <= 2) return true;
  if (best > 500 && next < 600 - 50 * search.ThinkingTime) return true;
  if (context.Play.CardsPlayed > 19) return false;
  if (count >= 2 && next <= 79) return true;
  if (next > 249) return false;
  return 50 * search.ThinkingTime < best - next;
}

void LeadAnalysis(PlayContext& context, EngineState& engine) {
  const PlayState& play = context.Play;
  AnalysisState& a = engine.Analysis;
  HandPlan(context, engine.Estimates, engine.Plan);

  // The suits by score, best first; among equal scores the higher suit.
  std::array<Ranked, 4> ranked{};
  int suits = 0;
  THands& hand = context.Hands[play.ToPlay];
  while (suits < 4) {
    int best = 3;
    for (int suit = 2; suit >= 0; --suit)
      if (hand.SuitViews[suit].PlayScore > hand.SuitViews[best].PlayScore) best = suit;
    ranked[suits++] = {hand.SuitViews[best].PlayScore, best};
    hand.SuitViews[best].PlayScore = -1;
    if (ranked[suits - 1].Score <= 0) break;
  }

  // A defender early in the hand shows the best suit's card only.
  a.FirstSuitOnly = !(DefenderToPlay(play.ToPlay, play.Declarer) == 1 && play.TricksDone <= 2);
  int count = 0;
  bool firstSuitAlternative = false;
  for (int j = 0; j < suits; ++j) {
    const SuitLead lead = LeadInSuit(context, engine, ranked[j].Suit);
    a.Candidates[count++] = lead.Main;
    if (j == 0 && a.FirstSuitOnly && lead.Second != 0) {
      a.Candidates[count++] = lead.Second;
      firstSuitAlternative = true;
    }
    if (count == 4 || j == 2 || j + 1 == suits) break;
    if (StopAdding(context, count, ranked[j + 1].Score, ranked[0].Score)) break;
  }
  // The best card of each further suit before the first suit's second card.
  if (count >= 3 && firstSuitAlternative) {
    const Card alternative = a.Candidates[1];
    for (int k = 1; k + 1 < count; ++k) a.Candidates[k] = a.Candidates[k + 1];
    a.Candidates[count - 1] = alternative;
  }
}

}  // namespace tavlo
