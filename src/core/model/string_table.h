#pragma once
// String tables shipped with the program (the alert texts, the lead tables):
// lines of the form key=value, each ended by carriage return and line feed.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

// Appends the lines of a string table to lines, which is not cleared first.
// A carriage return ends a line, a line feed starts a new one: a last line
// without a carriage return is lost, and a line ended by a carriage return
// alone is added again with the next line's text joined to it.
void AppendStringTableLines(std::string_view bytes, std::vector<std::string>& lines);

// The value of the first line "key=value" whose key equals key (letters in
// either case); empty when no line has that key.
std::string ValueOfKey(std::span<const std::string> lines, std::string_view key);

}  // namespace tavlo
