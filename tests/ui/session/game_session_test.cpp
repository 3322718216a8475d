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
#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/worker.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "handfile/big_ini_file.h"
#include "recording_notifier.h"
#include "search_gate.h"
#include "test_application.h"

namespace tavlo {
namespace {

inline ::testing::Environment* const sessionApplication =
    AddTestApplication<QApplication>("game_session_test");

// A clock that stands still: no time budget ever runs out, so a search
// goes to its full width. A search reading it waits at its gate while the
// test keeps the gate shut.
class StandingClock final : public Clock {
 public:
  double Now() const override {
    searchGate.Pass();
    return 0.5;
  }
  SearchGate searchGate;
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

// The hint is for a seat the user plays, at its turn: the seat to play
// becomes the user's, once a completed trick is cleared.
Game UsersTurn(Game game) {
  if (game.Table.TrickWaiting) ClearPlay(game);
  game.Hands[game.Play.ToPlay].UserPlays = true;
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
    const Game table = UsersTurn(GameInPlay(seed, clock));
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
  StandingClock clock;
  // After the engine's own opening lead on this deal, a search at the
  // longest thinking time takes some ten seconds.
  Game game = GameInPlay(18, clock, 10);
  Game lead = game;
  MakePlay(game, EngineCard(lead, clock, nullptr), clock);
  auto session = SessionOn(UsersTurn(game), clock);
  bool answered = false;
  QObject::connect(session.get(), &GameSession::HintReady, [&] { answered = true; });
  clock.searchGate.Shut();
  session->Hint();
  // Held at the gate, the search is under way whatever the machine's speed.
  EXPECT_TRUE(QTest::qWaitFor([&] { return clock.searchGate.Reached(); }));
  EXPECT_FALSE(answered);
  QElapsedTimer ending;
  ending.start();
  clock.searchGate.Open();
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

// A completed trick on the table, the lowest cards played up to it; once
// the user clears it, the computer plays up to the user's turn.
Game TrickToClear(std::uint32_t seed, int tricks, const Clock& clock) {
  Game game = GameInPlay(seed, clock);
  while (game.Play.CardsPlayed < 4 * tricks)
    MakePlay(game, LegalCards(game.Hands, game.Play).LowestCard(), clock);
  return game;
}

// What the table's own thread makes of the same steps: the trick cleared
// and the computer's run to the user's turn.
Game AtUsersTurn(Game game, const Clock& clock) {
  ClearPlay(game);
  StartThinking(game, clock);
  const int tricks = game.Play.TricksDone;
  while (ComputerPlaysOn(game, tricks)) MakePlay(game, EngineCard(game, clock, nullptr), clock);
  return game;
}

// The user's turn comes, and the session has worked out all it thinks
// ahead: the hint and the computer's answers.
void ClearAndThinkAhead(GameSession& session) {
  QSignalSpy userToAct(&session, &GameSession::UserToAct);
  session.ClearTrick();
  ASSERT_TRUE(!userToAct.isEmpty() || userToAct.wait(60000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !session.Jobs().Aside(); }, 60000));
}

// Deals whose searches at the user's turn are short.
constexpr std::array<std::pair<std::uint32_t, int>, 4> QuickTurns{
    {{1, 5}, {3, 6}, {6, 4}, {11, 5}}};

TEST(GameSession, AHintWorkedOutAheadIsShownAtOnceAndIsTheHintsOwn) {
  const StandingClock clock;
  for (const auto& [seed, tricks] : QuickTurns) {
    SCOPED_TRACE(seed);
    const Game start = TrickToClear(seed, tricks, clock);
    Game here = AtUsersTurn(start, clock);
    PrepareHint(here, clock);
    const Card expected = EngineCard(here, clock, nullptr);

    auto session = SessionOn(start, clock);
    ClearAndThinkAhead(*session);
    QSignalSpy hint(session.get(), &GameSession::HintReady);
    session->Hint();
    // Shown before the key's handler returns: no search, no wait.
    ASSERT_EQ(hint.count(), 1);
    EXPECT_FALSE(session->Busy());
    EXPECT_EQ(hint[0][0].value<Card>(), expected);
    EXPECT_EQ(session->GameState().Play, here.Play);
    EXPECT_EQ(session->GameState().Search, here.Search);
    EXPECT_EQ(session->GameState().Engine.Positions.Size(), here.Engine.Positions.Size());
  }
}

// The user plays a card the session thought of: the computer's answer is
// on the table before the click's handler returns, or, played at once after
// the hint, once the answer under way is worked out, without a new search;
// and the engine's state is what the table's own searches would have left.
TEST(GameSession, TheComputersAnswerWorkedOutAheadIsPlayedAtOnce) {
  const StandingClock clock;
  int answered = 0;
  enum class User { PlaysAfterThinking, AsksForTheHint, PlaysTheHintAtOnce };
  for (const User user :
       {User::PlaysAfterThinking, User::AsksForTheHint, User::PlaysTheHintAtOnce}) {
    const bool hintFirst = user != User::PlaysAfterThinking;
    for (const auto& [seed, tricks] : QuickTurns) {
      SCOPED_TRACE(testing::Message() << "deal " << seed << ", user " << static_cast<int>(user));
      const Game start = TrickToClear(seed, tricks, clock);
      Game here = AtUsersTurn(start, clock);
      Game hinted = here;
      PrepareHint(hinted, clock);
      const Card card = EngineCard(hinted, clock, nullptr);
      if (hintFirst) here = hinted;
      MakePlay(here, card, clock);
      std::vector<Card> answer;
      if (!here.Table.TrickWaiting) {
        StartThinking(here, clock);
        const int done = here.Play.TricksDone;
        while (ComputerPlaysOn(here, done)) {
          answer.push_back(EngineCard(here, clock, nullptr));
          MakePlay(here, answer.back(), clock);
        }
      }

      auto session = SessionOn(start, clock);
      ClearAndThinkAhead(*session);
      if (hintFirst) {
        QSignalSpy hint(session.get(), &GameSession::HintReady);
        session->Hint();
        ASSERT_EQ(hint.count(), 1);
        if (user == User::AsksForTheHint)
          ASSERT_TRUE(QTest::qWaitFor([&] { return !session->Jobs().Aside(); }, 60000));
      }
      answered += !answer.empty();
      QSignalSpy played(session.get(), &GameSession::CardPlayed);
      session->PlayUserCard(card, session->GameState().Play.ToPlay);
      const int cards = 1 + static_cast<int>(answer.size());
      if (user == User::PlaysTheHintAtOnce && !answer.empty()) {
        // The answer's work aside became the work the user waits for.
        EXPECT_TRUE(session->Busy());
        EXPECT_FALSE(session->Jobs().Aside());
        ASSERT_TRUE(QTest::qWaitFor([&] { return played.count() == cards; }, 60000));
      }
      EXPECT_FALSE(session->Busy());
      ASSERT_EQ(played.count(), cards);
      const Game& table = session->GameState();
      EXPECT_EQ(
          std::vector<PlayRecordEntry>(table.Play.PlayRecord.begin(),
                                       table.Play.PlayRecord.begin() + table.Play.CardsPlayed),
          std::vector<PlayRecordEntry>(here.Play.PlayRecord.begin(),
                                       here.Play.PlayRecord.begin() + here.Play.CardsPlayed));
      EXPECT_EQ(table.Engine.Positions.Size(), here.Engine.Positions.Size());
      EXPECT_EQ(table.Search.Totplay, here.Search.Totplay);
      EXPECT_EQ(table.Search.Testwidth, here.Search.Testwidth);
    }
  }
  EXPECT_GT(answered, 0) << "no turn here has the computer answer the user's card";
}

// After the opening lead on this deal the hint's fresh search takes a few
// seconds on a standing clock: the user acts long before it is done.
Game LongHintAhead(const Clock& clock) { return TrickToClear(18, 1, clock); }

TEST(GameSession, AHintAskedForWhileItIsWorkedOutIsWaitedForNotSearchedAgain) {
  const StandingClock clock;
  const Game start = LongHintAhead(clock);
  Game here = AtUsersTurn(start, clock);
  PrepareHint(here, clock);
  const Card expected = EngineCard(here, clock, nullptr);

  auto session = SessionOn(start, clock);
  QSignalSpy userToAct(session.get(), &GameSession::UserToAct);
  session->ClearTrick();
  ASSERT_TRUE(!userToAct.isEmpty() || userToAct.wait(60000));
  ASSERT_TRUE(session->Jobs().Aside()) << "the hint must still be worked out for this test";
  std::optional<Card> hint;
  QObject::connect(session.get(), &GameSession::HintReady, [&](Card card) { hint = card; });
  session->Hint();
  EXPECT_TRUE(session->Busy());
  EXPECT_FALSE(session->Jobs().Aside());
  ASSERT_TRUE(QTest::qWaitFor([&] { return hint.has_value(); }, 60000));
  EXPECT_EQ(*hint, expected);
  EXPECT_EQ(session->GameState().Engine.Positions.Size(), here.Engine.Positions.Size());
}

// Whatever the user does instead stops the work at once: a card, Finish
// Play, a replay or a rebid of the hand.
TEST(GameSession, AnythingTheUserDoesStopsTheWorkAhead) {
  const StandingClock clock;
  using Act = std::function<void(GameSession&)>;
  const std::vector<std::pair<const char*, Act>> acts{
      {"a card",
       [](GameSession& s) {
         const Game& game = s.GameState();
         s.PlayUserCard(LegalCards(game.Hands, game.Play).LowestCard(), game.Play.ToPlay);
       }},
      {"finish play", [](GameSession& s) { s.FinishPlay(); }},
      {"replay", [](GameSession& s) { s.Replay(); }},
      {"rebid", [](GameSession& s) { s.Rebid(); }}};
  for (const auto& [name, act] : acts) {
    SCOPED_TRACE(name);
    auto session = SessionOn(LongHintAhead(clock), clock);
    QSignalSpy userToAct(session.get(), &GameSession::UserToAct);
    session->ClearTrick();
    ASSERT_TRUE(!userToAct.isEmpty() || userToAct.wait(60000));
    ASSERT_TRUE(session->Jobs().Aside()) << "the hint must still be worked out for this test";
    act(*session);
    EXPECT_FALSE(session->Jobs().Aside());
  }
}

}  // namespace
}  // namespace tavlo
