#include "model/convention_list.h"

#include <cctype>
#include <charconv>

#include "model/string_table.h"

namespace tavlo {

void ConventionList::SetDeveloperMode(bool on, MessageSink sink) {
  developerMode_ = on;
  sink_ = std::move(sink);
}

std::string ConventionList::Lookup(std::string_view key) {
  std::string value = ValueOfKey(lines_, key);
  // One message per run of lookups for the same missing key, or the engine's
  // many lookups during a search would bury the developer in boxes.
  if (value.empty() && developerMode_ && sink_ && key != lastReportedKey_) {
    lastReportedKey_ = key;
    sink_("Convention " + lastReportedKey_ + " not found!");
  }
  return value;
}

bool ConventionList::ConventionIs(std::string_view key) {
  std::string value = Lookup(key);
  for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return value == "X";
}

int ConventionList::ConventionValue(std::string_view key) {
  const std::string value = Lookup(key);
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc{} || end != value.data() + value.size()) return 0;
  return number;
}

}  // namespace tavlo
