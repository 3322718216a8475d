// Start-up: the program folder is the folder of the executable; the table
// makes it the current folder, so the plain file names of the hand file, the
// options file and the picture sheet refer to it.
#include "table/pbn_command_line.h"
#include "table/program_start.h"
#include "table/tavlo_application.h"

int main(int argc, char* argv[]) {
  if (const auto status = tavlo::PbnCommandLine(argc, argv)) return *status;
  tavlo::TavloApplication app(argc, argv);
  return tavlo::RunProgram(QCoreApplication::applicationDirPath());
}
