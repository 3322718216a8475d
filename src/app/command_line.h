#pragma once
// The options a person may give on the command line before any window is
// made: those that only print (the help, the version) answer here, without a
// display, and end the program.

#include <optional>

namespace tavlo {

// Prints the help or the version when asked and gives the exit code; gives
// nothing when the program is to start.
std::optional<int> AnswerPrintingOptions(int argc, char* argv[]);

}  // namespace tavlo
