#include "table/contract_picture.h"

#include <gtest/gtest.h>

#include <QDir>

#include "auction/auction.h"
#include "auction_widgets_app.h"

namespace tavlo {
namespace {

struct PictureCase {
  const char* name;
  SeatCode dealer;
  std::vector<std::string> bids;
  const char* text;
};
class ContractTexts : public testing::TestWithParam<PictureCase> {};
TEST_P(ContractTexts, ContractDoublingAndDeclarer) {
  AuctionState state;
  state.Dealer = GetParam().dealer;
  state.ScriptedAuction = GetParam().bids;
  ResetBids(state);
  while (AcceptBid(state, 0) == AuctionTurn::Computer) BidForComputer(state);
  const std::string_view seat = SeatNames[state.Declarer];
  EXPECT_EQ(ContractPictureText(state, "&Pass", "by", QString::fromUtf8(seat.data(), seat.size())),
            GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Auctions, ContractTexts,
    testing::Values(PictureCase{"Plain", North, {"1S", "P", "4S"}, "4~S by North"},
                    PictureCase{"Doubled", East, {"1H", "P", "2H", "X"}, "2~H X by East"},
                    PictureCase{"Redoubled", West, {"7N", "X", "XX"}, "7~N XX by West"},
                    PictureCase{"PassedOut", South, {}, "Pass by South"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContractPicture, DrawsOnTheSchemeColour) {
  AuctionState state;
  state.ScriptedAuction = {"3N", "X", "P", "P", "P"};
  ResetBids(state);
  while (AcceptBid(state, 0) == AuctionTurn::Computer) BidForComputer(state);
  ContractPicture picture;
  picture.FillBidBuf(state, QColor(0, 128, 64), "&Passe", "par", "Sud", 3);
  EXPECT_EQ(picture.Text(), "3~N X par Sud");
  const QImage image = picture.grab().toImage();
  EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 128, 64));
  ASSERT_TRUE(QDir().mkpath(PictureFolder()));
  EXPECT_TRUE(image.save(PictureFolder() + "/contract_picture.png"));
}

}  // namespace
}  // namespace tavlo
