// PBN files as a user works them: boards a teacher prepared elsewhere come
// in through the File menu and are bid with their alerts explained; marked
// hands go out to a file another program reads; and the command line does
// the same without a window.

#include <QFileDialog>
#include <QLabel>
#include <sstream>

#include "dialogs/saved_hand_picker.h"
#include "handfile/big_ini_file.h"
#include "lesson_table.h"
#include "pbn/pbn_reader.h"
#include "pbn_command_line.h"

namespace tavlo {
namespace {

const QString kTestFiles = QString(TAVLO_SOURCE_DIR) + "/tests/core/pbn/data/";

// Names the file in the file dialog the table opens, and accepts it.
auto ChooseFile(const QString& path) {
  return [path](QFileDialog& dialog) {
    dialog.selectFile(path);
    QMetaObject::invokeMethod(&dialog, "accept");
  };
}

std::string ReadBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

class PbnFilesTest : public LessonTableTest {
 protected:
  // The solver's work is a job of the worker with the table's input held;
  // the table takes input again once the answer is in.
  void WaitForTheWork() {
    EXPECT_TRUE(table_->InputHeld());
    WaitForTheTable();
  }
};

TEST_F(PbnFilesTest, AnImportedBoardIsBidWithItsAlertExplained) {
  StartNamed();
  NextDialog<QFileDialog> choose(ChooseFile(kTestFiles + "full_auction.pbn"));
  table_->MenuItem("ImportPbn1")->trigger();
  ASSERT_TRUE(choose.seen);
  WaitForTheWork();
  EXPECT_EQ(notifier_.messages, QStringList{"Added 2 hands as boards 11 and 12."});
  table_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));

  NextDialog<TGetSavedHandForm> pick([](TGetSavedHandForm& picker) {
    ASSERT_EQ(picker.SH()->Cell(0, 10), "11");
    ClickRow(*picker.SH(), 10);
    PressOk(picker);
  });
  Key(Qt::Key_F4);
  ASSERT_TRUE(pick.seen);
  EXPECT_EQ(Game().Table.LessonNumber, 11);
  EXPECT_EQ(Control<QLabel>("TableComment")->text(), "Thursday lesson, Board 1");
  BidToTheEnd(0, false);
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  EXPECT_EQ(Auction().AlertLines, std::vector<std::string>{"(!)=Take-out: four ~S and 11+ HCP"});
  EXPECT_EQ(Auction().ContractBid, ContractBidCode(4, Spades));
  EXPECT_EQ(Auction().Declarer, South);
}

TEST_F(PbnFilesTest, MarkedHandsGoOutWithTheirDoubleDummyFacts) {
  StartNamed();
  NextDialog<TGetSavedHandForm> mark([](TGetSavedHandForm& picker) {
    EXPECT_EQ(picker.findChild<QLabel*>("Label1")->text(),
              "Mark the hands to export, or none for all");
    ClickRow(*picker.SH(), 1, Qt::ControlModifier);
    ClickRow(*picker.SH(), 9, Qt::ControlModifier);
    PressOk(picker);
  });
  const QString out = Path("two.pbn");
  NextDialog<QFileDialog> choose(ChooseFile(out));
  table_->MenuItem("ExportPbn1")->trigger();
  ASSERT_TRUE(mark.seen && choose.seen);
  WaitForTheWork();
  EXPECT_EQ(notifier_.messages, QStringList{"Wrote 2 boards to " + out + "."});

  const std::string text = ReadBytes(out);
  const PbnReading read = ReadPbn(text);
  ASSERT_EQ(read.Boards.size(), 2u);
  EXPECT_EQ(read.Boards[0].Board, "2");
  EXPECT_EQ(read.Boards[1].Board, "10");
  EXPECT_NE(text.find("[OptimumScore \""), std::string::npos);
}

TEST_F(PbnFilesTest, AnEmptyHandFileHasNothingToExportUntilBoardsComeIn) {
  WriteHandFile("");
  StartNamed();
  EXPECT_FALSE(table_->MenuItem("ExportPbn1")->isEnabled());
  NextDialog<QFileDialog> choose(ChooseFile(kTestFiles + "voids.pbn"));
  table_->MenuItem("ImportPbn1")->trigger();
  ASSERT_TRUE(choose.seen);
  WaitForTheWork();
  EXPECT_EQ(notifier_.messages, QStringList{"Added 2 hands as boards 1 and 2."});
  EXPECT_TRUE(table_->MenuItem("ExportPbn1")->isEnabled());
  EXPECT_TRUE(table_->MenuItem("PlayaSavedHand1")->isEnabled());
}

TEST_F(PbnFilesTest, TheCommandLineImportsAndExportsWithoutAWindow) {
  std::ostringstream out, err;
  const auto run = [&](QStringList arguments) {
    out.str({});
    err.str({});
    arguments.prepend("tavlo");
    return RunPbnCommandLine(arguments, folder_.path(), out, err);
  };
  EXPECT_EQ(run({}), std::nullopt);
  EXPECT_EQ(run({"--version"}), std::nullopt);
  EXPECT_EQ(run({"--import-pbn"}), 2);
  EXPECT_EQ(err.str(), "Usage: tavlo --import-pbn FILE\n");

  EXPECT_EQ(run({"--import-pbn", kTestFiles + "tournament.pbn"}), 0);
  EXPECT_EQ(out.str(), "Added 4 hands as boards 11 to 14.\n");
  EXPECT_EQ(run({"--import-pbn", Path("missing.pbn")}), 1);
  EXPECT_NE(err.str().find("could not be read"), std::string::npos);
  // A file named from where the user stands, wherever that is; the work is
  // then done from the user folder, as the window does it.
  ASSERT_TRUE(QDir::setCurrent(kTestFiles));
  EXPECT_EQ(run({"--import-pbn", "voids.pbn"}), 0);
  EXPECT_EQ(out.str(), "Added 2 hands as boards 15 and 16.\n");
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder_.path()).canonicalPath());

  EXPECT_EQ(run({"--export-pbn", Path("all.pbn")}), 0);
  EXPECT_EQ(out.str(), "Wrote 16 boards to " + Path("all.pbn").toStdString() + ".\n");
  EXPECT_EQ(ReadPbn(ReadBytes(Path("all.pbn"))).Boards.size(), 16u);

  // While the program runs it holds the hand file; the command line keeps
  // its hands off it.
  StartNamed();
  EXPECT_EQ(run({"--import-pbn", kTestFiles + "voids.pbn"}), 1);
  EXPECT_EQ(TINI(Path(HandFileName).toStdString()).Sections().Count(), 16);
}

}  // namespace
}  // namespace tavlo
