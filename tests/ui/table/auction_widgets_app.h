#pragma once
// One QApplication for the auction widget tests, made before the first test
// and ended after the last, since the widgets need one and the tests link
// gtest_main. Ending it at tear-down, not at program exit, keeps it from
// outliving the fonts it uses.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace tavlo {

class AuctionWidgetsApplication : public ::testing::Environment {
 public:
  void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[32] = "tavlo_auction_widgets_test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

inline ::testing::Environment* const auctionWidgetsApplication =
    ::testing::AddGlobalTestEnvironment(new AuctionWidgetsApplication);

// Where the tests leave the pictures they draw, for a person to look at.
inline QString PictureFolder() { return QStringLiteral(TAVLO_SOURCE_DIR "/build-pictures"); }

}  // namespace tavlo
