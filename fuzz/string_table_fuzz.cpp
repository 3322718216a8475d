// The string tables shipped with the program (alert texts, lead tables): the
// lines read from any bytes, written back one to a carriage return and line
// feed, read the same; and a key finds the value of its first line.

#include "fuzz_support.h"
#include "handfile/section_list.h"
#include "model/string_table.h"

using namespace tavlo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view table(reinterpret_cast<const char*>(bytes), size);
  std::vector<std::string> lines{"kept=1"};
  AppendStringTableLines(table, lines);
  fuzz::Check(lines.front() == "kept=1", "lines already read are kept");

  std::string written;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    fuzz::Check(lines[i].find_first_of("\r\n") == std::string::npos, "a line holds no line break");
    written += lines[i] + "\r\n";
  }
  std::vector<std::string> again{"kept=1"};
  AppendStringTableLines(written, again);
  fuzz::Check(again == lines, "a table written out reads back the same");

  fuzz::Check(ValueOfKey(lines, "KEPT") == "1", "a key finds its first line in any case");
  const std::string& last = lines.back();
  if (const auto equals = last.find('='); equals != std::string::npos) {
    const std::string_view key = std::string_view(last).substr(0, equals);
    const std::string value = ValueOfKey(lines, key);
    for (const auto& line : lines) {
      const auto at = line.find('=');
      if (at == std::string::npos || !SameText(std::string_view(line).substr(0, at), key)) continue;
      fuzz::Check(value == line.substr(at + 1), "a key finds the value of its first line");
      break;
    }
  }
  return 0;
}
