// The check that stands before the solver: every position of a legal play
// passes it, and each way a position or a request could be one the solver
// refuses (and dumps into the current folder) is caught with its reason.

#include "analysis/solver_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/play_out.h"
#include "engine/random_deal.h"

namespace tavlo {
namespace {

SolverPosition PositionOf(const PlayOut& play) {
  SolverPosition position{play.Trump(), play.TrickLeader(), {}, play.Left()};
  const auto trick = play.TrickInProgress();
  for (std::size_t at = 0; at < trick.size(); ++at) position.Trick[at] = trick[at].Card;
  return position;
}

TEST(SolverInput, EveryPositionOfALegalPlayPasses) {
  std::mt19937 random(13);
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    Result<PlayOut> play =
        PlayOut::Start(RandomDeal(seed), static_cast<StrainCode>(seed % 5), seed % 4);
    ASSERT_TRUE(play);
    while (!play->Over()) {
      const int tricksLeft = 13 - play->CardsPlayed() / 4;
      EXPECT_TRUE(CheckSolverInput(PositionOf(*play), {}));
      const Status aimed = CheckSolverInput(PositionOf(*play), {tricksLeft, 2, 0});
      EXPECT_TRUE(aimed) << aimed.Error();
      const SuitHoldings legal = play->Legal();
      ASSERT_TRUE(play->Play(legal.NthCard(static_cast<int>(random() % legal.Count()))));
    }
  }
}

// A way to spoil a good position or request, and the reason it is refused.
struct Hostile {
  const char* name;
  std::function<std::string(SolverPosition&, SolverRequest&)> spoil;
};

// ctest lists a test with its parameter: in words, not bytes.
void PrintTo(const Hostile& hostile, std::ostream* out) { *out << hostile.name; }

class HostileInput : public testing::TestWithParam<Hostile> {};

// Five cards into a hand of spades from North's lead: East has led to the
// second trick, South, West and North are still to play to it.
TEST_P(HostileInput, IsRefusedWithItsReason) {
  const DealHoldings deal = RandomDeal(8);
  Result<PlayOut> play = PlayOut::Start(deal, Spades, North);
  ASSERT_TRUE(play);
  while (play->CardsPlayed() < 5) ASSERT_TRUE(play->Play(play->Legal().LowestCard()));
  ASSERT_EQ(play->TrickLeader(), East) << "the deal's first trick went elsewhere";
  SolverPosition position = PositionOf(*play);
  SolverRequest request;
  ASSERT_TRUE(CheckSolverInput(position, request));
  const std::string reason = GetParam().spoil(position, request);
  EXPECT_EQ(CheckSolverInput(position, request).Error(), reason);
}

// The lowest card of the first suit the seat holds.
Card AnyCardOf(const SolverPosition& position, SeatCode seat) {
  for (int suit = Clubs; suit <= Spades; ++suit)
    if (position.Left[seat][suit] != 0) return LowestCard(position.Left[seat][suit]) | suit;
  return 0;
}

void Take(SolverPosition& position, SeatCode seat, Card card) {
  position.Left[seat][CardSuit(card)] &= ~(card & RankBits);
}
void Give(SolverPosition& position, SeatCode seat, Card card) {
  position.Left[seat][CardSuit(card)] |= card & RankBits;
}

std::string Refused(const std::string& why) { return "The position for the solver " + why; }

INSTANTIATE_TEST_SUITE_P(
    SolverRefusals, HostileInput,
    testing::Values(Hostile{"NoStrain",
                            [](SolverPosition& p, SolverRequest&) {
                              p.Trump = 5;
                              return Refused("has no strain 5");
                            }},
                    Hostile{"NoLeader",
                            [](SolverPosition& p, SolverRequest&) {
                              p.TrickLeader = 4;
                              return Refused("has no seat 4 to lead");
                            }},
                    Hostile{"TrickCardNoCard",
                            [](SolverPosition& p, SolverRequest&) {
                              p.Trick[0] = 0x8000 | Hearts;
                              return Refused("has a card in its trick that is no card");
                            }},
                    Hostile{"GapInTheTrick",
                            [](SolverPosition& p, SolverRequest&) {
                              p.Trick[2] = AnyCardOf(p, West);
                              Take(p, West, p.Trick[2]);
                              return Refused("has a card in its trick that is no card");
                            }},
                    Hostile{"TrickCardStillHeld",
                            [](SolverPosition& p, SolverRequest&) {
                              Give(p, East, p.Trick[0]);
                              return Refused("holds the " + CardText(p.Trick[0]) + " twice");
                            }},
                    Hostile{"CardInTwoHands",
                            [](SolverPosition& p, SolverRequest&) {
                              const Card card = AnyCardOf(p, South);
                              Give(p, West, card);
                              return Refused("holds the " + CardText(card) + " twice");
                            }},
                    Hostile{"BitsThatAreNoRank",
                            [](SolverPosition& p, SolverRequest&) {
                              p.Left[West][Clubs] |= 1;
                              return Refused("has a holding with bits that are no rank");
                            }},
                    Hostile{"SeatToPlayShort",
                            [](SolverPosition& p, SolverRequest&) {
                              Take(p, West, AnyCardOf(p, West));
                              return Refused("gives the West hand 11 cards, not 12");
                            }},
                    // The leader's hand sets the count: a card moved to it leaves the
                    // first seat after it short.
                    Hostile{"LeaderLong",
                            [](SolverPosition& p, SolverRequest&) {
                              const Card card = AnyCardOf(p, West);
                              Take(p, West, card);
                              Give(p, East, card);
                              return Refused("gives the South hand 12 cards, not 13");
                            }},
                    Hostile{"NothingLeft",
                            [](SolverPosition& p, SolverRequest&) {
                              p = SolverPosition{};
                              return Refused("has no card left to play");
                            }},
                    Hostile{"OneHandHoldsAll",
                            [](SolverPosition& p, SolverRequest&) {
                              p = SolverPosition{};
                              p.Left[North].fill(0x7FFC);
                              return Refused("has more than thirteen tricks to play");
                            }},
                    Hostile{"TargetPastTheTricksLeft",
                            [](SolverPosition&, SolverRequest& r) {
                              r.Target = 13;
                              return std::string("The solver cannot aim for 13 of 12 tricks");
                            }},
                    Hostile{"TargetBelowTheMost",
                            [](SolverPosition&, SolverRequest& r) {
                              r.Target = -2;
                              return std::string("The solver cannot aim for -2 of 12 tricks");
                            }},
                    Hostile{"NoSolutions",
                            [](SolverPosition&, SolverRequest& r) {
                              r.Solutions = 0;
                              return std::string("The solver cannot give 0 solutions");
                            }},
                    Hostile{"TooManySolutions",
                            [](SolverPosition&, SolverRequest& r) {
                              r.Solutions = 4;
                              return std::string("The solver cannot give 4 solutions");
                            }},
                    Hostile{"NoMode",
                            [](SolverPosition&, SolverRequest& r) {
                              r.Mode = 3;
                              return std::string("The solver has no mode 3");
                            }}),
    [](const testing::TestParamInfo<Hostile>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavlo
