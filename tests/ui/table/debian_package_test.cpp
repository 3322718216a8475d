// The Debian package a user installs, made from this build as a release is:
// named after the project's version, it carries the whole installation
// under /usr with a manual page and software-centre metadata that their
// checkers pass, it depends on the libraries the program links, and it has
// no maintainer scripts, so removing it touches nobody's own files. Unpacked
// into a folder of its own, as a clean system would hold it, the program
// answers without a display and works on a fresh user's hand file.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "test_application.h"

namespace tavlo {
namespace {

inline ::testing::Environment* const packageTestApplication =
    AddTestApplication<QCoreApplication>("debian_package_test");

constexpr int WaitMs = 300000;

struct Finished {
  int ExitCode = -1;
  QString Out;
  QString Err;
};

Finished RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  Finished run;
  if (!process.waitForFinished(WaitMs)) {
    ADD_FAILURE() << program.toStdString()
                  << " did not end: " << process.errorString().toStdString();
    return run;
  }
  run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Out = QString::fromUtf8(process.readAllStandardOutput());
  run.Err = QString::fromUtf8(process.readAllStandardError());
  return run;
}

QString Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(DebianPackage, CarriesTheInstallationAndRunsUnpackedOnAFreshHome) {
  QTemporaryDir work;
  ASSERT_TRUE(work.isValid());
  const Finished pack = RunProgram(
      TAVLO_CPACK_COMMAND,
      {"-G", "DEB", "--config", TAVLO_BUILD_DIR "/CPackConfig.cmake", "-B", work.filePath("out")});
  ASSERT_EQ(pack.ExitCode, 0) << pack.Out.toStdString() << pack.Err.toStdString();
  const QString architecture = RunProgram("dpkg", {"--print-architecture"}).Out.trimmed();
  const QString deb =
      work.filePath(QString("out/tavlo_%1_%2.deb").arg(TAVLO_VERSION, architecture));
  ASSERT_TRUE(QFile::exists(deb)) << deb.toStdString() << "\n" << pack.Out.toStdString();

  // The control fields: the version is the project's, and the dependencies
  // are those of the linked libraries, found by dpkg-shlibdeps.
  const Finished fields =
      RunProgram("dpkg-deb", {"--field", deb, "Package", "Version", "Section", "Depends"});
  ASSERT_EQ(fields.ExitCode, 0) << fields.Err.toStdString();
  EXPECT_TRUE(fields.Out.contains("Package: tavlo\n")) << fields.Out.toStdString();
  EXPECT_TRUE(fields.Out.contains(QString("Version: %1\n").arg(TAVLO_VERSION)));
  EXPECT_TRUE(fields.Out.contains("Section: games\n"));
  for (const char* library : {"libc6 ", "libqt6widgets6 ", "libqt6gui6 ", "libdds"}) {
    EXPECT_TRUE(fields.Out.contains(QRegularExpression(QString("Depends: (.*, )?") + library)))
        << library << " in " << fields.Out.toStdString();
  }

  // Nothing runs on installing or removing it.
  const QString control = work.filePath("control");
  ASSERT_EQ(RunProgram("dpkg-deb", {"--control", deb, control}).ExitCode, 0);
  EXPECT_EQ(QDir(control).entryList(QDir::Files), (QStringList{"control", "md5sums"}));

  const QString root = work.filePath("root");
  ASSERT_EQ(RunProgram("dpkg-deb", {"--extract", deb, root}).ExitCode, 0);
  const QDir usr(root + "/usr");
  for (const char* path :
       {"bin/tavlo", "share/tavlo/Saved Hands.INI", "share/tavlo/English.hlp",
        "share/tavlo/carddeck.bmp", "share/applications/tavlo.desktop",
        "share/icons/hicolor/scalable/apps/tavlo.svg", "share/icons/hicolor/48x48/apps/tavlo.png",
        "share/man/man6/tavlo.6.gz", "share/metainfo/io.github.tavlo.Tavlo.metainfo.xml"}) {
    EXPECT_TRUE(QFile::exists(usr.filePath(path))) << path;
  }

  // The checkers of the desktop's menus and of software centres pass what
  // it installs, without the network.
  const Finished desktop =
      RunProgram("desktop-file-validate", {usr.filePath("share/applications/tavlo.desktop")});
  EXPECT_EQ(desktop.ExitCode, 0) << desktop.Out.toStdString() << desktop.Err.toStdString();
  const QString metainfo = usr.filePath("share/metainfo/io.github.tavlo.Tavlo.metainfo.xml");
  const Finished appstream = RunProgram("appstreamcli", {"validate", "--no-net", metainfo});
  EXPECT_EQ(appstream.ExitCode, 0) << appstream.Out.toStdString() << appstream.Err.toStdString();
  EXPECT_TRUE(Contents(metainfo).contains(QString("<release version=\"%1\"").arg(TAVLO_VERSION)));

  // The manual page renders without a warning and names the command line,
  // the files and the environment.
  QProcessEnvironment plain = QProcessEnvironment::systemEnvironment();
  plain.insert("MANWIDTH", "80");
  plain.insert("LC_ALL", "C.UTF-8");
  const Finished manual =
      RunProgram("man", {"--warnings", "-l", usr.filePath("share/man/man6/tavlo.6.gz")}, plain);
  EXPECT_EQ(manual.ExitCode, 0);
  EXPECT_EQ(manual.Err, "");
  for (const QString& text :
       {QString("TAVLO(6)"), QString("--version"), QString("--help"), QString("--import-pbn file"),
        QString("--export-pbn file"), QString("FILES"), QString("~/.local/share/Tavlo/"),
        QString("ENVIRONMENT"), QString("XDG_DATA_HOME"), QString("Tavlo %1").arg(TAVLO_VERSION)}) {
    EXPECT_TRUE(manual.Out.contains(text)) << text.toStdString();
  }

  // Unpacked, the program finds its data and gives a fresh user a copy of
  // the lessons, with no display: the version, then every lesson written
  // out with its double-dummy facts, board by board.
  QProcessEnvironment fresh = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) fresh.remove(name);
  fresh.insert("HOME", work.filePath("home"));
  fresh.insert("XDG_DATA_HOME", work.filePath("home/data"));
  const QString tavlo = usr.filePath("bin/tavlo");
  const Finished version = RunProgram(tavlo, {"--version"}, fresh);
  EXPECT_EQ(version.ExitCode, 0);
  EXPECT_EQ(version.Out, QString("Tavlo %1\n").arg(TAVLO_VERSION));
  const QString lessons = work.filePath("lessons.pbn");
  const Finished exported = RunProgram(tavlo, {"--export-pbn", lessons}, fresh);
  EXPECT_EQ(exported.ExitCode, 0) << exported.Err.toStdString();
  EXPECT_EQ(exported.Out, "Wrote 10 boards to " + lessons + ".\n");
  EXPECT_TRUE(exported.Err.endsWith("board 10 of 10\n")) << exported.Err.toStdString();
  EXPECT_TRUE(Contents(lessons).contains("[OptimumScore \""));
  EXPECT_TRUE(QFile::exists(work.filePath("home/data/Tavlo/Saved Hands.INI")));
}

}  // namespace
}  // namespace tavlo
