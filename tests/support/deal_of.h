#pragma once
// The deal of a deal text a test knows to be whole: a text that is not fails
// the test with its reason and gives an empty deal.

#include <gtest/gtest.h>

#include <string_view>

#include "model/deal_text.h"

namespace tavlo::testing_support {

inline DealHoldings DealOf(std::string_view text) {
  const Result<DealHoldings> deal = ParseDeal(text);
  EXPECT_TRUE(deal) << text << ": " << deal.Error();
  return deal ? *deal : DealHoldings{};
}

}  // namespace tavlo::testing_support
