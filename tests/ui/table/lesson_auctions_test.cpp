// The lesson auctions bid at the table as a user bids them: keys typed on the
// window, clicks on the bid box, Help and Make Bid, taking a bid back, and the
// end of the auction with its contract, declarer and end-of-bidding panel.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "auction/bid_keys.h"
#include "cards/card_art.h"
#include "lesson_table.h"
#include "model/bid_text.h"
#include "options/options_file.h"
#include "table/auction_panel.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/contract_picture.h"
#include "table/stop_light.h"

namespace tavlo {
namespace {

constexpr double Day = 86400.0;

using LessonAuctionTest = LessonTableTest;

TEST_F(LessonAuctionTest, EveryLessonAuctionIsBidFromTheKeyboard) {
  StartNamed();
  for (int lesson = 1; lesson <= LessonHands; ++lesson) {
    SCOPED_TRACE(lesson);
    Key(Qt::Key_F3);
    ASSERT_EQ(Game().Table.LessonNumber, lesson);
    const std::vector<std::string> script = Auction().ScriptedAuction;
    const int beeps = notifier_.informationBeeps;
    BidToTheEnd();

    EXPECT_EQ(notifier_.informationBeeps, beeps + 1);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    std::vector<std::string> made;
    for (const std::string& item : script) made.push_back(BidShortText(BidCode(item)));
    EXPECT_EQ(Auction().AuctionRecord, made);
    const auto [contract, doubling] = ScriptedContract(script);
    EXPECT_EQ(Auction().ContractBid, contract);
    EXPECT_EQ(Auction().Doubling, doubling);
    EXPECT_EQ(Auction().Declarer, Game().Record.Declarer);

    EXPECT_TRUE(Control("EndofBidding")->isVisible());
    EXPECT_TRUE(Control("EOBStart")->isEnabled());
    EXPECT_FALSE(Pad()->isVisible());
    EXPECT_TRUE(table_->MenuItem("ReviewBidding")->isEnabled());
    const auto* picture = Control<ContractPicture>("ContractImg");
    EXPECT_TRUE(picture->isVisible());
    EXPECT_EQ(picture->Text(), ContractPictureText(Auction(), "&Pass", "by",
                                                   table_->TranslatedSeatName(Auction().Declarer)));
  }
}

struct LanguageCase {
  int language;
  const char* name;
};

class BidLettersTest : public LessonAuctionTest,
                       public ::testing::WithParamInterface<LanguageCase> {};

// Lesson 3: South opens 1S and bids 4S, so in French and German the letter
// of spades doubles as pass.
TEST_P(BidLettersTest, TheLessonIsBidWithTheLettersOfTheLanguage) {
  StartNamed(GetParam().language);
  DealLesson(3);
  // Spades alone waits for its level, or means pass where the two share a
  // letter; a strain typed before its level is forgotten once the digit comes.
  const std::string_view letters = BidKeyLetters[GetParam().language];
  const int refused = letters[3] == letters[5] ? 1 : 0;
  Key(letters[3]);
  Key('1');
  EXPECT_EQ(Auction().AuctionRecord.size(), 1u);
  EXPECT_EQ(notifier_.informationBeeps, refused);
  BidToTheEnd(GetParam().language, false);
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Spades));
  EXPECT_EQ(Auction().Declarer, South);
  EXPECT_EQ(notifier_.informationBeeps, refused);
}

INSTANTIATE_TEST_SUITE_P(Languages, BidLettersTest,
                         ::testing::Values(LanguageCase{0, "English"}, LanguageCase{1, "Danish"},
                                           LanguageCase{2, "Norwegian"}, LanguageCase{3, "French"},
                                           LanguageCase{4, "German"}, LanguageCase{5, "Swedish"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonAuctionTest, ClicksOnTheBidBoxBidAndTheRecordShowsTheAlert) {
  // The real card pictures, so the pictures show what a player sees.
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  DealLesson(1);
  // North opened 1NT, East passed: South's turn, his header yellow.
  EXPECT_EQ(Auction().AuctionRecord, (std::vector<std::string>{"1N", "P"}));
  EXPECT_EQ(Auction().ToPlay, South);
  EXPECT_FALSE(Pad()->Panel("N1")->isVisible());
  EXPECT_TRUE(Pad()->Panel("C2")->isVisible());
  EXPECT_EQ(Control<QLabel>("BPSouth")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_EQ(Control<StopLight>("StopLight")->Colour(), 'Y');

  Click("D2");
  EXPECT_EQ(notifier_.informationBeeps, 1);
  EXPECT_EQ(Auction().BidCount, 2);
  Click("C2");
  // The alerted Stayman and the computers' answers: West P, North 2H, East P.
  EXPECT_EQ(Auction().AuctionRecord, (std::vector<std::string>{"1N", "P", "2C", "P", "2H", "P"}));
  EXPECT_FALSE(Pad()->Panel("H2")->isVisible());
  EXPECT_TRUE(Pad()->Panel("S2")->isVisible());
  EXPECT_EQ(Grid()->CellText(0, 3), Grid()->BidCaption(ContractBidCode(2, Clubs)) + "(1)");
  EXPECT_TRUE(Grid()->CellText(2, 0).startsWith("(1) ")) << Grid()->CellText(2, 0).toStdString();
  EXPECT_GT(Grid()->CellText(2, 0).size(), 5);
  table_->grab().save(QDir::temp().filePath("tavlo_bidding_mid_auction.png"));

  Click("H4");
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Hearts));
  EXPECT_EQ(Auction().Declarer, North);
  EXPECT_EQ(Control<StopLight>("StopLight")->Colour(), 'R');
  for (int seat = North; seat <= West; ++seat) {
    EXPECT_EQ(table_->findChild<BidReviewPanel*>()->SeatHeader(seat)->palette().color(
                  QPalette::WindowText),
              QColor(0, 0, 0));
  }
  // The extra points count once the auction is over.
  EXPECT_EQ(Control<QLabel>("SHCP")->text(), "11 HCP + 0");
  EXPECT_TRUE(Control("EOBStart")->hasFocus());
  table_->grab().save(QDir::temp().filePath("tavlo_bidding_end_of_bidding.png"));
  // The contract speaks the language chosen after the auction too.
  ChooseLanguage(*table_, 4);
  EXPECT_EQ(Control<ContractPicture>("ContractImg")->Text(), "4~H von Nord");
}

TEST_F(LessonAuctionTest, HelpHighlightsTheScriptedBidAndMakeBidMakesItAfterAPause) {
  StartNamed();
  DealLesson(1);
  Click("ButHintBid");
  EXPECT_EQ(Pad()->Panel("C2")->BackColour(), QColor(255, 255, 0));
  EXPECT_EQ(Pad()->Panel("C2")->InkColour(), QColor(0, 0, 128));
  EXPECT_EQ(Auction().BidCount, 2);

  // Make Bid waits its 0.8 seconds even for the developer, the window
  // holding the user's keys meanwhile.
  clock_.step = 0.1;
  const double before = clock_.time;
  Key('M');
  EXPECT_TRUE(table_->InputHeld());
  Key('P');
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->InputHeld(); }));
  EXPECT_GE((clock_.time - before) * Day, 0.8);
  EXPECT_EQ(Auction().AuctionRecord.at(2), "2C");
  EXPECT_EQ(Auction().ToPlay, South);

  // Help by key, then the mouse on Make Bid: 4H, and the auction is over.
  Key('E');
  EXPECT_EQ(Pad()->Panel("H4")->BackColour(), QColor(255, 255, 0));
  Click("ButMakeBid");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->InputHeld(); }));
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Hearts));
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_EQ(notifier_.informationBeeps, 0);
}

TEST_F(LessonAuctionTest, BackspaceTakesTheLastBidBackWhoeverMadeIt) {
  StartNamed();
  DealLesson(1);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(notifier_.informationBeeps, 1);
  EXPECT_EQ(Auction().AuctionRecord, std::vector<std::string>{"1N"});
  EXPECT_EQ(Auction().ToPlay, East);
  EXPECT_EQ(Control<QLabel>("BPEast")->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_TRUE(Grid()->CellText(0, 2).isEmpty());
  // East's seat is to bid again, and the script's pass is what it takes.
  Key('2');
  Key('C');
  EXPECT_EQ(notifier_.informationBeeps, 2);
  Key('P');
  EXPECT_EQ(Auction().AuctionRecord, (std::vector<std::string>{"1N", "P"}));
  EXPECT_EQ(Auction().ToPlay, South);
}

TEST_F(LessonAuctionTest, BackspaceBeforeAnyBidOnlyBeeps) {
  StartNamed();
  DealLesson(9);  // South deals: nobody has bid yet
  ASSERT_EQ(Auction().BidCount, 0);
  Key(Qt::Key_Backspace);
  Key(Qt::Key_Comma);
  EXPECT_EQ(notifier_.informationBeeps, 2);
  EXPECT_EQ(Auction().BidCount, 0);
  EXPECT_TRUE(Pad()->isVisible());
}

TEST_F(LessonAuctionTest, FourPassesPassTheHandOutAndPlayCannotStart) {
  WriteHandFile(
      "[1]\nDealer=E\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=E\nBids=P,P,P,P\nLights=0,0,0,0\nPoints=N:16,11,0,0\n");
  StartNamed();
  DealLesson(1);
  Key('P');
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_EQ(Auction().ContractBid, Pass);
  EXPECT_TRUE(Control("EndofBidding")->isVisible());
  EXPECT_FALSE(Control("EOBStart")->isEnabled());
  EXPECT_TRUE(Control("EOBNewHand")->hasFocus());
  EXPECT_EQ(Control<ContractPicture>("ContractImg")->Text(), "Pass by East");
}

TEST_F(LessonAuctionTest, RebidStartsTheSameAuctionAgain) {
  StartNamed();
  DealLesson(2);
  BidToTheEnd();
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  const DealHoldings deal = Game().Table.Deal;
  QTest::mouseClick(Control<QPushButton>("EOBRebid"), Qt::LeftButton);
  EXPECT_EQ(Game().Table.LessonNumber, 2);
  EXPECT_EQ(Game().Table.Deal, deal);
  EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(Auction().BidCount, 0);  // South deals lesson 2
  EXPECT_EQ(Auction().ContractBid, Pass);
  EXPECT_FALSE(Control("EndofBidding")->isVisible());
  EXPECT_FALSE(Control("ContractImg")->isVisible());
  EXPECT_TRUE(Pad()->isVisible());
  EXPECT_EQ(Control<QLabel>("SHCP")->text(), "17 HCP");
  BidToTheEnd(0, false);
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Hearts));
}

TEST_F(LessonAuctionTest, ReviewBiddingShowsTheRecordWithItsCloseButton) {
  StartNamed();
  DealLesson(1);
  BidToTheEnd();
  QWidget* panel = Control("BidReviewPanel");
  table_->Auction().CloseBidReviewClick();
  ASSERT_FALSE(panel->isVisible());
  Key(Qt::Key_F10);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_TRUE(Control("CloseBidReview")->isVisible());
  EXPECT_TRUE(table_->MenuItem("ReviewBidding")->isEnabled());
  QTest::mouseClick(Control<QPushButton>("CloseBidReview"), Qt::LeftButton);
  EXPECT_FALSE(panel->isVisible());
}

class AuctionPauseTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    CopyLessonHands();
  }
  // Starts the table without the developer's marker, the clock moving on a
  // quarter of a second at every look.
  std::unique_ptr<TDeskTop> StartTimed() {
    clock_.step = 0.25;
    OptionsRecord options;
    ApplyDefaults(options);
    options.PlayerName = "Karen";
    EXPECT_TRUE(SaveOptions(options, Path(OptionsFileName).toStdString()));
    return Start();
  }
};

TEST_F(AuctionPauseTest, EachComputerBidTakesASecondAndAHalf) {
  // Lesson 1 starts with North's and East's bids.
  const std::unique_ptr<TDeskTop> table = StartTimed();
  ASSERT_TRUE(table);
  ASSERT_TRUE(QTest::qWaitFor([&] { return table->Started(); }));
  const double before = clock_.time;
  table->MenuItem("NewHand1")->trigger();
  EXPECT_EQ(table->GameState().Auction.BidCount, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table->InputHeld(); }));
  const double seconds = (clock_.time - before) * Day;
  EXPECT_GE(seconds, 3.0);
  EXPECT_LT(seconds, 5.0);
  EXPECT_EQ(table->GameState().Auction.BidCount, 2);
}

TEST_F(AuctionPauseTest, TheUsersKeysAndClicksAreHeldWhileAComputerSeatIsToBid) {
  const std::unique_ptr<TDeskTop> table = StartTimed();
  ASSERT_TRUE(table);
  // The splash screen's time: no key reaches the table, not even a short-cut.
  ASSERT_TRUE(table->InputHeld());
  QTest::keyClick(table.get(), Qt::Key_F3);
  EXPECT_EQ(table->GameState().Table.LessonNumber, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return table->Started(); }));

  // Lesson 1: North and East bid first, each after its pause.
  RecordingNotifier notifier;
  QTest::keyClick(table.get(), Qt::Key_F3);
  ASSERT_EQ(table->GameState().Table.LessonNumber, 1);
  ASSERT_TRUE(table->InputHeld());
  QTest::keyClick(table.get(), Qt::Key_P);
  QTest::keyClick(table.get(), Qt::Key_F3);
  auto* pad = table->findChild<BidBox*>("BidPad");
  QTest::mouseClick(pad->Panel("PassBut"), Qt::LeftButton);
  EXPECT_EQ(table->GameState().Table.LessonNumber, 1);
  EXPECT_EQ(notifier.informationBeeps, 0);

  ASSERT_TRUE(QTest::qWaitFor([&] { return !table->InputHeld(); }));
  EXPECT_EQ(table->GameState().Auction.AuctionRecord, (std::vector<std::string>{"1N", "P"}));
  // South's turn: his keys count again.
  QTest::keyClick(table.get(), Qt::Key_P);
  EXPECT_EQ(notifier.informationBeeps, 1);
}

TEST_F(LessonAuctionTest, StartPlayLaysTheContractOnTheTable) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  DealLesson(1);
  BidToTheEnd();
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);

  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_EQ(Game().Play.Declarer, North);
  EXPECT_EQ(Game().Play.ToPlay, East);
  EXPECT_TRUE(Control("ThePlayPad")->isVisible());
  EXPECT_FALSE(Control("EndofBidding")->isVisible());
  EXPECT_FALSE(Control("StopLight")->isVisible());
  EXPECT_FALSE(Control("BidReviewPanel")->isVisible());
  EXPECT_TRUE(Control("PlayPanel")->isVisible());
  EXPECT_EQ(Control<QLabel>("PlayPanelNSTrks")->text(), "0");
  EXPECT_EQ(Control<QLabel>("PlayPanelEWTrks")->text(), "0");
  EXPECT_TRUE(table_->MenuItem("ReplayHand1")->isEnabled());
  EXPECT_TRUE(table_->MenuItem("ReviewBidding")->isEnabled());
  table_->grab().save(QDir::temp().filePath("tavlo_play_started.png"));

  // The auction can still be looked at once East has led, and the hand
  // started again.
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->InputHeld(); }));
  Key(Qt::Key_F10);
  EXPECT_TRUE(Control("BidReviewPanel")->isVisible());
  table_->MenuItem("ReplayHand1")->trigger();
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_EQ(Game().Play.CardsPlayed, 0);
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Hearts));
  EXPECT_FALSE(Control("HCPPanel")->isVisible());
}

TEST_F(LessonAuctionTest, EveryCaptionOfTheBidBoxFitsInEveryLanguage) {
  StartNamed();
  DealLesson(1);
  for (int language = 0; language < 6; ++language) {
    ChooseLanguage(*table_, language);
    for (const BidPanel* panel : Pad()->findChildren<BidPanel*>()) {
      const QString caption = QString(panel->text()).remove('&');
      EXPECT_LE(QFontMetrics(panel->font()).horizontalAdvance(caption),
                panel->contentsRect().width() - 2)
          << language << " " << caption.toStdString();
    }
  }
  ChooseLanguage(*table_, 4);
  Pad()->grab().save(QDir::temp().filePath("tavlo_bid_box_german.png"));
}

TEST_F(LessonAuctionTest, TheStopLightHintsFollowTheLanguage) {
  StartNamed();
  QWidget* red = Control("RedLight");
  EXPECT_EQ(red->toolTip(), "A stop bid which should be passed");
  ChooseLanguage(*table_, 4);
  EXPECT_EQ(red->toolTip(), "Ein Schlussgebot, auf das man passen sollte");
  EXPECT_EQ(Control("GreenLight")->toolTip(),
            "Ein forcierendes Gebot, auf das nicht gepasst werden darf");
  ChooseLanguage(*table_, 0);
  EXPECT_EQ(Control("YellowLight")->toolTip(), "Bid on or pass depending on the actual hand");
}

TEST_F(LessonAuctionTest, NothingOfEastsHandShowsThroughTheBidBox) {
  StartNamed();
  DealLesson(1);
  table_->MenuItem("ShowHands")->trigger();
  // The box stands over East's hand from its top edge, and where 1NT hid the
  // low bids its own face shows, not the felt of East's hand.
  EXPECT_EQ(Control("HandEast")->y(), Pad()->y());
  EXPECT_GT(Control("HandEast")->geometry().right(), Pad()->x());
  const QImage desk = Control("Desk")->grab().toImage();
  const QColor felt = Control("HandEast")->palette().color(QPalette::Window);
  for (const char* hidden : {"C1", "N1"}) {
    ASSERT_FALSE(Pad()->Panel(hidden)->isVisible());
    const QPoint centre = Pad()->Panel(hidden)->geometry().center() + Pad()->pos();
    EXPECT_NE(desk.pixelColor(centre), felt) << hidden;
  }
}

}  // namespace
}  // namespace tavlo
