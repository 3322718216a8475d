#include "model/expose_dummy.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

// Seat masks hold bit (seat + 1).
constexpr std::uint32_t Mask(SeatCode seat) { return 1u << (seat + 1); }

struct ExposureCase {
  const char* name;
  SeatCode declarer;
  std::uint32_t userSeats, faceUpSeats;
  // Afterwards: seats the user plays, seats face up, and what was redrawn.
  std::uint32_t userPlays, faceUp;
  bool redrawDummy, redrawDeclarer;
};

class ExposeDummyRule : public testing::TestWithParam<ExposureCase> {};

TEST_P(ExposeDummyRule, SetsWhoPlaysAndWhoSees) {
  const ExposureCase& c = GetParam();
  HandSet hands;
  hands.ApplySeatOptions(c.userSeats, c.faceUpSeats);
  const DummyExposure exposure = ExposeDummy(hands, c.declarer);
  std::uint32_t userPlays = 0, faceUp = 0;
  for (SeatCode seat = North; seat <= West; ++seat) {
    if (hands[seat].UserPlays) userPlays |= Mask(seat);
    if (hands[seat].FaceUp) faceUp |= Mask(seat);
  }
  EXPECT_EQ(userPlays, c.userPlays);
  EXPECT_EQ(faceUp, c.faceUp);
  EXPECT_EQ(exposure.RedrawDummy, c.redrawDummy);
  EXPECT_EQ(exposure.RedrawDeclarer, c.redrawDeclarer);
}

constexpr std::uint32_t N = Mask(North), E = Mask(East), S = Mask(South), W = Mask(West);

INSTANTIATE_TEST_SUITE_P(
    SouthUser, ExposeDummyRule,
    testing::Values(
        // South declares: the user plays North as well, North goes face up.
        ExposureCase{"SouthDeclares", South, S, S, S | N, S | N, true, false},
        // South is dummy: the user plays and sees declarer North.
        ExposureCase{"SouthIsDummy", North, S, S, S | N, S | N, false, true},
        // South defends: West, dummy, goes face up; nobody else changes.
        ExposureCase{"SouthDefendsWestDummy", East, S, S, S, S | W, true, false},
        ExposureCase{"SouthDefendsEastDummy", West, S, S, S, S | E, true, false},
        // Dummy already face up, declarer already face up: nothing to redraw.
        ExposureCase{"AllFaceUp", North, S, N | E | S | W, S | N, N | E | S | W, false, false},
        // A face-down user defender must not see declarer's cards, though
        // the user still plays them from dummy's chair.
        ExposureCase{"FaceDownUserDefender", North, S | E, S, S | N | E, S, false, false},
        // A user who declares with a face-down hand sees both hands once the
        // user also plays dummy.
        ExposureCase{"FaceDownUserDeclarer", South, S, 0, S | N, S | N, true, true}),
    [](const testing::TestParamInfo<ExposureCase>& info) { return info.param.name; });

}  // namespace
}  // namespace tavlo
