#include "game/think_ahead.h"

#include <algorithm>
#include <utility>

#include "engine/analyse_position.h"
#include "engine/card_choice.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"

namespace tavlo {

TableMoment MomentOf(const Game& game) {
  TableMoment moment{game.Play, game.Search};
  for (int seat = North; seat <= West; ++seat) moment.UserPlays[seat] = game.Hands[seat].UserPlays;
  return moment;
}

Game CopyForHint(Game& game) {
  PositionCache remembered = std::exchange(game.Engine.Positions, PositionCache{});
  Game copy = game;
  game.Engine.Positions = std::move(remembered);
  return copy;
}

Card WorkOutHint(Game& copy, const Clock& clock, const LogicErrorHandler& onLogicError,
                 const JobControl* job) {
  if (Stopped(job)) return 0;
  PrepareHint(copy, clock);
  const Card card = EngineCard(copy, clock, onLogicError, nullptr, job);
  return Stopped(job) ? 0 : card;
}

std::vector<Card> LikeliestCards(const Game& game, Card hint, const Clock& clock, int most) {
  std::vector<Card> cards;
  const auto add = [&](Card card) {
    if (card != 0 && static_cast<int>(cards.size()) < most &&
        std::find(cards.begin(), cards.end(), card) == cards.end())
      cards.push_back(card);
  };
  add(hint);
  AnalysisCopy copy(game.Hands, game.Play, game.Search, game.Engine, clock);
  if (const Card forced = ForcedCard(copy.Context)) {
    add(forced);
    return cards;
  }
  AnalysePosition(copy.Context, copy.Engine);
  for (const Card candidate : copy.Engine.Analysis.Candidates) add(candidate);
  return cards;
}

CardReason ReasonForCard(const Game& game, Card card, const Clock& clock) {
  AnalysisCopy copy(game.Hands, game.Play, game.Search, game.Engine, clock);
  return ReasonFor(copy.Context, copy.Engine, card);
}

std::optional<CardReason> ReasonForBetterCard(const Game& finished, int played,
                                              const std::vector<Card>& better, const Clock& clock,
                                              const LogicErrorHandler& onLogicError,
                                              const JobControl* job) {
  Game game = finished;
  const std::vector<PlayRecordEntry> record(finished.Play.PlayRecord.begin(),
                                            finished.Play.PlayRecord.begin() + played);
  // The hand from its opening lead again, as Replay Hand plays it, up to
  // the card the review asks about.
  Replay(game, clock);
  for (const PlayRecordEntry& entry : record) {
    MakePlay(game, entry.Card, clock, onLogicError);
    if (game.Table.TrickWaiting) ClearPlay(game);
  }
  StartThinking(game, clock);
  const Card chosen = EngineCard(game, clock, onLogicError, nullptr, job);
  if (Stopped(job) || std::find(better.begin(), better.end(), chosen) == better.end())
    return std::nullopt;
  return ReasonForCard(game, chosen, clock);
}

std::optional<std::vector<Card>> WorkOutRun(Game& copy, const Clock& clock,
                                            const LogicErrorHandler& onLogicError,
                                            const JobControl* job) {
  if (Stopped(job)) return std::nullopt;
  StartThinking(copy, clock);
  const int tricksAtStart = copy.Play.TricksDone;
  std::vector<Card> cards;
  while (ComputerPlaysOn(copy, tricksAtStart)) {
    const Card card = EngineCard(copy, clock, onLogicError, nullptr, job);
    if (Stopped(job)) return std::nullopt;
    MakePlay(copy, card, clock, onLogicError);
    cards.push_back(card);
  }
  return cards;
}

std::optional<std::vector<Card>> WorkOutAnswer(Game& copy, Card card, const Clock& clock,
                                               const LogicErrorHandler& onLogicError,
                                               const JobControl* job) {
  if (Stopped(job)) return std::nullopt;
  // The user's card, then the table's run of computer cards unless the
  // card ended a trick, as the session plays them.
  MakePlay(copy, card, clock, onLogicError);
  if (copy.Table.TrickWaiting) return std::vector<Card>{};
  return WorkOutRun(copy, clock, onLogicError, job);
}

}  // namespace tavlo
