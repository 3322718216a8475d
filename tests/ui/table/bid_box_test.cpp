#include "table/bid_box.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include "auction/auction.h"
#include "auction/bid_keys.h"
#include "auction_widgets_app.h"

namespace tavlo {
namespace {

AuctionState Scripted(SeatCode dealer, std::vector<std::string> bids, int made) {
  AuctionState state;
  state.Dealer = dealer;
  state.ScriptedAuction = std::move(bids);
  ResetBids(state);
  for (int n = 0; n < made; ++n) BidForComputer(state);
  return state;
}

TEST(BidBox, PanelsCaptionsAndHints) {
  BidBox box;
  EXPECT_EQ(box.objectName(), "BidPad");
  int levelPanels = 0;
  for (const char* strain : {"C", "D", "H", "S", "N"})
    for (int level = 1; level <= 7; ++level)
      if (box.Panel(strain + QString::number(level))) ++levelPanels;
  EXPECT_EQ(levelPanels, 35);
  EXPECT_EQ(box.Panel("PassBut")->text(), "&Pass");
  EXPECT_EQ(box.Panel("XButDbl")->text(), "&X Dbl");
  EXPECT_EQ(box.Panel("XButRedbl")->text(), "&XX ReDbl");
  EXPECT_EQ(box.Panel("ButMakeBid")->text(), "&Make Bid");
  EXPECT_EQ(box.Panel("ButMakeBid")->toolTip(), "Highlight and make the suggested bid");
  EXPECT_EQ(box.Panel("ButHintBid")->text(), "H&elp");
  EXPECT_EQ(box.Panel("ButHintBid")->toolTip(), "The suggested bid gets highlighted");
  EXPECT_EQ(box.Panel("S4")->text(), QString("4") + QChar(0x2660));
  EXPECT_EQ(box.Panel("N1")->text(), "1NT");
  EXPECT_EQ(box.Panel("D3")->BackColour(), QColor(255, 178, 100));
  EXPECT_EQ(box.Panel("H3")->InkColour(), QColor(255, 0, 0));
  EXPECT_EQ(box.Panel("C1")->BackColour(), QColor(100, 255, 178));
  EXPECT_EQ(box.Panel("N2")->InkColour(), QColor(0, 0, 0));
  EXPECT_EQ(box.Panel("Q1"), nullptr);
}

TEST(BidBox, NoTrumpSignFollowsTheLanguage) {
  BidBox box;
  box.SetupBidPad(3);
  EXPECT_EQ(box.Panel("N7")->text(), "7SA");
  box.SetupBidPad(1);
  EXPECT_EQ(box.Panel("N7")->text(), "7UT");
  EXPECT_EQ(box.Panel("C7")->text(), QString("7") + QChar(0x2663));
}

TEST(BidBox, LowerBidsAreHiddenAndDoublingFollowsTheTurn) {
  BidBox box;
  box.show();
  AuctionState state = Scripted(North, {"2H", "X"}, 1);
  box.AdjustBidPad(state);
  EXPECT_FALSE(box.Panel("N1")->isVisible());
  EXPECT_FALSE(box.Panel("H2")->isVisible());
  EXPECT_TRUE(box.Panel("S2")->isVisible());
  EXPECT_TRUE(box.Panel("C3")->isVisible());
  EXPECT_TRUE(box.Panel("XButDbl")->isEnabled());
  EXPECT_EQ(box.Panel("XButDbl")->BackColour(), QColor(255, 0, 0));
  EXPECT_FALSE(box.Panel("XButRedbl")->isEnabled());

  BidForComputer(state);  // East doubles; South may redouble
  box.AdjustBidPad(state);
  EXPECT_FALSE(box.Panel("XButDbl")->isEnabled());
  EXPECT_TRUE(box.Panel("XButRedbl")->isEnabled());
  EXPECT_EQ(box.Panel("XButRedbl")->BackColour(), QColor(0, 0, 255));
  EXPECT_EQ(box.Panel("PassBut")->BackColour(), QColor(0, 128, 0));
}

TEST(BidBox, PressLowersTheBevelAndReleaseClicks) {
  BidBox box;
  box.show();
  QSignalSpy bids(&box, &BidBox::BidClicked);
  BidPanel* panel = box.Panel("S4");
  QTest::mousePress(panel, Qt::LeftButton);
  EXPECT_TRUE(panel->IsDown());
  EXPECT_EQ(bids.count(), 0);
  QTest::mouseRelease(panel, Qt::LeftButton);
  EXPECT_FALSE(panel->IsDown());
  ASSERT_EQ(bids.count(), 1);
  EXPECT_EQ(bids.at(0).at(0).value<Bid>(), ContractBidCode(4, Spades));

  // Released off the panel: the press is abandoned.
  QTest::mousePress(panel, Qt::LeftButton);
  QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(bids.count(), 1);
  EXPECT_FALSE(panel->IsDown());
}

TEST(BidBox, DisabledDoubleAndCommandsEmitNoBid) {
  BidBox box;
  box.show();
  QSignalSpy bids(&box, &BidBox::BidClicked);
  QSignalSpy makes(&box, &BidBox::MakeBidClicked);
  QSignalSpy hints(&box, &BidBox::HintBidClicked);
  QTest::mouseClick(box.Panel("XButDbl"), Qt::LeftButton);
  QTest::mouseClick(box.Panel("ButMakeBid"), Qt::LeftButton);
  QTest::mouseClick(box.Panel("ButHintBid"), Qt::LeftButton);
  QTest::mouseClick(box.Panel("PassBut"), Qt::LeftButton);
  ASSERT_EQ(bids.count(), 1);
  EXPECT_EQ(bids.at(0).at(0).value<Bid>(), Pass);
  EXPECT_EQ(makes.count(), 1);
  EXPECT_EQ(hints.count(), 1);
}

// The table's part is thin: a click goes to the auction, the box is laid out
// again for the next turn.
TEST(BidBox, ClicksBidTheScriptThroughTheAuction) {
  BidBox box;
  box.show();
  AuctionState state = Scripted(West, {"1D", "P", "2C", "X", "3C"}, 2);
  std::vector<bool> made;
  QObject::connect(&box, &BidBox::BidClicked, [&](Bid call) {
    made.push_back(ProcessCall(state, call));
    box.AdjustBidPad(state);
  });
  QTest::mouseClick(box.Panel("D2"), Qt::LeftButton);  // not the scripted bid
  QTest::mouseClick(box.Panel("C2"), Qt::LeftButton);
  EXPECT_EQ(made, (std::vector<bool>{false, true}));
  EXPECT_EQ(state.AuctionRecord, (std::vector<std::string>{"1D", "P", "2C"}));
  EXPECT_FALSE(box.Panel("C2")->isVisible());
  EXPECT_TRUE(box.Panel("XButDbl")->isEnabled());
  QTest::mouseClick(box.Panel("XButDbl"), Qt::LeftButton);
  EXPECT_EQ(state.Doubling, 1);
}

TEST(BidBox, HelpHighlightsUntilTheNextLayout) {
  BidBox box;
  AuctionState state = Scripted(South, {"1S", "P", "4S"}, 2);
  box.AdjustBidPad(state);
  box.HighlightCall(ScriptedCall(state));
  EXPECT_EQ(box.Panel("S4")->BackColour(), QColor(255, 255, 0));
  EXPECT_EQ(box.Panel("S4")->InkColour(), QColor(0, 0, 128));
  box.AdjustBidPad(state);
  EXPECT_EQ(box.Panel("S4")->BackColour(), QColor(100, 178, 255));
}

// Each call has its panel, named as the bid box names its controls; a
// click on the panel gives the call back.
TEST(BidBox, EveryCallHasTheOnePanelThatMakesIt) {
  BidBox box;
  box.show();
  AuctionState state = Scripted(North, {"1H", "X", "XX"}, 2);
  box.AdjustBidPad(state);
  QSignalSpy bids(&box, &BidBox::BidClicked);
  const std::vector<std::pair<Bid, const char*>> calls{{ContractBidCode(2, Clubs), "C2"},
                                                       {ContractBidCode(4, Spades), "S4"},
                                                       {ContractBidCode(7, NoTrump), "N7"},
                                                       {Pass, "PassBut"},
                                                       {Redouble, "XButRedbl"}};
  for (const auto& [call, name] : calls) {
    ASSERT_EQ(box.PanelOf(call), box.Panel(name)) << name;
    QTest::mouseClick(box.PanelOf(call), Qt::LeftButton);
    ASSERT_EQ(bids.takeLast().at(0).value<Bid>(), call) << name;
  }
  EXPECT_EQ(box.PanelOf(Double), box.Panel("XButDbl"));
  EXPECT_EQ(box.PanelOf(NoBid), nullptr);
}

TEST(BidBox, PictureMidAuction) {
  BidBox box;
  AuctionState state = Scripted(North, {"1H", "X", "2S"}, 2);
  box.AdjustBidPad(state);
  box.HighlightCall(ScriptedCall(state));
  box.show();
  ASSERT_TRUE(QDir().mkpath(PictureFolder()));
  const QImage picture = box.grab().toImage();
  EXPECT_TRUE(picture.save(PictureFolder() + "/bid_box_mid_auction.png"));
  // A hidden one-level panel leaves the box's own background showing.
  EXPECT_NE(picture.pixelColor(box.Panel("C1")->geometry().center()), QColor(100, 255, 178));
  EXPECT_EQ(picture.pixelColor(box.Panel("C2")->geometry().topLeft() + QPoint(5, 5)),
            QColor(100, 255, 178));
}

// Keys typed on the table reach the auction's grammar: French "4", "P" bids
// four spades, Backspace takes it back, a function key is no bid key.
TEST(BidKeys, QtKeysReachTheGrammar) {
  AuctionState state = Scripted(South, {"4S"}, 0);
  for (int key : {Qt::Key_4, Qt::Key_P}) {
    if (BidKeyDown(state, 3, BidKeyOfQtKey(key)) == BidKeyAction::CheckBid) ProcessBid(state);
  }
  EXPECT_EQ(state.AuctionRecord, (std::vector<std::string>{"4S"}));
  EXPECT_EQ(BidKeyDown(state, 3, BidKeyOfQtKey(Qt::Key_Backspace)), BidKeyAction::TakeBack);
  EXPECT_EQ(BidKeyOfQtKey(Qt::Key_F5), 0);
  EXPECT_EQ(BidKeyDown(state, 3, BidKeyOfQtKey(Qt::Key_F5)), BidKeyAction::BadKey);
}

}  // namespace
}  // namespace tavlo
