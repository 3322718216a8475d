// The engine thinking away from the table: the card it brings back is the
// one the table's own thread finds, the table's game takes over what the
// search found, and the wait cursor is up exactly while it thinks.

#include "table/engine_thinker.h"

#include <QApplication>
#include <QTest>
#include <optional>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "table_fixture.h"

namespace tavlo {
namespace {

// A game some cards into the play of a random deal.
Game GameInPlay(std::uint32_t seed, const Clock& clock) {
  Game game;
  StartUpInitialisation(game, clock, true);
  game.Options.SkillLevel = 4;
  game.Table.Deal = RandomDeal(seed);
  game.Hands.Deal(game.Table.Deal);
  ApplySeatOptions(game);
  game.Auction.Declarer = static_cast<SeatCode>(seed % 4);
  game.Auction.Trump = static_cast<StrainCode>(seed % 5);
  game.Auction.ContractLevel = 4;
  game.Auction.ContractBid = ContractBidCode(4, game.Auction.Trump);
  StartPlay(game, clock);
  while (game.Play.CardsPlayed < static_cast<int>(seed % 9)) {
    MakePlay(game, LegalCards(game.Hands, game.Play).LowestCard(), clock);
  }
  StartThinking(game, clock);
  return game;
}

TEST(EngineThinker, TheCardFromAwayIsTheCardOfTheTablesOwnThread) {
  SteppingClock clock;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(seed);
    Game table = GameInPlay(seed, clock);
    Game here = table;
    const Card expected = EngineCard(here, clock, nullptr);

    EngineThinker thinker(table, clock, nullptr);
    std::optional<Card> answer;
    thinker.Think([&](Card card) { answer = card; });
    EXPECT_TRUE(thinker.Thinking());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ASSERT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }));

    EXPECT_FALSE(thinker.Thinking());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(*answer, expected);
    EXPECT_EQ(table.Play, here.Play);
    EXPECT_EQ(table.Search, here.Search);
    EXPECT_EQ(table.Engine.Positions.Size(), here.Engine.Positions.Size());
    EXPECT_TRUE(CardPlayable(table, *answer));
  }
}

}  // namespace
}  // namespace tavlo
