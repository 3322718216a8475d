#pragma once
// A table for the benchmarks: a seeded deal with the seed also picking
// declarer and the trump strain, so the runs see no trump and suit contracts
// alike, set up at the opening lead.

#include <cstdint>

#include "engine/play_state.h"
#include "engine/random_deal.h"
#include "engine/search_state.h"
#include "model/clock.h"
#include "model/hand_data.h"

namespace tavlo {

struct SeededTable {
  explicit SeededTable(std::uint32_t seed) {
    hands.Deal(RandomDeal(seed));
    play.Declarer = static_cast<SeatCode>(seed % 4);
    play.Trump = static_cast<StrainCode>(seed % 5);
    hands.BindSuitViews(play.Trump);
    ResetPlay(context);
  }

  HandSet hands;
  PlayState play;
  SearchState search;
  SystemClock clock;
  PlayContext context{hands, play, search, clock, nullptr};
};

}  // namespace tavlo
