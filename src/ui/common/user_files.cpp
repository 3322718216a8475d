#include "common/user_files.h"

#include <QDir>

namespace tavlo {

UserFiles OpenUserFiles(const QString& programFolder) {
  UserFiles files;
  files.Folders = LocateProgramFolders(programFolder);
  files.FolderProblem = PrepareUserFolder(files.Folders);
  // Whatever writes a file of its own where it stands (a library's dump)
  // writes it among the user's files, never where the user started us.
  QDir::setCurrent(files.Folders.User);
  files.HandStore = std::make_unique<TINI>(files.Folders.Find(HandFileName).toStdString());
  return files;
}

}  // namespace tavlo
