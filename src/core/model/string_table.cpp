#include "model/string_table.h"

#include <algorithm>
#include <cctype>

namespace tavlo {

void AppendStringTableLines(std::string_view bytes, std::vector<std::string>& lines) {
  std::string line;
  for (char byte : bytes) {
    if (byte == '\r') {
      // The line is kept: a carriage return without a line feed after it
      // lets the next line's text run on from this one.
      lines.push_back(line);
    } else if (byte == '\n') {
      line.clear();
    } else {
      line += byte;
    }
  }
}

std::string ValueOfKey(std::span<const std::string> lines, std::string_view key) {
  const auto sameLetters = [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
  };
  for (const std::string& line : lines) {
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string_view name = std::string_view(line).substr(0, equals);
    if (std::ranges::equal(name, key, sameLetters)) return line.substr(equals + 1);
  }
  return {};
}

}  // namespace tavlo
