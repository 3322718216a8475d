#pragma once
// The application object of the auction widget tests, and where they leave
// the pictures they draw.

#include <QString>

#include "test_application.h"

namespace tavlo {

inline ::testing::Environment* const auctionWidgetsApplication =
    AddTestApplication("tavlo_auction_widgets_test");

// Where the tests leave the pictures they draw, for a person to look at.
inline QString PictureFolder() { return QStringLiteral(TAVLO_SOURCE_DIR "/build-pictures"); }

}  // namespace tavlo
