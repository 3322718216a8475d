// The table's saved-hand commands as a user works them: a lesson hand
// played to its end and saved with a comment, the program started again
// and the hand chosen in the picker and played; hands deleted and gone from
// the file at once; the commands off while the file holds no hand.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cards/card_art.h"
#include "dialogs/save_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/sort_grid.h"
#include "handfile/big_ini_file.h"
#include "lesson_table.h"

namespace tavlo {
namespace {

class SavedHandsTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  }
  // The boards of the hand file on disk, as a fresh start reads it.
  std::vector<std::string> BoardsOnDisk() const {
    TINI store(Path(HandFileName).toStdString());
    std::vector<std::string> boards;
    store.ReadSections(boards);
    return boards;
  }
  bool SavedHandCommandsOn() const {
    const bool on = table_->MenuItem("PlayaSavedHand1")->isEnabled();
    EXPECT_EQ(table_->MenuItem("DeleteaSavedHand1")->isEnabled(), on);
    EXPECT_EQ(Control<QPushButton>("ButSavedHand")->isEnabled(), on);
    return on;
  }
};

TEST_F(SavedHandsTest, AHandSavedWithACommentIsPlayedAgainAfterARestart) {
  StartNamed();
  DealLesson(4);
  BidAndFinish();
  const std::string deal = Game().Record.DealText;
  const int score = Game().Table.HandScore;

  NextDialog<TSaveForm> save([](TSaveForm& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("Comment"), "Well bid, badly played  ");
    PressOk(dialog);
  });
  table_->MenuItem("SaveHandMenu")->trigger();
  ASSERT_TRUE(save.seen);
  {
    TINI store(Path(HandFileName).toStdString());
    EXPECT_EQ(store.ReadString("11", "Deal", ""), deal);
    EXPECT_EQ(store.ReadString("11", "Score", ""), std::to_string(score));
    EXPECT_EQ(store.ReadString("11", "Comment", ""), "Well bid, badly played");
    const std::string plays = store.ReadString("11", "Plays", "");
    EXPECT_EQ(std::count(plays.begin(), plays.end(), ' '), 51);  // 52 cards
  }

  table_.reset();
  StartNamed();
  NextDialog<TGetSavedHandForm> pick([&](TGetSavedHandForm& picker) {
    TSortGrid& grid = *picker.SH();
    ASSERT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.Cell(0, 10), "11");
    EXPECT_EQ(grid.Cell(2, 10).toInt(), score);
    EXPECT_EQ(grid.Cell(3, 10), "Well bid, badly played");
    ClickRow(grid, 10);
    PressOk(picker);
  });
  Key(Qt::Key_F4);
  ASSERT_TRUE(pick.seen);
  EXPECT_EQ(Game().Table.LessonNumber, 11);
  EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(Game().Record.DealText, deal);
  EXPECT_EQ(Control<QLabel>("TableComment")->text(), "Well bid, badly played");
  BidAndFinish();
  EXPECT_TRUE(notifier_.messages.isEmpty());
}

TEST_F(SavedHandsTest, DeletedHandsLeaveTheFileAtOnceAndTheLastTakesTheCommandsAlong) {
  AppendToHandFile("[x]\nComment=typed by hand\n");
  StartNamed();
  ASSERT_TRUE(SavedHandCommandsOn());

  // A board that is no number cannot be played: the table stays as it was.
  NextDialog<TGetSavedHandForm> pick([](TGetSavedHandForm& picker) {
    ClickRow(*picker.SH(), 10);
    EXPECT_EQ(picker.ChosenBoard(), "x");
    PressOk(picker);
  });
  table_->MenuItem("PlayaSavedHand1")->trigger();
  ASSERT_TRUE(pick.seen);
  EXPECT_EQ(Game().Table.TablePhase, Phase::NoHand);
  EXPECT_EQ(Game().Table.LessonNumber, 0);

  NextDialog<TGetSavedHandForm> three([](TGetSavedHandForm& picker) {
    for (int row : {1, 8, 10}) ClickRow(*picker.SH(), row, Qt::ControlModifier);
    PressOk(picker);
  });
  table_->MenuItem("DeleteaSavedHand1")->trigger();
  ASSERT_TRUE(three.seen);
  EXPECT_EQ(notifier_.questions, QStringList{"Delete 3 saved hands?"});
  EXPECT_EQ(BoardsOnDisk(), (std::vector<std::string>{"1", "10", "3", "4", "5", "6", "7", "8"}));
  EXPECT_TRUE(SavedHandCommandsOn());

  NextDialog<TGetSavedHandForm> all([](TGetSavedHandForm& picker) {
    ClickRow(*picker.SH(), 0);
    ClickRow(*picker.SH(), 7, Qt::ShiftModifier);
    PressOk(picker);
  });
  table_->MenuItem("DeleteaSavedHand1")->trigger();
  ASSERT_TRUE(all.seen);
  EXPECT_TRUE(BoardsOnDisk().empty());
  EXPECT_FALSE(SavedHandCommandsOn());
}

TEST_F(SavedHandsTest, AnEmptyHandFileLeavesTheSavedHandCommandsOff) {
  WriteHandFile("");
  StartNamed();
  EXPECT_FALSE(SavedHandCommandsOn());
}

}  // namespace
}  // namespace tavlo
