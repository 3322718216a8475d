// The card table: hands coming to the table, the commands enabled by phase,
// the hands shown face up, the language, and the keys the table takes first.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "cards/card_art.h"
#include "cards/my_card.h"
#include "options/options_file.h"
#include "table/bid_box.h"
#include "table/board_panel.h"
#include "table_fixture.h"
#include "translation_table_keys.h"

namespace tavlo {
namespace {

class DeskTopTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    CopyLessonHands();
    DeveloperMode();
  }
  // Starts the table with a player's name, so hands start without asking for one.
  void StartNamed(const std::string& name = "Karen") {
    OptionsRecord options;
    ApplyDefaults(options);
    options.PlayerName = name;
    ASSERT_TRUE(SaveOptions(options, Path(OptionsFileName).toStdString()));
    table_ = Start();
    ASSERT_TRUE(table_);
    table_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
  }
  bool Enabled(const char* item) const { return table_->MenuItem(item)->isEnabled(); }
  template <typename T = QWidget>
  T* Control(const char* name) const {
    T* control = table_->findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QString Text(const char* label) const { return Control<QLabel>(label)->text(); }
  void Key(int key) { QTest::keyClick(table_.get(), static_cast<Qt::Key>(key)); }

  std::unique_ptr<TDeskTop> table_;
};

TEST_F(DeskTopTest, AtStartOnlyANewOrSavedHandCanBeChosen) {
  StartNamed();
  for (const char* item :
       {"ReplayHand1", "RebidHand1", "SaveHandMenu", "PrintHand1", "ReviewBidding", "HideHands"}) {
    EXPECT_FALSE(Enabled(item)) << item;
  }
  for (const char* item : {"NewHand1", "PlayaSavedHand1", "DeleteaSavedHand1", "ShowHands"}) {
    EXPECT_TRUE(Enabled(item)) << item;
  }
  EXPECT_TRUE(Control("EndofScoring")->isVisible());
  EXPECT_TRUE(Control("ButSavedHand")->isEnabled());
  EXPECT_FALSE(Control("ButReplayHand")->isEnabled());
  for (const char* hidden : {"ThePlayPad", "EndofBidding", "BidPad", "PlayPanel", "HCPPanel",
                             "StopLight", "BidReviewPanel", "ScorePad", "DupBd"}) {
    EXPECT_FALSE(Control(hidden)->isVisible()) << hidden;
  }
  EXPECT_EQ(Control("EndofScoring")->pos(), QPoint(455, 310));
  EXPECT_EQ(Control("EndofBidding")->pos(), QPoint(455, 310));
  EXPECT_EQ(Control("BidPad")->x(), Control("HandEast")->x() + 140);
  EXPECT_EQ(Control("PlayPanel")->pos(), QPoint(Control("HandEast")->x() + 10, 3));
  EXPECT_TRUE(table_->MenuItem("English1")->isChecked());
  EXPECT_TRUE(table_->MenuItem("DanishBasic1")->isChecked());
  EXPECT_FALSE(table_->MenuItem("ForumD1")->isEnabled());
  EXPECT_TRUE(table_->MenuItem("SwedishMS1")->isEnabled());
}

TEST_F(DeskTopTest, AnEmptyHandFileOffersNoSavedHand) {
  QFile::remove(Path(HandFileName));
  StartNamed();
  EXPECT_FALSE(Enabled("PlayaSavedHand1"));
  EXPECT_FALSE(Enabled("DeleteaSavedHand1"));
  EXPECT_FALSE(Control("ButSavedHand")->isEnabled());
}

TEST_F(DeskTopTest, NewHandDealsTheFirstLessonAndStartsItsAuction) {
  StartNamed();
  QTest::mouseClick(Control<QPushButton>("EOSNewHand"), Qt::LeftButton);

  const Game& game = table_->GameState();
  EXPECT_EQ(game.Table.LessonNumber, 1);
  EXPECT_EQ(game.Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(game.Hands[South].CardCount(), 13);
  for (const char* shown : {"BidPad", "DupBd", "HCPPanel", "StopLight", "BidReviewPanel"}) {
    EXPECT_TRUE(Control(shown)->isVisible()) << shown;
  }
  for (const char* hidden :
       {"ThePlayPad", "EndofBidding", "EndofScoring", "PlayPanel", "ScorePad", "CloseBidReview"}) {
    EXPECT_FALSE(Control(hidden)->isVisible()) << hidden;
  }
  for (const char* item :
       {"ReplayHand1", "RebidHand1", "SaveHandMenu", "PrintHand1", "ReviewBidding"}) {
    EXPECT_FALSE(Enabled(item)) << item;
  }
  EXPECT_TRUE(Enabled("PlayaSavedHand1"));
  EXPECT_TRUE(Control<QLabel>("TableComment")->text().isEmpty());

  // The board: lesson 1 is dealt by North, nobody vulnerable.
  EXPECT_EQ(Text("TheBoardNo"), "1");
  EXPECT_EQ(Text("TheDealer"), "N");
  EXPECT_EQ(Text("TheVul"), "None");
  EXPECT_EQ(Text("BidSysLabel"), "Danish Basic");
  EXPECT_EQ(Text("SHCP"), "11 HCP");
  EXPECT_EQ(Text("NHCP"), "");

  // South's cards face up on his panel, the others face down.
  for (int n : {27, 39}) {
    auto* card = Control<TMyCard>(QString("MyCard%1").arg(n).toLatin1().constData());
    EXPECT_TRUE(card->isVisible());
    EXPECT_TRUE(card->ShowFront());
    EXPECT_EQ(card->parentWidget()->objectName(), "HandSouth");
  }
  for (int n : {1, 14, 40}) {
    auto* card = Control<TMyCard>(QString("MyCard%1").arg(n).toLatin1().constData());
    EXPECT_TRUE(card->isVisible());
    EXPECT_FALSE(card->ShowFront()) << n;
  }
  EXPECT_EQ(Control("HandSouth")->x(), 103);
  EXPECT_EQ(Control("TableSouth")->parentWidget()->objectName(), "Table");
}

TEST_F(DeskTopTest, NewHandWalksTheLessonsAndComesBackToTheFirst) {
  StartNamed();
  std::vector<int> lessons;
  for (int i = 0; i < 11; ++i) {
    Key(Qt::Key_F3);
    lessons.push_back(table_->GameState().Table.LessonNumber);
  }
  EXPECT_EQ(lessons, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}));
}

TEST_F(DeskTopTest, AfterSavedHandFifteenNewHandDealsTheFirstLesson) {
  AppendToHandFile(
      "\n[15]\nDealer=W\nVulnerability=BOTH\n"
      "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
      "Bids=P,P,P,P\nComment=My own hand\n");
  StartNamed();
  ASSERT_TRUE(table_->Session().PlaySavedHand(15));
  EXPECT_EQ(Text("TheBoardNo"), "15");
  EXPECT_EQ(Text("TheDealer"), "W");
  EXPECT_EQ(Text("TheVul"), "Both");
  EXPECT_EQ(Control<QLabel>("TableComment")->text(), "My own hand");
  auto* board = Control<DupBoardPanel>("DupBd");
  for (int seat = North; seat <= West; ++seat) {
    EXPECT_EQ(board->Shape(seat)->Fill(), QColor(Qt::red)) << seat;
    EXPECT_EQ(board->Shape(seat)->Outline(), seat == West ? QColor(Qt::white) : QColor(Qt::black));
  }

  table_->MenuItem("NewHand1")->trigger();
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 1);
  EXPECT_TRUE(Control<QLabel>("TableComment")->text().isEmpty());
}

TEST_F(DeskTopTest, AHandThatCannotBeDealtIsNamedAndTheTableStaysAsItWas) {
  AppendToHandFile("\n[16]\nDealer=E\nDeal=N:AKQ\n");
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  const DealHoldings dealt = table_->GameState().Table.Deal;

  EXPECT_FALSE(table_->Session().PlaySavedHand(16));

  ASSERT_EQ(notifier_.messages.size(), 1);
  EXPECT_TRUE(notifier_.messages[0].contains("Board 16")) << notifier_.messages[0].toStdString();
  EXPECT_EQ(table_->GameState().Table.Deal, dealt);
  EXPECT_EQ(table_->GameState().Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(Text("TheBoardNo"), "1");
  EXPECT_TRUE(Control("BidPad")->isVisible());
}

TEST_F(DeskTopTest, ShowAllAndHideTurnTheComputerHands) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  auto* northCard = Control<TMyCard>("MyCard1");
  auto* eastCard = Control<TMyCard>("MyCard14");

  Key(Qt::Key_F8);
  EXPECT_EQ(table_->GameState().Options.FaceUpSeats, 30);
  EXPECT_TRUE(northCard->ShowFront());
  EXPECT_TRUE(eastCard->ShowFront());
  EXPECT_FALSE(Enabled("ShowHands"));
  EXPECT_TRUE(Enabled("HideHands"));
  EXPECT_EQ(Text("NHCP"), "16 HCP");

  Key(Qt::Key_F9);
  EXPECT_EQ(table_->GameState().Options.FaceUpSeats, 8);
  EXPECT_FALSE(northCard->ShowFront());
  EXPECT_FALSE(eastCard->ShowFront());
  EXPECT_TRUE(Enabled("ShowHands"));
  EXPECT_FALSE(Enabled("HideHands"));
  EXPECT_EQ(Text("NHCP"), "");

  // A new hand's auction starts with the computer's hands face down, however
  // the last hand was shown.
  Key(Qt::Key_F8);
  table_->MenuItem("NewHand1")->trigger();
  EXPECT_FALSE(Control<TMyCard>("MyCard1")->ShowFront());
}

TEST_F(DeskTopTest, HidingTheHandsInThePlayKeepsDummyOnTheTableOnceTheLeadIsMade) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  Game& game = table_->GameState();
  // East declares and the play has begun: West is dummy.
  game.Auction.Declarer = East;
  game.Table.TablePhase = Phase::Play;
  const auto* westCard = Control<TMyCard>("MyCard40");
  const auto* eastCard = Control<TMyCard>("MyCard14");

  table_->MenuItem("ShowHands")->trigger();
  table_->MenuItem("HideHands")->trigger();
  EXPECT_EQ(game.Options.FaceUpSeats, 10);
  EXPECT_FALSE(westCard->ShowFront()) << "dummy goes down after the opening lead";

  game.Play.CardsPlayed = 1;
  table_->MenuItem("ShowHands")->trigger();
  table_->MenuItem("HideHands")->trigger();
  EXPECT_EQ(game.Options.FaceUpSeats, 10);
  EXPECT_TRUE(game.Hands[West].FaceUp);
  EXPECT_TRUE(westCard->ShowFront());
  EXPECT_FALSE(eastCard->ShowFront());
}

TEST_F(DeskTopTest, TheBiddingSystemMenuShowsTheSystemAndTakesNoChoice) {
  StartNamed();
  table_->MenuItem("SwedishMS1")->trigger();
  EXPECT_TRUE(table_->MenuItem("DanishBasic1")->isChecked());
  EXPECT_FALSE(table_->MenuItem("SwedishMS1")->isChecked());
  EXPECT_EQ(table_->GameState().Options.BiddingSystem, 0);
}

TEST_F(DeskTopTest, EnterTakesTheCommandTheTableFocuses) {
  StartNamed();
  ASSERT_EQ(QApplication::focusWidget(), Control("EOSNewHand"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 1);
  EXPECT_EQ(table_->GameState().Table.TablePhase, Phase::Bidding);
  // The auction takes the focus to the bid box's pass, away from the panel
  // that has gone: Enter does not deal again.
  ASSERT_EQ(QApplication::focusWidget(), Control("PassBut"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 1);
}

TEST_F(DeskTopTest, AKeyIsToldFromTheNextOneByItsTimeNotItsPlaceInMemory) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();  // lesson 1: South to bid after 1NT, pass
  QWidget* pass = Control("PassBut");
  // Two keys made one after the other in the same storage, the first on a
  // control of the table, the second on the table itself.
  std::optional<QKeyEvent> key;
  key.emplace(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
  key->setTimestamp(1000);
  QApplication::sendEvent(pass, &*key);
  key.emplace(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c");
  key->setTimestamp(1100);
  QApplication::sendEvent(table_.get(), &*key);
  EXPECT_EQ(table_->GameState().Auction.AuctionRecord.at(2), "2C");
  EXPECT_EQ(notifier_.informationBeeps, 0);
}

TEST_F(DeskTopTest, AnEmptyPlayerNameIsAskedForAtEveryHandStart) {
  StartNamed("");
  int preferencesOpened = 0;
  // The user closes the preferences without giving a name.
  const auto cancelPreferences = [&preferencesOpened] {
    QTimer::singleShot(0, [&preferencesOpened] {
      auto* preferences = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(preferences, nullptr);
      EXPECT_EQ(preferences->objectName(), "SetupOptions");
      ++preferencesOpened;
      preferences->reject();
    });
  };
  cancelPreferences();
  table_->MenuItem("NewHand1")->trigger();
  cancelPreferences();
  table_->MenuItem("NewHand1")->trigger();
  cancelPreferences();
  table_->Session().Rebid();
  EXPECT_EQ(notifier_.messages,
            QStringList(3, "Go to the \"Preferences\" screen and type in a New Player Name"));
  EXPECT_EQ(preferencesOpened, 3);
}

TEST_F(DeskTopTest, APlayerWithANameIsNotAsked) {
  StartNamed("Karen");
  table_->MenuItem("NewHand1")->trigger();
  EXPECT_TRUE(notifier_.messages.isEmpty());
  EXPECT_EQ(table_->windowTitle(), "Tavlo 1 Demo -  Karen");
}

TEST_F(DeskTopTest, RebidKeepsTheDealAndStartsTheAuctionAgain) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  table_->MenuItem("NewHand1")->trigger();
  const DealHoldings dealt = table_->GameState().Table.Deal;
  table_->GameState().Table.TablePhase = Phase::EndOfBidding;
  table_->Session().Rebid();
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 2);
  EXPECT_EQ(table_->GameState().Table.Deal, dealt);
  EXPECT_EQ(table_->GameState().Table.TablePhase, Phase::Bidding);
  EXPECT_EQ(table_->GameState().Auction.BidCount, 0);
}

struct LanguageCase {
  int language;
  const char* item;
  QString south;
  QString vulnerability;
  QString hcp;
  QString newHand;
};

class LanguageTest : public DeskTopTest, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(LanguageTest, TheTableSpeaksTheLanguageChosen) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  table_->MenuItem(GetParam().item)->trigger();

  EXPECT_EQ(table_->GameState().Options.Language, GetParam().language);
  EXPECT_TRUE(table_->MenuItem(GetParam().item)->isChecked());
  EXPECT_EQ(table_->TranslatedSeatName(South), GetParam().south);
  EXPECT_EQ(Text("TheVul"), GetParam().vulnerability);
  EXPECT_EQ(Text("SHCP"), "11 " + GetParam().hcp);
  EXPECT_EQ(table_->MenuItem("NewHand1")->text(), GetParam().newHand);
  EXPECT_EQ(table_->windowTitle(), "Tavlo 1 Demo -  Karen");
  EXPECT_EQ(table_->NewPlayerMessage(), Text("LabelNewPlayerMessage"));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageTest,
    ::testing::Values(LanguageCase{1, "Danish1", "Syd", "Ingen", "HP", "&Nyt spil"},
                      LanguageCase{3, "French1", "Sud", "Personne", "H", "&Nouvelle donne"},
                      LanguageCase{4, "German1", "Süd", "Keiner", "F", "&Neues Spiel"},
                      LanguageCase{0, "English1", "South", "None", "HCP", "&New Hand"}));

TEST_F(DeskTopTest, EveryWordOfTheTranslationTableNamesAControlOfTheTable) {
  StartNamed();
  const QStringList keys = ControlKeysOfTable("table.tsv");
  for (const QString& key : keys) {
    EXPECT_NE(table_->findChild<QObject*>(key), nullptr) << key.toStdString();
  }
  EXPECT_GT(keys.size(), 70);
}

TEST_F(DeskTopTest, TheLanguageOfTheOptionsIsThereFromTheStart) {
  OptionsRecord options;
  ApplyDefaults(options);
  options.PlayerName = "Lars";
  options.Language = 5;
  ASSERT_TRUE(SaveOptions(options, Path(OptionsFileName).toStdString()));
  table_ = Start();
  EXPECT_TRUE(table_->MenuItem("Swedish1")->isChecked());
  EXPECT_EQ(Control<QPushButton>("EOSNewHand")->text(), "Spela en &ny giv");
}

TEST_F(DeskTopTest, FElevenAsksForASeedAndDealsTheNextHand) {
  StartNamed();
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->findChild<QLineEdit*>("Seed"), "4711");
    QTest::mouseClick(dialog->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  });
  Key(Qt::Key_F11);
  EXPECT_EQ(table_->GameState().Table.RandomSeed, 4711);
  EXPECT_EQ(table_->GameState().Play.HandNumber, 4711);
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 1);
}

TEST_F(DeskTopTest, ACancelledSeedStillDealsTheNextHand) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  const std::int32_t seed = table_->GameState().Table.RandomSeed;
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
  });
  Key(Qt::Key_F11);
  EXPECT_EQ(table_->GameState().Table.RandomSeed, seed);
  EXPECT_EQ(table_->GameState().Table.LessonNumber, 2);
}

TEST_F(DeskTopTest, SouthMovesAsideForAPanelOnHisLeft) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  QWidget panel(Control("Desk"));
  panel.setGeometry(50, 300, 100, 100);
  panel.show();
  table_->MoveSouth(&panel);
  EXPECT_EQ(Control("HandSouth")->x(), 200);
  panel.move(300, 300);
  table_->MoveSouth(&panel);
  EXPECT_EQ(Control("HandSouth")->x(), 103);
  panel.hide();
  panel.move(50, 300);
  table_->MoveSouth(&panel);
  EXPECT_EQ(Control("HandSouth")->x(), 103);
}

TEST_F(DeskTopTest, EveryCaptionFitsInEveryLanguage) {
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  table_->MenuItem("ShowHands")->trigger();
  for (int language = 0; language < 6; ++language) {
    ChooseLanguage(*table_, language);
    for (const char* pad : {"EndofScoring", "EndofBidding", "ThePlayPad"}) {
      for (const QPushButton* button : Control(pad)->findChildren<QPushButton*>()) {
        EXPECT_LE(button->sizeHint().width(), button->width())
            << language << " " << button->text().toStdString();
      }
    }
    for (const char* panel : {"DupBd", "HCPPanel", "PlayPanel"}) {
      for (const QLabel* label : Control(panel)->findChildren<QLabel*>()) {
        EXPECT_LE(label->sizeHint().width(), label->width())
            << language << " " << label->text().toStdString();
      }
    }
  }
  ChooseLanguage(*table_, 4);
  table_->grab().save(QDir::temp().filePath("tavlo_table_start_german.png"));
}

TEST_F(DeskTopTest, AfterNewHandTheTableLooksRight) {
  // The real card pictures, so the picture shows what a player sees.
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  table_->MenuItem("NewHand1")->trigger();
  table_->grab().save(QDir::temp().filePath("tavlo_table_after_new_hand.png"));
  table_->MenuItem("ShowHands")->trigger();
  table_->grab().save(QDir::temp().filePath("tavlo_table_all_hands_shown.png"));

  // Nothing shown overlaps anything else shown on the desk. A hand takes
  // the room of its cards: the bid box may stand over the part of East's
  // panel that only a long suit face up reaches.
  const QWidget* desk = Control("Desk");
  std::vector<std::pair<QString, QRect>> parts;
  for (const char* name :
       {"DupBd", "Table", "BidPad", "StopLight", "BidReviewPanel", "HCPPanel", "TableComment"}) {
    parts.emplace_back(name, Control(name)->geometry());
  }
  for (const char* name : {"HandNorth", "HandEast", "HandSouth", "HandWest"}) {
    const QWidget* panel = Control(name);
    QRect cards;
    for (const TMyCard* card : panel->findChildren<TMyCard*>()) {
      if (card->isVisible()) cards |= card->geometry().translated(panel->pos());
    }
    EXPECT_TRUE(panel->geometry().contains(cards)) << name;
    parts.emplace_back(name, cards);
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EXPECT_TRUE(desk->rect().contains(parts[i].second)) << parts[i].first.toStdString();
    for (std::size_t j = i + 1; j < parts.size(); ++j) {
      EXPECT_FALSE(parts[i].second.intersects(parts[j].second))
          << parts[i].first.toStdString() << " " << parts[j].first.toStdString();
    }
  }
}

}  // namespace
}  // namespace tavlo
