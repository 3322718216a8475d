#pragma once
// Where the program's files lie. The files shipped with the program (the
// lesson hands, the help files, the card picture sheet) are read from the
// data folder; the user's own files (the options, the hand file with the
// saved hands, a rewritten picture sheet, the running marker) live in the
// user folder. A copy in a writable folder of its own (a build, a copy on a
// stick) keeps everything beside the program; an installed copy reads the
// installation's data folder and keeps the user's files in the user's data
// folder, where a reinstall never overwrites them.

#include <QString>

namespace tavlo {

inline constexpr char HandFileName[] = "Saved Hands.INI";

struct ProgramFolders {
  QString Data;
  QString User;

  // Both folders are the one folder: everything lies together in it.
  static ProgramFolders Beside(const QString& folder) { return {folder, folder}; }

  // The user's file of that name, or else the shipped one.
  QString Find(const QString& name) const;
  // Where the user's file of that name is written.
  QString UserFile(const QString& name) const;
};

// The folders of the program whose executable lies in programFolder.
ProgramFolders LocateProgramFolders(const QString& programFolder);

// Makes the user folder and, the first time, gives it the user's own copy of
// the lesson hands; a copy already there is never replaced, as it holds the
// user's saved hands. Returns why this failed, or an empty text.
QString PrepareUserFolder(const ProgramFolders& folders);

}  // namespace tavlo
