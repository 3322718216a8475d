#include "common/program_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavlo {

QString ProgramFolders::Find(const QString& name) const {
  const QString own = UserFile(name);
  return QFileInfo::exists(own) ? own : QDir(Data).filePath(name);
}

QString ProgramFolders::UserFile(const QString& name) const { return QDir(User).filePath(name); }

ProgramFolders LocateProgramFolders(const QString& programFolder) {
  // An installation keeps the program and its data apart (bin/ and
  // share/tavlo/); the data folder is found from the program's own folder,
  // so an installation can be moved to another prefix as a whole.
  const QString installedData =
      QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(TAVLO_INSTALLED_DATA)));
  const bool installed = QFileInfo::exists(QDir(installedData).filePath(HandFileName));
  const QFileInfo folder(programFolder);
  if (!installed && folder.isDir() && folder.isWritable()) {
    return ProgramFolders::Beside(programFolder);
  }
  // Even where an installation can be written (a prefix in the user's home)
  // the user's hands stay out of it: installing again would overwrite them.
  return {installed ? installedData : programFolder,
          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

QString PrepareUserFolder(const ProgramFolders& folders) {
  if (folders.User.isEmpty() || !QDir().mkpath(folders.User)) {
    return QStringLiteral(
               "The folder for your own files, %1, cannot be made: your options and the hands "
               "you save cannot be kept.")
        .arg(folders.User);
  }
  const QString own = folders.UserFile(HandFileName);
  const QString shipped = QDir(folders.Data).filePath(HandFileName);
  if (QFileInfo::exists(own) || !QFileInfo::exists(shipped)) return {};
  if (!QFile::copy(shipped, own)) {
    return QStringLiteral(
               "The lesson hands could not be copied to %1: the hands you save cannot "
               "be kept.")
        .arg(own);
  }
  // The installed file is read-only; the copy is the user's to write.
  QFile::setPermissions(own,
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  return {};
}

}  // namespace tavlo
