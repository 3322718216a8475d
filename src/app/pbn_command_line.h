#pragma once
// The command line for Portable Bridge Notation files, which works without
// a display: "tavlo --import-pbn FILE" adds the file's boards to the hand
// file, "tavlo --export-pbn FILE" writes every hand of it to FILE; each
// tells on the error stream which board it is at while it works, prints
// what it did and the program ends without opening its window.

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

namespace tavlo {

// Handles the arguments (the program's name first) on the user's hand file
// of the program in programFolder, the one the table opens. Nothing when they ask for neither form,
// so the window starts; otherwise the exit status: 0 done, 1 a file could not be read or written
// (or the program is running), 2 a form without its file. The progress is a
// line per board on err, or a bar drawn over itself when err is a terminal.
std::optional<int> RunPbnCommandLine(const QStringList& arguments, const QString& programFolder,
                                     std::ostream& out, std::ostream& err, bool terminal = false);

// The same for main(), before any application object exists: the program
// folder is the executable's.
std::optional<int> PbnCommandLine(int argc, char* argv[]);

}  // namespace tavlo
