#pragma once
// Random deals from a seed, the same deal for the same seed on every machine,
// for tests and the engine bench.

#include <cstdint>

#include "model/hand_data.h"

namespace tavlo {

// Thirteen cards to each seat, [seat][suit] holdings.
DealHoldings RandomDeal(std::uint32_t seed);

}  // namespace tavlo
