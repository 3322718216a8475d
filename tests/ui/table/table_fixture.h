#pragma once
// What the table's tests share: the application object, a fresh program
// folder holding the lesson hands, and a clock the test moves.

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "model/clock.h"
#include "program_start.h"
#include "recording_notifier.h"
#include "search_gate.h"
#include "table/desk_top.h"
#include "tavlo_application.h"
#include "test_application.h"

namespace tavlo {

// The program's own application object.
inline ::testing::Environment* const tableTestApplication =
    AddTestApplication<TavloApplication>("tavlo_table_test");

// A clock that moves on by step seconds each time it is read, so a timed
// wait ends after a known number of looks at it. With a search pause, each
// look of the engine's search away from the window takes that long, so the
// search is slow on purpose; with the search gate shut, the search waits at
// its look until the test opens the gate.
class SteppingClock final : public Clock {
 public:
  double Now() const override {
    searchGate.Pass();
    if (searchPauseMilliseconds > 0 && QThread::currentThread() != qApp->thread())
      QThread::msleep(searchPauseMilliseconds);
    time += step / 86400.0;
    return time;
  }
  mutable double time = 0.5;
  double step = 0.0;
  unsigned long searchPauseMilliseconds = 0;
  SearchGate searchGate;
};

// The user picks a language from the table's Language menu.
inline void ChooseLanguage(TDeskTop& table, int language) {
  for (QAction* item : table.findChildren<QAction*>()) {
    if (item->isCheckable() && item->data().isValid() && item->data().toInt() == language &&
        item->objectName().endsWith('1') && item->actionGroup()) {
      item->trigger();
      return;
    }
  }
  ADD_FAILURE() << "no menu item for language " << language;
}

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

  QString Path(const QString& name) const { return QDir(folder_.path()).filePath(name); }
  void CopyLessonHands() const {
    ASSERT_TRUE(QFile::copy(QString(TAVLO_SOURCE_DIR) + "/resources/program/Saved Hands.INI",
                            Path(HandFileName)));
    QFile(Path(HandFileName)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  }
  void AppendToHandFile(const QByteArray& text) const {
    QFile file(Path(HandFileName));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(text);
  }
  void DeveloperMode() const {
    QFile marker(Path(DeveloperMarkerName));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  }
  std::unique_ptr<TDeskTop> Start() { return StartProgram(folder_.path(), clock_); }

  QTemporaryDir folder_;
  SteppingClock clock_;
  RecordingNotifier notifier_;
};

}  // namespace tavlo
