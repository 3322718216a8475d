#pragma once
// The hands of the hand file as the saved-hand picker lists them, and what
// the picker does with the user's choice: play one board, or erase several.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/big_ini_file.h"

namespace tavlo {

// One row of the list: the section's name and what a saved game added to
// it. A lesson hand has no contract or score ("-") and may have no comment.
struct SavedHandRow {
  std::string Board;
  std::string Contract;
  std::string Score;
  std::string Comment;
};

// Every section of the store, in the store's own order.
std::vector<SavedHandRow> SavedHandRows(TBigIniFile& store);

// The hand number a board names, when the table can read that board back by
// its number. A name the user typed into the file by hand ("x", "007", "+3")
// would read as another section or none, so it gives nothing.
std::optional<int> PlayableBoard(std::string_view board);

// Erases the boards' sections and writes the file at once, so hands the user
// was told are gone never come back after a crash. Gives how the write went;
// nothing erased, nothing written.
Status EraseSavedHands(TBigIniFile& store, std::span<const std::string> boards);

}  // namespace tavlo
