// What the learner may ask, and when: the hint is for the learner's own
// seat at its turn, never an opponent's card the learner cannot see; a
// key that makes no call is a slip that costs nothing; a claim waits for
// the play. Driven by keys and clicks on the window.

#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "lesson_table.h"
#include "session/game_session.h"
#include "table/feedback_line.h"

namespace tavlo {
namespace {

class LearnersTurnTest : public LessonTableTest {
 protected:
  std::string Said() const {
    auto* line = Control<FeedbackLine>("FeedbackLine");
    return line->isVisible() ? line->Text().toStdString() : std::string();
  }
  const PlayState& Play() const { return Game().Play; }
  bool LearnerPlays(int seat) const { return Game().Hands[seat].UserPlays; }
  QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }
  // A key as the keyboard gives it: to the control that has the focus.
  static void Type(int key) { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key)); }

  // Plays the lesson's hand by Enter (the card the table offers) until a
  // trick an opponent won waits on the table; false when the hand ends
  // without one.
  bool PlayUntilAnOpponentLeadsNext() {
    for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 120; ++step) {
      if (Game().Table.TrickWaiting && !LearnerPlays(Play().ToPlay) && Play().CardsPlayed < 52)
        return true;
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
    return false;
  }
};

// A trick an opponent won waits: Hint is greyed and F7 says whose lead
// comes first, in the learner's language, with no card shown. At the
// learner's turn the hint names a card of the seat to play, and Play Hint
// plays it even after the selection moved.
TEST_F(LearnersTurnTest, TheHintIsForTheLearnersSeatAtItsTurn) {
  StartNamed(3);  // French
  bool found = false;
  for (int lesson = 1; lesson <= 10 && !found; ++lesson) {
    DealLesson(lesson);
    BidToTheEnd(3, false);
    if (Game().Table.TablePhase != Phase::EndOfBidding) continue;
    Type(Qt::Key_Return);  // Start Play has the focus
    WaitForTheTable();
    found = PlayUntilAnOpponentLeadsNext();
  }
  ASSERT_TRUE(found) << "no lesson where an opponent wins a trick";
  QSignalSpy hints(&table_->Session(), &GameSession::HintReady);
  const SeatCode leader = Play().ToPlay;
  const int beeps = notifier_.informationBeeps;
  EXPECT_FALSE(Button("ButHint")->isEnabled());
  Key(Qt::Key_F7);
  WaitForTheTable();
  EXPECT_EQ(hints.count(), 0);
  EXPECT_EQ(notifier_.informationBeeps, beeps + 1);
  const char* seats[] = {"Nord", "Est", "Sud", "Ouest"};
  EXPECT_EQ(Said(), std::string(seats[leader]) +
                        " a la main pour la levée suivante ; votre tour vient ensuite.");
  EXPECT_EQ(Game().Table.TrickWaiting, true);

  // The opponent leads; then the learner's seat is to play.
  Key(Qt::Key_Return);
  WaitForTheTable();
  ASSERT_EQ(Game().Table.TablePhase, Phase::Play);
  ASSERT_FALSE(Game().Table.TrickWaiting);
  const SeatCode seat = Play().ToPlay;
  ASSERT_TRUE(LearnerPlays(seat));
  EXPECT_TRUE(Button("ButHint")->isEnabled());
  Key(Qt::Key_F7);
  WaitForTheTable();
  ASSERT_EQ(hints.count(), 1);
  const Card hint = hints[0][0].value<Card>();
  const THands& hand = Game().Hands[seat];
  EXPECT_NE(hand.Suits[CardSuit(hint)].Cards & (hint & RankBits), 0U);
  // The keyboard's selection moves away; Play Hint still plays the hint.
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  const int played = Play().CardsPlayed;
  QTest::mouseClick(Button("ButPlayHint"), Qt::LeftButton);
  WaitForTheTable();
  ASSERT_GT(Play().CardsPlayed, played);
  EXPECT_EQ(Play().PlayRecord[played].Card, hint);
}

// French, lesson 1, South's first call (the lesson bids 2♣): "h" after
// the level, a stray letter, Enter and a key that types nothing are
// slips, said on the line and forgotten; none counts as a wrong call, so
// the first real refusal only says "try again", and a hand bid with
// nothing but slips is still bid without help. No claim in the auction.
TEST_F(LearnersTurnTest, ATypingSlipIsSaidAndIsNoWrongCall) {
  StartNamed(3);
  DealLesson(1);
  ASSERT_EQ(ScriptedCall(), "2C");
  const auto record = Auction().AuctionRecord;
  EXPECT_FALSE(table_->MenuItem("ClaimTricks1")->isEnabled());

  Key('2');
  Key('H');
  EXPECT_EQ(Said(), "« h » n'est pas une couleur : tapez T, K, C, P ou S.");
  EXPECT_TRUE(Auction().TypedLevel.empty());
  Key('Z');
  EXPECT_EQ(Said(),
            "« z » n'est pas une enchère : tapez un palier (1-7), puis une couleur (T, K, C, P ou "
            "S) ; P pour passer.");
  Type(Qt::Key_Return);  // the pass panel holds the focus the table gave it
  EXPECT_EQ(Said(),
            "Entrée ne fait pas d'enchère : tapez un palier (1-7), puis une couleur (T, K, C, P "
            "ou S), ou P pour passer.");
  Key(Qt::Key_Comma);
  EXPECT_EQ(notifier_.informationBeeps, 4);
  EXPECT_EQ(Auction().AuctionRecord, record);
  EXPECT_FALSE(Game().Table.AuctionHelped);

  // The first wrong call is the first refusal: the lesson's call stays hidden.
  TypeCall("1N", 3);
  EXPECT_EQ(Said(), "Ce n'est pas l'enchère de la leçon. Réessayez, ou appuyez sur Aide.");

  // Another hand, bid with slips alone, is bid without help.
  DealLesson(2);
  Key('9');
  Type(Qt::Key_Return);
  EXPECT_EQ(notifier_.informationBeeps, 7);
  BidToTheEnd(3, false);
  EXPECT_FALSE(Game().Table.AuctionHelped);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_FALSE(table_->MenuItem("ClaimTricks1")->isEnabled());
  Type(Qt::Key_Return);  // Start Play
  WaitForTheTable();
  if (Play().CardsPlayed > 0) EXPECT_TRUE(table_->MenuItem("ClaimTricks1")->isEnabled());
}

// Tab brings the focus round to the pass: Enter then makes that call (the
// lesson bids 2♣, so it is refused as a call), not a slip.
TEST_F(LearnersTurnTest, EnterMakesTheCallTabCameTo) {
  StartNamed();
  DealLesson(1);
  const BidPanel* pass = Pad()->Panel("PassBut");
  for (int tab = 0; tab < 60; ++tab) {
    Type(Qt::Key_Tab);
    if (QApplication::focusWidget() == pass) break;
  }
  ASSERT_EQ(QApplication::focusWidget(), pass);
  Type(Qt::Key_Return);
  EXPECT_EQ(Said(), "Not the lesson's call. Try again, or press Help.");
}

}  // namespace
}  // namespace tavlo
