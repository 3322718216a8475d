// The hand as it ended, at the table: a hand the hand file keeps with its
// play (a board imported with its play) is reviewed before the learner
// plays it, and a print-out made while a hand is played again is the
// print-out of the hand it scores.

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTableWidget>

#include "dialogs/saved_hand_picker.h"
#include "lesson_table.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

const QString kTestFiles = QString(TAVLO_SOURCE_DIR) + "/tests/core/pbn/data/";

// The compressed streams of a PDF file, in order: the page's drawing and
// its fonts, without the dates and the document's identity, which differ
// from one file to the next.
QList<QByteArray> DrawnStreams(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  const QByteArray pdf = file.readAll();
  QList<QByteArray> streams;
  for (qsizetype filter = pdf.indexOf("/FlateDecode"); filter >= 0;
       filter = pdf.indexOf("/FlateDecode", filter + 1)) {
    const qsizetype start = pdf.indexOf("stream\n", filter);
    const qsizetype end = pdf.indexOf("endstream", start);
    if (start < 0 || end < 0) break;
    streams << pdf.mid(start, end - start);
  }
  return streams;
}

class FinishedHandTest : public LessonTableTest {
 protected:
  void ImportBoards(const QString& name) {
    NextDialog<QFileDialog> choose(ChooseFile(kTestFiles + name));
    table_->MenuItem("ImportPbn1")->trigger();
    ASSERT_TRUE(choose.seen);
    WaitForTheTable();
  }
  // File > Play a Saved Hand, the hand at row of the list.
  void DealSavedHand(int row) {
    NextDialog<TGetSavedHandForm> pick([row](TGetSavedHandForm& picker) {
      ClickRow(*picker.SH(), row);
      PressOk(picker);
    });
    table_->MenuItem("PlayaSavedHand1")->trigger();
    ASSERT_TRUE(pick.seen);
    WaitForTheTable();
  }
  // File > Export as PDF into the file name of the test's folder.
  QString ExportPdf(const QString& name) {
    const QString path = Path(name);
    NextDialog<QFileDialog> choose(ChooseFile(path));
    table_->MenuItem("ExportPdf1")->trigger();
    EXPECT_TRUE(choose.seen);
    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    return path;
  }
};

// Board 11 came in with all thirteen tricks, board 12 with five of them;
// hand 2 is a lesson hand of the hand file, never played.
TEST_F(FinishedHandTest, AHandKeptWithItsPlayIsReviewedBeforeItIsPlayed) {
  StartNamed();
  ImportBoards("full_auction.pbn");
  ASSERT_EQ(notifier_.messages, QStringList{"Added 2 hands as boards 11 and 12."});
  const struct {
    int Row;
    bool Reviewed;
  } cases[] = {{10, true}, {11, false}, {1, false}};
  for (const auto& [row, reviewed] : cases) {
    SCOPED_TRACE(row);
    DealSavedHand(row);
    EXPECT_EQ(Game().Table.LessonNumber, row + 1);
    ASSERT_EQ(Game().Table.TablePhase, Phase::Bidding);
    EXPECT_EQ(table_->MenuItem("ReviewHand1")->isEnabled(), reviewed);
  }

  // Board 11 again: Review Hand in its auction shows the imported play.
  DealSavedHand(10);
  table_->MenuItem("ReviewHand1")->trigger();
  auto* review = table_->findChild<ReviewForm*>("ReviewForm");
  ASSERT_NE(review, nullptr);
  EXPECT_TRUE(review->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
  ASSERT_TRUE(review->Review().has_value());
  EXPECT_EQ(review->Review()->Cards.size(), 52u);
  // The file's tricks give declarer nine, whatever its result tag says.
  EXPECT_EQ(review->Review()->TricksMade, 9);
  // West led the king of hearts; every trick has its four cards.
  EXPECT_EQ(review->Review()->Cards.front().Seat, West);
  EXPECT_EQ(review->Review()->Cards.front().Played, MakeCard(King, Hearts));
  const auto* grid = review->findChild<QTableWidget*>("PlayGrid");
  for (int trick = 0; trick < 13; ++trick)
    for (int seat = North; seat <= West; ++seat)
      EXPECT_TRUE(grid->item(trick, seat) && !grid->item(trick, seat)->text().isEmpty())
          << "trick " << trick + 1 << " seat " << seat;
  EXPECT_TRUE(review->findChild<QLabel*>("Summary")->text().startsWith("Declarer took 9 tricks."))
      << review->findChild<QLabel*>("Summary")->text().toStdString();
  // The table's auction goes on untouched by the review.
  EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(Game().Play.CardsPlayed, 0);
}

// A print-out made while the hand is played again is the one made when it
// ended: the same tricks for the same score, not the replay's.
TEST_F(FinishedHandTest, APrintOutDuringAReplayIsOfTheHandItScores) {
  StartNamed();
  DealLesson(2);
  BidAndFinish();
  ASSERT_GT(Game().Play.DeclarerTricks, 0);
  const QList<QByteArray> ended = DrawnStreams(ExportPdf("ended.pdf"));
  ASSERT_FALSE(ended.isEmpty());

  QTest::mouseClick(Control<QPushButton>("ButReplayHand"), Qt::LeftButton);
  WaitForTheTable();
  ASSERT_EQ(Game().Table.TablePhase, Phase::Play);
  ASSERT_LT(Game().Play.CardsPlayed, 52);
  EXPECT_TRUE(table_->MenuItem("ExportPdf1")->isEnabled());
  EXPECT_EQ(DrawnStreams(ExportPdf("replayed.pdf")), ended);
  // The review too is of the hand as it ended.
  table_->MenuItem("ReviewHand1")->trigger();
  auto* review = table_->findChild<ReviewForm*>("ReviewForm");
  ASSERT_NE(review, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
  ASSERT_TRUE(review->Review().has_value());
  EXPECT_EQ(review->Review()->Cards.size(), 52u);
}

}  // namespace
}  // namespace tavlo
