// A player who cannot see the table hears it: every button, card and call of
// the table has a name a screen reader says, the cards say whose they are,
// and the feedback line's sentence and the contract are read out.

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <set>

#include "cards/my_card.h"
#include "common/symbol_text_painter.h"
#include "lesson_table.h"
#include "table/feedback_line.h"

namespace tavlo {
namespace {

class AccessibleTable : public LessonTableTest {
 protected:
  // Every shown button, bid panel and card in the accessible tree under the
  // interface; those without a name are named by their object name.
  void Walk(QAccessibleInterface* node, int& parts, std::vector<std::string>& unnamed) const {
    if (!node) return;
    const auto* widget = qobject_cast<const QWidget*>(node->object());
    if (widget && widget->isVisible() &&
        (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const BidPanel*>(widget) ||
         qobject_cast<const TMyCard*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSlider*>(widget))) {
      ++parts;
      if (node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.push_back(widget->objectName().toStdString());
    }
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), parts, unnamed);
  }
  void EveryPartIsNamed(int atLeast, QWidget* window = nullptr) const {
    int parts = 0;
    std::vector<std::string> unnamed;
    Walk(QAccessible::queryAccessibleInterface(window ? window : table_.get()), parts, unnamed);
    EXPECT_GE(parts, atLeast);
    EXPECT_TRUE(unnamed.empty()) << testing::PrintToString(unnamed);
  }
  QString Name(const QWidget* widget) const {
    return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget))
        ->text(QAccessible::Name);
  }
};

TEST_F(AccessibleTable, DuringTheAuctionEveryCardAndCallIsNamed) {
  StartNamed();
  DealLesson(1);
  // South's thirteen cards, the calls the turn allows, the bid box's commands.
  EveryPartIsNamed(13 + 3 + 2 + 5);
  std::set<QString> southCards;
  for (const TMyCard* card : Control("HandSouth")->findChildren<TMyCard*>()) {
    if (!card->isVisible()) continue;
    southCards.insert(Name(card));
    EXPECT_EQ(card->accessibleDescription(), "South");
  }
  EXPECT_EQ(southCards.size(), 13u);
  EXPECT_EQ(Name(Pad()->PanelOf(ContractBidCode(2, Clubs))), "Two clubs");
  EXPECT_EQ(Name(Pad()->PanelOf(ContractBidCode(1, Hearts))), "One heart");
  EXPECT_EQ(Name(Pad()->PanelOf(ContractBidCode(3, NoTrump))), "Three no trump");
  EXPECT_EQ(Name(Pad()->PanelOf(Pass)), "Pass");
  // The cards North holds face down are not told.
  for (const TMyCard* card : Control("HandNorth")->findChildren<TMyCard*>()) {
    if (card->isVisible()) {
      EXPECT_EQ(Name(card), "Card face down");
    }
  }
}

// The bidding record says each call in words, and an alerted call what it
// shows.
TEST_F(AccessibleTable, BiddingRecordSaysTheCallsAndTheirAlerts) {
  StartNamed();
  DealLesson(1);
  BidToTheEnd(0, false);
  ASSERT_FALSE(Auction().AlertLines.empty());
  QAccessibleTableInterface* grid = QAccessible::queryAccessibleInterface(Grid())->tableInterface();
  ASSERT_NE(grid, nullptr);
  std::vector<QString> calls, alerts;
  for (int row = 0; row < static_cast<int>(Auction().AuctionGrid.size()); ++row) {
    for (int column = 0; column < 4; ++column) {
      QAccessibleInterface* cell = grid->cellAt(row, column);
      const QString name = cell->text(QAccessible::Name);
      if (name.isEmpty() || name.contains(QChar(0x2014))) continue;
      calls.push_back(name);
      if (const QString why = cell->text(QAccessible::Description); !why.isEmpty())
        alerts.push_back(name + ", " + why);
    }
  }
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[0], "One no trump");
  EXPECT_EQ(alerts.size(), Auction().AlertLines.size());
  for (const QString& alert : alerts)
    EXPECT_TRUE(alert.contains(", alerted: ")) << alert.toStdString();
}

TEST_F(AccessibleTable, FeedbackAndContractAreReadOut) {
  StartNamed();
  DealLesson(1);
  TypeWrongCall(ScriptedCall(), 0);
  const auto* line = Control<FeedbackLine>("FeedbackLine");
  ASSERT_TRUE(line->isVisible());
  EXPECT_FALSE(Name(line).isEmpty());
  EXPECT_EQ(Name(line), SymbolPlainText(line->Text()));
  BidToTheEnd(0, false);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  EXPECT_EQ(Name(Control("ContractImg")), QString::fromUtf8("4♥ by North"));
  EveryPartIsNamed(13 + 13 + 4);
}

// The preferences dialog names every control a player can change.
TEST_F(AccessibleTable, PreferencesNameEveryControl) {
  StartNamed();
  NextDialog<QDialog> check([this](QDialog& dialog) {
    EveryPartIsNamed(3, &dialog);
    dialog.reject();
  });
  Key(Qt::Key_F2);
  EXPECT_TRUE(check.seen);
}

// Without a mouse: Tab goes to the calls of the bid box, the call with the
// focus wears a frame, and Enter on it bids.
TEST_F(AccessibleTable, TabReachesTheCallsAndEnterBids) {
  StartNamed();
  DealLesson(1);
  const Bid call = BidCode(Auction().ScriptedAuction[Auction().BidCount]);
  BidPanel* panel = Pad()->PanelOf(call);
  const QImage before = panel->grab().toImage();
  int tabs = 0;
  for (; QApplication::focusWidget() != panel && tabs < 100; ++tabs) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : table_.get(),
                    Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), panel) << tabs;
  EXPECT_NE(panel->grab().toImage(), before);
  const int bids = Auction().BidCount;
  QTest::keyClick(panel, Qt::Key_Return);
  WaitForTheTable();
  EXPECT_GT(Auction().BidCount, bids);
}

}  // namespace
}  // namespace tavlo
