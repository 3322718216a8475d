#pragma once
// What the engine works out while the user considers a card: the hint for
// the user's seat, and the computer's cards that answer the user's
// likeliest cards; and while the table waits for the user to start the
// play or clear a trick, the computer's cards that follow. Each is worked
// out on a copy of the table's game just as the table would work it out
// when asked, so the table can take a result over instead of searching
// again, as long as its game is still at the moment the work started from.

#include <array>
#include <optional>
#include <vector>

#include "engine/card_rule.h"
#include "engine/play_state.h"
#include "engine/search_state.h"
#include "game/game.h"
#include "model/clock.h"
#include "model/job_control.h"

namespace tavlo {

// The table's game as a piece of work found it: the play, the engine's
// settings and the seats the user plays. Whatever the table does changes
// one of them (a card, a card taken back, a hint's fresh search, a new
// hand, the user taking over other seats), so a result is taken over only
// while the table is still at this moment.
struct TableMoment {
  PlayState Play;
  SearchState Search;
  std::array<bool, 4> UserPlays{};

  bool operator==(const TableMoment&) const = default;
};
TableMoment MomentOf(const Game& game);

// A copy of the game to work the hint out on: all but the positions the
// table's searches remembered, which the hint forgets anyway; they may be
// tens of megabytes. The game is as it was when this returns.
Game CopyForHint(Game& game);

// The hint for the seat to play, as the hint key finds it: nothing of the
// hand's earlier searches remembered, the thinking time counted from now.
// 0 when the job was asked to stop first.
Card WorkOutHint(Game& copy, const Clock& clock, const LogicErrorHandler& onLogicError,
                 const JobControl* job);

// The cards the user is likeliest to play, at most most of them: the
// hint's card, then the other cards the analysis of the position offers,
// best first. The game is not touched.
std::vector<Card> LikeliestCards(const Game& game, Card hint, const Clock& clock, int most);

// Why the engine plays card, the card it chose for the seat to play (the
// hint's card, or the card a review asks about when the engine would have
// played it): its rule, and whether the look-ahead chose it over the
// analysis's first candidate. The game is not touched.
CardReason ReasonForCard(const Game& game, Card card, const Clock& clock);

// For the review of a finished hand: why the engine would have played one
// of the better cards at the position before the card played-th (from 0)
// of the play, the hand replayed up to there on a copy; none when the
// engine would have played another card, or the job was stopped.
std::optional<CardReason> ReasonForBetterCard(const Game& finished, int played,
                                              const std::vector<Card>& better, const Clock& clock,
                                              const LogicErrorHandler& onLogicError,
                                              const JobControl* job);

// The computer's cards from the table's position up to the end of the
// trick or the user's turn, as the table plays them once the user has
// started the play after the auction or cleared the trick before. The copy
// is left as the table will be after them. Nothing when the job was asked
// to stop first.
std::optional<std::vector<Card>> WorkOutRun(Game& copy, const Clock& clock,
                                            const LogicErrorHandler& onLogicError,
                                            const JobControl* job);

// The computer's cards after the user plays card, as the table plays them:
// the computer seats up to the end of the trick or to the user's next turn,
// none when the card completes a trick (the table waits to be cleared).
// The copy is left as the table will be after them. Nothing when the job
// was asked to stop first.
std::optional<std::vector<Card>> WorkOutAnswer(Game& copy, Card card, const Clock& clock,
                                               const LogicErrorHandler& onLogicError,
                                               const JobControl* job);

}  // namespace tavlo
