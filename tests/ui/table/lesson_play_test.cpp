// The lesson hands played at the table as a user plays them: the auction bid,
// then hints and played hints, typed cards, arrow keys and Enter, clicks on
// cards, every completed trick cleared, Take Back, Finish Play, and the
// developer's look at the engine's search.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "cards/card_art.h"
#include "cards/my_card.h"
#include "common/worker.h"
#include "dialogs/test_play_dialog.h"
#include "engine/card_rule.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "model/deal_text.h"
#include "model/symbol_text.h"
#include "print/print_form.h"
#include "print/print_page.h"
#include "scoring/duplicate_score.h"
#include "session/game_session.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

class LessonPlayTest : public LessonTableTest {
 protected:
  // Bids lesson n as its script says and starts the play.
  void BidAndPlay(int n) {
    DealLesson(n);
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
  }
  QPushButton* PadButton(const char* name) const { return Control<QPushButton>(name); }
  void Press(const char* button) { QTest::mouseClick(PadButton(button), Qt::LeftButton); }
  const PlayState& Play() const { return Game().Play; }
  Card LowestLegal() const { return LegalCards(Game().Hands, Play()).LowestCard(); }
  // The control of a card of the hand to play.
  TMyCard* CardControl(Card card) const {
    for (TMyCard* control : Control(QString("Hand%1")
                                        .arg(QString::fromLatin1(SeatNames[Play().ToPlay].data()))
                                        .toLatin1()
                                        .constData())
                                ->findChildren<TMyCard*>()) {
      if (control->isVisible() && control->Tag() == card) return control;
    }
    return nullptr;
  }
  int CardsOnTable() const {
    int shown = 0;
    for (const char* seat : {"TableNorth", "TableEast", "TableSouth", "TableWest"}) {
      if (Control(seat)->isVisible()) ++shown;
    }
    return shown;
  }
  // The user's card, played in one of the ways a user plays.
  void PlayUsersCard(int way) {
    const Card card = LowestLegal();
    switch (way % 4) {
      case 0:
        Key(Qt::Key_F7);
        WaitForTheTable();
        ASSERT_TRUE(PadButton("ButPlayHint")->isVisible());
        Press("ButPlayHint");
        break;
      case 1:
        Key(RankLetters[CardRank(card)]);
        Key(StrainLetters[CardSuit(card)][0]);
        break;
      case 2:
        // The table offers a card; the arrows move among those the trick allows.
        Key(Qt::Key_Right);
        Key(Qt::Key_Left);
        Key(Qt::Key_Return);
        break;
      default:
        ASSERT_NE(CardControl(card), nullptr);
        QTest::mouseClick(CardControl(card), Qt::LeftButton);
    }
  }
  void ClearTheTrick(int way) {
    EXPECT_EQ(CardsOnTable(), 4);
    EXPECT_TRUE(PadButton("ButClearTable")->isEnabled());
    switch (way % 3) {
      case 0:
        Press("ButClearTable");
        break;
      case 1:
        Key(Qt::Key_Return);
        break;
      default:
        QTest::mouseClick(Control("Table"), Qt::LeftButton);
    }
  }
  // Plays the hand to its end; Finish Play once finishAt cards are played.
  // Returns the number of tricks cleared.
  int PlayToTheEnd(int finishAt = 53) {
    int clears = 0;
    for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 200; ++step) {
      const int before = Play().CardsPlayed;
      if (Game().Table.TrickWaiting) {
        ClearTheTrick(clears++);
      } else if (before >= finishAt) {
        Press("TPPFast");
      } else {
        PlayUsersCard(step);
        EXPECT_GT(Play().CardsPlayed, before) << "step " << step;
      }
      WaitForTheTable();
      if (Game().Table.TablePhase == Phase::Play) {
        EXPECT_TRUE(PlayStateIsOk(Game().Hands, Play()));
      }
    }
    return clears;
  }
  // The score grid and the row of tricks as the end of the hand shows them:
  // the result and North-South's score, and one picture per trick, upright
  // for North-South's and sideways for East-West's.
  void ExpectTheScoreAndTheTricks() {
    const auto* pad = Control<QTableWidget>("ScorePad");
    ASSERT_TRUE(pad->isVisible());
    const QString declarer =
        Control<QLabel>(
            QString("BP%1").arg(SeatNames[Play().Declarer].data()).toLatin1().constData())
            ->text();
    EXPECT_TRUE(pad->item(1, 0)->text().startsWith("   " + declarer + " "))
        << pad->item(1, 0)->text().toStdString();
    EXPECT_TRUE(
        pad->item(1, 0)->text().endsWith(QString("  %1 tricks").arg(Play().DeclarerTricks)));
    EXPECT_EQ(pad->item(2, 0)->text(), "   Your score on this hand");
    EXPECT_EQ(pad->item(2, 1)->text().toInt(), Game().Table.HandScore);
    const AuctionState& auction = Auction();
    EXPECT_EQ(
        Game().Table.HandScore,
        DuplicateScore(auction.ContractBid, auction.Doubling, auction.Declarer,
                       IsVulnerable(Game().Record.Vulnerability, SideOfSeat(auction.Declarer)),
                       Play().DeclarerTricks));
    for (int k = 1; k <= 13; ++k) {
      const auto* picture = Control<QLabel>(QString("Image%1").arg(k).toLatin1().constData());
      ASSERT_TRUE(picture->isVisible()) << k;
      const bool northSouth = Play().PlayRecord[4 * k].Seat % 2 == 0;
      EXPECT_EQ(picture->size(), northSouth ? QSize(71, 95) : QSize(95, 71)) << k;
      EXPECT_EQ(picture->y(), northSouth ? 1 : 15) << k;
    }
  }
  // The tricks won by North-South, from the winners the record names.
  int NorthSouthWinners() const {
    int won = 0;
    for (int k = 1; k <= 13; ++k) won += Play().PlayRecord[4 * k].Seat % 2 == 0 ? 1 : 0;
    return won;
  }
};

TEST_F(LessonPlayTest, EveryLessonIsPlayedToTheEndAsAUserPlaysIt) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  for (int lesson = 1; lesson <= LessonHands; ++lesson) {
    SCOPED_TRACE(lesson);
    BidAndPlay(lesson);
    // Lesson 1 is finished by the computer during its last trick, lesson 2
    // from its tenth; the others are played card by card.
    const int finishAt = lesson == 1 ? 49 : lesson == 2 ? 36 : 53;
    const int clears = PlayToTheEnd(finishAt);

    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
    EXPECT_EQ(Play().CardsPlayed, 52);
    EXPECT_EQ(clears, lesson == 1 ? 12 : 13);
    const int northSouth = NorthSouthWinners();
    EXPECT_EQ(Control<QLabel>("PlayPanelNSTrks")->text().toInt(), northSouth);
    EXPECT_EQ(Control<QLabel>("PlayPanelEWTrks")->text().toInt(), 13 - northSouth);
    EXPECT_EQ(Play().DeclarerTricks, Play().Declarer % 2 == 0 ? northSouth : 13 - northSouth);
    EXPECT_TRUE(Control("EndofScoring")->isVisible());
    ExpectTheScoreAndTheTricks();
    EXPECT_FALSE(Control("ThePlayPad")->isVisible());
    EXPECT_EQ(CardsOnTable(), 0);
    EXPECT_TRUE(table_->MenuItem("ReplayHand1")->isEnabled());
    EXPECT_TRUE(table_->MenuItem("SaveHandMenu")->isEnabled());
    for (int n : {1, 14, 27, 40}) {
      EXPECT_TRUE(Control<TMyCard>(QString("MyCard%1").arg(n).toLatin1().constData())->ShowFront());
    }
  }
  EXPECT_EQ(notifier_.informationBeeps, 0);
  table_->grab().save(QDir::temp().filePath("tavlo_play_end_of_hand.png"));
}

// A finished hand is played again from its opening lead, then bid again;
// each time the score and the trick row of the hand before are gone.
TEST_F(LessonPlayTest, AFinishedHandIsReplayedAndRebid) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  BidAndPlay(4);
  PlayToTheEnd(0);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  ExpectTheScoreAndTheTricks();
  table_->grab().save(QDir::temp().filePath("tavlo_end_of_hand_score.png"));
  // The finished hand prints: the table's print-out goes into a PDF file.
  auto* form = table_->findChild<TPrintForm*>("PrintForm");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(WriteHandPdf(QDir::temp().filePath("tavlo_lesson_hand.pdf"), *form, Game(), 0), "");
  EXPECT_TRUE(table_->MenuItem("PrintHand1")->isEnabled());
  EXPECT_TRUE(table_->MenuItem("ExportPdf1")->isEnabled());

  QTest::mouseClick(Control<QPushButton>("ButReplayHand"), Qt::LeftButton);
  WaitForTheTable();
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_LE(Play().CardsPlayed, 3);
  EXPECT_FALSE(Control("ScorePad")->isVisible());
  EXPECT_FALSE(Control("Image1")->isVisible());
  EXPECT_FALSE(Control("EndofScoring")->isVisible());
  PlayToTheEnd(0);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  ExpectTheScoreAndTheTricks();

  table_->MenuItem("RebidHand1")->trigger();
  EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  EXPECT_FALSE(Control("ScorePad")->isVisible());
  EXPECT_FALSE(Control("Image13")->isVisible());
  BidToTheEnd(0, false);
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
}

// The review of a played lesson: the analysis runs while the window stays
// up, then the play is marked card by card and the tricks are stepped
// through with the arrow keys and the buttons, in English and in German.
TEST_F(LessonPlayTest, AFinishedHandIsReviewedTrickByTrick) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  BidAndPlay(5);
  PlayToTheEnd(0);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  QTest::mouseClick(Control<QPushButton>("ButReviewHand"), Qt::LeftButton);
  auto* review = table_->findChild<ReviewForm*>("ReviewForm");
  ASSERT_NE(review, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
  ASSERT_TRUE(review->Review().has_value());
  EXPECT_EQ(review->Review()->TricksMade, Play().DeclarerTricks);
  EXPECT_TRUE(review->findChild<QLabel*>("Summary")->text().startsWith(
      QString("Declarer took %1 tricks.").arg(Play().DeclarerTricks)));
  EXPECT_TRUE(review->findChild<QLabel*>("ParLabel")->text().startsWith("Par: "));
  const auto* table = review->findChild<QTableWidget*>("DDTable");
  const Bid contract = Auction().ContractBid;
  const int row = BidStrain(contract) == NoTrump ? 0 : 4 - BidStrain(contract);
  const int column = std::array{0, 2, 1, 3}[Auction().Declarer];
  EXPECT_GE(table->item(row, column)->text().toInt(), review->Review()->AfterLead);
  const auto* play = review->findChild<QTableWidget*>("PlayGrid");
  for (int at = 0; at < 52; ++at) {
    const PlayRecordEntry& card = Play().PlayRecord[at];
    ASSERT_NE(play->item(at / 4, card.Seat), nullptr) << at;
    // The card that led the trick carries the lead mark before it.
    const QString text = play->item(at / 4, card.Seat)->text();
    EXPECT_EQ(text.startsWith("▸"), at % 4 == 0) << at;
    // The rank as the cards show it, a ten as "10"; what the card cost may follow.
    EXPECT_TRUE(text.mid(at % 4 == 0 ? 2 : 1)
                    .startsWith(QString::fromStdString(RankText(CardRank(card.Card)))))
        << text.toStdString();
  }

  EXPECT_EQ(review->Trick(), 1);
  for (int trick = 2; trick <= 13; ++trick) {
    QTest::keyClick(review, trick % 2 ? Qt::Key_Right : Qt::Key_Down);
    EXPECT_EQ(review->Trick(), trick);
  }
  EXPECT_FALSE(review->findChild<QPushButton*>("NextTrick")->isEnabled());
  QTest::keyClick(review, Qt::Key_Right);
  EXPECT_EQ(review->Trick(), 13);
  QTest::mouseClick(review->findChild<QPushButton*>("PrevTrick"), Qt::LeftButton);
  EXPECT_EQ(review->Trick(), 12);
  // The seat to lead the shown trick is named so, and has its best cards
  // marked; the legend says what the marks mean.
  const SeatCode leader = Play().PlayRecord[44].Seat;
  const QString leaderText =
      review->findChild<QLabel*>(QString("ReviewHand%1").arg(SeatNames[leader].data()))->text();
  EXPECT_TRUE(leaderText.contains("background"));
  EXPECT_TRUE(leaderText.contains(QString("%1 leads").arg(SeatNames[leader].data())));
  EXPECT_TRUE(review->findChild<QLabel*>("Legend")->text().contains("best cards of the player"));
  review->grab().save(QDir::temp().filePath("tavlo_review_english.png"));

  ChooseLanguage(*table_, 4);
  table_->MenuItem("ReviewHand1")->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
  EXPECT_EQ(review->windowTitle(), "Spiel durchgehen");
  EXPECT_TRUE(review->findChild<QLabel*>("Summary")->text().startsWith(
      QString("Der Alleinspieler hat %1 Stiche gemacht.").arg(Play().DeclarerTricks)));
  review->grab().save(QDir::temp().filePath("tavlo_review_german.png"));
}

TEST_F(LessonPlayTest, WestsOpeningLeadHandsNorthToTheDeclaringUser) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  BidAndPlay(3);  // South plays 4S; West leads
  ASSERT_EQ(Play().Declarer, South);
  EXPECT_EQ(Play().CardsPlayed, 1);
  EXPECT_EQ(Play().ToPlay, North);
  EXPECT_TRUE(Control("TableWest")->isVisible());
  EXPECT_TRUE(Control<TMyCard>("MyCard1")->ShowFront());
  EXPECT_FALSE(Control<TMyCard>("MyCard14")->ShowFront());
  // North's card is the user's to play: a click on it plays it.
  QTest::mouseClick(CardControl(LowestLegal()), Qt::LeftButton);
  WaitForTheTable();
  EXPECT_GE(Play().CardsPlayed, 3);
  table_->grab().save(QDir::temp().filePath("tavlo_play_mid_trick.png"));

  // A card of another seat, or one that fails to follow suit, is refused.
  const int before = Play().CardsPlayed;
  QTest::mouseClick(Control<TMyCard>("MyCard20"), Qt::LeftButton);
  EXPECT_EQ(notifier_.informationBeeps, 1);
  EXPECT_EQ(Play().CardsPlayed, before);
}

// The same hand as the table plays it under Finish Play from the start, on
// the table's standing clock, with nothing worked out ahead.
std::vector<PlayRecordEntry> PlayedAlone(tavlo::Game game, const Clock& clock) {
  StartPlay(game, clock);
  for (bool finishing = false; game.Table.TablePhase == Phase::Play;) {
    if (game.Table.TrickWaiting) ClearPlay(game);
    if (game.Table.TablePhase != Phase::Play) break;
    StartThinking(game, clock);
    const int tricks = game.Play.TricksDone;
    while (ComputerPlaysOn(game, tricks)) MakePlay(game, EngineCard(game, clock, nullptr), clock);
    if (!finishing && !game.Table.TrickWaiting) {
      FinishPlay(game, clock);
      finishing = true;
    }
  }
  return {game.Play.PlayRecord.begin(), game.Play.PlayRecord.begin() + 52};
}

// While the learner reads the auction's end, or looks at a finished trick,
// the computer's next cards are worked out: Start Play and each Enter show
// them at once, and the hand is played as it is without that work.
TEST_F(LessonPlayTest, TheComputersNextCardsAreReadyWhenTheLearnerGoesOn) {
  StartNamed();
  GameSession& session = table_->Session();
  const auto workedOut = [&] {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !session.Jobs().Aside(); }, 60000));
  };
  int atOnce = 0;
  for (int lesson = 1; lesson <= LessonHands; ++lesson) {
    SCOPED_TRACE(lesson);
    DealLesson(lesson);
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    const std::vector<PlayRecordEntry> alone = PlayedAlone(Game(), clock_);
    workedOut();
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    EXPECT_FALSE(session.Busy());
    EXPECT_FALSE(ComputerToPlay(Game().Hands, Play()));
    if (!Game().Table.TrickWaiting) Press("TPPFast");
    while (Game().Table.TablePhase == Phase::Play) {
      WaitForTheTable();
      ASSERT_TRUE(Game().Table.TrickWaiting);
      workedOut();
      const int before = Play().CardsPlayed;
      Key(Qt::Key_Return);
      if (Game().Table.TablePhase != Phase::Play) break;
      // The next trick, all the computer's under Finish Play, is on the
      // table before the key's handler returns.
      EXPECT_FALSE(session.Busy());
      EXPECT_EQ(Play().CardsPlayed, before + 4);
      atOnce += Play().CardsPlayed == before + 4;
    }
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
    EXPECT_EQ(
        std::vector<PlayRecordEntry>(Play().PlayRecord.begin(), Play().PlayRecord.begin() + 52),
        alone);
  }
  EXPECT_EQ(atOnce, 12 * LessonHands);
}

// Started before the opening lead is worked out, the play waits for that
// work rather than searching afresh.
TEST_F(LessonPlayTest, StartPlayAtOnceWaitsForTheWorkUnderWay) {
  StartNamed();
  GameSession& session = table_->Session();
  clock_.searchGate.Shut();
  DealLesson(3);  // South plays 4S; West leads
  BidToTheEnd(0, false);
  // Held at the gate, the work on the lead is under way at the click.
  EXPECT_TRUE(QTest::qWaitFor([&] { return clock_.searchGate.Reached(); }));
  EXPECT_TRUE(session.Jobs().Aside());
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  EXPECT_TRUE(session.Busy());
  EXPECT_FALSE(session.Jobs().Aside());
  clock_.searchGate.Open();
  WaitForTheTable();
  EXPECT_EQ(Play().CardsPlayed, 1);
  EXPECT_EQ(Play().PlayRecord[0].Seat, West);
  EXPECT_EQ(Play().ToPlay, North);
}

TEST_F(LessonPlayTest, ACompletedTrickWaitsAndTakeBackBringsTheLastCardBack) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  BidAndPlay(3);
  while (!Game().Table.TrickWaiting) {
    PlayUsersCard(3);
    WaitForTheTable();
  }
  EXPECT_EQ(CardsOnTable(), 4);
  EXPECT_TRUE(PadButton("ButClearTable")->isEnabled());
  table_->grab().save(QDir::temp().filePath("tavlo_play_trick_waiting.png"));
  Key(Qt::Key_Return);
  WaitForTheTable();
  ASSERT_FALSE(Game().Table.TrickWaiting);
  const int played = Play().CardsPlayed;
  ASSERT_GT(played, 4);
  const PlayRecordEntry last = Play().PlayRecord[played - 1];

  Key(Qt::Key_Backspace);
  EXPECT_EQ(Play().CardsPlayed, played - 1);
  EXPECT_EQ(Play().ToPlay, last.Seat);
  EXPECT_EQ(CardsOnTable(), (played - 1) % 4 == 0 ? 4 : (played - 1) % 4);
  EXPECT_TRUE(Game().Hands[last.Seat].Suits[CardSuit(last.Card)].Cards & last.Card & RankBits);
  EXPECT_FALSE(table_->InputHeld());  // nothing makes a computer seat play at once
}

TEST_F(LessonPlayTest, FTwelveShowsTheSearchAndTheTablePlaysOn) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  BidAndPlay(3);
  int shown = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* display = qobject_cast<TDebugger*>(QApplication::activeModalWidget());
    if (!display) return;
    if (shown++ == 0) {
      display->grab().save(QDir::temp().filePath("tavlo_test_play_display.png"));
      EXPECT_EQ(display->windowTitle(), "Test play");
      EXPECT_TRUE(display->Label(1)->text().startsWith("Projected Losers: "));
      EXPECT_TRUE(display->Label(2)->text().startsWith("Testwidth = "));
      EXPECT_TRUE(display->Label(3)->text().startsWith("Totplay = "));
      // The rule of the candidate the line tried, by its name.
      const QString rule = display->Label(4)->text();
      EXPECT_TRUE(rule.startsWith("Rule: ")) << rule.toStdString();
      EXPECT_TRUE(CardRuleNamed(rule.mid(6).toStdString()).has_value()) << rule.toStdString();
      EXPECT_EQ(display->Grid()->item(0, 13)->text(), "13");
      EXPECT_EQ(display->Grid()->item(4, 0)->text(), "South");  // declarer's row
      EXPECT_EQ(display->Grid()->item(1, 1)->text().left(2),
                QString::fromStdString(CardText(Play().PlayRecord[0].Card)));
    }
    QTest::mouseClick(display->findChild<QPushButton*>("Stop"), Qt::LeftButton);
  });
  closer.start(10);
  // The developer looks at the user's positions until one has a choice.
  for (int tries = 0; shown == 0 && tries < 12; ++tries) {
    Key(Qt::Key_F12);
    WaitForTheTable();
    EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
    EXPECT_FALSE(Game().Search.DeveloperSearch);
    if (shown == 0) {
      Key(Qt::Key_Return);
      WaitForTheTable();
      if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
      WaitForTheTable();
    }
  }
  EXPECT_GT(shown, 0);
  // The engine's choice is the selection: Enter plays it, no warning.
  const int before = Play().CardsPlayed;
  Key(Qt::Key_Return);
  WaitForTheTable();
  EXPECT_GT(Play().CardsPlayed, before);
  EXPECT_EQ(notifier_.informationBeeps, 0);
  EXPECT_EQ(notifier_.warningBeeps, 0);
}

// Closing the window while work is under way ends the program within a
// second: no job of the table waits on the window, and each stops when
// asked. The clock stands still, so no time budget cuts a search short.
class ClosingTheWindowTest : public LessonPlayTest {
 protected:
  // The window closes as the user closes it, then the program ends.
  void CloseAndEnd() {
    QElapsedTimer ending;
    ending.start();
    table_->close();
    table_.reset();
    EXPECT_LT(ending.elapsed(), 1000);
  }
};

TEST_F(ClosingTheWindowTest, WhileTheEngineThinks) {
  // After West's lead on this deal, the hint at the longest thinking time
  // takes some ten seconds.
  AppendToHandFile(QByteArray("\n[11]\nDealer=S\nVulnerability=NONE\nDeal=") +
                   WriteDealText(RandomDeal(18)).c_str() +
                   "\nDeclarer=S\nBids=4S,P,P,P\nLights=R,0,0,0\nComment=A long search\n");
  StartNamed();
  table_->GameState().Options.SkillLevel = 10;
  ASSERT_TRUE(table_->Session().PlaySavedHand(11));
  BidToTheEnd(0, false);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  ASSERT_EQ(Play().CardsPlayed, 1);
  clock_.searchGate.Shut();
  Key(Qt::Key_F7);
  EXPECT_FALSE(Control("BusyPanel")->isVisible());
  // Held at the gate, the search is still under way when, past half a
  // second, the table says it is working.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Control("BusyPanel")->isVisible(); }));
  EXPECT_TRUE(clock_.searchGate.Reached());
  EXPECT_TRUE(table_->InputHeld());
  clock_.searchGate.Open();
  CloseAndEnd();
}

TEST_F(ClosingTheWindowTest, WhileTheTestDisplayIsUp) {
  StartNamed();
  BidAndPlay(3);
  QElapsedTimer ending;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (ending.isValid() || !qobject_cast<TDebugger*>(QApplication::activeModalWidget())) return;
    ending.start();
    table_->close();
  });
  closer.start(10);
  for (int tries = 0; !ending.isValid() && tries < 12; ++tries) {
    Key(Qt::Key_F12);
    WaitForTheTable();
    if (ending.isValid()) break;
    Key(Qt::Key_Return);
    WaitForTheTable();
    if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
    WaitForTheTable();
  }
  ASSERT_TRUE(ending.isValid());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  table_.reset();
  EXPECT_LT(ending.elapsed(), 1000);
}

TEST_F(ClosingTheWindowTest, WhileTheReviewAnalyses) {
  StartNamed();
  BidAndPlay(5);
  PlayToTheEnd(0);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  QTest::mouseClick(Control<QPushButton>("ButReviewHand"), Qt::LeftButton);
  auto* review = table_->findChild<ReviewForm*>("ReviewForm");
  ASSERT_NE(review, nullptr);
  ASSERT_TRUE(review->Analysing());
  CloseAndEnd();
}

class PlayLettersTest : public LessonPlayTest, public ::testing::WithParamInterface<int> {};

// Lesson 3, South declaring 4S: every card of South and dummy typed as its
// rank and the suit letter of the language. Where the language spells a
// suit otherwise, its English letter after a rank plays nothing.
TEST_P(PlayLettersTest, TheHandIsPlayedWithTheLettersOfTheLanguage) {
  const int language = GetParam();
  StartNamed(language);
  DealLesson(3);
  BidToTheEnd(language, false);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  const std::string_view suitLetters = BidKeyLetters[language].substr(0, 4);
  int typed = 0;
  for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 100; ++step) {
    if (Game().Table.TrickWaiting) {
      Key(Qt::Key_Return);
    } else {
      const Card card = LowestLegal();
      const char english = StrainLetters[CardSuit(card)][0];
      const int played = Play().CardsPlayed;
      if (suitLetters.find(english) == std::string_view::npos) {
        Key(RankLetters[CardRank(card)]);
        Key(english);
        EXPECT_EQ(Play().CardsPlayed, played) << english;
      }
      Key(RankLetters[CardRank(card)]);
      Key(suitLetters[CardSuit(card)]);
      EXPECT_EQ(Play().CardsPlayed, played + 1) << CardText(card);
      ++typed;
    }
    WaitForTheTable();
  }
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  EXPECT_EQ(typed, 26);
  EXPECT_EQ(notifier_.warningBeeps, 0);
}

INSTANTIATE_TEST_SUITE_P(Languages, PlayLettersTest,
                         ::testing::Values(English, Danish, Norwegian, French, German, Swedish),
                         [](const auto& info) { return std::to_string(info.param); });

}  // namespace
}  // namespace tavlo
