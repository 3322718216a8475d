#include "hands/hand_display.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QPainter>
#include <memory>
#include <vector>

#include "../cards/card_sheet_fixture.h"
#include "common/colour.h"
#include "deal_of.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

// North AKQ2.543.K76.982, East JT9.AKQ2.5432.76, South 8765.JT.AQJ.AKQJ,
// West 43.9876.T98.T543 (spades, hearts, diamonds, clubs).
constexpr std::string_view TheDeal =
    "N:AKQ2.543.K76.982 JT9.AKQ2.5432.76 8765.JT.AQJ.AKQJ 43.9876.T98.T543";

Card C(const char* text) {
  return MakeCard(RankOfLetter(text[1]), SuitOfLetter(std::string_view(text, 1)));
}

// A table window as the table lays it out: four hand panels round a centre
// on which the played cards lie.
class HandDisplayTest : public CardSheetTest {
 protected:
  void SetUp() override {
    CardSheetTest::SetUp();
    table = std::make_unique<QWidget>();
    table->resize(960, 700);
    table->setAutoFillBackground(true);
    table->setPalette(QColor(192, 192, 192));
    const std::array<QRect, 4> panels{QRect(100, 10, 420, 100), QRect(700, 160, 182, 210),
                                      QRect(100, 590, 420, 100), QRect(20, 160, 182, 210)};
    auto* centre = MakePanel(QRect(260, 180, 240, 200), QColor(166, 202, 240));
    deal = testing_support::DealOf(TheDeal);
    hands.Deal(deal);
    for (SeatCode seat = North; seat <= West; ++seat) {
      auto* played = new TMyCard(centre);
      played->setObjectName(QStringLiteral("Table%1").arg(SeatNames[seat].data()));
      displays[seat] = std::make_unique<HandDisplay>(
          seat, MakePanel(panels[seat], QColor(0, 128, 128)), played, hands[seat], view);
    }
    table->show();
  }

  QWidget* MakePanel(QRect place, QColor colour) {
    auto* panel = new QFrame(table.get());
    panel->setGeometry(place);
    panel->setAutoFillBackground(true);
    panel->setPalette(colour);
    return panel;
  }

  HandDisplay& Display(SeatCode seat) { return *displays[seat]; }
  std::array<HandDisplay*, 4> All() {
    return {displays[0].get(), displays[1].get(), displays[2].get(), displays[3].get()};
  }
  std::vector<Card> ShownTags(SeatCode seat) {
    std::vector<Card> tags;
    for (TMyCard* card : Display(seat).CardControls()) {
      if (!card->isHidden()) tags.push_back(card->Tag());
    }
    return tags;
  }
  std::vector<int> SuitOrder(SeatCode seat) {
    std::vector<int> suits;
    for (const Card card : ShownTags(seat)) {
      if (suits.empty() || suits.back() != CardSuit(card)) suits.push_back(CardSuit(card));
    }
    return suits;
  }
  QImage Picture() { return table->grab().toImage(); }

  DealHoldings deal{};
  HandSet hands;
  TableView view;
  std::unique_ptr<QWidget> table;
  std::array<std::unique_ptr<HandDisplay>, 4> displays;
};

TEST_F(HandDisplayTest, ControlsAreNamedAndTaggedInDisplayOrder) {
  Display(South).LayOutCards();
  for (int i = 0; i < 13; ++i) {
    EXPECT_EQ(Display(South).CardControls()[i]->objectName(),
              QStringLiteral("MyCard%1").arg(27 + i));
  }
  EXPECT_NE(table->findChild<TMyCard*>("MyCard1"), nullptr);
  EXPECT_NE(table->findChild<TMyCard*>("MyCard52"), nullptr);
  EXPECT_EQ(table->findChild<TMyCard*>("MyCard53"), nullptr);
  // No trump, suit order 0: spades, hearts, clubs, diamonds; highest first.
  EXPECT_EQ(ShownTags(South),
            (std::vector<Card>{C("S8"), C("S7"), C("S6"), C("S5"), C("HJ"), C("HT"), C("CA"),
                               C("CK"), C("CQ"), C("CJ"), C("DA"), C("DQ"), C("DJ")}));
  for (TMyCard* card : Display(South).CardControls()) {
    EXPECT_EQ(card->Suit(), CardSuit(card->Tag()));
    EXPECT_EQ(card->Rank(), CardRank(card->Tag()));
  }
}

TEST_F(HandDisplayTest, CardsGoneFromTheHandHideTheirControls) {
  hands[South].Suits[Hearts].Cards = 0;
  Display(South).LayOutCards();
  EXPECT_EQ(ShownTags(South).size(), 11u);
  EXPECT_EQ(hands[South].Suits[Hearts].Length, 0);
  EXPECT_TRUE(Display(South).CardControls()[11]->isHidden());
  EXPECT_TRUE(Display(South).CardControls()[12]->isHidden());
}

struct OrderCase {
  int trump, option;
};
class SuitOrderTest : public HandDisplayTest, public testing::WithParamInterface<OrderCase> {};

TEST_P(SuitOrderTest, WestMirrorsTheOthers) {
  view.Trump = static_cast<StrainCode>(GetParam().trump);
  view.SuitOrderOption = GetParam().option;
  for (SeatCode seat = North; seat <= West; ++seat) Display(seat).LayOutCards();
  std::vector<int> mirrored = SuitOrder(North);
  std::reverse(mirrored.begin(), mirrored.end());
  EXPECT_EQ(SuitOrder(West), mirrored);
  EXPECT_EQ(SuitOrder(East), SuitOrder(North));
  EXPECT_EQ(SuitOrder(South), SuitOrder(North));
  // A trump suit leads the order unless the option fixes it.
  if (GetParam().trump < NoTrump && GetParam().option < 2) {
    EXPECT_EQ(SuitOrder(North).front(), GetParam().trump);
  }
}

INSTANTIATE_TEST_SUITE_P(TrumpsAndOptions, SuitOrderTest,
                         testing::Values(OrderCase{NoTrump, 0}, OrderCase{Clubs, 0},
                                         OrderCase{Clubs, 1}, OrderCase{Diamonds, 0},
                                         OrderCase{Hearts, 1}, OrderCase{Spades, 0},
                                         OrderCase{Hearts, 2}, OrderCase{Clubs, 3}));

TEST_F(HandDisplayTest, SouthOrderAtClubsTrumps) {
  view.Trump = Clubs;
  Display(South).LayOutCards();
  EXPECT_EQ(SuitOrder(South), (std::vector<int>{Clubs, Hearts, Spades, Diamonds}));
  view.SuitOrderOption = 1;
  Display(South).LayOutCards();
  EXPECT_EQ(SuitOrder(South), (std::vector<int>{Clubs, Spades, Hearts, Diamonds}));
}

// South holds S8765 HJT CAKQJ DAQJ in that order (no trump).
struct ArrowCase {
  const char* name;
  int trickPosition;
  int suitLed;
  const char* chosen;
  int key;
  const char* expected;
};
class ArrowKeys : public HandDisplayTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(ArrowKeys, MoveAmongPlayableCards) {
  const ArrowCase& c = GetParam();
  hands[South].FaceUp = true;
  Display(South).LayOutCards();
  view.ChosenCard = C(c.chosen);
  const TrickSituation trick{c.trickPosition, static_cast<StrainCode>(c.suitLed), Clubs, 1};
  EXPECT_TRUE(Display(South).MoveSelection(c.key, trick));
  EXPECT_EQ(view.ChosenCard, C(c.expected));
  // The new choice is drawn highlighted, and only it.
  for (TMyCard* card : Display(South).CardControls()) {
    EXPECT_EQ(card->Hilite(), card->Tag() == C(c.expected)) << CardText(card->Tag());
  }
}

INSTANTIATE_TEST_SUITE_P(
    South, ArrowKeys,
    testing::Values(ArrowCase{"RightWithinSuitLed", 2, Hearts, "HJ", Qt::Key_Right, "HT"},
                    ArrowCase{"RightWrapsOverOtherSuits", 2, Hearts, "HT", Qt::Key_Right, "HJ"},
                    ArrowCase{"LeftWrapsBackwards", 2, Hearts, "HJ", Qt::Key_Left, "HT"},
                    ArrowCase{"DownStaysWithoutAnotherPlayableSuit", 2, Hearts, "HJ", Qt::Key_Down,
                              "HJ"},
                    ArrowCase{"LeadRightCrossesSuits", 1, Hearts, "S5", Qt::Key_Right, "HJ"},
                    ArrowCase{"LeadRightWrapsToFirst", 1, Hearts, "DJ", Qt::Key_Right, "S8"},
                    ArrowCase{"LeadLeftWrapsToLast", 1, Hearts, "S8", Qt::Key_Left, "DJ"},
                    ArrowCase{"LeadDownToNextSuit", 1, Hearts, "S6", Qt::Key_Down, "HJ"},
                    ArrowCase{"LeadUpToPreviousSuitWrapping", 1, Hearts, "S6", Qt::Key_Up, "DJ"},
                    ArrowCase{"LeadUpFromClubs", 1, Hearts, "CQ", Qt::Key_Up, "HT"}),
    [](const testing::TestParamInfo<ArrowCase>& info) { return info.param.name; });

TEST_F(HandDisplayTest, VoidInSuitLedMakesEveryCardPlayable) {
  hands[South].Suits[Hearts].Cards = 0;
  Display(South).LayOutCards();
  view.ChosenCard = C("S5");
  const TrickSituation trick{3, Hearts, Hearts, 2};
  Display(South).MoveSelection(Qt::Key_Right, trick);
  EXPECT_EQ(view.ChosenCard, C("CA"));
  Display(South).MoveSelection(Qt::Key_Down, trick);
  EXPECT_EQ(view.ChosenCard, C("DA"));
}

TEST_F(HandDisplayTest, PlayedCardsAreSkipped) {
  Display(South).LayOutCards();
  Display(South).ShowPlayedCard(C("S7"));
  view.ChosenCard = C("S8");
  Display(South).MoveSelection(Qt::Key_Right, TrickSituation{});
  EXPECT_EQ(view.ChosenCard, C("S6"));
}

TEST_F(HandDisplayTest, ChosenCardNotInHandSoundsTheWarning) {
  const RecordingNotifier notifier;
  Display(South).LayOutCards();
  view.ChosenCard = C("SA");
  EXPECT_TRUE(Display(South).MoveSelection(Qt::Key_Left, TrickSituation{}));
  EXPECT_EQ(notifier.warningBeeps, 1);
  EXPECT_EQ(view.ChosenCard, C("SA"));
  EXPECT_FALSE(Display(South).MoveSelection(Qt::Key_A, TrickSituation{}));
  EXPECT_EQ(notifier.warningBeeps, 1);
}

struct DefaultCase {
  const char* name;
  TrickSituation trick;
  bool faceUp;
  int finishMode;
  const char* expected;
  bool highlighted;
};
class DefaultSelectionTest : public HandDisplayTest,
                             public testing::WithParamInterface<DefaultCase> {};

TEST_P(DefaultSelectionTest, ChoosesTheLowestCardOfTheRightSuit) {
  const DefaultCase& c = GetParam();
  hands[South].Suits[Diamonds].Cards = 0;  // South is void in diamonds
  hands[South].FaceUp = c.faceUp;
  Display(South).LayOutCards();
  Display(South).DefaultSelection(c.trick, c.finishMode);
  EXPECT_EQ(view.ChosenCard, C(c.expected));
  EXPECT_EQ(hands[South].Highlight, c.highlighted);
}

INSTANTIATE_TEST_SUITE_P(
    South, DefaultSelectionTest,
    testing::Values(
        DefaultCase{"FollowsSuitLed", {2, Hearts, Hearts, 1}, true, 0, "HT", true},
        DefaultCase{"VoidTakesWinningSuit", {3, Diamonds, Spades, 6}, true, 0, "S5", true},
        DefaultCase{"LeadTakesLastWinningSuit", {1, Hearts, Spades, 4}, true, 0, "S5", true},
        DefaultCase{"OpeningLeadTakesLowestSuit", {1, Spades, Hearts, 0}, true, 0, "CJ", true},
        DefaultCase{"VoidInBothTakesLowestSuit", {2, Diamonds, Diamonds, 1}, true, 0, "CJ", true},
        DefaultCase{"FaceDownHandIsNotHighlighted", {2, Hearts, Hearts, 1}, false, 0, "HT", false},
        DefaultCase{"FinishPlayIsNotHighlighted", {2, Hearts, Hearts, 1}, true, 2, "HT", false}),
    [](const testing::TestParamInfo<DefaultCase>& info) { return info.param.name; });

TEST_F(HandDisplayTest, FaceUpGeometry) {
  view.ShowAllHands = true;
  LayOutAllHands(All(), false);
  // North: 13 cards from 100 - 117, the suits 17 apart, cards 18 apart.
  const auto& north = Display(North).CardControls();
  EXPECT_EQ(north[0]->pos(), QPoint(0, 0));
  EXPECT_EQ(north[3]->pos(), QPoint(54, 0));
  EXPECT_EQ(north[4]->pos(), QPoint(89, 0));
  EXPECT_EQ(north[12]->pos(), QPoint(89 + 8 * 18 + 2 * 17, 0));
  // East: a row per display position, 36 apart.
  const auto& east = Display(East).CardControls();
  EXPECT_EQ(east[0]->pos(), QPoint(0, 0));
  EXPECT_EQ(east[3]->pos(), QPoint(0, 36));
  EXPECT_EQ(east[12]->pos(), QPoint(3 * 18, 108));
  // A void leaves its row empty; a long suit closes up.
  hands[East].Suits[Hearts].Cards = 0;
  hands[East].Suits[Diamonds].Cards = 0;
  hands[East].Suits[Clubs].Cards = 0x7F00;  // eight to ace
  Display(East).LayOutCards();
  Display(East).Draw();
  const int firstClub = 3;
  EXPECT_EQ(CardSuit(east[firstClub]->Tag()), Clubs);
  EXPECT_EQ(east[firstClub]->pos(), QPoint(0, 72));
  const int length = hands[East].Suits[Clubs].Length;
  ASSERT_GT(length, 6);
  EXPECT_EQ(east[firstClub + 1]->pos(), QPoint(116 / length, 72));
}

// A long suit at the side closes up, but no further than its cards' indices
// allow while the hand's width has room for them, and never past that width.
TEST_F(HandDisplayTest, LongSuitAtTheSideKeepsItsIndicesWhileThereIsRoom) {
  view.ShowAllHands = true;
  const int room = Display(East).CardControls()[0]->parentWidget()->width();
  for (int length = 7; length <= 13; ++length) {
    hands[East].Suits[Spades].Cards = 0;
    hands[East].Suits[Hearts].Cards = 0;
    hands[East].Suits[Diamonds].Cards = 0;
    // Clubs from the ace down.
    hands[East].Suits[Clubs].Cards = Holding(((1u << length) - 1) << (15 - length));
    Display(East).LayOutCards();
    Display(East).Draw();
    const auto& east = Display(East).CardControls();
    const int step = east[1]->x() - east[0]->x();
    EXPECT_LE(east[length - 1]->geometry().right(), room) << length;
    EXPECT_GE(step, std::min(16, (room - CardWidth) / (length - 1))) << length;
  }
}

TEST_F(HandDisplayTest, FaceDownGeometryAndBacks) {
  view.BackDesign = 0;
  LayOutAllHands(All(), false);
  const auto& west = Display(West).CardControls();
  EXPECT_EQ(west[0]->pos(), QPoint(111, 0));
  EXPECT_EQ(west[12]->pos(), QPoint(111, 12 * 9));
  const auto& north = Display(North).CardControls();
  EXPECT_EQ(north[0]->pos(), QPoint(224 - 100, 0));
  EXPECT_EQ(north[1]->pos(), QPoint(224 - 100 + 10, 0));
  EXPECT_FALSE(north[0]->ShowFront());
  EXPECT_EQ(north[0]->BackDesign(), 0);
  EXPECT_EQ(north[0]->Picture().pixel(30, 30), BackPicture(0).pixel(30, 30));
  EXPECT_EQ(north[0]->Picture().pixel(0, 0), ToQColor(view.HandCornerColour).rgb());
  // South, face up by default seat options, is drawn face up.
  hands.ApplySeatOptions(8, 8);
  Display(South).Draw();
  EXPECT_TRUE(Display(South).CardControls()[0]->ShowFront());
}

TEST_F(HandDisplayTest, PlayedCardMovesToTheTable) {
  hands.ApplySeatOptions(8, 8);
  LayOutAllHands(All(), false);
  TMyCard* played = table->findChild<TMyCard*>("TableSouth");
  EXPECT_EQ(played->pos(), QPoint(84, 103));
  EXPECT_EQ(table->findChild<TMyCard*>("TableWest")->pos(), QPoint(8, 50));
  Display(South).ShowPlayedCard(C("CK"));
  EXPECT_TRUE(Display(South).CardControls()[7]->isHidden());
  EXPECT_EQ(played->Suit(), Clubs);
  EXPECT_EQ(played->Rank(), King);
  EXPECT_TRUE(played->isVisible());
  EXPECT_EQ(played->Picture().pixel(30, 30), FacePicture(Clubs, King).pixel(30, 30));
  EXPECT_EQ(played->Picture().pixel(0, 0), ToQColor(view.PlayedCornerColour).rgb());
}

// The four hands drawn face down, then face up with two cards on the trick:
// the table shows them differently.
TEST_F(HandDisplayTest, RendersTheFourHands) {
  view.Trump = Hearts;
  view.BackDesign = 12;
  LayOutAllHands(All(), false);
  const QImage faceDown = Picture();
  hands.ApplySeatOptions(8, 8);
  view.ChosenCard = C("CQ");
  hands[South].Highlight = true;
  view.ShowAllHands = true;
  LayOutAllHands(All(), false);
  hands[South].Highlight = true;
  Display(South).Draw();
  Display(West).ShowPlayedCard(C("H9"));
  Display(North).ShowPlayedCard(C("H5"));
  EXPECT_NE(Picture(), faceDown);
  EXPECT_EQ(ShownTags(West).size(), 12u);
}

}  // namespace
}  // namespace tavlo
