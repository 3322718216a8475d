#include "handfile/saved_hand_list.h"

#include <charconv>

namespace tavlo {

std::vector<SavedHandRow> SavedHandRows(TBigIniFile& store) {
  std::vector<std::string> boards;
  store.ReadSections(boards);
  std::vector<SavedHandRow> rows;
  rows.reserve(boards.size());
  for (std::string& board : boards) {
    SavedHandRow row;
    row.Contract = store.ReadString(board, "Contract", "-");
    row.Score = store.ReadString(board, "Score", "-");
    row.Comment = store.ReadString(board, "Comment", "");
    row.Board = std::move(board);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::optional<int> PlayableBoard(std::string_view board) {
  int number = 0;
  const auto [end, error] = std::from_chars(board.data(), board.data() + board.size(), number);
  if (board.empty() || error != std::errc{} || end != board.data() + board.size()) return {};
  if (std::to_string(number) != board) return {};
  return number;
}

Status EraseSavedHands(TBigIniFile& store, std::span<const std::string> boards) {
  for (const std::string& board : boards) store.EraseSection(board);
  return store.UpdateFile();
}

}  // namespace tavlo
