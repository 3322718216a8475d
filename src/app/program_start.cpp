#include "program_start.h"

#include <QApplication>

#include "common/notifier.h"
#include "common/running_marker.h"
#include "common/user_files.h"
#include "dialogs/splash_screen.h"
#include "handfile/big_ini_file.h"
#include "language/languages.h"
#include "options/options_file.h"
#include "table/desk_top.h"

namespace tavlo {

std::unique_ptr<TDeskTop> StartProgram(const QString& programFolder, const Clock& clock) {
  // The user's data folder is named after the application.
  QApplication::setApplicationName("Tavlo");
  UserFiles files = OpenUserFiles(programFolder);
  const ProgramFolders& folders = files.Folders;

  auto* splash = new TSplashScreen;
  OptionsRecord options;
  const Status optionsRead = LoadOptions(options, folders.UserFile(OptionsFileName).toStdString());
  if (options.Language < LanguageCount) splash->SwitchLanguage(options.Language);
  splash->ShowNow();

  auto marker = std::make_unique<RunningMarker>(folders.User);
  if (!marker->Held()) {
    delete splash;
    Notifier::Current().Message(AlreadyRunningMessage);
    return nullptr;
  }
  // A folder that cannot be made already says the options cannot be kept.
  if (!files.FolderProblem.isEmpty())
    Notifier::Current().Message(files.FolderProblem);
  else if (!optionsRead)
    Notifier::Current().Message(QString::fromStdString(optionsRead.Error()));
  if (!files.HandStore->Loaded()) {
    Notifier::Current().Message(QString::fromStdString(files.HandStore->Loaded().Error()));
  }

  TableSetup setup;
  setup.Folders = folders;
  setup.TimeSource = &clock;
  setup.Options = options;
  setup.HandStore = std::move(files.HandStore);
  setup.Marker = std::move(marker);
  setup.Splash = splash;
  auto table = std::make_unique<TDeskTop>(std::move(setup));
  table->show();
  return table;
}

int RunProgram(const QString& programFolder) {
  static const SystemClock clock;
  const std::unique_ptr<TDeskTop> table = StartProgram(programFolder, clock);
  if (!table) return 1;
  return QApplication::exec();
}

}  // namespace tavlo
