#pragma once
// The sections of an INI store: each section's name with its lines, in file
// order or sorted by name. Names compare without regard to case.

#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Case-insensitive comparison of section names and keys (ASCII letters fold;
// other bytes compare as they are).
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

class TSectionList {
 public:
  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Name(int index) const { return entries_[index].Name; }
  std::vector<std::string>& Lines(int index) { return entries_[index].Lines; }
  const std::vector<std::string>& Lines(int index) const { return entries_[index].Lines; }
  bool Sorted() const { return sorted_; }

  // Index of the section named name, or -1. The search starts at LastFound
  // and wraps, so a run of look-ups of one section costs one comparison each.
  int IndexOf(std::string_view name);
  // Adds an empty section: at the end, or in its sorted place when sorted.
  int Add(std::string name);
  void Delete(int index);
  void Clear();
  // Switching to sorted order sorts the sections once; later adds keep it.
  void SetSorted(bool sorted);

  int LastFound = 0;

 private:
  struct Entry {
    std::string Name;
    std::vector<std::string> Lines;
  };
  std::vector<Entry> entries_;
  bool sorted_ = false;
};

}  // namespace tavlo
