// Where the program keeps its files: a build or a copy on a stick keeps
// everything beside itself; an installation reads its data from its share
// folder and keeps the user's files in the user's data folder, with a copy
// of the lesson hands made once and never replaced.

#include "common/program_folders.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "scoped_environment.h"

namespace tavlo {
namespace {

class ProgramFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    // The user's data folder is named after the application.
    QCoreApplication::setApplicationName("Tavlo");
    environment_.Set("XDG_DATA_HOME", Path("data"));
  }
  QString Path(const QString& name) const { return QDir(root_.path()).filePath(name); }
  static void Write(const QString& path, const QByteArray& text) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }
  static QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir root_;
  ScopedEnvironment environment_;
};

TEST_F(ProgramFoldersTest, AWritableFolderOfItsOwnKeepsEverythingBesideTheProgram) {
  Write(Path("stick/Saved Hands.INI"), "[1]\n");
  const ProgramFolders folders = LocateProgramFolders(Path("stick"));
  EXPECT_EQ(folders.Data, Path("stick"));
  EXPECT_EQ(folders.User, Path("stick"));
  EXPECT_EQ(PrepareUserFolder(folders), "");
  EXPECT_EQ(folders.Find(HandFileName), Path("stick/Saved Hands.INI"));
  EXPECT_FALSE(QFileInfo::exists(Path("data")));
}

// Takes away the right to write into a folder for the life of the object:
// the owner's write permission stops a user; the superuser, whom no
// permission stops, is stopped by the folder's immutable attribute.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(const QString& path) : path_(path) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0) immutable_ = SetImmutable(true);
  }
  ~UnwritableFolder() {
    if (immutable_) SetImmutable(false);
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  UnwritableFolder(const UnwritableFolder&) = delete;
  UnwritableFolder& operator=(const UnwritableFolder&) = delete;

  // Not every file system keeps the attribute, nor lets it be set.
  bool Holds() const { return !QFileInfo(path_).isWritable(); }

 private:
  bool SetImmutable(bool on) const {
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool set = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    set = set && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return set;
  }

  QString path_;
  bool immutable_ = false;
};

TEST_F(ProgramFoldersTest, AFolderOfItsOwnThatCannotBeWrittenSendsTheUsersFilesToTheDataFolder) {
  Write(Path("stick/Saved Hands.INI"), "[1]\n");
  const UnwritableFolder stick(Path("stick"));
  if (!stick.Holds()) GTEST_SKIP() << "this file system lets the superuser write into any folder";
  const ProgramFolders folders = LocateProgramFolders(Path("stick"));
  EXPECT_EQ(folders.Data, Path("stick"));
  EXPECT_EQ(folders.User, Path("data/Tavlo"));
  EXPECT_EQ(PrepareUserFolder(folders), "");
  EXPECT_EQ(Contents(Path("data/Tavlo/Saved Hands.INI")), "[1]\n");
}

TEST_F(ProgramFoldersTest, AnInstallationKeepsTheUsersFilesOutOfItEvenWhereItCanBeWritten) {
  // A prefix in the user's home, such as ~/.local: writable, but installing
  // again would overwrite whatever the program put there.
  Write(Path("prefix/bin/tavlo"), "");
  Write(Path("prefix/share/tavlo/Saved Hands.INI"), "[1]\n");
  Write(Path("prefix/share/tavlo/carddeck.bmp"), "BM");
  const ProgramFolders folders = LocateProgramFolders(Path("prefix/bin"));
  EXPECT_EQ(folders.Data, Path("prefix/share/tavlo"));
  EXPECT_EQ(folders.User, Path("data/Tavlo"));
  EXPECT_EQ(folders.UserFile("Options.DAT"), Path("data/Tavlo/Options.DAT"));

  // The sheet is the shipped one until the user has one of their own.
  EXPECT_EQ(folders.Find("carddeck.bmp"), Path("prefix/share/tavlo/carddeck.bmp"));
  Write(Path("data/Tavlo/carddeck.bmp"), "BM");
  EXPECT_EQ(folders.Find("carddeck.bmp"), Path("data/Tavlo/carddeck.bmp"));
}

TEST_F(ProgramFoldersTest, TheLessonsAreCopiedAtTheFirstStartAndTheCopyIsNeverReplaced) {
  const QString shipped = Path("share/tavlo/Saved Hands.INI");
  Write(shipped, "[1]\nDeal=lesson\n");
  ASSERT_TRUE(QFile::setPermissions(shipped, QFile::ReadOwner | QFile::ReadOther));
  const ProgramFolders folders{Path("share/tavlo"), Path("data/Tavlo")};
  const QString own = folders.UserFile(HandFileName);

  EXPECT_EQ(PrepareUserFolder(folders), "");
  EXPECT_EQ(Contents(own), "[1]\nDeal=lesson\n");
  EXPECT_TRUE(QFile::permissions(own) & QFile::WriteOwner);
  EXPECT_EQ(folders.Find(HandFileName), own);

  // Hands saved, then a newer installation with other lessons: the user's
  // file stays as the user left it.
  Write(own, "[1]\nDeal=lesson\n[11]\nDeal=mine\n");
  QFile::setPermissions(shipped, QFile::ReadOwner | QFile::WriteOwner);
  Write(shipped, "[1]\nDeal=new lesson\n");
  EXPECT_EQ(PrepareUserFolder(folders), "");
  EXPECT_EQ(Contents(own), "[1]\nDeal=lesson\n[11]\nDeal=mine\n");
}

}  // namespace
}  // namespace tavlo
