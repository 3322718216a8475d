#include "table/bidding_record.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "auction/auction.h"
#include "auction_widgets_app.h"
#include "table/stop_light.h"

namespace tavlo {
namespace {

const QString Filler = QString(" ") + QChar(0x2014) + QChar(0x2014);

AuctionState Alerted() {
  AuctionState state;
  state.Dealer = North;
  state.ScriptedAuction = {"1N", "P", "2D(!)", "X", "2H", "P", "4N(!)", "P", "5D", "P", "6H"};
  state.ScriptedLights = {"Y", "0", "G", "0", "R", "0", "G", "0", "G", "0", "R"};
  state.Alerts = {"7", "4"};
  state.AlertTexts = {"4=Blackwood", "7=Jacoby Transfer: 5+ ~H"};
  ResetBids(state);
  for (int n = 0; n < 11; ++n) BidForComputer(state);
  return state;
}

TEST(BidReviewGrid, CellsFollowTheDealer) {
  BidReviewGrid grid;
  EXPECT_EQ(grid.objectName(), "BidReview");
  EXPECT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(grid.columnWidth(0), 59);
  EXPECT_EQ(grid.rowHeight(0), 18);
  const AuctionState state = Alerted();
  grid.ShowAuction(state);
  EXPECT_EQ(grid.CellText(0, 0), Filler);
  EXPECT_EQ(grid.CellText(0, 1), "1~N");
  EXPECT_EQ(grid.CellText(0, 2), "Pass");
  EXPECT_EQ(grid.CellText(0, 3), "2~D(1)");
  EXPECT_EQ(grid.CellText(1, 0), "Dbl");
  EXPECT_EQ(grid.CellText(1, 3), "4~N(2)");
  EXPECT_EQ(grid.CellText(2, 3), "6~H");
  // The explanations follow the auction, each across the whole width.
  EXPECT_EQ(grid.rowCount(), 5);
  EXPECT_EQ(grid.CellText(3, 0), "(1) Jacoby Transfer: 5+ ~H");
  EXPECT_EQ(grid.columnSpan(3, 0), 4);
  EXPECT_EQ(grid.CellText(4, 0), "(2) Blackwood");
}

TEST(BidReviewGrid, CallCaptionsFollowTheLanguageAndTakeBackClears) {
  BidReviewGrid grid;
  grid.SetCallCaptions("Surcontre", "Contre", "Passe");
  AuctionState state = Alerted();
  grid.ShowAuction(state);
  EXPECT_EQ(grid.CellText(0, 2), "Passe");
  EXPECT_EQ(grid.CellText(1, 0), "Contre");
  EXPECT_EQ(grid.BidCaption(Redouble), "Surcontre");
  EXPECT_EQ(grid.BidCaption(NoBid), QString(3, QChar(0x2014)) + " ");
  while (TakeBackBid(state) && state.BidCount > 3) {
  }
  grid.ShowAuction(state);
  EXPECT_EQ(grid.rowCount(), 3);  // one row of bids, one explanation, one blank
  EXPECT_EQ(grid.CellText(0, 3), "2~D(1)");
  EXPECT_EQ(grid.CellText(1, 0), "(1) Jacoby Transfer: 5+ ~H");
  EXPECT_EQ(grid.CellText(2, 0), "");
}

TEST(BidReviewPanel, HeadersAndTheSeatToBid) {
  BidReviewPanel panel;
  EXPECT_EQ(panel.objectName(), "BidReviewPanel");
  EXPECT_EQ(panel.SeatHeader(West)->objectName(), "BPWest");
  EXPECT_EQ(panel.SeatHeader(South)->objectName(), "BPSouth");
  EXPECT_LT(panel.SeatHeader(West)->x(), panel.SeatHeader(North)->x());
  EXPECT_LT(panel.SeatHeader(East)->x(), panel.SeatHeader(South)->x());
  EXPECT_EQ(panel.CloseButton()->objectName(), "CloseBidReview");
  EXPECT_TRUE(panel.CloseButton()->isHidden());
  panel.HighlightSeat(South);
  EXPECT_EQ(panel.SeatHeader(South)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_EQ(panel.SeatHeader(North)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
  panel.HighlightSeat(BidReviewPanel::NoSeat);
  EXPECT_EQ(panel.SeatHeader(South)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

struct LightCase {
  char letter;
  const char* lit;  // object name of the lit lamp, "" for none
};
class StopLights : public testing::TestWithParam<LightCase> {};
TEST_P(StopLights, OneLampSolid) {
  StopLight light;
  light.ShowStopLight('R');
  light.ShowStopLight(GetParam().letter);
  for (const char* lamp : {"RedLight", "YellowLight", "GreenLight"}) {
    const auto* found = light.findChild<StopLightLamp*>(lamp);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->IsLit(), QString(lamp) == GetParam().lit) << lamp;
  }
}
INSTANTIATE_TEST_SUITE_P(Letters, StopLights,
                         testing::Values(LightCase{'R', "RedLight"}, LightCase{'Y', "YellowLight"},
                                         LightCase{'G', "GreenLight"}, LightCase{'0', ""},
                                         LightCase{'-', ""}));

TEST(StopLight, HintsOfTheLamps) {
  StopLight light;
  EXPECT_EQ(light.objectName(), "StopLight");
  EXPECT_EQ(light.findChild<StopLightLamp*>("RedLight")->toolTip(),
            "A stop bid which should be passed");
  EXPECT_EQ(light.findChild<StopLightLamp*>("YellowLight")->toolTip(),
            "Bid on or pass depending on the actual hand");
  EXPECT_EQ(light.findChild<StopLightLamp*>("GreenLight")->toolTip(),
            "A forcing bid which must not be passed");
}

TEST(BidReviewPanel, PictureWithAlertsAndLight) {
  QWidget table;
  table.setAutoFillBackground(true);
  QPalette colours = table.palette();
  colours.setColor(QPalette::Window, QColor(0, 128, 64));
  table.setPalette(colours);
  auto* layout = new QHBoxLayout(&table);
  auto* panel = new BidReviewPanel;
  auto* light = new StopLight;
  layout->addWidget(panel);
  layout->addWidget(light, 0, Qt::AlignTop);
  const AuctionState state = Alerted();
  panel->Grid()->ShowAuction(state);
  panel->HighlightSeat(state.ToPlay);
  light->ShowStopLight(state.StopLightColour);
  table.show();
  EXPECT_EQ(light->Colour(), 'R');
  ASSERT_TRUE(QDir().mkpath(PictureFolder()));
  EXPECT_TRUE(table.grab().save(PictureFolder() + "/bidding_record_with_alerts.png"));
}

}  // namespace
}  // namespace tavlo
