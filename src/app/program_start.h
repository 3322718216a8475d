#pragma once
// The order in which the program comes up: the folders of the program's
// data and of the user's files are found, the user folder becomes the
// current folder, the hand file is opened, the splash screen shows with the
// options read, the one-copy check runs, and the table opens.

#include <QString>
#include <memory>

#include "model/clock.h"

namespace tavlo {

class TDeskTop;

// Brings up the program whose executable lies in programFolder and shows
// the table. Returns nothing when another copy is running (the user has
// been told).
std::unique_ptr<TDeskTop> StartProgram(const QString& programFolder, const Clock& clock);

// StartProgram, then the event loop until the table closes; the exit code.
int RunProgram(const QString& programFolder);

}  // namespace tavlo
