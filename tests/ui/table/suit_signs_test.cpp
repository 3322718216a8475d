// Suits and cards as a learner reads them, in every language: the lessons'
// points and explanations, the refused claim's line, every message and an
// import's report, the saved hands' list, the review and the print-out show
// the suits' signs ("1♥", "♣A"), never the "~H" marks of the files, and a
// ten as "10", never "T".

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTreeWidget>
#include <algorithm>

#include "cards/card_art.h"
#include "common/strings_resource.h"
#include "common/symbol_text_painter.h"
#include "dialogs/claim_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/sort_grid.h"
#include "game/claim_flow.h"
#include "language/languages.h"
#include "lesson_table.h"
#include "print/print_form.h"
#include "print/print_page.h"
#include "table/feedback_line.h"
#include "table/lessons_window.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

const QString Signs = QStringLiteral("♣♦♥♠");

bool HasSign(const QString& text) {
  return std::any_of(Signs.begin(), Signs.end(), [&](QChar sign) { return text.contains(sign); });
}

// A card's rank written "T" after a suit's sign, as the files write a ten.
bool HasFilesTen(const QString& text) {
  static const QRegularExpression ten("[♣♦♥♠]\\s*[2-9AKQJ]*T");
  return text.contains(ten);
}

class SuitSignsTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
    CopyLessonPacks();
  }
  const FeedbackLine* Line() const { return Control<FeedbackLine>("FeedbackLine"); }

  // What the learner reads of the lesson on the table once its auction is
  // over, in each language: its point, the comment under South's hand, and
  // each explanation of the bidding record as its hint and as a screen
  // reader says it.
  void ExpectSignsInEveryLanguage() {
    for (int language = English; language < LanguageCount; ++language) {
      SCOPED_TRACE(language);
      ChooseLanguage(*table_, language);
      const QString point = Control<QLabel>("LessonPoint")->text();
      EXPECT_FALSE(point.isEmpty());
      QStringList shown{point, Control<QLabel>("TableComment")->text()};
      const int firstExplanation = static_cast<int>(Auction().AuctionGrid.size());
      for (int row = firstExplanation; row < Grid()->rowCount(); ++row) {
        const QTableWidgetItem* item = Grid()->item(row, 0);
        if (!item) continue;
        const QString spoken = item->data(Qt::AccessibleTextRole).toString();
        EXPECT_FALSE(spoken.isEmpty()) << item->text().toStdString();
        shown << item->toolTip() << spoken;
      }
      for (const QString& text : shown) EXPECT_FALSE(text.contains('~')) << text.toStdString();
      // A point that names a suit names it by its sign.
      if (Game().Table.LessonPoint.find('~') != std::string::npos) {
        EXPECT_TRUE(HasSign(point) || point.contains(QRegularExpression("[1-7](NT|UT|SA)")))
            << point.toStdString();
      }
    }
    ChooseLanguage(*table_, English);
  }
  // Bids lesson 4 as its script says and plays four tricks with Enter; the
  // claim of every trick left is then refused.
  void RefusedClaim() {
    PlayLessonTo(4, 16);
    ClaimAllByKey();
    ASSERT_EQ(table_->Session().LastFeedback().Kind, FeedbackKind::ClaimRefused);
  }
};

// Every lesson of the hand file, dealt by New Hand, and every hand of every
// pack, dealt by Continue in the lessons window, bid to its end: the point
// and the explanations read with signs in all six languages.
TEST_F(SuitSignsTest, EveryLessonsWordsReadWithSignsInEveryLanguage) {
  StartNamed();
  for (int lesson = 1; lesson <= LessonHands; ++lesson) {
    SCOPED_TRACE("lesson " + std::to_string(lesson));
    DealLesson(lesson);
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    ExpectSignsInEveryLanguage();
  }
  int packHands = 0, listed = 0;
  for (bool more = true; more && packHands < 200;) {
    InLessonsWindow([&](LessonsWindow& window) {
      auto* next = window.findChild<QPushButton*>("ContinueButton");
      more = next->isEnabled();
      listed = 0;
      for (int topic = 0; topic < window.Topics()->topLevelItemCount(); ++topic)
        listed += window.Topics()->topLevelItem(topic)->childCount();
      QTest::mouseClick(more ? next : window.findChild<QPushButton*>("CloseButton"),
                        Qt::LeftButton);
    });
    if (!more) break;
    SCOPED_TRACE(Game().Table.PackHand);
    ++packHands;
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    ExpectSignsInEveryLanguage();
  }
  // Every hand of every pack had its turn.
  EXPECT_EQ(packHands, listed);
  EXPECT_GE(packHands, 60);
}

// The refused claim's line of play, as a screen reader says it, names the
// defence's cards by their signs in every language; nothing of it is left
// to a hint.
TEST_F(SuitSignsTest, TheRefusedClaimsCardsReadWithSignsInEveryLanguage) {
  StartNamed();
  RefusedClaim();
  for (int language = English; language < LanguageCount; ++language) {
    SCOPED_TRACE(language);
    ChooseLanguage(*table_, language);
    ASSERT_TRUE(Line()->isVisible());
    const QString said = Line()->accessibleName();
    EXPECT_FALSE(said.contains('~')) << said.toStdString();
    EXPECT_TRUE(HasSign(said)) << said.toStdString();
    EXPECT_TRUE(Line()->toolTip().isEmpty());
  }
}

// Every message of the table, whatever card core names in it, reads with the
// suit's sign in every language; so does the report of a file whose board
// holds a card twice.
TEST_F(SuitSignsTest, EveryMessageNamesItsCardsBySigns) {
  const Result<LessonTexts> messages = LoadLanguageTable("messages.tsv");
  ASSERT_TRUE(messages);
  StartNamed();
  for (int language = English; language < LanguageCount; ++language) {
    SCOPED_TRACE(language);
    ChooseLanguage(*table_, language);
    notifier_.messages.clear();
    for (const auto& [key, texts] : *messages) {
      // Each value a card as core writes it.
      QString english = QString::fromStdString(texts[English]);
      english.replace(QRegularExpression("%[1-9]"), "~CA");
      Notifier::Current().Message(english);
    }
    ASSERT_EQ(notifier_.messages.size(), static_cast<qsizetype>(messages->size()));
    for (const QString& message : notifier_.messages)
      EXPECT_FALSE(message.contains('~')) << message.toStdString();

    notifier_.messages.clear();
    NextDialog<QFileDialog> choose(
        ChooseFile(QString(TAVLO_SOURCE_DIR) + "/tests/core/pbn/data/bad_boards.pbn"));
    table_->MenuItem("ImportPbn1")->trigger();
    ASSERT_TRUE(choose.seen);
    WaitForTheTable();
    ASSERT_EQ(notifier_.messages.size(), 1);
    const QStringList lines = notifier_.messages.front().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].contains("♣A")) << lines[1].toStdString();
    EXPECT_FALSE(notifier_.messages.front().contains('~'));
  }
}

// The saved hands' list gives the lessons' comments in the learner's
// language and contracts with signs.
TEST_F(SuitSignsTest, TheSavedHandsListSpeaksTheLanguageWithSigns) {
  AppendToHandFile(
      "\n[11]\nDealer=S\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=E\nBids=P,P,5D,X,P,P,P\nContract=5D X\nScore=100\nComment=Sacrifice\n"
      "\n[12]\nDealer=S\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Declarer=S\nBids=P,P,P,P\nContract=Pass\nScore=0\nComment=Nothing to bid\n");
  const Result<LessonTexts> lessons = LoadLanguageTable("lessons.tsv");
  ASSERT_TRUE(lessons);
  StartNamed(French);
  NextDialog<TGetSavedHandForm> pick([&](TGetSavedHandForm& picker) {
    const TSortGrid& grid = *picker.SH();
    ASSERT_EQ(grid.RowCount(), 12);
    for (int row = 0; row < 10; ++row) {
      const std::string board = grid.Cell(0, row).toStdString();
      EXPECT_EQ(grid.Cell(3, row).toStdString(), lessons->at(board + ".Comment")[French]);
    }
    EXPECT_EQ(grid.Cell(1, 10), "5♦X");
    EXPECT_EQ(grid.Cell(3, 10), "Sacrifice");
    EXPECT_EQ(grid.Cell(1, 11), "Passe");
    picker.reject();
  });
  Key(Qt::Key_F4);
  ASSERT_TRUE(pick.seen);
}

// A hand played to its end: the review's play and hands, and the
// print-out's hands, write each ten "10" in every language.
TEST_F(SuitSignsTest, TensReadTenInTheReviewAndThePrintOut) {
  StartNamed();
  DealLesson(3);
  BidAndFinish();
  auto* form = table_->findChild<TPrintForm*>("PrintForm");
  ASSERT_NE(form, nullptr);
  for (int language = English; language < LanguageCount; ++language) {
    SCOPED_TRACE(language);
    ChooseLanguage(*table_, language);
    table_->MenuItem("ReviewHand1")->trigger();
    auto* review = table_->findChild<ReviewForm*>("ReviewForm");
    ASSERT_NE(review, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !review->Analysing(); }, 60000));
    // All 52 cards are played, so each suit's ten is among them.
    QString play;
    const auto* grid = review->findChild<QTableWidget*>("PlayGrid");
    for (int row = 0; row < grid->rowCount(); ++row)
      for (int column = 0; column < grid->columnCount(); ++column)
        if (const QTableWidgetItem* item = grid->item(row, column)) play += item->text() + ' ';
    for (const char* ten : {"♣10", "♦10", "♥10", "♠10"})
      EXPECT_TRUE(play.contains(QString::fromUtf8(ten))) << ten;
    EXPECT_FALSE(HasFilesTen(play)) << play.toStdString();
    // Before the first trick every hand is whole: the four tens stand in it.
    int tens = 0;
    for (const char* seat :
         {"ReviewHandNorth", "ReviewHandEast", "ReviewHandSouth", "ReviewHandWest"}) {
      QTextDocument hand;
      hand.setHtml(review->findChild<QLabel*>(seat)->text());
      tens += static_cast<int>(hand.toPlainText().count("10"));
      EXPECT_FALSE(HasFilesTen(hand.toPlainText())) << hand.toPlainText().toStdString();
    }
    EXPECT_EQ(tens, 4);
    review->close();

    QString printed;
    for (const PrintText& text : form->PrintHandOnCanvas(Game(), language).Texts)
      printed += SymbolPlainText(text.Text, language) + '\n';
    for (const QChar sign : Signs)
      EXPECT_TRUE(printed.contains(QRegularExpression(QString(sign) + " [AKQJ]*10")))
          << QString(sign).toStdString();
    EXPECT_FALSE(HasFilesTen(printed)) << printed.toStdString();
  }
}

}  // namespace
}  // namespace tavlo
