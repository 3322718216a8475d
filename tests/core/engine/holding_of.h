#pragma once
// Holdings written as in a bridge column, "AQ72", with "-" for a void.

#include <string_view>

#include "model/codes.h"

namespace tavlo::testing_support {

inline Holding HoldingOf(std::string_view ranks) {
  Holding holding = 0;
  for (const char rank : ranks)
    if (rank != '-') holding |= RankBitOfLetter(rank);
  return holding;
}

}  // namespace tavlo::testing_support
