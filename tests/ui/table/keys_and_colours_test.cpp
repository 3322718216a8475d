// The table's keys and colours agree with one another: no two menus or
// buttons shown together share their Alt letter in any language, the focus
// wears a frame that shows and Space presses what it frames, Escape puts
// the review of the auction away, a new auction starts with the hands face
// down, the four-colour deck colours the bid box as it colours the cards,
// and face-down cards lie in order.

#include <QAbstractButton>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QSet>
#include <algorithm>
#include <array>

#include "cards/my_card.h"
#include "common/suit_colours.h"
#include "dialogs/claim_dialog.h"
#include "language/languages.h"
#include "lesson_table.h"

namespace tavlo {
namespace {

class KeysAndColoursTest : public LessonTableTest {
 protected:
  // Up to the learner's turn in the play, a card played and a trick
  // cleared if one waits.
  void PlayUntil(int cards) {
    BidToTheEnd(0, false);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    for (int step = 0; Game().Play.CardsPlayed < cards && step < 100; ++step) {
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
    if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
    WaitForTheTable();
    ASSERT_EQ(Game().Table.TablePhase, Phase::Play);
  }
  // Tab until the control has the focus, as a learner without a mouse does.
  void TabTo(const QWidget* control) {
    for (int tabs = 0; QApplication::focusWidget() != control && tabs < 100; ++tabs) {
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus ? focus : table_.get(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), control);
  }
};

// The captions of the menus and buttons shown now that share an Alt letter.
// Double and redouble share X by design: the auction's X makes whichever
// the turn allows, and the two are never offered together.
QStringList SharedAltLetters(const TDeskTop& table) {
  QMap<QString, QStringList> owners;
  QMap<QString, QStringList> names;
  const auto take = [&](const QString& caption, const QString& name) {
    const QKeySequence letter = QKeySequence::mnemonic(caption);
    if (letter.isEmpty()) return;
    owners[letter.toString()] << caption;
    names[letter.toString()] << name;
  };
  for (const QAction* menu : table.menuBar()->actions())
    if (menu->isVisible()) take(menu->text(), menu->objectName());
  for (const QWidget* control : table.findChildren<QWidget*>()) {
    if (!control->isVisible()) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
      take(button->text(), button->objectName());
    } else if (const auto* panel = qobject_cast<const BidPanel*>(control)) {
      take(panel->text(), panel->objectName());
    }
  }
  QStringList shared;
  for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
    if (it->size() < 2 || names[it.key()] == QStringList{"XButDbl", "XButRedbl"}) continue;
    shared << it.key() + ": " + it->join(" / ");
  }
  return shared;
}

class AltLettersTest : public KeysAndColoursTest, public testing::WithParamInterface<int> {};

// At every step of a hand, in every language, Alt and a letter reach one
// menu or button only.
TEST_P(AltLettersTest, NoTwoMenusOrButtonsShownTogetherShareALetter) {
  const int language = GetParam();
  StartNamed(language);
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "start";
  DealLesson(1);
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "auction";
  BidToTheEnd(language, false);
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "end of the auction";
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "play";
  Key(Qt::Key_F7);
  WaitForTheTable();
  ASSERT_TRUE(Control("ButPlayHint")->isVisible());
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "play with a hint";
  FinishTheHand();
  EXPECT_EQ(SharedAltLetters(*table_), QStringList()) << "end of the hand";
}

INSTANTIATE_TEST_SUITE_P(Languages, AltLettersTest,
                         testing::Values(English, Danish, Norwegian, French, German, Swedish),
                         [](const auto& info) { return std::to_string(info.param); });

// In French the bid box's Aide and the Aide menu both read A: Alt+A asks
// the bid box for the lesson's call, and the menu has a letter of its own.
TEST_F(KeysAndColoursTest, AltAndTheBidBoxLetterPressesTheBidBox) {
  StartNamed(French);
  DealLesson(1);
  const Bid call = BidCode(Auction().ScriptedAuction[Auction().BidCount]);
  QTest::keyClick(table_.get(), Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  EXPECT_EQ(Pad()->PanelOf(call)->BackColour(), QColor(255, 255, 0));
}

struct FocusCase {
  const char* name;
  bool play;  // the play's Claim, else the lesson's call in the auction
};

class FocusFrameTest : public KeysAndColoursTest, public testing::WithParamInterface<FocusCase> {};

// Tab brings the focus to a button, which wears a frame that stands out
// from the panel all round it; Space presses it.
TEST_P(FocusFrameTest, TheFocusShowsAndSpacePresses) {
  StartNamed();
  DealLesson(1);
  if (GetParam().play) PlayUntil(2);
  QWidget* button = GetParam().play
                        ? static_cast<QWidget*>(Control<QPushButton>("TPPClaim"))
                        : Pad()->PanelOf(BidCode(Auction().ScriptedAuction[Auction().BidCount]));
  TabTo(button);

  QWidget* desk = Control("Desk");
  const QImage picture = desk->grab().toImage();
  // The frame as a learner sees it, kept for a look after the run.
  picture.save(QDir::temp().filePath(QString("tavlo_focus_%1.png").arg(GetParam().name)));
  const QColor ground = button->parentWidget()->palette().color(QPalette::Window);
  const QRect around = QRect(button->mapTo(desk, QPoint()), button->size()).adjusted(-1, -1, 1, 1);
  int faint = 0;
  for (int x = around.left(); x <= around.right(); ++x) {
    for (int y = around.top(); y <= around.bottom(); ++y) {
      if (x != around.left() && x != around.right() && y != around.top() && y != around.bottom())
        continue;
      const QColor seen = picture.pixelColor(x, y);
      const int contrast = std::abs(seen.red() - ground.red()) +
                           std::abs(seen.green() - ground.green()) +
                           std::abs(seen.blue() - ground.blue());
      if (contrast < 200) ++faint;
    }
  }
  EXPECT_EQ(faint, 0) << "pixels of the frame hardly set off from the panel";

  if (GetParam().play) {
    NextDialog<ClaimDialog> claim([](ClaimDialog& dialog) { dialog.reject(); });
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_TRUE(claim.seen);
  } else {
    const int calls = Auction().BidCount;
    QTest::keyClick(button, Qt::Key_Space);
    WaitForTheTable();
    EXPECT_GT(Auction().BidCount, calls);
  }
}

INSTANTIATE_TEST_SUITE_P(Buttons, FocusFrameTest,
                         testing::Values(FocusCase{"Call", false}, FocusCase{"Claim", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeysAndColoursTest, EscapeClosesTheReviewOfTheAuction) {
  StartNamed();
  DealLesson(1);
  PlayUntil(1);
  Key(Qt::Key_F10);
  ASSERT_TRUE(Control("CloseBidReview")->isVisible());
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : table_.get(), Qt::Key_Escape);
  EXPECT_FALSE(Control("CloseBidReview")->isVisible());
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
}

// The hands shown for the last hand stay shown while it lasts; the next
// hand's auction starts with North, East and West face down.
TEST_F(KeysAndColoursTest, ShowingAllHandsEndsWithTheHand) {
  StartNamed();
  DealLesson(1);
  Key(Qt::Key_F8);
  ASSERT_TRUE(Control<TMyCard>("MyCard1")->ShowFront());
  Key(Qt::Key_F3);
  for (const char* card : {"MyCard1", "MyCard14", "MyCard40"})
    EXPECT_FALSE(Control<TMyCard>(card)->ShowFront()) << card;
  EXPECT_TRUE(Control<TMyCard>("MyCard27")->ShowFront());
  EXPECT_TRUE(table_->MenuItem("ShowHands")->isEnabled());
  EXPECT_FALSE(table_->MenuItem("HideHands")->isEnabled());
  EXPECT_EQ(Control<QLabel>("NHCP")->text(), "");
}

// With the four-colour deck a suit has one colour in the whole window: the
// bid box's calls are written in the inks of the cards; the classic deck
// gives the bid box its own colours back.
TEST_F(KeysAndColoursTest, TheFourColourDeckColoursTheBidBoxLikeTheCards) {
  StartNamed();
  DealLesson(1);
  const auto ink = [this](const char* strain) { return Pad()->Panel(strain)->InkColour(); };
  const auto face = [this](const char* strain) { return Pad()->Panel(strain)->BackColour(); };
  const std::array<const char*, 4> suits{"C7", "D7", "H7", "S7"};

  table_->MenuItem("FourColourDeck1")->trigger();
  ASSERT_TRUE(FourColourDeck());
  QSet<QRgb> faces{face("N7").rgb()};
  for (int suit = Clubs; suit <= Spades; ++suit) {
    EXPECT_EQ(ink(suits[suit]), SuitInk(suit, true)) << suits[suit];
    faces << face(suits[suit]).rgb();
  }
  EXPECT_EQ(faces.size(), 5) << "every strain keeps a face of its own";

  table_->MenuItem("FourColourDeck1")->trigger();
  ASSERT_FALSE(FourColourDeck());
  EXPECT_EQ(ink("D7"), QColor(255, 76, 0));
  EXPECT_EQ(ink("S7"), QColor(0, 0, 255));
}

// Cards played from North's hand face up, and a new hand dealt before the
// end: North's backs lie each over the one before, from left to right.
TEST_F(KeysAndColoursTest, FaceDownCardsLieInOrderAfterCardsWerePlayed) {
  StartNamed();
  DealLesson(1);
  PlayUntil(12);
  ASSERT_TRUE(Game().Hands[North].FaceUp);
  Key(Qt::Key_F3);
  ASSERT_FALSE(Control<TMyCard>("MyCard1")->ShowFront());
  std::vector<int> lefts;
  for (const QObject* child : Control("HandNorth")->children()) {
    if (const auto* card = qobject_cast<const TMyCard*>(child); card && card->isVisible())
      lefts.push_back(card->x());
  }
  ASSERT_EQ(lefts.size(), 13u);
  EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end())) << testing::PrintToString(lefts);
}

}  // namespace
}  // namespace tavlo
