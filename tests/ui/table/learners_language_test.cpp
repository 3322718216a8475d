// What a lesson teaches, in the learner's language: the explanation of an
// alerted call under the auction, the lesson's point, the review and the
// print-out speak the language of the table and change with it; Qt's own
// dialogs follow too.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "cards/card_art.h"
#include "lesson_table.h"
#include "print/print_form.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

constexpr int French = 3, German = 4, Swedish = 5;

class LearnersLanguageTest : public LessonTableTest {
 protected:
  // The explanation line of the first alerted call in the bidding record.
  QString ExplanationShown(const BidReviewGrid& grid) const {
    return grid.CellText(static_cast<int>(Auction().AuctionGrid.size()), 0);
  }
  // The auction typed with the letters of the language, then the computer
  // plays the hand to its end.
  void BidAndFinishIn(int language) {
    BidToTheEnd(language, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    FinishTheHand();
  }
};

// Lesson 1 bid in French: the Stayman explanation and the point in French;
// a switch to German turns what is on the table German.
TEST_F(LearnersLanguageTest, TheLessonsWordsFollowTheLanguage) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed(French);
  DealLesson(1);
  BidToTheEnd(French, false);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  const auto* point = Control<QLabel>("LessonPoint");
  EXPECT_EQ(ExplanationShown(*Grid()), "(1) Stayman : demande une majeure quatrième, 8+ points");
  EXPECT_TRUE(point->text().startsWith("Stayman : sur le 1SA du partenaire"))
      << point->text().toStdString();
  table_->grab().save(QDir::temp().filePath("tavlo_lesson_words_french.png"));

  ChooseLanguage(*table_, German);
  EXPECT_EQ(ExplanationShown(*Grid()), "(1) Stayman: fragt nach einer Vierer-Oberfarbe, 8+ Punkte");
  EXPECT_TRUE(point->text().startsWith("Stayman: über Partners 1SA"))
      << point->text().toStdString();
  table_->grab().save(QDir::temp().filePath("tavlo_lesson_words_german.png"));

  // The print-out of the hand speaks German too.
  TPrintForm form;
  const PrintPage page = form.PrintHandOnCanvas(Game(), German);
  bool found = false;
  for (const PrintText& text : page.Texts)
    found = found || text.Text.startsWith("(1) Stayman: fragt");
  EXPECT_TRUE(found);

  ChooseLanguage(*table_, Swedish);
  EXPECT_EQ(ExplanationShown(*Grid()), "(1) Stayman: frågar efter en fyrkorts högfärg, 8+ poäng");
  table_->grab().save(QDir::temp().filePath("tavlo_lesson_words_swedish.png"));
}

// The review of a finished lesson explains its auction in the language.
TEST_F(LearnersLanguageTest, TheReviewExplainsTheAuctionInTheLanguage) {
  StartNamed(French);
  DealLesson(1);
  BidAndFinishIn(French);
  table_->MenuItem("ReviewHand1")->trigger();
  auto* review = table_->findChild<ReviewForm*>("ReviewForm");
  ASSERT_NE(review, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
  const auto* grid = review->findChild<BidReviewGrid*>();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(ExplanationShown(*grid), "(1) Stayman : demande une majeure quatrième, 8+ points");
  review->grab().save(QDir::temp().filePath("tavlo_lesson_words_review_french.png"));
  review->close();
}

// A hand the user saved keeps its own explanation and comment as written.
TEST_F(LearnersLanguageTest, AUsersOwnWordsStandAsWritten) {
  AppendToHandFile(
      "\n[11]\nDealer=N\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=N\nBids=1N,P,2C(!),P,2H,P,4H,P,P,P\n"
      "Alerts=\"Stayman: asks for a four-card major, 8+ points\"\n"
      "Comment=My own Stayman hand\n");
  StartNamed(German);
  ASSERT_TRUE(table_->Session().PlaySavedHand(11));
  BidToTheEnd(German, false);
  EXPECT_EQ(ExplanationShown(*Grid()), "(1) Stayman: asks for a four-card major, 8+ points");
  EXPECT_EQ(Control<QLabel>("TableComment")->text(), "My own Stayman hand");
  EXPECT_FALSE(Control<QLabel>("LessonPoint")->isVisible());
}

// Qt's own words: the Export as PDF dialog's buttons in German.
TEST_F(LearnersLanguageTest, TheExportDialogsButtonsSpeakGerman) {
  StartNamed(German);
  DealLesson(2);
  BidAndFinishIn(German);
  QStringList buttons;
  QString title;
  NextDialog<QFileDialog> look([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    for (const QPushButton* button :
         dialog.findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
      buttons << button->text().remove('&');
    dialog.grab().save(QDir::temp().filePath("tavlo_export_pdf_german.png"));
    dialog.reject();
  });
  table_->MenuItem("ExportPdf1")->trigger();
  ASSERT_TRUE(look.seen);
  EXPECT_EQ(title, table_->MenuItem("ExportPdf1")->text().remove('&'));
  EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(", ").toStdString();
  EXPECT_TRUE(buttons.contains("Speichern")) << buttons.join(", ").toStdString();
}

}  // namespace
}  // namespace tavlo
