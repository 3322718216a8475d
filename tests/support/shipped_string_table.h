#pragma once
// A string table as shipped in resources/strings, read from the source tree
// so that core tests need no Qt resources.

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/string_table.h"

namespace tavlo::testing_support {

inline std::vector<std::string> ShippedStringTable(const std::string& name) {
  std::ifstream in(std::string(TAVLO_SOURCE_DIR) + "/resources/strings/" + name, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> lines;
  AppendStringTableLines(bytes, lines);
  return lines;
}

}  // namespace tavlo::testing_support
