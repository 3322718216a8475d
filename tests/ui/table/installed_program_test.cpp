// The program as a user has it after `cmake --install`: the build is
// installed into a fresh prefix made read-only, as a system installation is,
// and a fresh home stands in for the user's. The installed program answers
// --version and --help without a display and finds its data on its own; a
// first start deals a lesson, asks the name, and the hand played is saved:
// every file the user makes lands in the user's data folder and the
// installation stays as installed.

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include "../dialogs/setup_options_driver.h"
#include "cards/card_pictures.h"
#include "common/running_marker.h"
#include "dialogs/save_dialog.h"
#include "dialogs/setup_options.h"
#include "handfile/big_ini_file.h"
#include "lesson_table.h"
#include "scoped_environment.h"

namespace tavlo {
namespace {

constexpr int WaitMs = 60000;

class InstalledProgramTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    prefix_ = Path("prefix");
    home_ = Path("home");
    ASSERT_TRUE(QDir().mkpath(home_));
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(TAVLO_CMAKE_COMMAND, {"--install", TAVLO_BUILD_DIR, "--prefix", prefix_});
    ASSERT_TRUE(install.waitForFinished(WaitMs));
    ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();
    WriteAccess(false);
    installed_ = Fingerprint();
    environment_.Set("HOME", home_);
    environment_.Set("XDG_DATA_HOME", home_ + "/data");
    environment_.Set("XDG_CONFIG_HOME", home_ + "/config");
    environment_.Set("XDG_CACHE_HOME", home_ + "/cache");
  }
  void TearDown() override {
    table_.reset();
    FreeCardPictures();
    // The temporary folder can go only once it can be written again.
    WriteAccess(true);
  }

  QString Installed(const QString& path) const { return QDir(prefix_).filePath(path); }
  QString Bin() const { return Installed("bin"); }
  QString UserFolder() const { return home_ + "/data/Tavlo"; }
  QString UserFile(const QString& name) const { return QDir(UserFolder()).filePath(name); }

  void WriteAccess(bool writable) const {
    QDirIterator walk(prefix_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                      QDirIterator::Subdirectories);
    QStringList paths{prefix_};
    while (walk.hasNext()) paths << walk.next();
    constexpr auto write =
        QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
    for (const QString& path : paths) {
      const QFile::Permissions now = QFile::permissions(path);
      QFile::setPermissions(path,
                            writable ? now | QFile::WriteOwner | QFile::WriteUser : now & ~write);
    }
  }
  // Every installed file by its path in the prefix, with a hash of its bytes.
  QMap<QString, QByteArray> Fingerprint() const {
    QMap<QString, QByteArray> files;
    QDirIterator walk(prefix_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
      QFile file(walk.next());
      EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
      files[QDir(prefix_).relativeFilePath(file.fileName())] =
          QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    return files;
  }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QString prefix_;
  QString home_;
  QMap<QString, QByteArray> installed_;
  ScopedEnvironment environment_;
};

TEST_F(InstalledProgramTest, EveryFileLiesWhereTheDesktopLooksForIt) {
  for (const char* path : {"bin/tavlo", "share/tavlo/Saved Hands.INI", "share/tavlo/English.hlp",
                           "share/tavlo/carddeck.bmp", "share/applications/tavlo.desktop",
                           "share/icons/hicolor/scalable/apps/tavlo.svg"}) {
    EXPECT_TRUE(installed_.contains(path)) << path;
  }
  // Every help file of the sources, whichever languages have one.
  for (const QString& help :
       QDir(QString(TAVLO_SOURCE_DIR) + "/resources/help").entryList({"*.hlp"}, QDir::Files)) {
    EXPECT_TRUE(installed_.contains("share/tavlo/" + help)) << help.toStdString();
  }
  // Every lesson pack and its table of texts, and the system they teach.
  const QStringList lessons =
      QDir(QString(TAVLO_SOURCE_DIR) + "/resources/lessons").entryList(QDir::Files);
  EXPECT_TRUE(lessons.contains("SYSTEM.md"));
  for (const QString& lesson : lessons) {
    EXPECT_EQ(Contents(Installed("share/tavlo/lessons/" + lesson)),
              Contents(QString(TAVLO_SOURCE_DIR) + "/resources/lessons/" + lesson))
        << lesson.toStdString();
  }
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QImage icon(Installed(QString("share/icons/hicolor/%1x%1/apps/tavlo.png").arg(size)));
    EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    // Our drawing fills the middle of the icon and leaves its corners clear.
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
  }
  // The installed lesson hands are those of the sources, whatever the
  // build's own hand file holds by now.
  EXPECT_EQ(Contents(Installed("share/tavlo/Saved Hands.INI")),
            Contents(QString(TAVLO_SOURCE_DIR) + "/resources/program/Saved Hands.INI"));

  QProcess validate;
  validate.setProcessChannelMode(QProcess::MergedChannels);
  validate.start("desktop-file-validate", {Installed("share/applications/tavlo.desktop")});
  ASSERT_TRUE(validate.waitForFinished(WaitMs)) << "desktop-file-validate is not installed";
  EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
  const QByteArray entry = Contents(Installed("share/applications/tavlo.desktop"));
  EXPECT_TRUE(entry.contains("\nCategories=Game;CardGame;\n"));
  for (const char* language : {"da", "nb", "fr", "de", "sv"}) {
    EXPECT_TRUE(entry.contains(QByteArray("\nComment[") + language + "]=")) << language;
  }
}

TEST_F(InstalledProgramTest, VersionAndHelpAreAnsweredWithoutADisplay) {
  QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) bare.remove(name);
  const auto run = [&](const QStringList& arguments) {
    QProcess tavlo;
    tavlo.setProcessEnvironment(bare);
    tavlo.start(Installed("bin/tavlo"), arguments);
    EXPECT_TRUE(tavlo.waitForFinished(WaitMs));
    EXPECT_EQ(tavlo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tavlo.exitCode(), 0);
    EXPECT_EQ(tavlo.readAllStandardError(), "");
    return QString::fromUtf8(tavlo.readAllStandardOutput());
  };
  EXPECT_EQ(run({"--version"}), QString("Tavlo %1\n").arg(TAVLO_VERSION));
  const QString help = run({"--help"});
  EXPECT_TRUE(help.startsWith("Usage: tavlo [OPTION]...\n")) << help.toStdString();
  EXPECT_TRUE(help.contains(QRegularExpression("\n  -h, --help +print this help and exit\n")));
  EXPECT_TRUE(help.contains(QRegularExpression("\n      --version +print the version and exit\n")));
  EXPECT_EQ(run({"-h"}), help);
  // Nothing was started, so nothing was written for the user.
  EXPECT_FALSE(QFileInfo::exists(UserFolder()));
}

TEST_F(InstalledProgramTest, TheInstalledProgramFindsItsDataAndGivesTheUserACopyOfTheLessons) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  QProcess tavlo;
  tavlo.setProcessEnvironment(environment);
  // Started from elsewhere, as a menu starts it.
  tavlo.setWorkingDirectory(home_);
  tavlo.start(Installed("bin/tavlo"));
  ASSERT_TRUE(tavlo.waitForStarted(WaitMs));
  // The options file and the user's hand file are made before any window.
  const bool made = QTest::qWaitFor(
      [&] {
        return tavlo.state() != QProcess::Running ||
               (QFileInfo::exists(UserFile(OptionsFileName)) &&
                QFileInfo::exists(UserFile(HandFileName)));
      },
      WaitMs);
  tavlo.kill();
  tavlo.waitForFinished(WaitMs);
  ASSERT_TRUE(made);
  EXPECT_EQ(QFileInfo(UserFile(OptionsFileName)).size(), 252);
  EXPECT_EQ(Contents(UserFile(HandFileName)), Contents(Installed("share/tavlo/Saved Hands.INI")));
  EXPECT_EQ(Fingerprint(), installed_);
}

TEST_F(InstalledProgramTest, AHandDealtAndSavedLeavesEveryFileOfTheUserInTheUsersDataFolder) {
  // No pauses: the developer's marker, in the user's folder as the
  // installation cannot be written.
  ASSERT_TRUE(QDir().mkpath(UserFolder()));
  QFile(UserFile(DeveloperMarkerName)).open(QIODevice::WriteOnly);

  table_ = StartProgram(Bin(), clock_);
  ASSERT_TRUE(table_);
  table_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
  EXPECT_TRUE(notifier_.messages.isEmpty()) << notifier_.messages.join('\n').toStdString();
  // The copy of the lessons is the user's to write, unlike the installed file.
  EXPECT_TRUE(QFileInfo(UserFile(HandFileName)).isWritable());
  EXPECT_EQ(table_->HandStore().Sections().Count(), 10);
  EXPECT_TRUE(QFileInfo::exists(UserFile(RunningMarkerName)));

  // A first start: the first hand asks for the name, and the player picks
  // the dark card faces too.
  NextDialog<TSetupOptions> name([](TSetupOptions& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("NewPlayer"), "Karen");
    PressButton(dialog, "DarkCard");
    PressButton(dialog, "OKBtn");
  });
  DealLesson(2);
  ASSERT_TRUE(name.seen);
  table_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
  BidAndFinish();
  NextDialog<TSaveForm> save([](TSaveForm& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("Comment"), "Played at home");
    PressOk(dialog);
  });
  table_->MenuItem("SaveHandMenu")->trigger();
  ASSERT_TRUE(save.seen);
  table_.reset();

  OptionsRecord options;
  EXPECT_TRUE(LoadOptions(options, UserFile(OptionsFileName).toStdString()));
  EXPECT_EQ(options.PlayerName, "Karen");
  EXPECT_EQ(options.DarkCards, 1);
  TINI hands(UserFile(HandFileName).toStdString());
  EXPECT_EQ(hands.ReadString("11", "Comment", ""), "Played at home");
  EXPECT_TRUE(QFileInfo::exists(UserFile(CardSheetFileName)));
  EXPECT_EQ(Fingerprint(), installed_);
  EXPECT_FALSE(QFileInfo::exists(Bin() + "/" + OptionsFileName));

  // The next start keeps the user's hands and faces: the installed lessons
  // are not copied over them again.
  table_ = StartProgram(Bin(), clock_);
  ASSERT_TRUE(table_);
  EXPECT_EQ(table_->HandStore().Sections().Count(), 11);
  EXPECT_EQ(FaceSet(), DarkFaces);
  EXPECT_EQ(notifier_.messages, QStringList{table_->NewPlayerMessage()});
}

TEST_F(InstalledProgramTest, AUserFolderThatCannotBeMadeIsToldAndTheInstalledLessonsAreStillThere) {
  // The data home is a file, so no folder can be made in it.
  QFile blocker(home_ + "/data");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  table_ = StartProgram(Bin(), clock_);
  ASSERT_TRUE(table_);
  ASSERT_EQ(notifier_.messages.size(), 1);
  EXPECT_TRUE(notifier_.messages.first().contains(UserFolder()))
      << notifier_.messages.first().toStdString();
  EXPECT_EQ(table_->HandStore().Sections().Count(), 10);
  table_.reset();
  EXPECT_EQ(Fingerprint(), installed_);
}

}  // namespace
}  // namespace tavlo
