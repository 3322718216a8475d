// Work done while the user considers a card is the work the table would do
// when asked: the hint worked out on a copy is the hint key's card, the
// computer's answer to a card is the run the table plays after it, and a
// table that takes either over plays on exactly as if it had searched.

#include "game/think_ahead.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"

namespace tavlo {
namespace {

// No time budget ever runs out: every search goes to its full width.
class StandingClock final : public Clock {
 public:
  double Now() const override { return 0.5; }
};

// A game of a random deal at the user's turn: every seat's lowest card up
// to card `from`, then the engine's cards as the table plays them, South
// being the user.
Game AtUsersTurn(std::uint32_t seed, int from, const Clock& clock) {
  Game game;
  StartUpInitialisation(game, clock, true);
  game.Options.SkillLevel = 4;
  game.Table.Deal = RandomDeal(seed);
  game.Hands.Deal(game.Table.Deal);
  ApplySeatOptions(game);
  game.Auction.Declarer = static_cast<SeatCode>(seed % 4);
  game.Auction.Trump = static_cast<StrainCode>(seed % 5);
  game.Auction.ContractLevel = 3;
  game.Auction.ContractBid = ContractBidCode(3, game.Auction.Trump);
  game.Table.TablePhase = Phase::EndOfBidding;
  StartPlay(game, clock);
  while (game.Play.CardsPlayed < from)
    MakePlay(game, LegalCards(game.Hands, game.Play).LowestCard(), clock);
  for (;;) {
    if (game.Table.TrickWaiting) ClearPlay(game);
    if (!ComputerToPlay(game.Hands, game.Play)) return game;
    StartThinking(game, clock);
    const int tricks = game.Play.TricksDone;
    while (ComputerPlaysOn(game, tricks)) MakePlay(game, EngineCard(game, clock, nullptr), clock);
  }
}

// The rest of the hand played by the engine for every seat: the cards, and
// the positions the engine had searched by the end.
struct RestOfHand {
  std::vector<Card> Cards;
  int Positions = 0;

  bool operator==(const RestOfHand&) const = default;
};

RestOfHand PlayedOut(Game game, const Clock& clock) {
  RestOfHand rest;
  while (game.Play.CardsPlayed < 52) {
    if (game.Table.TrickWaiting) ClearPlay(game);
    BeforeEachPlay(game);
    const Card card = EngineCard(game, clock, nullptr);
    rest.Cards.push_back(card);
    MakePlay(game, card, clock);
  }
  rest.Positions = game.Engine.Positions.Size();
  return rest;
}

struct Turn {
  std::uint32_t seed;
  int from;
};

void PrintTo(const Turn& turn, std::ostream* out) {
  *out << "deal " << turn.seed << " from card " << turn.from;
}

class ThinkAhead : public testing::TestWithParam<Turn> {};

TEST_P(ThinkAhead, TheHintWorkedOutAheadIsTheHintKeysOwn) {
  const StandingClock clock;
  const Game table = AtUsersTurn(GetParam().seed, GetParam().from, clock);
  ASSERT_LT(table.Play.CardsPlayed, 52);

  Game asked = table;
  PrepareHint(asked, clock);
  const Card hint = EngineCard(asked, clock, nullptr);

  Game kept = table;
  Game ahead = CopyForHint(kept);
  EXPECT_EQ(kept.Engine.Positions.Size(), table.Engine.Positions.Size());
  EXPECT_EQ(WorkOutHint(ahead, clock, nullptr, nullptr), hint);
  EXPECT_EQ(MomentOf(ahead), MomentOf(asked));
  EXPECT_EQ(ahead.Engine.Positions.Size(), asked.Engine.Positions.Size());

  Game took = table;
  TakeOverSearch(took, std::move(ahead));
  MakePlay(took, hint, clock);
  MakePlay(asked, hint, clock);
  EXPECT_EQ(PlayedOut(took, clock), PlayedOut(asked, clock));
}

TEST_P(ThinkAhead, TheAnswerWorkedOutAheadIsTheComputersOwnRun) {
  const StandingClock clock;
  const Game table = AtUsersTurn(GetParam().seed, GetParam().from, clock);
  ASSERT_LT(table.Play.CardsPlayed, 52);
  Game hinted = table;
  const std::vector<Card> likeliest =
      LikeliestCards(table, WorkOutHint(hinted, clock, nullptr, nullptr), clock, 2);
  ASSERT_FALSE(likeliest.empty());

  for (const Card card : likeliest) {
    SCOPED_TRACE(CardText(card));
    ASSERT_TRUE(CardPlayable(table, card));
    // The table: the user's card, then the computer's run unless the trick
    // waits to be cleared.
    Game played = table;
    MakePlay(played, card, clock);
    std::vector<Card> run;
    if (!played.Table.TrickWaiting) {
      StartThinking(played, clock);
      const int tricks = played.Play.TricksDone;
      while (ComputerPlaysOn(played, tricks)) {
        run.push_back(EngineCard(played, clock, nullptr));
        MakePlay(played, run.back(), clock);
      }
    }

    Game ahead = table;
    const std::optional<std::vector<Card>> answer =
        WorkOutAnswer(ahead, card, clock, nullptr, nullptr);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, run);
    EXPECT_EQ(MomentOf(ahead), MomentOf(played));
    EXPECT_EQ(ahead.Table.TrickWaiting, played.Table.TrickWaiting);
    EXPECT_EQ(PlayedOut(ahead, clock), PlayedOut(played, clock));
  }
}

// Turns whose hint searches from a few to fifty thousand positions, one
// with nothing to search, and two where the user's card ends the trick.
INSTANTIATE_TEST_SUITE_P(Deals, ThinkAhead,
                         testing::Values(Turn{1, 8}, Turn{2, 8}, Turn{3, 4}, Turn{4, 16},
                                         Turn{6, 12}, Turn{7, 16}, Turn{8, 12}, Turn{10, 16},
                                         Turn{11, 8}, Turn{12, 8}, Turn{5, 20}, Turn{9, 24}),
                         [](const auto& info) {
                           return "Deal" + std::to_string(info.param.seed) + "From" +
                                  std::to_string(info.param.from);
                         });

TEST(ThinkAhead, TheLikeliestCardsAreTheHintThenTheAnalysisCandidates) {
  const StandingClock clock;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    const Game table = AtUsersTurn(seed, 8 + seed % 30, clock);
    if (table.Play.CardsPlayed == 52) continue;
    const SuitHoldings legal = LegalCards(table.Hands, table.Play);
    const Card hint = legal.NthCard(legal.Count() - 1);
    const std::vector<Card> cards = LikeliestCards(table, hint, clock, 3);
    ASSERT_FALSE(cards.empty());
    EXPECT_EQ(cards.front(), hint);
    EXPECT_LE(cards.size(), 3u);
    for (std::size_t k = 0; k < cards.size(); ++k) {
      EXPECT_TRUE(legal.Holds(cards[k])) << "seed " << seed;
      for (std::size_t j = 0; j < k; ++j) EXPECT_NE(cards[j], cards[k]) << "seed " << seed;
    }
    if (legal.Count() == 1) {
      EXPECT_EQ(cards.size(), 1u);
    }
    EXPECT_EQ(LikeliestCards(table, hint, clock, 1), std::vector<Card>{hint});
    EXPECT_TRUE(LikeliestCards(table, hint, clock, 0).empty());
  }
}

// What a result rests on: a card, the search's counts or a seat the user
// takes over makes another moment of the table.
TEST(ThinkAhead, TheMomentChangesWithThePlayTheSearchAndTheUsersSeats) {
  const StandingClock clock;
  const Game table = AtUsersTurn(3, 12, clock);
  EXPECT_EQ(MomentOf(table), MomentOf(Game(table)));
  Game played = table;
  MakePlay(played, LegalCards(table.Hands, table.Play).LowestCard(), clock);
  Game searched = table;
  ++searched.Search.Totplay;
  Game takenOver = table;
  takenOver.Hands[North].UserPlays = !takenOver.Hands[North].UserPlays;
  for (const Game* other : {&played, &searched, &takenOver})
    EXPECT_FALSE(MomentOf(table) == MomentOf(*other));
}

TEST(ThinkAhead, WorkAskedToStopLeavesNothingToTakeOver) {
  const StandingClock clock;
  const Game table = AtUsersTurn(3, 12, clock);
  JobControl job;
  job.RequestStop();
  Game hint = table;
  EXPECT_EQ(WorkOutHint(hint, clock, nullptr, &job), 0u);
  Game answer = table;
  const Card card = LegalCards(table.Hands, table.Play).LowestCard();
  EXPECT_FALSE(WorkOutAnswer(answer, card, clock, nullptr, &job).has_value());
}

}  // namespace
}  // namespace tavlo
