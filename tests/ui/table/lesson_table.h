#pragma once
// A table in developer mode with the lesson hands, driven as a user drives
// it: keys typed on the window, clicks on its controls, the lesson's
// auction bid from its script.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "auction/bid_keys.h"
#include "dialogs/claim_dialog.h"
#include "dialogs/sort_grid.h"
#include "model/bid_text.h"
#include "options/options_file.h"
#include "table/bid_box.h"
#include "table/bidding_record.h"
#include "table/lessons_window.h"
#include "table_fixture.h"

namespace tavlo {

// Acts on the dialog the table opens modally, once it is up.
template <typename Dialog>
class NextDialog {
 public:
  explicit NextDialog(std::function<void(Dialog&)> act) {
    QObject::connect(&timer_, &QTimer::timeout, [this, act = std::move(act)] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      if (!dialog || !dialog->isVisible()) return;
      timer_.stop();
      seen = true;
      act(*dialog);
    });
    timer_.start(0);
  }
  bool seen = false;

 private:
  QTimer timer_;
};

// Names the file in the file dialog the table opens, and accepts it.
inline auto ChooseFile(const QString& path) {
  return [path](QFileDialog& dialog) {
    dialog.selectFile(path);
    QMetaObject::invokeMethod(&dialog, "accept");
  };
}

inline void PressOk(QDialog& dialog) {
  QTest::mouseClick(dialog.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
}

// A click on a row of the saved-hand grid, with the keys held.
inline void ClickRow(TSortGrid& grid, int row, Qt::KeyboardModifiers modifiers = {}) {
  const QPoint middle = grid.visualRect(grid.model()->index(row, 1)).center();
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, middle);
}

class LessonTableTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    CopyLessonHands();
    DeveloperMode();
  }
  void StartNamed(int language = 0) {
    OptionsRecord options;
    ApplyDefaults(options);
    options.PlayerName = "Karen";
    options.Language = static_cast<std::uint8_t>(language);
    ASSERT_TRUE(SaveOptions(options, Path(OptionsFileName).toStdString()));
    table_ = Start();
    ASSERT_TRUE(table_);
    table_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
  }
  // Deals lesson hand n: the computer seats bid up to South's first turn.
  void DealLesson(int n) {
    table_->GameState().Table.HandFileNumber = n - 1;
    Key(Qt::Key_F3);
    ASSERT_EQ(Game().Table.LessonNumber, n);
  }
  template <typename T = QWidget>
  T* Control(const char* name) const {
    T* control = table_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  BidBox* Pad() const { return Control<BidBox>("BidPad"); }
  BidReviewGrid* Grid() const { return Control<BidReviewGrid>("BidReview"); }
  const tavlo::Game& Game() const { return table_->GameState(); }
  const AuctionState& Auction() const { return Game().Auction; }
  void Key(int key) { QTest::keyClick(table_.get(), static_cast<Qt::Key>(key)); }
  void Click(const char* panel) { QTest::mouseClick(Pad()->Panel(panel), Qt::LeftButton); }

  // The short text of the call the script asks for now ("4S", "P", "X").
  std::string ScriptedCall() const {
    const AuctionState& auction = Auction();
    const auto count = static_cast<std::size_t>(auction.BidCount);
    return BidShortText(
        BidCode(count < auction.ScriptedAuction.size() ? auction.ScriptedAuction[count] : "P"));
  }
  // Types a call with the letters of language: level digit then strain, the
  // pass letter, X for double and redouble.
  void TypeCall(const std::string& call, int language = 0) {
    const std::string_view letters = BidKeyLetters[language];
    if (call == "P") return Key(letters[5]);
    if (call.front() == 'X') return Key('X');
    Key(call[0]);
    Key(letters[std::string_view("CDHSN").find(call[1])]);
  }
  // Bids the rest of the auction as the script says; the first user turn
  // starts with a wrong call.
  void BidToTheEnd(int language = 0, bool oneWrongCall = true) {
    for (int turn = 0; Game().Table.TablePhase == Phase::Bidding && turn < 20; ++turn) {
      const std::string call = ScriptedCall();
      if (oneWrongCall && turn == 0) TypeWrongCall(call, language);
      TypeCall(call, language);
    }
  }
  // A call the script does not ask for: beeps and changes nothing.
  void TypeWrongCall(const std::string& call, int language) {
    const int beeps = notifier_.informationBeeps;
    const std::vector<std::string> record = Auction().AuctionRecord;
    TypeCall(call == "P" ? "7N" : "P", language);
    EXPECT_EQ(notifier_.informationBeeps, beeps + 1);
    EXPECT_EQ(Auction().AuctionRecord, record);
    EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  }
  void WaitForTheTable() {
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !table_->InputHeld() && !table_->KeysWaiting(); }, 60000));
  }
  // The rest of the play under Finish Play, each trick cleared with Enter.
  void FinishTheHand() {
    for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 100; ++step) {
      if (Game().Table.TrickWaiting) {
        Key(Qt::Key_Return);
      } else {
        QTest::mouseClick(Control<QPushButton>("TPPFast"), Qt::LeftButton);
      }
      WaitForTheTable();
    }
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  }
  // The auction as the script says, then the computer plays every card
  // under Finish Play, each trick cleared with Enter.
  void BidAndFinish() {
    BidToTheEnd(0, false);
    ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    FinishTheHand();
  }
  // The contract the script ends in: its last level bid and the doubles after it.
  static std::pair<Bid, int> ScriptedContract(const std::vector<std::string>& script) {
    Bid contract = Pass;
    int doubling = 0;
    for (const std::string& item : script) {
      const Bid bid = BidCode(item);
      if (IsContractBid(bid)) {
        contract = bid;
        doubling = 0;
      } else if (bid == Double || bid == Redouble) {
        ++doubling;
      }
    }
    return {contract, doubling};
  }
  // The program's folder holds the shipped lesson packs, as a build's does.
  void CopyLessonPacks() const {
    const QDir shipped(QString(TAVLO_SOURCE_DIR) + "/resources/lessons");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("lessons"));
    for (const QString& name : shipped.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(shipped.filePath(name), Path("lessons/" + name)));
  }
  // Opens the lessons window with its menu item and acts on it; the table
  // has the keyboard again once the window is gone.
  void InLessonsWindow(const std::function<void(LessonsWindow&)>& act) {
    NextDialog<LessonsWindow> window(act);
    table_->MenuItem("Lessons1")->trigger();
    ASSERT_TRUE(window.seen);
    table_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
    WaitForTheTable();
  }
  // Lesson n bid as its script says and played with Enter, the card the
  // table offers, until cards are played and their last trick is cleared.
  void PlayLessonTo(int lesson, int cards, int language = 0) {
    DealLesson(lesson);
    BidToTheEnd(language, false);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    for (int step = 0; Game().Play.CardsPlayed < cards && step < 200; ++step) {
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
    if (Game().Table.TrickWaiting) Key(Qt::Key_Return);
    WaitForTheTable();
  }
  // Claims every trick left through the dialog the menu's key opens.
  void ClaimAllByKey() {
    NextDialog<ClaimDialog> dialog([](ClaimDialog& claim) {
      QTest::mouseClick(claim.findChild<QRadioButton*>("ClaimAll"), Qt::LeftButton);
      QTest::mouseClick(claim.findChild<QPushButton*>("ClaimOK"), Qt::LeftButton);
    });
    QTest::keyClick(table_.get(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(dialog.seen);
    WaitForTheTable();
  }
  void WriteHandFile(const QByteArray& text) const {
    QFile file(Path(HandFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }

  std::unique_ptr<TDeskTop> table_;
};

}  // namespace tavlo
