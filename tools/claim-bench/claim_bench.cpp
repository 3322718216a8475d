// Times the claim check over random positions: each a random deal with
// South declaring in a random strain, played some way into the hand with
// random legal cards, and South claiming the tricks its side takes there
// double dummy, the claim that needs the most layouts solved. Prints the
// worst, median and mean time of the check and of writing the claimed play.
//
//   claim-bench [positions, 200] [first seed, 1]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "analysis/claim.h"
#include "analysis/double_dummy.h"
#include "engine/random_deal.h"

namespace tavlo {
namespace {

double Milliseconds(std::chrono::steady_clock::duration elapsed) {
  return std::chrono::duration<double, std::milli>(elapsed).count();
}

void Summarise(const char* what, std::vector<double> times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  double total = 0;
  for (const double time : times) total += time;
  std::printf("%-14s n=%3zu  worst %8.1f ms  median %7.1f ms  mean %7.1f ms\n", what, times.size(),
              times.back(), times[times.size() / 2], total / static_cast<double>(times.size()));
}

int Run(int positions, std::uint32_t firstSeed) {
  std::vector<double> checks;
  std::vector<double> plays;
  int accepted = 0;
  int sampled = 0;
  double worst = 0;
  int worstCards = 0;
  for (int at = 0; at < positions; ++at) {
    const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(at);
    std::mt19937 draws(seed);
    const auto trump = static_cast<StrainCode>(draws() % 5);
    Result<PlayOut> play = PlayOut::Start(RandomDeal(seed), trump, West);
    if (!play) return std::fprintf(stderr, "%s\n", play.Error().c_str()), 1;
    const int cards = 1 + static_cast<int>(draws() % 47);
    for (int card = 0; card < cards; ++card) {
      const SuitHoldings legal = play->Legal();
      (void)play->Play(legal.NthCard(static_cast<int>(draws() % legal.Count())));
    }
    const Result<int> best = TricksOfSideToPlay(*play);
    if (!best) return std::fprintf(stderr, "%s\n", best.Error().c_str()), 1;
    const int claim = SideOfSeat(play->ToPlay()) == NorthSouth ? *best : TricksLeft(*play) - *best;

    const auto start = std::chrono::steady_clock::now();
    const Result<ClaimVerdict> verdict = CheckClaim(*play, {South, South}, claim);
    const double checked = Milliseconds(std::chrono::steady_clock::now() - start);
    if (!verdict) return std::fprintf(stderr, "%s\n", verdict.Error().c_str()), 1;
    checks.push_back(checked);
    if (checked > worst) {
      worst = checked;
      worstCards = cards;
    }
    sampled += verdict->EveryLayout ? 0 : 1;
    if (!verdict->Accepted || claim == 0) continue;
    ++accepted;
    const auto writing = std::chrono::steady_clock::now();
    if (!ClaimedPlay(*play, NorthSouth, claim)) return 1;
    plays.push_back(Milliseconds(std::chrono::steady_clock::now() - writing));
  }
  std::printf("%d positions, %d judged on a sample, %d claims accepted\n", positions, sampled,
              accepted);
  Summarise("claim check", checks);
  Summarise("claimed play", plays);
  std::printf("worst check after %d cards played\n", worstCards);
  return 0;
}

}  // namespace
}  // namespace tavlo

int main(int argc, char** argv) {
  const int positions = argc > 1 ? std::atoi(argv[1]) : 200;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atol(argv[2]) : 1);
  return tavlo::Run(positions, seed);
}
