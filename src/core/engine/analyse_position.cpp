#include "engine/analyse_position.h"

#include "engine/follow_suit.h"
#include "engine/lead_analysis.h"
#include "engine/opening_lead.h"
#include "engine/ruff_or_discard.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

// Will partner win the trick the void seat is about to play to?
bool PartnerWinning(const PlayState& play, const SuitView& led, SeatCode partner) {
  switch (play.TrickPosition) {
    case 2:  // partner plays last, over the winner and all LHO holds
      return (play.WinningCard | *led.LhoCards) < *led.PartnerCards;
    case 3:
      return play.WinningSeat == partner && *led.LhoCards < play.WinningCard;
    default:
      return play.WinningSeat == partner;
  }
}

}  // namespace

void AnalysePosition(PlayContext& context, EngineState& engine) {
  const AnalysisOfPosition analysis(context.Search);
  const PlayState& play = context.Play;
  AnalysisState& a = engine.Analysis;
  a = AnalysisState{};
  a.TricksLeft = (55 - play.CardsPlayed) / 4;
  if (play.TrickPosition == 1) {
    LeadAnalysis(context, engine);
    // The opening leader sees only its own hand: its one card is not searched.
    if (play.CardsPlayed == 0) a.Candidates = {OpeningLead(context, engine), 0, 0, 0};
    return;
  }
  const SuitView& led = RefreshView(context, play.ToPlay, play.SuitLed);
  if (*led.OwnLength > 0) {
    FollowSuit(context, engine);
    return;
  }
  a.PartnerWinning = PartnerWinning(play, led, PartnerOf(play.ToPlay));
  if (led.OwnCanRuff)
    RuffOrDiscard(context, engine);
  else
    Discard(context, engine);
}

AnalysisCopy::AnalysisCopy(const HandSet& hands, const PlayState& play, const SearchState& search,
                           const EngineState& engine, const Clock& clock)
    : Hands(hands), Play(play), Search(search), Context{Hands, Play, Search, clock, nullptr} {
  Engine.Estimates = engine.Estimates;
  Engine.Plan = engine.Plan;
  Engine.Lead = engine.Lead;
}

}  // namespace tavlo
