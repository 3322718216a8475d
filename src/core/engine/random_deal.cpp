#include "engine/random_deal.h"

#include <array>
#include <random>

namespace tavlo {

DealHoldings RandomDeal(std::uint32_t seed) {
  // The engine's output is fixed by the standard; the library's
  // distributions are not, so the shuffle draws its own indices.
  std::mt19937 engine(seed);
  std::array<int, 52> deck{};
  for (int i = 0; i < 52; ++i) deck[i] = i;
  for (int i = 51; i > 0; --i) {
    const auto bound = static_cast<std::uint32_t>(i + 1);
    const std::uint32_t limit = 0xFFFFFFFFu - 0xFFFFFFFFu % bound;
    std::uint32_t draw = engine();
    while (draw >= limit) draw = engine();
    std::swap(deck[i], deck[draw % bound]);
  }
  DealHoldings deal{};
  for (int i = 0; i < 52; ++i) {
    const int card = deck[i];
    deal[i / 13][card / 13] |= Holding{1} << (card % 13 + 2);
  }
  return deal;
}

}  // namespace tavlo
