#include "handfile/section_list.h"

#include <algorithm>

namespace tavlo {

namespace {

constexpr unsigned char FoldCase(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  const auto n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = FoldCase(a[i]), y = FoldCase(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int TSectionList::IndexOf(std::string_view name) {
  const int count = Count();
  if (LastFound < 0 || LastFound >= count) LastFound = 0;
  for (int step = 0; step < count; ++step) {
    const int index = (LastFound + step) % count;
    if (SameText(entries_[index].Name, name)) return LastFound = index;
  }
  return -1;
}

int TSectionList::Add(std::string name) {
  auto at = entries_.end();
  if (sorted_) {
    at = std::upper_bound(entries_.begin(), entries_.end(), name,
                          [](const auto& n, const Entry& e) { return CompareText(n, e.Name) < 0; });
  }
  at = entries_.insert(at, Entry{std::move(name), {}});
  return static_cast<int>(at - entries_.begin());
}

void TSectionList::Delete(int index) { entries_.erase(entries_.begin() + index); }

void TSectionList::Clear() {
  entries_.clear();
  LastFound = 0;
}

void TSectionList::SetSorted(bool sorted) {
  if (sorted && !sorted_) {
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
      return CompareText(a.Name, b.Name) < 0;
    });
  }
  sorted_ = sorted;
}

}  // namespace tavlo
