// Start-up: the program folder is the folder of the executable; the table
// finds its data and the user's files from there.
#include "command_line.h"
#include "pbn_command_line.h"
#include "program_start.h"
#include "tavlo_application.h"

int main(int argc, char* argv[]) {
  if (const std::optional<int> exitCode = tavlo::AnswerPrintingOptions(argc, argv)) {
    return *exitCode;
  }
  if (const std::optional<int> exitCode = tavlo::PbnCommandLine(argc, argv)) return *exitCode;
  tavlo::TavloApplication app(argc, argv);
  return tavlo::RunProgram(QCoreApplication::applicationDirPath());
}
