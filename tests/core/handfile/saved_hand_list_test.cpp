// The saved-hand list as the picker fills it, which boards can be played
// back, and erasing boards that reaches the file at once.

#include "handfile/saved_hand_list.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace tavlo {
namespace {

constexpr const char* kFile =
    "[1]\nDeal=lesson\n"
    "[2]\nContract=4S X\nScore=-100\nComment=Too fast\n"
    "[10]\nContract=Pass\nScore=0\n"
    "[x]\nComment=typed by hand\n";

class SavedHandListTest : public ::testing::Test {
 protected:
  std::string Name() const { return folder.File("Saved Hands.INI"); }
  TemporaryFolder folder;
};

TEST_F(SavedHandListTest, ListsEverySectionInTheStoresOrderWithTheDefaults) {
  folder.Write("Saved Hands.INI", kFile);
  TINI store(Name());
  const auto rows = SavedHandRows(store);
  ASSERT_EQ(rows.size(), 4u);
  const std::vector<std::vector<std::string>> expected{{"1", "-", "-", ""},
                                                       {"10", "Pass", "0", ""},
                                                       {"2", "4S X", "-100", "Too fast"},
                                                       {"x", "-", "-", "typed by hand"}};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(
        (std::vector<std::string>{rows[i].Board, rows[i].Contract, rows[i].Score, rows[i].Comment}),
        expected[i])
        << i;
  }
  TINI empty(folder.File("none.INI"));
  EXPECT_TRUE(SavedHandRows(empty).empty());
}

TEST(PlayableBoard, OnlyANameTheTableReadsBackByItsNumber) {
  const std::vector<std::pair<std::string, std::optional<int>>> cases{
      {"1", 1},    {"12", 12}, {"-5", -5}, {"x", {}},  {"", {}},
      {"007", {}}, {"+3", {}}, {" 3", {}}, {"3 ", {}}, {"99999999999", {}}};
  for (const auto& [board, number] : cases) EXPECT_EQ(PlayableBoard(board), number) << board;
}

TEST_F(SavedHandListTest, ErasedBoardsAreGoneFromTheFileAtOnce) {
  folder.Write("Saved Hands.INI", kFile);
  TINI store(Name());
  const std::vector<std::string> boards{"2", "x", "missing"};
  EXPECT_EQ(EraseSavedHands(store, boards), "");
  EXPECT_FALSE(store.Modified());
  TINI again(Name());
  std::vector<std::string> left;
  again.ReadSections(left);
  EXPECT_EQ(left, (std::vector<std::string>{"1", "10"}));
}

}  // namespace
}  // namespace tavlo
