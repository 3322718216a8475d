// What the table tells the learner, driven as a learner drives it: the
// feedback line after a refused call, a typed digit, a take-back, a
// refused card and a hint; the lesson's point once the auction is over;
// explanations in full lines; the end of a hand that an extra Enter does
// not end; keys typed while the engine thinks; and every lesson played to
// its end by keys alone.

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "auction/auction.h"
#include "cards/card_art.h"
#include "cards/my_card.h"
#include "common/symbol_text_painter.h"
#include "engine/legal_cards.h"
#include "game/play_flow.h"
#include "game/think_ahead.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "model/symbol_text.h"
#include "session/game_session.h"
#include "table/feedback_line.h"
#include "table/table_translations.h"

namespace tavlo {
namespace {

class FeedbackTest : public LessonTableTest {
 protected:
  FeedbackLine* Line() const { return Control<FeedbackLine>("FeedbackLine"); }
  // The line as the learner reads it, empty when it is not shown.
  std::string Said() const {
    return Line()->isVisible() ? Line()->Text().toStdString() : std::string();
  }
  // A key as the keyboard gives it: to the control that has the focus.
  static void Type(int key) { QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key)); }
  const PlayState& Play() const { return Game().Play; }
  void StartPlay() {
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    Type(Qt::Key_Return);  // Start Play has the focus
    WaitForTheTable();
    ASSERT_EQ(Game().Table.TablePhase, Phase::Play);
  }
  // The control of a card in the hand of seat.
  TMyCard* CardOf(SeatCode seat, Card card) const {
    const QString hand = QString("Hand%1").arg(QString::fromLatin1(SeatNames[seat].data()));
    for (TMyCard* control : Control(hand.toLatin1().constData())->findChildren<TMyCard*>())
      if (control->isVisible() && control->Tag() == card) return control;
    return nullptr;
  }
  // A card of the seat to play that does not follow the suit led, if any.
  Card Revoke() const {
    const THands& hand = Game().Hands[Play().ToPlay];
    for (int suit = Clubs; suit <= Spades; ++suit) {
      if (suit == Play().SuitLed || hand.Suits[suit].Cards == 0) continue;
      return LowestCard(hand.Suits[suit].Cards) | static_cast<Card>(suit);
    }
    return 0;
  }
  void TypeCard(Card card) {
    Key(CardRank(card) == 10 ? '1' : RankLetters[CardRank(card)]);
    if (CardRank(card) == 10) Key('0');
    Key(StrainLetters[CardSuit(card)][0]);
  }
};

// Lesson 1, South's first turn: the lesson bids 2♣, alerted. A pass is
// refused with a word; a second refusal names the lesson's call and its
// explanation; the lesson's call clears the line.
TEST_F(FeedbackTest, ARefusedCallIsSaidAndTheSecondShowsTheLessonsCall) {
  StartNamed();
  DealLesson(1);
  ASSERT_EQ(ScriptedCall(), "2C");
  EXPECT_EQ(Said(), "");
  TypeCall("P");
  EXPECT_EQ(notifier_.informationBeeps, 1);
  EXPECT_EQ(Said(), "Not the lesson's call. Try again, or press Help.");
  const std::string explanation = ScriptedCallExplanation(table_->GameState().Auction);
  ASSERT_FALSE(explanation.empty());
  Click("H2");
  EXPECT_EQ(Said(), "Not the lesson's call. The lesson bids 2~C: " + explanation);
  EXPECT_EQ(Line()->accessibleName(), SymbolPlainText(Line()->Text()));
  TypeCall("2C");
  EXPECT_EQ(Said(), "");
  EXPECT_FALSE(Line()->isVisible());

  // In German, from the first refusal on.
  ChooseLanguage(*table_, 4);
  TypeCall("7N", 4);
  EXPECT_EQ(Said(),
            "Nicht das Gebot der Lektion. Versuchen Sie es noch einmal, oder drücken "
            "Sie Hilfe.");
}

// A level digit waits for its strain and shows as typed; a take-back that
// leaves a computer seat to call tells the learner to call for it.
TEST_F(FeedbackTest, ATypedDigitShowsAndATakeBackSaysWhoseCallItIs) {
  StartNamed();
  DealLesson(1);
  Key('2');
  EXPECT_EQ(Said(), "2…");
  Key('C');
  EXPECT_EQ(Said(), "");
  ASSERT_EQ(Auction().ToPlay, South);
  ASSERT_GE(Auction().BidCount, 4);
  // East's pass before South's turn is taken back: East is to call again.
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Auction().ToPlay, East);
  EXPECT_EQ(Said(), "You now bid for East: click the call, or press M for the lesson's call.");
  // Make Bid shows the call a moment before it makes it.
  clock_.step = 0.1;
  Key('M');
  WaitForTheTable();
  clock_.step = 0;
  EXPECT_EQ(Said(), "");
  EXPECT_EQ(Auction().ToPlay, South);
}

// Lesson 3, South declares: cards the laws refuse are refused with their
// reason, and the hint is said, outlined and in front of its neighbours.
TEST_F(FeedbackTest, ARefusedCardSaysWhyAndTheHintIsMarked) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  DealLesson(3);
  BidToTheEnd(0, false);
  StartPlay();
  ASSERT_EQ(Play().ToPlay, North);  // dummy, after West's lead
  const Card led = Play().PlayRecord[0].Card;

  // A card of South's while North is to play.
  const Card southCard = LegalCards(Game().Hands[South], TrickSituationOf(Play())).LowestCard();
  QTest::mouseClick(CardOf(South, southCard), Qt::LeftButton);
  EXPECT_EQ(Said(), "It is North's turn.");
  // The card West led, typed.
  TypeCard(led);
  EXPECT_EQ(Said(), CardMarkup(led) + " has been played.");
  // A card North does not follow suit with, when it holds the suit led.
  if (const Card revoke = Revoke(); revoke != 0 && Game().Hands[North].Suits[CardSuit(led)].Cards) {
    QTest::mouseClick(CardOf(North, revoke), Qt::LeftButton);
    const char* suits[] = {"clubs", "diamonds", "hearts", "spades"};
    EXPECT_EQ(Said(), std::string("Follow suit: ") + suits[CardSuit(led)] + " were led.");
  }
  EXPECT_EQ(Play().CardsPlayed, 1);
  EXPECT_EQ(notifier_.warningBeeps, 0);

  Key(Qt::Key_F7);
  WaitForTheTable();
  const Card hint = table_->Session().LastFeedback().Hint;
  ASSERT_NE(hint, 0);
  // Why: the rule the engine plays the card by, as core reads it here.
  const CardReason reason = table_->Session().LastFeedback().HintReason;
  EXPECT_EQ(reason, ReasonForCard(Game(), hint, clock_));
  ASSERT_FALSE(ReasonPhrase(reason, English).isEmpty());
  EXPECT_EQ(Said(),
            "Hint: " + CardMarkup(hint) + " — " + ReasonPhrase(reason, English).toStdString());
  TMyCard* hinted = CardOf(North, hint);
  ASSERT_NE(hinted, nullptr);
  EXPECT_TRUE(hinted->Outline());
  EXPECT_TRUE(hinted->Hilite());
  // In front of every other card of the hand.
  EXPECT_EQ(hinted->parentWidget()->children().last(), hinted);
  table_->grab().save(QDir::temp().filePath("tavlo_feedback_hint.png"));

  Key(Qt::Key_Return);
  WaitForTheTable();
  EXPECT_EQ(Play().PlayRecord[1].Card, hint);
  EXPECT_EQ(Said(), "");
  EXPECT_FALSE(hinted->Outline());
}

// A lesson's point shows once the auction is over, and stays through the
// play to the end of the hand; a saved hand's comment stays under South.
TEST_F(FeedbackTest, TheLessonsPointShowsOnceTheAuctionIsOver) {
  StartNamed();
  DealLesson(1);
  const auto* point = Control<QLabel>("LessonPoint");
  EXPECT_FALSE(point->isVisible());
  EXPECT_TRUE(Control<QLabel>("TableComment")->text().isEmpty());
  BidToTheEnd(0, false);
  ASSERT_TRUE(point->isVisible());
  EXPECT_EQ(point->text().toStdString(), Game().Record.Comment);
  table_->grab().save(QDir::temp().filePath("tavlo_feedback_lesson_point.png"));
  StartPlay();
  EXPECT_TRUE(point->isVisible());
  FinishTheHand();
  EXPECT_TRUE(point->isVisible());

  // Rebid: the point waits for the end of the auction again.
  table_->MenuItem("RebidHand1")->trigger();
  EXPECT_FALSE(point->isVisible());
}

// A long explanation goes on in lines of their full height within the
// record, and its hint holds it whole.
TEST_F(FeedbackTest, ALongExplanationIsWrappedInFullLines) {
  AppendToHandFile(
      "\n[11]\nDealer=S\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=S\nBids=1C(!),P,1H,P,P,P\n"
      "Alerts=\"Minor suit opening -- 3+ ~C; 11-21 HCP, no five-card major, forcing nothing\"\n"
      "Comment=A long note\n");
  StartNamed();
  ASSERT_TRUE(table_->Session().PlaySavedHand(11));
  BidToTheEnd(0, false);
  BidReviewGrid* grid = Grid();
  const int row = static_cast<int>(Auction().AuctionGrid.size());
  ASSERT_TRUE(grid->CellText(row, 0).startsWith("(1) Minor suit opening"));
  const int lineHeight = QFontMetrics(grid->font()).height();
  EXPECT_GE(grid->rowHeight(row), 3 * lineHeight);
  EXPECT_EQ(grid->item(row, 0)->toolTip(),
            "(1) Minor suit opening -- 3+ ♣; 11-21 HCP, no five-card major, forcing nothing");
  table_->grab().save(QDir::temp().filePath("tavlo_feedback_long_note.png"));
}

// After the last trick, the Enter that cleared it, pressed again, does not
// deal the next hand: the result stays up until the learner chooses.
TEST_F(FeedbackTest, AnEnterTooManyAfterTheLastTrickKeepsTheResult) {
  StartNamed();
  DealLesson(5);
  BidToTheEnd(0, false);
  StartPlay();
  FinishTheHand();
  Type(Qt::Key_Return);
  Type(Qt::Key_Return);
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  EXPECT_EQ(Game().Table.LessonNumber, 5);
  EXPECT_TRUE(Control("ScorePad")->isVisible());

  // North's points stay after the preferences' OK.
  const QString north = Control<QLabel>("NHCP")->text();
  ASSERT_FALSE(north.isEmpty());
  NextDialog<QDialog> ok([](QDialog& preferences) {
    QTest::mouseClick(preferences.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  });
  Key(Qt::Key_F2);
  EXPECT_TRUE(ok.seen);
  EXPECT_EQ(Control<QLabel>("NHCP")->text(), north);
  table_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));

  // The next hand's contract panel counts no tricks of this one.
  DealLesson(6);
  BidToTheEnd(0, false);
  EXPECT_EQ(Control<QLabel>("PlayPanelNSTrks")->text(), "0");
  EXPECT_EQ(Control<QLabel>("PlayPanelEWTrks")->text(), "0");
}

// F7 and Enter typed at once while the hint's search is slow on purpose:
// the Enter waits for the hint and plays it.
TEST_F(FeedbackTest, KeysTypedWhileTheEngineThinksCountInOrder) {
  StartNamed();
  DealLesson(1);
  BidToTheEnd(0, false);
  StartPlay();
  ASSERT_EQ(Play().CardsPlayed, 1);  // East has led; North, the user's, is to play
  QSignalSpy hints(&table_->Session(), &GameSession::HintReady);
  clock_.searchPauseMilliseconds = 2;
  Type(Qt::Key_F7);
  Type(Qt::Key_Return);
  EXPECT_TRUE(table_->InputHeld());
  EXPECT_TRUE(table_->KeysWaiting());
  WaitForTheTable();
  clock_.searchPauseMilliseconds = 0;
  ASSERT_EQ(hints.count(), 1);
  ASSERT_GE(Play().CardsPlayed, 2);
  EXPECT_EQ(Play().PlayRecord[1].Card, hints[0][0].value<Card>());
  EXPECT_EQ(notifier_.informationBeeps, 0);
}

// Every lesson from New Hand to its end by keys alone: F3, the lesson's
// calls typed, Enter for Start Play, then F7 and Enter for every card and
// Enter for every trick, typed without waiting for the engine.
TEST_F(FeedbackTest, EveryLessonIsPlayedToTheEndByKeysAlone) {
  StartNamed();
  for (int lesson = 1; lesson <= LessonHands; ++lesson) {
    SCOPED_TRACE(lesson);
    Type(Qt::Key_F3);
    ASSERT_EQ(Game().Table.LessonNumber, lesson);
    BidToTheEnd(0, false);
    Type(Qt::Key_Return);
    WaitForTheTable();
    for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 120; ++step) {
      if (Game().Table.TrickWaiting) {
        Type(Qt::Key_Return);
      } else {
        Type(Qt::Key_F7);
        Type(Qt::Key_Return);
      }
      WaitForTheTable();
    }
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
    EXPECT_EQ(Play().CardsPlayed, 52);
  }
  EXPECT_EQ(notifier_.informationBeeps, 0);
  EXPECT_EQ(notifier_.warningBeeps, 0);
}

}  // namespace
}  // namespace tavlo
