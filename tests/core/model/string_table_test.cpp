#include "model/string_table.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using Lines = std::vector<std::string>;

struct WalkCase {
  std::string bytes;
  Lines lines;
};
class StringTableWalk : public testing::TestWithParam<WalkCase> {};
TEST_P(StringTableWalk, LinesEndAtCarriageReturns) {
  Lines lines;
  AppendStringTableLines(GetParam().bytes, lines);
  EXPECT_EQ(lines, GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(Bytes, StringTableWalk,
                         testing::Values(WalkCase{"1=a\r\n2=b\r\n", {"1=a", "2=b"}},
                                         // Without a carriage return the last line is lost.
                                         WalkCase{"1=a\r\n2=b", {"1=a"}},
                                         WalkCase{"1=a\n2=b\n", {}},
                                         // A carriage return alone keeps the line, and the next
                                         // line's text runs on from it.
                                         WalkCase{"1=a\r2=b\r\n", {"1=a", "1=a2=b"}},
                                         WalkCase{"1=a\r\r\n", {"1=a", "1=a"}},
                                         // An empty line at the end, as the lead tables have.
                                         WalkCase{"NAKT=1\r\n\r\n", {"NAKT=1", ""}},
                                         WalkCase{"", {}},
                                         WalkCase{"x=\xE2\x80\x94\r\n", {"x=\xE2\x80\x94"}}));

TEST(StringTableWalk, AppendsToWhatTheListHolds) {
  Lines lines{"kept"};
  AppendStringTableLines("1=a\r\n", lines);
  EXPECT_EQ(lines, (Lines{"kept", "1=a"}));
}

TEST(ValueOfKey, FirstMatchingKeyInEitherCase) {
  const Lines lines{"1=Namyats", "12=Invitational", "CLv=3", "no equals sign",
                    "HRD1=",     "CLv=4",           "x=a=b"};
  EXPECT_EQ(ValueOfKey(lines, "1"), "Namyats");
  EXPECT_EQ(ValueOfKey(lines, "12"), "Invitational");
  EXPECT_EQ(ValueOfKey(lines, "clv"), "3");
  EXPECT_EQ(ValueOfKey(lines, "HRD1"), "");
  EXPECT_EQ(ValueOfKey(lines, "2"), "");
  EXPECT_EQ(ValueOfKey(lines, "no equals sign"), "");
  EXPECT_EQ(ValueOfKey(lines, "x"), "a=b");
  EXPECT_EQ(ValueOfKey(lines, ""), "");
}

}  // namespace
}  // namespace tavlo
