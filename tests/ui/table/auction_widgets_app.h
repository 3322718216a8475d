#pragma once
// One QApplication for the auction widget tests, made before the first test,
// since the widgets need one and the tests link gtest_main.

#include <gtest/gtest.h>

#include <QApplication>

namespace tavlo {

class AuctionWidgetsApplication : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "tavlo_auction_widgets_test";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
  }
};

inline ::testing::Environment* const auctionWidgetsApplication =
    ::testing::AddGlobalTestEnvironment(new AuctionWidgetsApplication);

// Where the tests leave the pictures they draw, for a person to look at.
inline QString PictureFolder() { return QStringLiteral(TAVLO_SOURCE_DIR "/build-pictures"); }

}  // namespace tavlo
