// A failure always says why: one made without a reason stops a debug build
// at the fault, and in a release build reads as an unknown error, neither a
// blank message nor, for an operation that gives nothing back, a success.

#include "model/result.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

#ifdef NDEBUG

TEST(Result, AFailureWithoutAReasonSaysItIsAnUnknownError) {
  const Status nothingBack = Reason{};
  EXPECT_FALSE(nothingBack.Ok());
  EXPECT_EQ(nothingBack.Error(), "Unknown error");
  EXPECT_EQ(nothingBack.Why().Text, "Unknown error");

  const Result<int> value = Reason{""};
  EXPECT_FALSE(value.Ok());
  EXPECT_EQ(value.Error(), "Unknown error");

  // Handed on, it stays a failure.
  const Status handedOn = value.Why();
  EXPECT_FALSE(handedOn.Ok());
  EXPECT_EQ(handedOn.Error(), "Unknown error");
}

#else

TEST(ResultDeathTest, AFailureWithoutAReasonStopsADebugBuild) {
  EXPECT_DEATH((void)Status(Reason{}), "a failure needs a reason");
  EXPECT_DEATH((void)Result<int>(Reason{""}), "a failure needs a reason");
}

#endif

}  // namespace
}  // namespace tavlo
