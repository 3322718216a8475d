#pragma once
// The PBN files of the tests, as other programs write them.

#include <fstream>
#include <iterator>
#include <string>

namespace tavlo::testing_support {

inline std::string PbnTestFile(const std::string& name) {
  std::ifstream in(std::string(TAVLO_SOURCE_DIR) + "/tests/core/pbn/data/" + name,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tavlo::testing_support
