// PBN files as a user works them: boards a teacher prepared elsewhere come
// in through the File menu and are bid with their alerts explained; marked
// hands go out to a file another program reads; a long import can be
// cancelled from its progress dialog; and the command line does the same
// without a window, telling which board it is at.

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <sstream>

#include "common/worker.h"
#include "dialogs/job_progress_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "engine/random_deal.h"
#include "handfile/big_ini_file.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "pbn/pbn_reader.h"
#include "pbn/pbn_writer.h"
#include "pbn_command_line.h"
#include "session/game_session.h"

namespace tavlo {
namespace {

const QString kTestFiles = QString(TAVLO_SOURCE_DIR) + "/tests/core/pbn/data/";

std::string ReadBytes(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

// The lines the command line prints while it works on boards 1 to n.
std::string BoardLines(int n) {
  std::string lines;
  for (int board = 1; board <= n; ++board)
    lines += "board " + std::to_string(board) + " of " + std::to_string(n) + "\n";
  return lines;
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

// A German learner reads the report of a damaged file in German: what
// came in, and each board left out with its reason.
TEST_F(PbnFilesTest, TheReportOfAnImportIsInTheLearnersLanguage) {
  StartNamed();
  ChooseLanguage(*table_, German);
  NextDialog<QFileDialog> choose(ChooseFile(kTestFiles + "bad_boards.pbn"));
  table_->MenuItem("ImportPbn1")->trigger();
  ASSERT_TRUE(choose.seen);
  WaitForTheWork();
  ASSERT_EQ(notifier_.messages.size(), 1);
  const QStringList lines = notifier_.messages.front().split('\n');
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(lines[0], "2 Spiele als Boards 11 und 12 hinzugefügt.");
  EXPECT_EQ(lines[6], "Board 7 wurde ausgelassen: Es fehlt die Verteilung.");
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

TEST_F(PbnFilesTest, ACancelledImportLeavesTheHandFileAsItWas) {
  // Boards without auction or contract: each waits for its par.
  std::vector<PbnExportBoard> boards(30);
  for (std::size_t at = 0; at < boards.size(); ++at) {
    boards[at].Board.Board = std::to_string(at + 1);
    boards[at].Board.Dealer = static_cast<SeatCode>(at % 4);
    boards[at].Board.Deal = RandomDeal(static_cast<std::uint32_t>(at + 100));
  }
  const QString pbn = Path("thirty.pbn");
  QFile file(pbn);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray::fromStdString(WritePbn(boards)));
  file.close();
  StartNamed();
  const std::string before = ReadBytes(Path(HandFileName));

  NextDialog<QFileDialog> choose(ChooseFile(pbn));
  table_->MenuItem("ImportPbn1")->trigger();
  ASSERT_TRUE(choose.seen);
  JobProgressDialog* progress = nullptr;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        progress = table_->findChild<JobProgressDialog*>();
        return progress && progress->isVisible();
      },
      20000));
  EXPECT_TRUE(table_->InputHeld());
  EXPECT_EQ(progress->windowTitle(), "Import PBN…");
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return !progress->findChild<QLabel*>("JobCount")->text().isEmpty(); }));
  EXPECT_TRUE(progress->findChild<QLabel*>("JobCount")
                  ->text()
                  .contains(QRegularExpression("^Board ([1-9]|[12][0-9]|30) of 30$")));
  // The table holds its input, but not from the dialog's button.
  QTest::mouseClick(progress->findChild<QPushButton*>("CancelJob"), Qt::LeftButton);
  EXPECT_FALSE(table_->InputHeld());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->findChild<JobProgressDialog*>(); }));
  ASSERT_TRUE(QTest::qWaitFor([&] { return table_->Session().Jobs().Idle(); }));
  EXPECT_TRUE(notifier_.messages.isEmpty()) << notifier_.messages.join('\n').toStdString();
  EXPECT_EQ(table_->HandStore().Sections().Count(), 10);
  EXPECT_EQ(ReadBytes(Path(HandFileName)), before);
}

// An import after a finished hand leaves the hand on the table as it was,
// North's points and the result included.
TEST_F(PbnFilesTest, AnImportAfterAHandLeavesTheTableAsItWas) {
  StartNamed();
  DealLesson(2);
  BidAndFinish();
  const QString north = Control<QLabel>("NHCP")->text();
  const QString south = Control<QLabel>("SHCP")->text();
  ASSERT_FALSE(north.isEmpty());
  NextDialog<QFileDialog> choose(ChooseFile(kTestFiles + "tournament.pbn"));
  table_->MenuItem("ImportPbn1")->trigger();
  ASSERT_TRUE(choose.seen);
  WaitForTheWork();
  EXPECT_EQ(Control<QLabel>("NHCP")->text(), north);
  EXPECT_EQ(Control<QLabel>("SHCP")->text(), south);
  EXPECT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  EXPECT_TRUE(Control("ScorePad")->isVisible());
}

TEST_F(PbnFilesTest, TheCommandLineImportsAndExportsWithoutAWindow) {
  std::ostringstream out, err;
  const auto run = [&](QStringList arguments, bool terminal = false) {
    out.str({});
    err.str({});
    arguments.prepend("tavlo");
    return RunPbnCommandLine(arguments, folder_.path(), out, err, terminal);
  };
  EXPECT_EQ(run({}), std::nullopt);
  EXPECT_EQ(run({"--version"}), std::nullopt);
  EXPECT_EQ(run({"--import-pbn"}), 2);
  EXPECT_EQ(err.str(), "Usage: tavlo --import-pbn FILE\n");

  EXPECT_EQ(run({"--import-pbn", kTestFiles + "tournament.pbn"}), 0);
  EXPECT_EQ(out.str(), "Added 4 hands as boards 11 to 14.\n");
  EXPECT_EQ(err.str(), BoardLines(4));
  EXPECT_EQ(run({"--import-pbn", Path("missing.pbn")}), 1);
  EXPECT_NE(err.str().find("could not be read"), std::string::npos);
  // A file named from where the user stands, wherever that is; the work is
  // then done from the user folder, as the window does it.
  ASSERT_TRUE(QDir::setCurrent(kTestFiles));
  // On a terminal one bar is drawn over itself, and the line ends after it.
  EXPECT_EQ(run({"--import-pbn", "voids.pbn"}, true), 0);
  EXPECT_EQ(out.str(), "Added 2 hands as boards 15 and 16.\n");
  EXPECT_EQ(err.str().find('\n'), err.str().size() - 1);
  EXPECT_TRUE(err.str().starts_with("\r[")) << err.str();
  EXPECT_TRUE(err.str().ends_with(std::string(40, '#') + "] board 2 of 2\n")) << err.str();
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder_.path()).canonicalPath());

  EXPECT_EQ(run({"--export-pbn", Path("all.pbn")}), 0);
  EXPECT_EQ(out.str(), "Wrote 16 boards to " + Path("all.pbn").toStdString() + ".\n");
  EXPECT_EQ(err.str(), BoardLines(16));
  EXPECT_EQ(ReadPbn(ReadBytes(Path("all.pbn"))).Boards.size(), 16u);

  // While the program runs it holds the hand file; the command line keeps
  // its hands off it.
  StartNamed();
  EXPECT_EQ(run({"--import-pbn", kTestFiles + "voids.pbn"}), 1);
  EXPECT_EQ(TINI(Path(HandFileName).toStdString()).Sections().Count(), 16);
}

}  // namespace
}  // namespace tavlo
