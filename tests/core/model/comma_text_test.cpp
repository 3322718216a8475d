#include "model/comma_text.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

using Items = std::vector<std::string>;

struct SplitCase {
  const char* text;
  Items items;
};
class SplitCommaTextCase : public testing::TestWithParam<SplitCase> {};
TEST_P(SplitCommaTextCase, ItemsAsTheHandFileMeansThem) {
  EXPECT_EQ(SplitCommaText(GetParam().text), GetParam().items) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(
    Texts, SplitCommaTextCase,
    testing::Values(SplitCase{"1C,2C(!),P,X,XX", {"1C", "2C(!)", "P", "X", "XX"}},
                    SplitCase{"", {}}, SplitCase{"   ", {}},
                    // Blanks separate just as commas do, and are skipped around commas.
                    SplitCase{"  1C  2D , 3H\t4S", {"1C", "2D", "3H", "4S"}},
                    SplitCase{"AS KS+ 2C-", {"AS", "KS+", "2C-"}},
                    SplitCase{"1C,,P", {"1C", "", "P"}}, SplitCase{",1C", {"", "1C"}},
                    SplitCase{"1C,", {"1C", ""}}, SplitCase{"\"2C (!)\",P", {"2C (!)", "P"}},
                    SplitCase{"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},
                    SplitCase{"\"a,b\"", {"a,b"}}, SplitCase{"\"\"", {""}},
                    // An unclosed quote runs to the end of the text.
                    SplitCase{"\"open item", {"open item"}}, SplitCase{"\"a\"b", {"a", "b"}}));

class CommaTextRoundTrip : public testing::TestWithParam<Items> {};
TEST_P(CommaTextRoundTrip, SplitGivesBackWhatWasJoined) {
  EXPECT_EQ(SplitCommaText(JoinCommaText(GetParam())), GetParam());
}
INSTANTIATE_TEST_SUITE_P(Lists, CommaTextRoundTrip,
                         testing::Values(Items{"1C", "2C(!)", "P", "X", "XX"},
                                         Items{"a b", "c,d", "e\"f", "g"},
                                         Items{" lead", "trail ", "\ttab"}, Items{"1C", "", "P"},
                                         Items{"P", ""}, Items{""}, Items{"\"\"", "\",\""},
                                         Items{"\u2660 spade"}));

TEST(JoinCommaText, QuotesOnlyWhatNeedsIt) {
  const Items items{"1C", "2C (!)", "say \"hi\"", "a,b", ""};
  EXPECT_EQ(JoinCommaText(items), "1C,\"2C (!)\",\"say \"\"hi\"\"\",\"a,b\",");
  EXPECT_EQ(JoinCommaText(Items{}), "");
  EXPECT_EQ(JoinCommaText(Items{""}), "\"\"");
}

}  // namespace
}  // namespace tavlo
