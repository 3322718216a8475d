#pragma once
// A list of items kept in one value of the hand file, such as the scripted
// bids: items separated by commas, an item with a blank, a comma or a double
// quote enclosed in double quotes with its inner quotes doubled.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Joins items into one comma text: 1C,"2C (!)",P.
std::string JoinCommaText(std::span<const std::string> items);

// Splits a comma text into its items. Blanks (characters at or below the
// space) separate items just as commas do; two commas in a row give an empty
// item, and so does a comma at the very end.
std::vector<std::string> SplitCommaText(std::string_view text);

// The parts of text between separators, as they stand: n separators give
// n + 1 parts, empty ones included.
std::vector<std::string_view> SplitText(std::string_view text, char separator);

}  // namespace tavlo
