#pragma once
// The bidding and lead conventions of one side, as lines key=value (a lead
// table line "NAKT9=3" says: at no trump from ace-king-ten-nine lead the third
// highest card). A lookup that finds nothing gives false or 0.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

class ConventionList {
 public:
  using MessageSink = std::function<void(const std::string&)>;

  ConventionList() = default;
  explicit ConventionList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  std::vector<std::string>& Lines() { return lines_; }
  const std::vector<std::string>& Lines() const { return lines_; }

  // In developer mode every lookup of a missing key is told to sink, once per
  // run of lookups for the same key: "Convention KEY not found!".
  void SetDeveloperMode(bool on, MessageSink sink);

  // True when the value of key, upper-cased, is "X".
  bool ConventionIs(std::string_view key);
  // The value of key as a decimal number; 0 when missing or not a number.
  int ConventionValue(std::string_view key);

 private:
  // The value of key; an empty one is reported in developer mode.
  std::string Lookup(std::string_view key);

  std::vector<std::string> lines_;
  bool developerMode_ = false;
  MessageSink sink_;
  std::string lastReportedKey_;
};

}  // namespace tavlo
