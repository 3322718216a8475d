// The Claim key of a saved hand: its text written and read back, and texts
// that are no claim (a hand edited by hand, a key from a later version)
// read as none, so the hand still reads as one played to its end.

#include "handfile/claim_note.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tavlo {
namespace {

TEST(ClaimNote, ReadsBackWhatItWrites) {
  for (const ClaimNote& note : {ClaimNote{24, South, 6}, ClaimNote{1, North, 0},
                                ClaimNote{51, West, 1}, ClaimNote{4, East, 12}}) {
    const std::string text = ClaimNoteText(note);
    EXPECT_EQ(ParseClaimNote(text), note) << text;
  }
  EXPECT_EQ(ClaimNoteText({24, South, 6}), "24 S 6");
}

TEST(ClaimNote, ATextThatIsNoClaimReadsAsNone) {
  for (const char* text : {"", "24", "24 S", "24 S 6 7", "-1 S 0", "52 S 0", "24 X 6", "24 SS 6",
                           "24 S -1", "24 S 8", "4 S 13", "S 24 6", "24 S six"}) {
    EXPECT_EQ(ParseClaimNote(text), std::nullopt) << text;
  }
}

}  // namespace
}  // namespace tavlo
