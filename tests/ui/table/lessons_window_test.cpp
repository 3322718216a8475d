// The lessons window as a learner uses it: a hand of every pack chosen with
// the mouse, bid by keys, played with hints and saved, its marks shown the
// next time; Continue for the next hand not tried; New Hand keeping its walk
// through the ten lessons; a damaged progress file reported and replaced.

#include "table/lessons_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeWidget>

#include "dialogs/save_dialog.h"
#include "handfile/big_ini_file.h"
#include "handfile/lesson_progress.h"
#include "lesson_table.h"

namespace tavlo {
namespace {

class LessonsWindowTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    CopyLessonPacks();
  }
  QString ProgressFile() const { return Path(QString::fromLatin1(LessonProgressFileName.data())); }
  QByteArray ProgressText() const {
    QFile file(ProgressFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void ClickItem(QTreeWidget& tree, QTreeWidgetItem* item) {
    tree.scrollToItem(item);
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
  }
  // The first hand of the topic at row: the topic clicked and opened with
  // the right arrow, the hand clicked, then Play.
  static void PlayFirstHandOf(LessonsWindow& window, int row) {
    QTreeWidget& tree = *window.Topics();
    QTreeWidgetItem* topic = tree.topLevelItem(row);
    ClickItem(tree, topic);
    QTest::keyClick(&tree, Qt::Key_Right);
    ASSERT_TRUE(topic->isExpanded());
    ClickItem(tree, topic->child(0));
    QTest::mouseClick(window.findChild<QPushButton*>("PlayButton"), Qt::LeftButton);
  }
  // The play to the end: every card a hint played with Enter, every trick
  // cleared with Enter.
  void PlayWithHints() {
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 120; ++step) {
      if (!Game().Table.TrickWaiting) Key(Qt::Key_F7);
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  }
  void SaveTheHand() {
    NextDialog<TSaveForm> save([](TSaveForm& dialog) { PressOk(dialog); });
    table_->MenuItem("SaveHandMenu")->trigger();
    ASSERT_TRUE(save.seen);
  }
};

TEST_F(LessonsWindowTest, AHandOfEveryPackIsBidPlayedSavedAndMarked) {
  StartNamed();
  int packs = 0;
  InLessonsWindow([&](LessonsWindow& window) {
    packs = window.Topics()->topLevelItemCount();
    QTest::mouseClick(window.findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
  });
  ASSERT_GE(packs, 10);
  for (int pack = 0; pack < packs; ++pack) {
    SCOPED_TRACE(pack);
    InLessonsWindow([&](LessonsWindow& window) { PlayFirstHandOf(window, pack); });
    ASSERT_FALSE(Game().Table.PackHand.empty());
    EXPECT_EQ(Game().Table.LessonNumber, 1);
    // The first pack is bid with one refused call, the others without.
    BidToTheEnd(0, pack == 0);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    EXPECT_FALSE(Game().Table.LessonPoint.empty());
    PlayWithHints();
    SaveTheHand();
  }
  EXPECT_EQ(table_->HandStore().Sections().Count(), LessonHands + packs);

  // Every hand played has its marks in the file, par worked out.
  const QList<QByteArray> lines = ProgressText().split('\n');
  ASSERT_EQ(lines.size(), packs + 2) << ProgressText().toStdString();
  EXPECT_EQ(lines[0], "# Tavlo lesson progress");
  for (int at = 1; at <= packs; ++at) {
    const QList<QByteArray> fields = lines[at].split('\t');
    ASSERT_EQ(fields.size(), 5) << lines[at].toStdString();
    EXPECT_TRUE(fields[0].endsWith("/1"));
    EXPECT_EQ(fields[1], at == 1 ? "helped" : "clean");
    EXPECT_TRUE(fields[2] == "made" || fields[2] == "down");
    EXPECT_NE(fields[4], "-") << "par of " << fields[0].toStdString();
  }

  // The window shows them, in the learner's language; Continue deals the
  // first hand not tried, the second of the first pack.
  table_->MenuItem("French1")->trigger();
  InLessonsWindow([&](LessonsWindow& window) {
    QTreeWidgetItem* first = window.Topics()->topLevelItem(0);
    EXPECT_EQ(first->text(1).toStdString(),
              "1 sur " + std::to_string(first->childCount()) + " essayées");
    EXPECT_EQ(first->child(0)->text(1), "Enchères avec aide");
    EXPECT_EQ(window.Topics()->topLevelItem(1)->child(0)->text(1), "Enchères sans faute");
    EXPECT_EQ(window.Topics()->currentItem(), first->child(1));
    QTest::mouseClick(window.findChild<QPushButton*>("ContinueButton"), Qt::LeftButton);
  });
  EXPECT_EQ(Game().Table.PackHand, "01_major_raises/2");
  EXPECT_EQ(notifier_.messages, QStringList{});
}

TEST_F(LessonsWindowTest, ADamagedProgressFileIsReportedAndNewHandKeepsItsWalk) {
  {
    QFile damaged(ProgressFile());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x89PNG\r\n\x1a\n not marks at all");
  }
  StartNamed(4);  // German
  Key(Qt::Key_F3);
  ASSERT_EQ(Game().Table.LessonNumber, 1);
  InLessonsWindow([&](LessonsWindow& window) {
    ASSERT_EQ(notifier_.messages.size(), 1);
    EXPECT_TRUE(notifier_.messages[0].startsWith(
        "Ihr Fortschritt in den Lektionen konnte nicht gelesen werden (it is no lesson "
        "progress file)"))
        << notifier_.messages[0].toStdString();
    EXPECT_EQ(window.Topics()->topLevelItem(0)->child(0)->text(1), "Noch nicht versucht");
    // Enter on the hand Continue would deal: the first of the first pack.
    QTest::keyClick(window.Topics(), Qt::Key_Return);
  });
  EXPECT_EQ(Game().Table.PackHand, "01_major_raises/1");
  EXPECT_EQ(ProgressText(), "# Tavlo lesson progress\n");
  BidToTheEnd(4, false);
  EXPECT_EQ(ProgressText(), "# Tavlo lesson progress\n01_major_raises/1\tclean\t-\t-\t-\n");
  // New Hand goes on with the ten lessons where it left them.
  table_->MenuItem("NewHand1")->trigger();
  EXPECT_EQ(Game().Table.LessonNumber, 2);
  EXPECT_TRUE(Game().Table.PackHand.empty());
}

// A hand played to its end, dealt again and only bid: the lessons window
// and the progress file keep the played try's result and par, also once
// the program starts again; the bid-only try is the latest, told in the
// row's tooltip.
TEST_F(LessonsWindowTest, AHandDealtAgainAndOnlyBidKeepsItsResult) {
  StartNamed();
  InLessonsWindow([](LessonsWindow& window) { PlayFirstHandOf(window, 0); });
  BidToTheEnd(0, true);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  FinishTheHand();
  WaitForTheTable();  // par
  const QString score = QString::number(Game().Table.HandScore);
  QStringList played;
  InLessonsWindow([&](LessonsWindow& window) {
    const QTreeWidgetItem* hand = window.Topics()->topLevelItem(0)->child(0);
    for (int column = 1; column <= 4; ++column) played << hand->text(column);
    EXPECT_TRUE(hand->toolTip(0).isEmpty());
    PlayFirstHandOf(window, 0);
  });
  ASSERT_EQ(played.size(), 4);
  EXPECT_EQ(played[0], "Bid with help");
  EXPECT_TRUE(played[1] == "Made" || played[1] == "Down") << played[1].toStdString();
  EXPECT_EQ(played[2].toInt(), score.toInt());
  ASSERT_FALSE(played[3].isEmpty()) << "par";
  const QByteArray bestLine = "01_major_raises/1\thelped\t" + played[1].toLower().toUtf8() + "\t" +
                              score.toUtf8() + "\t" + QByteArray::number(played[3].toInt()) + "\n";
  EXPECT_EQ(ProgressText(), "# Tavlo lesson progress\n" + bestLine);

  BidToTheEnd(0, false);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  const auto expectTheResultKept = [&] {
    InLessonsWindow([&](LessonsWindow& window) {
      const QTreeWidgetItem* hand = window.Topics()->topLevelItem(0)->child(0);
      QStringList shown;
      for (int column = 1; column <= 4; ++column) shown << hand->text(column);
      EXPECT_EQ(shown, played);
      EXPECT_EQ(hand->toolTip(0), "Last try: Bid without a mistake");
      QTest::mouseClick(window.findChild<QPushButton*>("CloseButton"), Qt::LeftButton);
    });
    EXPECT_EQ(ProgressText(), "# Tavlo lesson progress\n" + bestLine +
                                  "01_major_raises/1 latest\tclean\t-\t-\t" +
                                  QByteArray::number(played[3].toInt()) + "\n");
  };
  expectTheResultKept();
  // The program again, the marks read from the file.
  table_.reset();
  StartNamed();
  expectTheResultKept();
}

}  // namespace
}  // namespace tavlo
