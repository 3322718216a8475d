#include "scoring/duplicate_score.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct ScoreCase {
  Bid contract;
  int doubling;
  SeatCode declarer;
  bool vulnerable;
  int tricks;
  int score;  // North-South's
};

class DuplicateScoreCases : public testing::TestWithParam<ScoreCase> {};
TEST_P(DuplicateScoreCases, NorthSouthScore) {
  const ScoreCase& c = GetParam();
  EXPECT_EQ(DuplicateScore(c.contract, c.doubling, c.declarer, c.vulnerable, c.tricks), c.score);
}
INSTANTIATE_TEST_SUITE_P(Scoring, DuplicateScoreCases,
                         testing::Values(
                             // Three no trump just made: 100 and the game bonus.
                             ScoreCase{ContractBidCode(3, NoTrump), 0, South, false, 9, 400},
                             ScoreCase{ContractBidCode(3, NoTrump), 0, South, true, 9, 600},
                             // Doubled into game: 240 + 200 + 50 + 500.
                             ScoreCase{ContractBidCode(4, Spades), 1, North, true, 11, 990},
                             // Redoubled 80 is still a part score: 80 + 100 + 50.
                             ScoreCase{ContractBidCode(1, Clubs), 2, South, false, 7, 230},
                             ScoreCase{ContractBidCode(6, Hearts), 0, North, true, 12, 1430},
                             ScoreCase{ContractBidCode(7, NoTrump), 0, South, false, 13, 1520},
                             ScoreCase{ContractBidCode(4, Hearts), 1, South, false, 7, -500},
                             ScoreCase{ContractBidCode(4, Hearts), 2, North, true, 8, -1000},
                             // East-West's gains are North-South's losses, and the other way round.
                             ScoreCase{ContractBidCode(2, Diamonds), 0, East, false, 9, -110},
                             ScoreCase{ContractBidCode(3, NoTrump), 0, West, true, 8, 100},
                             ScoreCase{Pass, 0, South, false, 0, 0},
                             ScoreCase{Pass, 0, East, true, 7, 0}));

// The Laws of duplicate bridge, counted trick by trick, for the declaring side.
int LawsScore(int level, int strain, int doubling, bool vulnerable, int tricks) {
  const int needed = 6 + level;
  if (tricks < needed) {
    int penalty = 0;
    for (int undertrick = 1; undertrick <= needed - tricks; ++undertrick) {
      if (doubling == 0) {
        penalty += vulnerable ? 100 : 50;
        continue;
      }
      int doubled = 300;
      if (undertrick == 1) doubled = vulnerable ? 200 : 100;
      if (!vulnerable && (undertrick == 2 || undertrick == 3)) doubled = 200;
      penalty += doubling == 2 ? 2 * doubled : doubled;
    }
    return -penalty;
  }
  const bool minor = strain == Clubs || strain == Diamonds;
  const int multiplier = doubling == 2 ? 4 : doubling == 1 ? 2 : 1;
  int contractPoints = 0;
  for (int oddTrick = 1; oddTrick <= level; ++oddTrick) {
    const int points = minor ? 20 : strain == NoTrump && oddTrick == 1 ? 40 : 30;
    contractPoints += multiplier * points;
  }
  int score = contractPoints;
  for (int overtrick = needed + 1; overtrick <= tricks; ++overtrick) {
    if (doubling == 0) score += minor ? 20 : 30;
    if (doubling == 1) score += vulnerable ? 200 : 100;
    if (doubling == 2) score += vulnerable ? 400 : 200;
  }
  if (doubling == 1) score += 50;
  if (doubling == 2) score += 100;
  if (contractPoints >= 100) {
    score += vulnerable ? 500 : 300;
  } else {
    score += 50;
  }
  if (level == 6) score += vulnerable ? 750 : 500;
  if (level == 7) score += vulnerable ? 1500 : 1000;
  return score;
}

TEST(DuplicateScoreLaws, EveryContractDoublingVulnerabilityTricksAndDeclarer) {
  int checked = 0;
  for (int level = 1; level <= 7; ++level) {
    for (int strain = Clubs; strain <= NoTrump; ++strain) {
      for (int doubling = 0; doubling <= 2; ++doubling) {
        for (bool vulnerable : {false, true}) {
          for (int tricks = 0; tricks <= 13; ++tricks) {
            const int declarers = LawsScore(level, strain, doubling, vulnerable, tricks);
            for (SeatCode declarer = North; declarer <= West; ++declarer) {
              const int northSouth = SideOfSeat(declarer) == NorthSouth ? declarers : -declarers;
              EXPECT_EQ(DuplicateScore(ContractBidCode(level, strain), doubling, declarer,
                                       vulnerable, tricks),
                        northSouth)
                  << level << StrainLetters[strain] << " doubling " << doubling << " vulnerable "
                  << vulnerable << " tricks " << tricks << " declarer " << SeatLetters[declarer];
              ++checked;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(checked, 35 * 3 * 2 * 14 * 4);
}

}  // namespace
}  // namespace tavlo
