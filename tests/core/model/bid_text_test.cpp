#include "model/bid_text.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

struct TextCase {
  const char* text;
  int code;
};
class BidCodeOfText : public testing::TestWithParam<TextCase> {};
TEST_P(BidCodeOfText, ReadsEveryFormAScriptHolds) {
  EXPECT_EQ(BidCode(GetParam().text), GetParam().code) << GetParam().text;
}
INSTANTIATE_TEST_SUITE_P(
    Forms, BidCodeOfText,
    testing::Values(TextCase{"1C(12)", 3}, TextCase{"2C(!)", 8}, TextCase{"", Pass},
                    TextCase{"Pass", Pass}, TextCase{"P", Pass}, TextCase{"(!)", Pass},
                    TextCase{"Dbl", Double}, TextCase{"X", Double}, TextCase{"X(!)", Double},
                    TextCase{"XX", Redouble}, TextCase{"7N", 37}, TextCase{"7S", 36},
                    TextCase{"1c", 7}, TextCase{"-", NoBid}, TextCase{"Q", NoBid},
                    TextCase{"4H", 20}, TextCase{"3D", 14}, TextCase{"NT", 7},
                    TextCase{"3\u2660", 16}, TextCase{"2\u2666", 9}, TextCase{"5~H", 27},
                    TextCase{"0N", NoBid}, TextCase{"0S", NoBid}, TextCase{"9N", NoBid},
                    TextCase{"8C", NoBid}));

struct FormsCase {
  int code, doubled;
  const char *shortText, *symbolText, *longText;
};
class BidTexts : public testing::TestWithParam<FormsCase> {};
TEST_P(BidTexts, ShortSymbolAndLongForms) {
  const FormsCase& c = GetParam();
  EXPECT_EQ(BidShortText(c.code), c.shortText);
  EXPECT_EQ(BidSymbolText(c.code), c.symbolText);
  EXPECT_EQ(BidLongText(c.code, c.doubled), c.longText);
}
INSTANTIATE_TEST_SUITE_P(Codes, BidTexts,
                         testing::Values(FormsCase{7, 0, "1N", "1~N", "1~N"},
                                         FormsCase{37, 2, "7N", "7~N", "7~N XX"},
                                         FormsCase{21, 1, "4S", "4~S", "4~S X"},
                                         FormsCase{3, 0, "1C", "1~C", "1~C"},
                                         FormsCase{Redouble, 0, "XX", "RDbl", "ReDbl"},
                                         FormsCase{Double, 0, "X", "Dbl", "Double"},
                                         FormsCase{Pass, 2, "P", "Pass", "Pass"},
                                         FormsCase{NoBid, 0, "??", "\u2014\u2014\u2014 ", "No Bid"},
                                         FormsCase{39, 0, "??", "????", "????"},
                                         FormsCase{255, 1, "??", "????", "???? X"}));

// The short form is what the auction record stores and the hand file gets
// back: it must read back as the same bid for every code a script can hold.
TEST(BidTexts, ShortTextReadsBackAsTheSameBid) {
  for (int code = Redouble; code <= 37; ++code) EXPECT_EQ(BidCode(BidShortText(code)), code);
}

}  // namespace
}  // namespace tavlo
