// The running game below the window: the engine's card from the worker is
// the one the table's own thread finds, ending the session stops a search
// at once, and an engine that fails leaves the play going on.

#include "session/game_session.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <optional>
#include <stdexcept>

#include "common/worker.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "handfile/big_ini_file.h"
#include "recording_notifier.h"
#include "test_application.h"

namespace tavlo {
namespace {

inline ::testing::Environment* const sessionApplication =
    AddTestApplication<QApplication>("game_session_test");

// A clock that stands still: no time budget ever runs out, so a search
// goes to its full width.
class StandingClock final : public Clock {
 public:
  double Now() const override { return 0.5; }
};

// A clock that fails when the engine reads it away from the window.
class FailingClock final : public Clock {
 public:
  double Now() const override {
    if (QThread::currentThread() != QApplication::instance()->thread())
      throw std::runtime_error("The clock broke");
    return 0.5;
  }
};

// A game some cards into the play of a random deal, the user South.
Game GameInPlay(std::uint32_t seed, const Clock& clock, int thinkingTime = 4) {
  Game game;
  StartUpInitialisation(game, clock, true);
  game.Options.SkillLevel = static_cast<std::uint8_t>(thinkingTime);
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
  return game;
}

std::unique_ptr<GameSession> SessionOn(const Game& game, const Clock& clock) {
  auto session = std::make_unique<GameSession>(clock, std::make_unique<TINI>(""), game.Options);
  session->GameState() = game;
  return session;
}

TEST(GameSession, TheHintFromTheWorkerIsTheCardOfTheTablesOwnThread) {
  const StandingClock clock;
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    SCOPED_TRACE(seed);
    const Game table = GameInPlay(seed, clock);
    Game here = table;
    PrepareHint(here, clock);
    const Card expected = EngineCard(here, clock, nullptr);

    auto session = SessionOn(table, clock);
    std::optional<Card> hint;
    QObject::connect(session.get(), &GameSession::HintReady, [&](Card card) { hint = card; });
    session->Hint();
    EXPECT_TRUE(session->Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return hint.has_value(); }, 60000));
    EXPECT_FALSE(session->Busy());
    EXPECT_EQ(*hint, expected);
    // What the search found is the table's, the play as it was.
    EXPECT_EQ(session->GameState().Play, here.Play);
    EXPECT_EQ(session->GameState().Search, here.Search);
    EXPECT_EQ(session->GameState().Engine.Positions.Size(), here.Engine.Positions.Size());
    EXPECT_TRUE(CardPlayable(session->GameState(), *hint));
  }
}

// The user closes the window while the engine thinks at its longest: the
// search stops where it stands instead of the window waiting for it.
TEST(GameSession, EndingTheSessionStopsTheSearchAtOnce) {
  const StandingClock clock;
  // After the engine's own opening lead on this deal, a search at the
  // longest thinking time takes some ten seconds.
  Game game = GameInPlay(18, clock, 10);
  Game lead = game;
  MakePlay(game, EngineCard(lead, clock, nullptr), clock);
  auto session = SessionOn(game, clock);
  bool answered = false;
  QObject::connect(session.get(), &GameSession::HintReady, [&] { answered = true; });
  session->Hint();
  QTest::qWait(200);
  ASSERT_FALSE(answered) << "the search must still be running for this test";
  QElapsedTimer ending;
  ending.start();
  session.reset();
  EXPECT_LT(ending.elapsed(), 1000);
}

// An engine that fails on a computer seat's card is told once per card,
// and the seat plays the card the rules offer first, so the play goes on
// up to the user's turn.
TEST(GameSession, WhenTheEngineFailsThePlayGoesOn) {
  RecordingNotifier notifier;
  const FailingClock clock;
  Game game = GameInPlay(3, clock);
  auto session = SessionOn(game, clock);
  QSignalSpy userToAct(session.get(), &GameSession::UserToAct);
  const int before = session->GameState().Play.CardsPlayed;
  session->FinishPlay();
  ASSERT_TRUE(userToAct.wait(60000));
  const int played = session->GameState().Play.CardsPlayed - before;
  EXPECT_GT(played, 0);
  EXPECT_FALSE(notifier.messages.isEmpty());
  EXPECT_LE(notifier.messages.size(), played);
  for (const QString& message : notifier.messages) EXPECT_EQ(message, "The clock broke");
  EXPECT_TRUE(PlayStateIsOk(session->GameState().Hands, session->GameState().Play));
}

}  // namespace
}  // namespace tavlo
