#include "scoring/duplicate_score.h"

#include <array>

namespace tavlo {

namespace {

// Trick value by strain; no trump earns 10 more once, for its first trick.
constexpr std::array<int, 5> TrickValue{20, 20, 30, 30, 30};
constexpr int NoTrumpFirstTrickExtra = 10;
// Indexed by whether the declaring side is vulnerable.
constexpr std::array<int, 2> DoubledOvertrickValue{100, 200};
constexpr std::array<int, 2> SmallSlamBonus{500, 750};
constexpr std::array<int, 2> GrandSlamBonus{1000, 1500};
constexpr std::array<int, 2> GameBonus{300, 500};
constexpr int PartScoreBonus = 50;
constexpr int GameTrickScore = 100;
// For making a doubled contract; twice this redoubled.
constexpr int DoubledMadeBonus = 50;

// What the defenders gain when declarer falls that many tricks short.
int Penalty(int undertricks, int doubling, bool vulnerable) {
  if (doubling == 0) return undertricks * (vulnerable ? 100 : 50);
  // Doubled, the first undertrick costs the least and the later ones more:
  // not vulnerable 100, 200, 200, then 300 each; vulnerable 200, then 300.
  const int doubled = vulnerable ? 200 * undertricks + 100 * PositiveDifference(undertricks, 1)
                                 : 100 * undertricks + 100 * PositiveDifference(undertricks, 1) +
                                       100 * PositiveDifference(undertricks, 3);
  return doubling * doubled;
}

// What the declaring side gains for a contract made with overtricks to spare.
int ContractMade(int level, int strain, int overtricks, int doubling, bool vulnerable) {
  const int v = vulnerable ? 1 : 0;
  int trickScore = level * TrickValue[strain];
  if (strain == NoTrump) trickScore += NoTrumpFirstTrickExtra;
  // Doubled the trick score counts twice, redoubled four times, and it
  // counts so towards game.
  trickScore <<= doubling;

  int bonus = doubling == 0 ? overtricks * TrickValue[strain]
                            : doubling * (overtricks * DoubledOvertrickValue[v] + DoubledMadeBonus);
  if (level == 6) bonus += SmallSlamBonus[v];
  if (level == 7) bonus += GrandSlamBonus[v];
  bonus += trickScore >= GameTrickScore ? GameBonus[v] : PartScoreBonus;
  return trickScore + bonus;
}

}  // namespace

int DuplicateScore(Bid contract, int doubling, SeatCode declarer, bool vulnerable,
                   int declarerTricks) {
  // A hand passed out has no contract and nobody scores.
  if (!IsContractBid(contract)) return 0;
  const int level = BidLevel(contract);
  const int spare = declarerTricks - 6 - level;
  const int declarersScore =
      spare < 0 ? -Penalty(-spare, doubling, vulnerable)
                : ContractMade(level, BidStrain(contract), spare, doubling, vulnerable);
  return SideOfSeat(declarer) == NorthSouth ? declarersScore : -declarersScore;
}

}  // namespace tavlo
