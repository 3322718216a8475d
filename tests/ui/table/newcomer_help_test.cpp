// What a newcomer meets at the table: the welcome of the first start that
// points to the lessons and to New Hand, F1 that opens the help at the topic
// of whatever the learner is looking at, in the table or in any window of
// it, and a help window whole on the screen.

#include <QLabel>
#include <QScreen>
#include <QTextBrowser>
#include <functional>

#include "dialogs/claim_dialog.h"
#include "dialogs/saved_hand_picker.h"
#include "dialogs/setup_options.h"
#include "handfile/lesson_progress.h"
#include "language/help_system.h"
#include "language/help_viewer.h"
#include "lesson_table.h"
#include "table/lessons_window.h"
#include "table/review_form.h"

namespace tavlo {
namespace {

class NewcomerTest : public LessonTableTest {
 public:
  // What the places of the table's help are reached with.
  using LessonTableTest::BidAndFinish;
  using LessonTableTest::BidToTheEnd;
  using LessonTableTest::DealLesson;
  using LessonTableTest::Key;
  using LessonTableTest::table_;

  void SetUp() override {
    LessonTableTest::SetUp();
    // The program's folder holds the help files and the lesson packs, as a
    // build's does.
    const QDir help(QString(TAVLO_SOURCE_DIR) + "/resources/help");
    for (const QString& name : help.entryList({"*.hlp"}))
      ASSERT_TRUE(QFile::copy(help.filePath(name), Path(name)));
    const QDir lessons(QString(TAVLO_SOURCE_DIR) + "/resources/lessons");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("lessons"));
    for (const QString& name : lessons.entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(lessons.filePath(name), Path("lessons/" + name)));
  }

  static HelpViewer* Viewer() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* viewer = qobject_cast<HelpViewer*>(window); viewer && viewer->isVisible())
        return viewer;
    }
    return nullptr;
  }
  // F1 on the control with the focus in window (the table unless named); the
  // topic the help opened at, and whether the help takes the input over the
  // window it was asked from.
  void PressF1(QWidget* window = nullptr) {
    if (!window) window = table_.get();
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus ? focus : window, Qt::Key_F1);
    HelpViewer* viewer = Viewer();
    topic = viewer ? viewer->Text()->source().fragment() : QString();
    helpTakesInput = viewer && QApplication::activeModalWidget() == viewer;
  }
  // A window of the table opened with its key, F1 pressed in it, and both
  // put away again.
  template <typename Window>
  void PressF1In(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    NextDialog<Window> window([this](Window& dialog) {
      PressF1(&dialog);
      if (HelpViewer* viewer = Viewer()) viewer->close();
      dialog.reject();
    });
    QTest::keyClick(table_.get(), key, modifiers);
    ASSERT_TRUE(window.seen);
  }
  void StartPlay() {
    DealLesson(1);
    BidToTheEnd(0, false);
    QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
    WaitForTheTable();
    // A card played, so a claim can be made.
    while (Game().Play.CardsPlayed < 2) {
      Key(Qt::Key_Return);
      WaitForTheTable();
    }
  }
  QLabel* Welcome() const { return Control<QLabel>("Welcome"); }
  std::string ProgressFile() const {
    return Path(QString::fromLatin1(LessonProgressFileName.data())).toStdString();
  }

  QString topic;
  bool helpTakesInput = false;
};

struct HelpPlace {
  const char* name;
  std::function<void(NewcomerTest&)> reachAndPressF1;
  QString topic;
  bool dialog = false;
};

class ContextHelpTest : public NewcomerTest, public testing::WithParamInterface<HelpPlace> {};

// F1 opens the help at the topic of the table's phase, of the control with
// the focus, or of the window the learner is in; from a dialog, the help
// can be read while the dialog waits.
TEST_P(ContextHelpTest, FOneOpensTheHelpAtWhatTheLearnerIsLookingAt) {
  StartNamed();
  GetParam().reachAndPressF1(*this);
  EXPECT_EQ(topic, GetParam().topic);
  EXPECT_EQ(helpTakesInput, GetParam().dialog);
  // The topic is one of the help file's.
  QFile help(Path("English.hlp"));
  ASSERT_TRUE(help.open(QIODevice::ReadOnly));
  EXPECT_TRUE(help.readAll().contains(("<a name=\"" + GetParam().topic + "\"").toUtf8()));
}

INSTANTIATE_TEST_SUITE_P(
    Places, ContextHelpTest,
    testing::Values(
        HelpPlace{"Start", [](NewcomerTest& t) { t.PressF1(); }, "StartingAHand"},
        HelpPlace{"Auction",
                  [](NewcomerTest& t) {
                    t.DealLesson(1);
                    t.PressF1();
                  },
                  "BiddingWithTheMouse"},
        HelpPlace{"EndOfBidding",
                  [](NewcomerTest& t) {
                    t.DealLesson(1);
                    t.BidToTheEnd(0, false);
                    t.PressF1();
                  },
                  "EndOfBidding"},
        HelpPlace{"Play",
                  [](NewcomerTest& t) {
                    t.StartPlay();
                    t.PressF1();
                  },
                  "PlayingWithTheMouse"},
        HelpPlace{"EndOfHand",
                  [](NewcomerTest& t) {
                    t.DealLesson(1);
                    t.BidAndFinish();
                    t.PressF1();
                  },
                  "Score"},
        HelpPlace{"ReviewOfTheHand",
                  [](NewcomerTest& t) {
                    t.DealLesson(1);
                    t.BidAndFinish();
                    QTest::keyClick(t.table_.get(), Qt::Key_R, Qt::ControlModifier);
                    auto* review = t.table_->findChild<ReviewForm*>();
                    ASSERT_NE(review, nullptr);
                    t.PressF1(review);
                  },
                  "ReviewHand"},
        HelpPlace{
            "LessonsWindow",
            [](NewcomerTest& t) { t.PressF1In<LessonsWindow>(Qt::Key_O, Qt::ControlModifier); },
            "Lessons", true},
        HelpPlace{"ClaimDialog",
                  [](NewcomerTest& t) {
                    t.StartPlay();
                    t.PressF1In<ClaimDialog>(Qt::Key_L, Qt::ControlModifier);
                  },
                  "Claim", true},
        HelpPlace{"Preferences", [](NewcomerTest& t) { t.PressF1In<TSetupOptions>(Qt::Key_F2); },
                  "Preferences", true},
        HelpPlace{"SavedHands", [](NewcomerTest& t) { t.PressF1In<TGetSavedHandForm>(Qt::Key_F4); },
                  "SavedHands", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewcomerTest, TheHelpMenuShowsFOneAndOpensAtTheContents) {
  StartNamed();
  DealLesson(1);
  QAction* contents = table_->MenuItem("Contents1");
  EXPECT_EQ(contents->shortcut(), QKeySequence(Qt::Key_F1));
  contents->trigger();
  ASSERT_NE(Viewer(), nullptr);
  EXPECT_EQ(Viewer()->Text()->source().fragment(), HelpContentsTopic);
}

// The help window opens within the screen the table is on, whatever room
// the screen has: all of it can be read and moved.
TEST_F(NewcomerTest, TheHelpWindowOpensWholeOnTheTablesScreen) {
  StartNamed();
  PressF1();
  HelpViewer* viewer = Viewer();
  ASSERT_NE(viewer, nullptr);
  const QRect room = table_->screen()->availableGeometry();
  EXPECT_TRUE(room.contains(viewer->frameGeometry()))
      << room.width() << "x" << room.height() << " " << viewer->frameGeometry().x() << ","
      << viewer->frameGeometry().y() << " " << viewer->frameGeometry().width() << "x"
      << viewer->frameGeometry().height();
  EXPECT_FALSE(helpTakesInput);
}

class WelcomeTest : public NewcomerTest, public testing::WithParamInterface<int> {};

// At the first start the table welcomes the learner in the learner's
// language and names the keys of the lessons and of New Hand as the menus
// show them; the first hand dealt puts the welcome away.
TEST_P(WelcomeTest, TheFirstStartPointsToTheLessonsUntilAHandIsDealt) {
  StartNamed(GetParam());
  QLabel* welcome = Welcome();
  ASSERT_NE(welcome, nullptr);
  ASSERT_TRUE(welcome->isVisible());
  const QString text = welcome->text();
  const auto key = [this](const char* item) {
    return table_->MenuItem(item)->shortcut().toString(QKeySequence::NativeText);
  };
  EXPECT_TRUE(text.contains(key("Lessons1"))) << text.toStdString();
  EXPECT_TRUE(text.contains(key("NewHand1"))) << text.toStdString();
  EXPECT_FALSE(text.contains('%')) << text.toStdString();
  EXPECT_TRUE(GetParam() == English || !text.startsWith("Welcome")) << text.toStdString();
  EXPECT_LE(welcome->heightForWidth(welcome->width()), welcome->height()) << text.toStdString();
  // The first table a learner sees, kept for a look after the run.
  table_->grab().save(QDir::temp().filePath(QString("tavlo_welcome_%1.png").arg(GetParam())));

  Key(Qt::Key_F3);
  EXPECT_FALSE(welcome->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Languages, WelcomeTest,
                         testing::Values(English, Danish, Norwegian, French, German, Swedish),
                         [](const auto& info) { return std::to_string(info.param); });

// A learner who has played has no welcome: a mark of the lessons in the
// progress file, or a hand of the hand file played to its end.
TEST_F(NewcomerTest, ALearnerWhoHasPlayedIsNotWelcomedAgain) {
  {
    LessonProgress progress;
    MarkAuction(progress, PackHandKey("01_major_raises", 1), true);
    ASSERT_TRUE(SaveLessonProgress(ProgressFile(), progress));
    StartNamed();
    ASSERT_NE(Welcome(), nullptr);
    EXPECT_FALSE(Welcome()->isVisible()) << "a lesson tried";
    table_.reset();
    ASSERT_TRUE(QFile::remove(QString::fromStdString(ProgressFile())));
  }
  AppendToHandFile(
      "\n[11]\nDealer=N\nVulnerability=NONE\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Bids=1N,P,3N,P,P,P\nContract=3N\nDeclarer=N\nScore=400\n");
  StartNamed();
  EXPECT_FALSE(Welcome()->isVisible()) << "a hand saved after its play";
}

}  // namespace
}  // namespace tavlo
