// Bringing the program up: the options file, the one running copy, the
// developer's marker, and errors that reach the event loop.

#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStyle>
#include <QSysInfo>
#include <QTest>

#include "common/running_marker.h"
#include "options/options_file.h"
#include "table_fixture.h"

namespace tavlo {
namespace {

using ProgramStartTest = ProgramFolderTest;

TEST_F(ProgramStartTest, FirstStartInAnEmptyFolderWritesTheDefaultOptions) {
  DeveloperMode();
  auto table = Start();
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->isVisible());

  QFile file(Path(OptionsFileName));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), 252);
  EXPECT_EQ(bytes.right(4), QByteArray::fromHex("c6120100"));
  const OptionsRecord& options = table->GameState().Options;
  EXPECT_EQ(options.Language, 0);
  EXPECT_EQ(options.SkillLevel, 4);
  EXPECT_EQ(options.CardBackDesign, 13);
  EXPECT_EQ(table->GameState().Table.TablePhase, Phase::NoHand);
  EXPECT_EQ(table->windowTitle(), "Tavlo 1 Demo -  ");
}

TEST_F(ProgramStartTest, ADamagedOptionsFileIsToldAndTheDefaultsTakeItsPlace) {
  DeveloperMode();
  QFile damaged(Path(OptionsFileName));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(QByteArray(100, 'x'));
  damaged.close();

  auto table = Start();
  ASSERT_TRUE(table);
  ASSERT_EQ(notifier_.messages.size(), 1) << notifier_.messages.join('\n').toStdString();
  EXPECT_TRUE(notifier_.messages.first().startsWith("The options file \""));
  EXPECT_TRUE(notifier_.messages.first().endsWith(
      "Options.DAT\" is shorter than one record; the default options take its place."))
      << notifier_.messages.first().toStdString();
  EXPECT_EQ(table->GameState().Options.SkillLevel, 4);
  EXPECT_EQ(QFileInfo(Path(OptionsFileName)).size(), 252);
}

TEST_F(ProgramStartTest, SavedSeatMasksHaveNoEffect) {
  DeveloperMode();
  OptionsRecord saved;
  ApplyDefaults(saved);
  saved.UserSeats = 30;
  saved.FaceUpSeats = 30;
  saved.PlayerName = "Karen";
  ASSERT_TRUE(SaveOptions(saved, Path(OptionsFileName).toStdString()));

  auto table = Start();
  ASSERT_TRUE(table);
  EXPECT_EQ(table->GameState().Options.UserSeats, 8);
  EXPECT_EQ(table->GameState().Options.FaceUpSeats, 8);
  EXPECT_EQ(table->windowTitle(), "Tavlo 1 Demo -  Karen");
}

TEST_F(ProgramStartTest, OptionsOutOfRangeInARecordOfOursStillGiveAWorkingTable) {
  DeveloperMode();
  CopyLessonHands();
  OptionsRecord saved;
  ApplyDefaults(saved);
  saved.PlayerName = "Ib";
  saved.Language = 9;
  saved.CardBackDesign = 200;
  saved.BiddingSystem = 7;
  saved.SuitOrderOption = 250;
  ASSERT_TRUE(SaveOptions(saved, Path(OptionsFileName).toStdString()));

  auto table = Start();
  ASSERT_TRUE(table);
  EXPECT_TRUE(table->MenuItem("English1")->isChecked());
  EXPECT_EQ(table->BidSystemString(), "Swedish MS");
  table->MenuItem("NewHand1")->trigger();
  EXPECT_EQ(table->GameState().Table.TablePhase, Phase::Bidding);
  EXPECT_TRUE(notifier_.messages.isEmpty());
}

TEST_F(ProgramStartTest, ASecondCopyIsRefusedAndTheFirstGoesOn) {
  DeveloperMode();
  auto first = Start();
  ASSERT_TRUE(first);
  auto second = Start();
  EXPECT_FALSE(second);
  EXPECT_EQ(notifier_.messages, QStringList{AlreadyRunningMessage});
  EXPECT_TRUE(first->isVisible());
}

TEST_F(ProgramStartTest, ClosingTheTableLetsTheNextCopyStart) {
  DeveloperMode();
  Start().reset();
  EXPECT_TRUE(Start());
  EXPECT_TRUE(notifier_.messages.isEmpty());
}

TEST_F(ProgramStartTest, AMarkerLeftByACrashedCopyDoesNotLockTheUserOut) {
  DeveloperMode();
  // A copy that ended without removing its marker: the process named in it is gone.
  QProcess gone;
  gone.start("true");
  ASSERT_TRUE(gone.waitForFinished());
  const qint64 pid = gone.processId() ? gone.processId() : 999999;
  QFile marker(Path(RunningMarkerName));
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.write(QByteArray::number(pid) + "\ntavlo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  marker.close();

  EXPECT_TRUE(Start());
  EXPECT_TRUE(notifier_.messages.isEmpty());
}

TEST_F(ProgramStartTest, AMarkerOfALongRunningCopyIsNotTakenForStale) {
  RunningMarker running(folder_.path());
  ASSERT_TRUE(running.Held());
  // However old the marker is, its process is alive.
  QFile file(running.Path());
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime);
  file.close();
  RunningMarker second(folder_.path());
  EXPECT_FALSE(second.Held());
}

TEST_F(ProgramStartTest, ClosingWritesTheOptionsBackOnlyWhenTheFileIsThere) {
  DeveloperMode();
  {
    auto table = Start();
    ChooseLanguage(*table, 4);
  }
  OptionsRecord reread;
  EXPECT_TRUE(LoadOptions(reread, Path(OptionsFileName).toStdString()));
  EXPECT_EQ(reread.Language, 4);

  {
    auto table = Start();
    QFile::remove(Path(OptionsFileName));
  }
  EXPECT_FALSE(QFile::exists(Path(OptionsFileName)));
}

struct WaitCase {
  bool developer;
  bool waited;
};

class SplashWaitTest : public ProgramFolderTest, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(SplashWaitTest, TheSplashStaysSixSecondsUnlessInDeveloperMode) {
  if (GetParam().developer) DeveloperMode();
  clock_.step = 0.25;
  const double start = clock_.time;
  auto table = Start();
  ASSERT_TRUE(table);
  ASSERT_TRUE(QTest::qWaitFor([&] { return table->Started(); }));
  const double seconds = (clock_.time - start) * 86400.0;
  EXPECT_EQ(seconds >= SplashSeconds, GetParam().waited) << seconds;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_NE(window->objectName(), "SplashScreen");  // freed once the table is up
  }
  EXPECT_EQ(table->NewPlayerMessage(), NewPlayerMessageText);
}

INSTANTIATE_TEST_SUITE_P(Modes, SplashWaitTest,
                         ::testing::Values(WaitCase{true, false}, WaitCase{false, true}));

class Faulty : public QObject {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::range_error("Range check error");
    return QObject::event(event);
  }
};

TEST(TavloApplication, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
  RecordingNotifier notifier;
  Faulty faulty;
  QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&faulty);
  EXPECT_EQ(notifier.messages, QStringList{"Range check error"});
  QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
  QCoreApplication::sendPostedEvents(&faulty);
  EXPECT_EQ(notifier.messages.size(), 2);
}

TEST(TavloApplication, HintsComeUpAfterHalfASecond) {
  EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 500);
}

}  // namespace
}  // namespace tavlo
