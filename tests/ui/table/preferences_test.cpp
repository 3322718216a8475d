// The preferences at the table: F2 opens them, a missing name opens them
// before a hand, and what the user sets reaches the table, the options file
// and the next start.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <functional>

#include "../dialogs/setup_options_driver.h"
#include "cards/card_art.h"
#include "cards/card_pictures.h"
#include "cards/my_card.h"
#include "common/colour.h"
#include "lesson_table.h"
#include "table/trick_row.h"

namespace tavlo {
namespace {

constexpr int SailBoat = 12, Roses = 5;
const QColor Sea(20, 90, 200);

class PreferencesTest : public LessonTableTest {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    // The real card pictures, so the pictures show what a player sees.
    ASSERT_TRUE(DrawCardSheet().save(Path(CardSheetFileName), "BMP"));
  }
  void TearDown() override {
    table_.reset();
    FreeCardPictures();
  }
  // work runs on the preferences once they are open.
  static void WhenPreferencesOpen(std::function<void(QWidget&)> work) {
    QTimer::singleShot(0, [work = std::move(work)] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      ASSERT_EQ(dialog->objectName(), "SetupOptions");
      work(*dialog);
    });
  }
  void Preferences(std::function<void(QWidget&)> work) {
    WhenPreferencesOpen(std::move(work));
    Key(Qt::Key_F2);
    BackToTheTable();
  }
  // The window system gives the table back the keys once the dialog has
  // gone; the offscreen platform leaves that to the test.
  void BackToTheTable() {
    table_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table_.get()));
  }
  // The table's own colour (no name) or that of a part of it.
  QColor Background(const char* name = nullptr) const {
    const QWidget* widget = name ? Control(name) : table_.get();
    return widget->palette().color(QPalette::Window);
  }
  // The cards of a hand that the table shows.
  QList<TMyCard*> ShownCards(const char* hand) const {
    QList<TMyCard*> shown;
    for (TMyCard* card : Control(hand)->findChildren<TMyCard*>()) {
      if (card->isVisible()) shown << card;
    }
    return shown;
  }
  void Save(const char* picture) const { table_->grab().save(QDir::temp().filePath(picture)); }
};

TEST_F(PreferencesTest, OKPutsTheNewBackOnTheCardsAndTheColoursOnTheTable) {
  StartNamed();
  DealLesson(1);
  Preferences([](QWidget& dialog) {
    ChooseDesign(dialog, SailBoat);
    ChooseBackColour(dialog, Sea);
    PressButton(dialog, "DarkButton");
    PressButton(dialog, "OKBtn");
  });
  EXPECT_EQ(Background(), ToQColor(DarkColourScheme[0]));
  EXPECT_EQ(Background("HandNorth"), ToQColor(DarkColourScheme[1]));
  EXPECT_EQ(Background("DupBd"), ToQColor(DarkColourScheme[2]));
  for (const char* hand : {"HandNorth", "HandEast", "HandWest"}) {
    const QList<TMyCard*> cards = ShownCards(hand);
    ASSERT_EQ(cards.size(), 13) << hand;
    for (const TMyCard* card : cards) {
      EXPECT_FALSE(card->ShowFront());
      EXPECT_EQ(card->BackDesign(), SailBoat);
      EXPECT_EQ(card->BackColor(), FromQColor(Sea));
      EXPECT_EQ(card->Picture().pixel(10, 10), Sea.rgb());
      EXPECT_EQ(card->CornerColor(), DarkColourScheme[1]);
    }
  }
  Save("tavlo_table_dark_sail_boat.png");

  Preferences([](QWidget& dialog) {
    PressButton(dialog, "StdColorButton");
    PressButton(dialog, "OKBtn");
  });
  EXPECT_EQ(Background(), ToQColor(LightColourScheme[0]));
  EXPECT_EQ(ShownCards("HandEast").first()->CornerColor(), LightColourScheme[1]);
  Save("tavlo_table_light_sail_boat.png");
}

TEST_F(PreferencesTest, CancelRecoloursTheTableAndLeavesTheCardsTillTheyAreLaidOutAgain) {
  StartNamed();
  DealLesson(1);
  Preferences([](QWidget& dialog) {
    ChooseDesign(dialog, Roses);
    PressButton(dialog, "DarkButton");
    PressButton(dialog, "CancelBtn");
  });
  EXPECT_EQ(Background(), ToQColor(DarkColourScheme[0]));
  EXPECT_EQ(ShownCards("HandNorth").first()->BackDesign(), 13);
  EXPECT_EQ(Game().Options.CardBackDesign, Roses);
  Key(Qt::Key_F8);
  Key(Qt::Key_F9);
  EXPECT_EQ(ShownCards("HandNorth").first()->BackDesign(), Roses);
}

TEST_F(PreferencesTest, TheFaceColoursReachEveryCardOnTheTable) {
  StartNamed();
  DealLesson(1);
  Key(Qt::Key_F8);
  Preferences([](QWidget& dialog) {
    PressButton(dialog, "DarkCard");
    PressButton(dialog, "OKBtn");
  });
  ASSERT_EQ(FaceSet(), DarkFaces);
  for (const char* hand : {"HandNorth", "HandEast", "HandSouth", "HandWest"}) {
    for (const TMyCard* card : ShownCards(hand)) {
      EXPECT_EQ(card->Picture().copy(2, 2, 67, 91),
                FacePicture(card->Suit(), card->Rank()).copy(2, 2, 67, 91))
          << hand << " " << card->Suit() << " " << card->Rank();
    }
  }
}

TEST_F(PreferencesTest, InThePlayTheTrickAndDummyStayOnTheTable) {
  StartNamed();
  DealLesson(1);
  BidToTheEnd(0, false);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->InputHeld(); }, 60000));
  const int cardsPlayed = Game().Play.CardsPlayed;
  const SeatCode dummy = Game().Play.Dummy;
  auto trickShown = [&] {
    QStringList shown;
    for (const char* seat : {"TableNorth", "TableEast", "TableSouth", "TableWest"}) {
      if (Control(seat)->isVisible()) shown << seat;
    }
    return shown;
  };
  const QStringList trick = trickShown();
  ASSERT_FALSE(trick.isEmpty()) << "the opening lead waits on the table";

  Preferences([](QWidget& dialog) {
    PressButton(dialog, "DarkButton");
    PressButton(dialog, "OKBtn");
  });
  EXPECT_EQ(Game().Table.TablePhase, Phase::Play);
  EXPECT_EQ(Game().Play.CardsPlayed, cardsPlayed);
  EXPECT_EQ(trickShown(), trick);
  if (cardsPlayed > 0) {
    EXPECT_TRUE(Game().Hands[dummy].FaceUp);
    const char* dummyHand[] = {"HandNorth", "HandEast", "HandSouth", "HandWest"};
    EXPECT_TRUE(ShownCards(dummyHand[dummy]).first()->ShowFront());
  }
  for (const QString& seat : trick) {
    EXPECT_EQ(Control<TMyCard>(seat.toLatin1().constData())->CornerColor(), DarkColourScheme[2])
        << seat.toStdString();
  }
}

TEST_F(PreferencesTest, AtTheEndOfTheHandTheRowOfTricksTakesTheNewBack) {
  StartNamed();
  DealLesson(1);
  BidToTheEnd(0, false);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  for (int step = 0; Game().Table.TablePhase == Phase::Play && step < 60; ++step) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return !table_->InputHeld(); }, 60000));
    const char* command = Game().Table.TrickWaiting ? "ButClearTable" : "TPPFast";
    QTest::mouseClick(Control<QPushButton>(command), Qt::LeftButton);
  }
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfHand);
  ASSERT_TRUE(Control("Image13")->isVisible());

  Preferences([](QWidget& dialog) {
    ChooseDesign(dialog, Roses);
    PressButton(dialog, "OKBtn");
  });
  const TrickPictures roses = MakeTrickPictures(BackPicture(Roses), ToQColor(LightColourScheme[0]),
                                                ToQColor(DefaultCardBackColour));
  for (int k = 1; k <= 13; ++k) {
    const auto* image = Control<QLabel>(QString("Image%1").arg(k).toLatin1().constData());
    const QImage shown = image->pixmap().toImage().convertToFormat(roses.Upright.format());
    EXPECT_TRUE(shown == roses.Upright || shown == roses.Sideways) << k;
  }
  Save("tavlo_table_end_of_hand_roses.png");
}

TEST_F(PreferencesTest, ANameGivenWhenAskedIsTheTablesAtOnce) {
  StartNamed();
  table_->GameState().Options.PlayerName.clear();
  WhenPreferencesOpen([](QWidget& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("NewPlayer"), "Ib");
    PressButton(dialog, "OKBtn");
  });
  DealLesson(1);
  BackToTheTable();
  EXPECT_EQ(notifier_.messages,
            QStringList{"Go to the \"Preferences\" screen and type in a New Player Name"});
  EXPECT_EQ(table_->windowTitle(), "Tavlo 1 Demo -  Ib");
  EXPECT_EQ(Game().Table.TablePhase, Phase::Bidding);
  DealLesson(2);
  EXPECT_EQ(notifier_.messages.size(), 1);
}

TEST_F(PreferencesTest, WhatIsSetIsThereAtTheNextStart) {
  StartNamed();
  Preferences([](QWidget& dialog) {
    QTest::keyClicks(dialog.findChild<QLineEdit*>("NewPlayer"), " Berg");
    auto* slide = dialog.findChild<QSlider*>("SkillSlide");
    QTest::keyClick(slide, Qt::Key_Right);
    QTest::keyClick(slide, Qt::Key_Right);
    ChooseDesign(dialog, SailBoat);
    ChooseBackColour(dialog, Sea);
    PressButton(dialog, "DarkButton");
    PressButton(dialog, "DarkCard");
    PressButton(dialog, "OKBtn");
  });
  EXPECT_EQ(table_->windowTitle(), "Tavlo 1 Demo -  Karen Berg");
  table_.reset();
  FreeCardPictures();

  table_ = Start();
  ASSERT_TRUE(table_);
  BackToTheTable();
  const OptionsRecord& options = Game().Options;
  EXPECT_EQ(options.PlayerName, "Karen Berg");
  EXPECT_EQ(options.SkillLevel, 6);
  EXPECT_EQ(options.CardBackDesign, SailBoat);
  EXPECT_EQ(options.CardBackColour, FromQColor(Sea));
  EXPECT_EQ(options.ColourScheme, DarkColourScheme);
  EXPECT_EQ(options.DarkCards, 1);
  EXPECT_EQ(FaceSet(), DarkFaces);
  EXPECT_EQ(Background(), ToQColor(DarkColourScheme[0]));
  EXPECT_EQ(BackPicture(SailBoat).pixel(10, 10), Sea.rgb());
  Preferences([](QWidget& dialog) {
    EXPECT_EQ(dialog.findChild<QLabel*>("SkillLevel")->text(), "6");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("NewPlayer")->text(), "Karen Berg");
    EXPECT_FALSE(dialog.findChild<QPushButton*>("DarkButton")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("DarkCard")->isEnabled());
    PressButton(dialog, "CancelBtn");
  });
}

}  // namespace
}  // namespace tavlo
