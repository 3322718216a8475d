// Which boards of the hand file the table can play back by their number.
// The picker's tests fill the list from a file and erase boards from it.

#include "handfile/saved_hand_list.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(PlayableBoard, OnlyANameTheTableReadsBackByItsNumber) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases{
      {"1", 1},    {"12", 12}, {"-5", -5}, {"x", {}},  {"", {}},
      {"007", {}}, {"+3", {}}, {" 3", {}}, {"3 ", {}}, {"99999999999", {}}};
  for (const auto& [board, number] : cases) EXPECT_EQ(PlayableBoard(board), number) << board;
}

}  // namespace
}  // namespace tavlo
