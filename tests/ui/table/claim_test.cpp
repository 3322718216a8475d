// A claim made at the table as a user makes it: the play pad's button or
// the Play Options key, the dialog answered, the check on the worker. A
// claim the defence can beat is refused with the line that beats it, and
// play goes on where it stood; a key pressed while the claim is checked
// calls it off; an accepted claim ends the hand, which is printed, saved
// and read back from the hand file after a restart.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "cards/card_art.h"
#include "dialogs/claim_dialog.h"
#include "dialogs/save_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/sort_grid.h"
#include "engine/play_out.h"
#include "game/claim_flow.h"
#include "handfile/big_ini_file.h"
#include "handfile/claim_note.h"
#include "lesson_table.h"
#include "model/deal_text.h"
#include "print/print_form.h"
#include "print/print_page.h"
#include "table/feedback_line.h"

namespace tavlo {
namespace {

class ClaimTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  }
  const PlayState& Play() const { return Game().Play; }
  // Bids lesson n as its script says, then plays the user's cards with
  // Enter (the card the table selects) and clears each trick, until cards
  // are played and the user is to play.
  void PlayUntil(int lesson, int cards) {
    DealLesson(lesson);
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    for (int step = 0; Play().CardsPlayed < cards && step < 200; ++step) {
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
    if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
    WaitForTheTable();
    ASSERT_EQ(Game().Table.TablePhase, Phase::Play);
  }
  // Claims tricks through the dialog, opened by the play pad's button or
  // the menu's key: all that are left, or the number typed.
  void Claim(int tricks, bool byKey = false) {
    NextDialog<ClaimDialog> dialog([tricks](ClaimDialog& claim) {
      auto* count = claim.findChild<QSpinBox*>("ClaimCount");
      if (tricks == count->maximum()) {
        QTest::mouseClick(claim.findChild<QRadioButton*>("ClaimAll"), Qt::LeftButton);
      } else {
        count->selectAll();
        QTest::keyClicks(count, QString::number(tricks));
        EXPECT_TRUE(claim.findChild<QRadioButton*>("ClaimSome")->isChecked());
      }
      EXPECT_EQ(claim.Tricks(), tricks);
      QTest::mouseClick(claim.findChild<QPushButton*>("ClaimOK"), Qt::LeftButton);
    });
    if (byKey) {
      QTest::keyClick(table_.get(), Qt::Key_L, Qt::ControlModifier);
    } else {
      QTest::mouseClick(Control<QPushButton>("TPPClaim"), Qt::LeftButton);
    }
    ASSERT_TRUE(dialog.seen);
  }
  QString FeedbackText() const { return Control<FeedbackLine>("FeedbackLine")->Text(); }
};

TEST_F(ClaimTest, ARefusedClaimLeavesThePlayAndAnAcceptedOneIsSavedReadAndPrinted) {
  StartNamed();
  // Lesson 4: South declares; after four tricks nine are left.
  PlayUntil(4, 16);
  ASSERT_EQ(Play().Declarer % 2, 0);
  const int cards = Play().CardsPlayed;
  const int left = TricksLeftToClaim(Game());
  const int declarerTricks = Play().DeclarerTricks;
  ASSERT_GT(left, 1);
  EXPECT_TRUE(Control<QPushButton>("TPPClaim")->isEnabled());

  // Every trick left: the defence has a trick on some layout.
  const int beeps = notifier_.informationBeeps;
  Claim(left, true);
  WaitForTheTable();
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_EQ(Play().CardsPlayed, cards);
  EXPECT_EQ(table_->Session().LastFeedback().Kind, FeedbackKind::ClaimRefused);
  EXPECT_GE(table_->Session().LastFeedback().Shortfall, 1);
  // The line that beats it, in words, ends with the trick that does.
  EXPECT_FALSE(table_->Session().LastFeedback().Defence.empty());
  EXPECT_TRUE(FeedbackText().startsWith("Claim refused: it fails by"))
      << FeedbackText().toStdString();
  EXPECT_TRUE(FeedbackText().endsWith("wins the trick.")) << FeedbackText().toStdString();
  EXPECT_EQ(notifier_.informationBeeps, beeps + 1);

  // A key pressed while the claim is checked calls it off: nothing changes.
  Claim(0);
  Key(Qt::Key_Left);
  WaitForTheTable();
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_EQ(Play().CardsPlayed, cards);

  // One trick fewer stands or falls as the cards say; conceding all the
  // rest always stands. Either way the hand ends as after the last trick.
  Claim(0);
  WaitForTheTable();
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  EXPECT_EQ(Play().CardsPlayed, 52);
  EXPECT_EQ(Play().DeclarerTricks, declarerTricks);
  EXPECT_TRUE(Control("EndofScoring")->isVisible());
  EXPECT_TRUE(table_->MenuItem("SaveHandMenu")->isEnabled());
  ASSERT_TRUE(Game().Table.Claim);
  EXPECT_EQ(*Game().Table.Claim, (ClaimNote{cards, South, 0}));
  const int score = Game().Table.HandScore;

  auto* form = table_->findChild<TPrintForm*>("PrintForm");
  ASSERT_NE(form, nullptr);
  const QString pdf = QDir(folder_.path()).filePath("claimed.pdf");
  EXPECT_EQ(WriteHandPdf(pdf, *form, Game(), 0), "");
  EXPECT_GT(QFile(pdf).size(), 1000);

  NextDialog<TSaveForm> save([](TSaveForm& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("Comment"), "Conceded");
    PressOk(dialog);
  });
  table_->MenuItem("SaveHandMenu")->trigger();
  ASSERT_TRUE(save.seen);

  table_.reset();
  StartNamed();
  NextDialog<TGetSavedHandForm> pick([&](TGetSavedHandForm& picker) {
    TSortGrid& grid = *picker.SH();
    ASSERT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.Cell(2, 10).toInt(), score);
    ClickRow(grid, 10);
    PressOk(picker);
  });
  Key(Qt::Key_F4);
  ASSERT_TRUE(pick.seen);
  EXPECT_EQ(Game().Table.LessonNumber, 11);
  EXPECT_FALSE(Game().Table.Claim);
  EXPECT_TRUE(notifier_.messages.isEmpty());

  // A reader that knows nothing of claims finds a whole play; one that
  // does finds where the table's play stopped and what was claimed.
  TINI store(Path(HandFileName).toStdString());
  EXPECT_EQ(ReadClaimNote(store, "11"), (ClaimNote{cards, South, 0}));
  const std::string plays = store.ReadString("11", "Plays", "");
  EXPECT_EQ(std::count(plays.begin(), plays.end(), ' '), 51);
  EXPECT_EQ(store.ReadString("11", "Score", ""), std::to_string(score));
}

}  // namespace
}  // namespace tavlo
