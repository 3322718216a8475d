#include "command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace tavlo {

namespace {

struct OptionLine {
  std::string_view Names;
  std::string_view Meaning;
};

// One line per option of the help, in the order shown.
constexpr std::array OptionLines{
    OptionLine{"-h, --help", "print this help and exit"},
    OptionLine{"    --version", "print the version and exit"},
};

void PrintHelp() {
  std::printf(
      "Usage: tavlo [OPTION]...\n"
      "Tavlo, a contract-bridge teaching game: bid the lesson hands, play them\n"
      "against the computer and save your own hands. Without options it opens the\n"
      "card table.\n\nOptions:\n");
  std::size_t width = 0;
  for (const OptionLine& line : OptionLines) width = std::max(width, line.Names.size());
  for (const OptionLine& line : OptionLines) {
    std::printf("  %-*.*s  %.*s\n", static_cast<int>(width), static_cast<int>(line.Names.size()),
                line.Names.data(), static_cast<int>(line.Meaning.size()), line.Meaning.data());
  }
}

}  // namespace

std::optional<int> AnswerPrintingOptions(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      PrintHelp();
      return 0;
    }
    if (argument == "--version") {
      std::printf("Tavlo %s\n", TAVLO_VERSION);
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace tavlo
