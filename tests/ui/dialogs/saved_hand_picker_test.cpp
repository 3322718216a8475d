// The saved-hand picker and the save dialog as a user drives them: the list
// filled from the hand file and sorted by header clicks, rows marked with
// the mouse and the keyboard's modifiers, boards deleted after a question
// and written to the file at once, nothing from an earlier showing counted,
// and the texts of the languages.

#include "dialogs/saved_hand_picker.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_test_application.h"
#include "dialogs/save_dialog.h"
#include "dialogs/sort_grid.h"
#include "handfile/big_ini_file.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

// Lessons 1 and 2 (no contract, no score), then saved hands; board 10
// comes before 2 in the file, as the store sorts names as text.
constexpr char HandFile[] =
    "[1]\nDeal=lesson\n"
    "[10]\nContract=4S X\nScore=-100\nComment=too fast\n"
    "[11]\nContract=3N\nScore=600\nComment=Lucky\n"
    "[12]\nContract=pass\nScore=0\nComment=Boring\n"
    "[2]\nDeal=lesson\n"
    "[3]\nContract=4S\nScore=620\nComment=lucky\n";

class SavedHandPickerTest : public ::testing::Test {
 protected:
  QString FileName() const { return QDir(folder_.path()).filePath("Saved Hands.INI"); }
  // The hand file, written before the store opens it.
  std::string WrittenHandFile() const {
    QFile file(FileName());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(HandFile);
    return FileName().toStdString();
  }
  // The boards the file holds now, as a fresh start reads it.
  std::vector<std::string> BoardsOnDisk() const {
    TINI again(FileName().toStdString());
    std::vector<std::string> boards;
    again.ReadSections(boards);
    return boards;
  }
  void Show(SavedHandPickMode mode, int language = 0) {
    picker_.SetPickMode(mode);
    picker_.SetLanguage(language);
    picker_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker_));
  }
  TSortGrid* Grid() const { return picker_.SH(); }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (int row = 0; row < Grid()->RowCount(); ++row)
      cells.push_back(Grid()->Cell(column, row).toStdString());
    return cells;
  }
  QPoint RowPoint(int row) const {
    return Grid()->visualRect(Grid()->model()->index(row, 1)).center();
  }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, modifiers, RowPoint(row));
  }
  void ClickHeader(int column, Qt::MouseButton button = Qt::LeftButton) {
    QHeaderView* header = Grid()->horizontalHeader();
    QTest::mouseClick(header->viewport(), button, {},
                      QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
  }
  void Press(const char* button) {
    QTest::mouseClick(picker_.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  std::vector<int> MarkedRows() const {
    std::vector<int> rows;
    for (int row = 0; row < Grid()->RowCount(); ++row)
      if (Grid()->IsRowSelected(row)) rows.push_back(row);
    return rows;
  }

  QTemporaryDir folder_;
  TINI store_{WrittenHandFile()};
  TGetSavedHandForm picker_{store_};
  RecordingNotifier notifier_;
};

using Boards = std::vector<std::string>;

TEST_F(SavedHandPickerTest, ListsEveryHandSortedByBoardWithTheDefaultsOfMissingKeys) {
  Show(SavedHandPickMode::Play);
  EXPECT_EQ(Column(0), (Boards{"1", "2", "3", "10", "11", "12"}));
  EXPECT_EQ(Column(1), (Boards{"-", "-", "4♠", "4♠X", "3NT", "Pass"}));
  EXPECT_EQ(Column(2), (Boards{"-", "-", "620", "-100", "600", "0"}));
  EXPECT_EQ(Column(3), (Boards{"", "", "lucky", "too fast", "Lucky", "Boring"}));
  EXPECT_EQ(picker_.findChild<QLabel*>("Label1")->text(), "Click the hand you wish to play");
  EXPECT_EQ(picker_.windowTitle(), "From file \"Saved Hands\"");
  EXPECT_EQ(Grid()->model()->headerData(3, Qt::Horizontal).toString(), "Comment");
  EXPECT_TRUE(picker_.ChosenBoard().isEmpty());
  ClickRow(3);
  EXPECT_EQ(picker_.ChosenBoard(), "10");
  QTest::keyClick(Grid(), Qt::Key_Down);
  EXPECT_EQ(picker_.ChosenBoard(), "11");
  EXPECT_EQ(MarkedRows(), (std::vector<int>{4}));
  picker_.grab().save(QDir::temp().filePath("tavlo_saved_hand_picker_en.png"));
}

// Header clicks in a row, each from the order the one before left: equal
// cells keep that order, numbers sort as numbers, text without regard to
// case, and cells that are no number after the numbers.
TEST_F(SavedHandPickerTest, HeaderClicksSortStablyInTheColumnsStyle) {
  struct Click {
    int column;
    Qt::MouseButton button;
    Boards order;
  };
  const std::vector<Click> clicks{
      {2, Qt::LeftButton, {"10", "12", "11", "3", "1", "2"}},
      {2, Qt::LeftButton, {"1", "2", "3", "11", "12", "10"}},
      {2, Qt::LeftButton, {"10", "12", "11", "3", "1", "2"}},
      {3, Qt::RightButton, {"10", "11", "3", "12", "1", "2"}},
      {3, Qt::LeftButton, {"1", "2", "12", "11", "3", "10"}},
      {1, Qt::LeftButton, {"1", "2", "11", "3", "10", "12"}},
      {0, Qt::RightButton, {"12", "11", "10", "3", "2", "1"}},
      {0, Qt::LeftButton, {"1", "2", "3", "10", "11", "12"}},
  };
  Show(SavedHandPickMode::Play);
  for (std::size_t i = 0; i < clicks.size(); ++i) {
    ClickHeader(clicks[i].column, clicks[i].button);
    EXPECT_EQ(Column(0), clicks[i].order) << "click " << i;
  }
  EXPECT_EQ(Grid()->horizontalHeader()->sortIndicatorSection(), 0);
}

TEST_F(SavedHandPickerTest, RowsAreMarkedByClickCtrlClickShiftClickAndDragging) {
  Show(SavedHandPickMode::Delete);
  ClickRow(1);
  ClickRow(3, Qt::ControlModifier);
  ClickRow(4, Qt::ControlModifier);
  EXPECT_EQ(MarkedRows(), (std::vector<int>{1, 3, 4}));
  ClickRow(3, Qt::ControlModifier);
  EXPECT_EQ(MarkedRows(), (std::vector<int>{1, 4}));
  ClickRow(2);
  EXPECT_EQ(MarkedRows(), (std::vector<int>{2}));
  ClickRow(5, Qt::ShiftModifier);
  EXPECT_EQ(MarkedRows(), (std::vector<int>{2, 3, 4, 5}));

  QTest::mousePress(Grid()->viewport(), Qt::LeftButton, {}, RowPoint(0));
  QTest::mouseMove(Grid()->viewport(), RowPoint(1));
  QTest::mouseMove(Grid()->viewport(), RowPoint(3));
  QTest::mouseRelease(Grid()->viewport(), Qt::LeftButton, {}, RowPoint(3));
  EXPECT_EQ(MarkedRows(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(SavedHandPickerTest, OkDeletesTheMarkedHandsAfterAskingAndWritesTheFileAtOnce) {
  Show(SavedHandPickMode::Delete);
  EXPECT_EQ(picker_.findChild<QLabel*>("Label1")->text(), "Click the hand you wish to delete");
  ClickRow(2, Qt::ControlModifier);
  ClickRow(4, Qt::ControlModifier);
  ClickRow(5, Qt::ControlModifier);

  notifier_.answer = false;
  Press("BitBtn1");
  EXPECT_EQ(notifier_.questions, QStringList{"Delete 3 saved hands?"});
  EXPECT_TRUE(picker_.isVisible());
  EXPECT_EQ(store_.Sections().Count(), 6);

  notifier_.answer = true;
  Press("BitBtn1");
  EXPECT_FALSE(picker_.isVisible());
  EXPECT_EQ(picker_.result(), QDialog::Accepted);
  EXPECT_EQ(BoardsOnDisk(), (Boards{"1", "10", "2"}));
  EXPECT_FALSE(store_.Modified());
  EXPECT_TRUE(notifier_.messages.isEmpty());

  Show(SavedHandPickMode::Delete);
  EXPECT_EQ(Column(0), (Boards{"1", "2", "10"}));
  ClickRow(0);
  Press("BitBtn1");
  EXPECT_EQ(notifier_.questions.last(), "Delete 1 saved hand?");
  EXPECT_EQ(BoardsOnDisk(), (Boards{"10", "2"}));
}

TEST_F(SavedHandPickerTest, CancelAndAnOkWithNothingMarkedInThisShowingDeleteNothing) {
  Show(SavedHandPickMode::Delete);
  ClickRow(1, Qt::ControlModifier);
  ClickRow(2, Qt::ControlModifier);
  Press("BitBtn2");
  EXPECT_EQ(picker_.result(), QDialog::Rejected);
  EXPECT_EQ(store_.Sections().Count(), 6);

  // The rows chosen before count for nothing now.
  Show(SavedHandPickMode::Delete);
  EXPECT_TRUE(MarkedRows().empty());
  EXPECT_TRUE(picker_.ChosenBoard().isEmpty());
  Press("BitBtn1");
  EXPECT_EQ(picker_.result(), QDialog::Accepted);
  EXPECT_TRUE(notifier_.questions.isEmpty());
  EXPECT_EQ(BoardsOnDisk().size(), 6u);
  EXPECT_FALSE(store_.Modified());
}

TEST_F(SavedHandPickerTest, AnEmptyFileShowsTheHeaderAlone) {
  QFile::resize(FileName(), 0);
  TINI empty(FileName().toStdString());
  TGetSavedHandForm picker(empty);
  picker.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
  EXPECT_EQ(picker.SH()->RowCount(), 0);
  EXPECT_TRUE(picker.SH()->horizontalHeader()->isVisible());
  QTest::mouseClick(picker.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
  EXPECT_TRUE(picker.ChosenBoard().isEmpty());
}

struct LanguageCase {
  int language;
  const char* tag;
  QString caption, instruction, board, comment, cancel, question;
};

class PickerLanguageTest : public SavedHandPickerTest,
                           public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(PickerLanguageTest, EveryTextFollowsTheLanguage) {
  const LanguageCase& c = GetParam();
  Show(SavedHandPickMode::Delete, c.language);
  EXPECT_EQ(picker_.windowTitle(), c.caption);
  EXPECT_EQ(picker_.findChild<QLabel*>("Label1")->text(), c.instruction);
  EXPECT_EQ(Grid()->model()->headerData(0, Qt::Horizontal).toString(), c.board);
  EXPECT_EQ(Grid()->model()->headerData(3, Qt::Horizontal).toString(), c.comment);
  EXPECT_EQ(picker_.findChild<QPushButton*>("BitBtn2")->text(), c.cancel);
  picker_.grab().save(QDir::temp().filePath(QString("tavlo_saved_hand_picker_%1.png").arg(c.tag)));
  ClickRow(0);
  ClickRow(1, Qt::ControlModifier);
  notifier_.answer = false;
  Press("BitBtn1");
  EXPECT_EQ(notifier_.questions, QStringList{c.question});
}

INSTANTIATE_TEST_SUITE_P(
    Languages, PickerLanguageTest,
    ::testing::Values(
        LanguageCase{0, "en", "From file \"Saved Hands\"", "Click the hand you wish to delete",
                     "Board", "Comment", "&Cancel", "Delete 2 saved hands?"},
        LanguageCase{1, "da", "Fra filen \"Gem spil\"", "Klik på det spil du ønsker at slette",
                     "Spil", "Kommentar", "&Fortryd ", "Slet 2 gemte spil?"},
        LanguageCase{3, "fr", "", "Marquer et choisir OK", "Donne", "Commentaire", "&Annuler",
                     "Supprimer 2 donnes enregistrées ?"},
        LanguageCase{4, "de", "Gespeicherte Hände",
                     "Klicken Sie auf die Hand, die Sie löschen wollen", "Board", "Kommentar",
                     "&Abbrechen", "2 gespeicherte Spiele löschen?"},
        LanguageCase{5, "sv", "Från filen \"Sparade givar\"", "Klicka på den giv du vill ta bort",
                     "Bricka", "Kommentar", "&Avbryt", "Ta bort 2 sparade givar?"}),
    [](const auto& info) { return std::string(info.param.tag); });

// The comment starts as one blank, marked, so the first key typed replaces
// it and a hand saved without typing keeps the blank.
TEST(SaveDialog, TheCommentStartsAsOneMarkedBlankInEveryShowing) {
  TSaveForm dialog;
  for (const auto& [language, caption, typed] : {std::tuple{0, "Save this hand", "Played too fast"},
                                                 std::tuple{4, "Diese Hand speichern", ""}}) {
    dialog.SetLanguage(language);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), caption);
    auto* comment = dialog.findChild<QLineEdit*>("Comment");
    EXPECT_EQ(comment->text(), " ");
    EXPECT_EQ(dialog.focusWidget(), comment);
    QTest::keyClicks(comment, typed);
    EXPECT_EQ(dialog.CommentText(), *typed ? QString(typed) : " ");
    dialog.grab().save(QDir::temp().filePath(QString("tavlo_save_dialog_%1.png").arg(language)));
    QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
  }
  EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Sie können einen Kommentar speichern");
  EXPECT_EQ(dialog.findChild<QPushButton*>("BitBtn2")->text(), "&Abbrechen");
}

}  // namespace
}  // namespace tavlo
