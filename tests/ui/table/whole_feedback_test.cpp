// The feedback line read whole at the window's opening size: a sentence too
// long for one line goes on in further lines, none cut short, and the line
// covers nothing the learner reads or presses at that moment.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "cards/card_art.h"
#include "common/desk_scaler.h"
#include "common/symbol_text_painter.h"
#include "dialogs/claim_dialog.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "session/game_session.h"
#include "table/feedback_line.h"

namespace tavlo {
namespace {

class WholeFeedbackTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  }
  // The table in the language, its window at the size it opens at.
  void StartAtOpeningSize(int language) {
    StartNamed(language);
    table_->resize(965, 584);
    QApplication::processEvents();
  }
  const FeedbackLine* Line() const { return Control<FeedbackLine>("FeedbackLine"); }
  QRect OnDesk(const QWidget* control) const {
    return {control->mapTo(Control("Desk"), QPoint()), control->size()};
  }
  // Every line the text breaks into at the line's width, less its margins,
  // fits the line's height; no word of it is left off; and what the
  // learner reads or presses now lies clear of it.
  void ExpectReadWhole(int language) const {
    const FeedbackLine* line = Line();
    ASSERT_TRUE(line->isVisible());
    const int margin = int(std::lround(6 * DeskFactor(line)));
    const QStringList lines =
        WrapSymbolText(line->font(), BoldStyle, line->Text(), line->width() - 2 * margin, language);
    EXPECT_GE(lines.size(), 2) << line->Text().toStdString();
    EXPECT_GE(line->height(), lines.size() * QFontMetrics(line->font()).height())
        << line->Text().toStdString();
    EXPECT_TRUE(Control("Desk")->rect().contains(OnDesk(line)));
    EXPECT_TRUE(line->toolTip().isEmpty());
    for (const char* name :
         {"BidPad", "BidReview", "StopLight", "ThePlayPad", "EndofBidding", "HCPNorthLabel",
          "HCPSouthLabel", "NHCP", "SHCP", "LessonPoint", "TableComment"}) {
      const QWidget* control = Control(name);
      if (control->isVisible()) {
        EXPECT_FALSE(OnDesk(control).intersects(OnDesk(line))) << name;
      }
    }
    for (const QWidget* trick : Control("TricksWL")->findChildren<QLabel*>())
      if (trick->isVisible()) {
        EXPECT_FALSE(OnDesk(trick).intersects(OnDesk(line)));
      }
  }
};

// Lesson 1 in German: the first wrong call is answered with a sentence too
// long for one line, and the key it names is read too.
TEST_F(WholeFeedbackTest, TheGermanRefusalOfACallReadsWhole) {
  StartAtOpeningSize(German);
  DealLesson(1);
  TypeWrongCall(ScriptedCall(), German);
  ASSERT_EQ(Line()->Text(),
            "Nicht das Gebot der Lektion. Versuchen Sie es noch einmal, oder drücken Sie Hilfe.");
  ExpectReadWhole(German);
  table_->grab().save(QDir::temp().filePath("tavlo_whole_feedback_german.png"));
}

// A saved hand whose alerted opening is explained at length: the second
// refusal gives the lesson's call with all of it, across the foot of the
// table where no tricks lie during the auction.
TEST_F(WholeFeedbackTest, ALongExplanationOfTheLessonsCallReadsWhole) {
  AppendToHandFile(
      "\n[11]\nDealer=S\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=S\nBids=1C(!),P,1H,P,P,P\n"
      "Alerts=\"Minor suit opening -- 3+ ~C; 11-21 HCP, no five-card major, no balanced 15-17 "
      "either, so with two clubs and four diamonds open 1~D instead\"\n"
      "Comment=A long note\n");
  StartAtOpeningSize(English);
  ASSERT_TRUE(table_->Session().PlaySavedHand(11));
  TypeWrongCall(ScriptedCall(), English);
  TypeWrongCall(ScriptedCall(), English);
  ASSERT_TRUE(Line()->Text().endsWith("open 1~D instead")) << Line()->Text().toStdString();
  ExpectReadWhole(English);
  table_->grab().save(QDir::temp().filePath("tavlo_whole_feedback_explanation.png"));
}

// Lesson 4 in French, after four tricks: every trick left is claimed, and
// the refusal with the defence's line of play reads whole beside the play
// pad and the tricks won.
TEST_F(WholeFeedbackTest, TheRefusedClaimReadsWhole) {
  StartAtOpeningSize(French);
  PlayLessonTo(4, 16, French);
  ClaimAllByKey();
  ASSERT_TRUE(Line()->Text().startsWith("Réclamation refusée")) << Line()->Text().toStdString();
  ExpectReadWhole(French);
  table_->grab().save(QDir::temp().filePath("tavlo_whole_feedback_claim.png"));
}

}  // namespace
}  // namespace tavlo
