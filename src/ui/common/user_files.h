#pragma once
// The user's files as the program opens them, for the window and for the
// command line alike: the program's folders found, the user folder made
// (with its first copy of the lessons) and made the current folder, and the
// user's hand file opened. The running marker is taken apart from this, so
// the window can put its splash screen up first.

#include <QString>
#include <memory>

#include "common/program_folders.h"
#include "handfile/big_ini_file.h"

namespace tavlo {

struct UserFiles {
  ProgramFolders Folders;
  // Why the user folder could not be made; empty when it was.
  QString FolderProblem;
  // The user's copy of the hand file; when it could not be made, the
  // shipped lessons, which can still be played.
  std::unique_ptr<TBigIniFile> HandStore;
};

// The files of the program whose executable lies in programFolder.
UserFiles OpenUserFiles(const QString& programFolder);

}  // namespace tavlo
