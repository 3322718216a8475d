// The table at the sizes players' screens give it: the window's own size, a
// laptop's 1280 x 800 and a large screen's 1930 x 1168. The whole table
// scales to the window, centred; nothing shown is cut off or overlaps, and
// back at its own size every control stands where it stood.

#include <QScrollArea>
#include <QScrollBar>
#include <set>

#include "cards/card_art.h"
#include "cards/my_card.h"
#include "common/desk_scaler.h"
#include "common/suit_colours.h"
#include "lesson_table.h"
#include "table/table_layout.h"

namespace tavlo {
namespace {

struct WindowSize {
  const char* name;
  QSize size;  // empty: the window's own size
};

class TableSizes : public LessonTableTest, public testing::WithParamInterface<WindowSize> {
 protected:
  void SetUp() override {
    LessonTableTest::SetUp();
    // The real card pictures, so the pictures show what a player sees.
    ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  }
  void Resize() {
    if (!GetParam().size.isEmpty()) table_->resize(GetParam().size);
    QApplication::processEvents();
  }
  void Picture(const char* moment) const {
    table_->grab().save(
        QDir::temp().filePath(QString("tavlo_table_%1_%2.png").arg(GetParam().name, moment)));
  }
  // Every shown control of the desk lies inside the control it stands on,
  // and the desk inside the window's view.
  void NothingCutOff() const {
    const QWidget* desk = Control("Desk");
    const auto* view = Control<QScrollArea>("DeskView");
    const QRect shown(desk->mapTo(view, QPoint()), desk->size());
    EXPECT_TRUE(view->rect().contains(shown)) << GetParam().name;
    for (const QWidget* control : desk->findChildren<QWidget*>()) {
      if (!control->isVisible() || control->isWindow()) continue;
      // Cards at the side may reach past their hand's panel by design;
      // what counts is that they stay on the desk.
      const QWidget* parent =
          qobject_cast<const TMyCard*>(control) ? desk : control->parentWidget();
      const QRect place(control->mapTo(parent, QPoint()), control->size());
      EXPECT_TRUE(parent->rect().contains(place))
          << GetParam().name << " " << control->objectName().toStdString() << " in "
          << parent->objectName().toStdString() << " " << place.x() << "," << place.y() << " "
          << place.width() << "x" << place.height() << " parent " << parent->width() << "x"
          << parent->height() << " own " << DeskPlace(control).x() << "," << DeskPlace(control).y()
          << " " << DeskPlace(control).width() << " parent own " << DeskPlace(parent).width() << "x"
          << DeskPlace(parent).height();
    }
  }
  // The parts of the table a player reads do not overlap one another.
  void NoPartsOverlap() const {
    std::vector<std::pair<QString, QRect>> parts;
    for (const char* name : {"DupBd", "Table", "ThePlayPad", "PlayPanel", "TableComment"}) {
      const QWidget* control = Control(name);
      if (control->isVisible()) parts.emplace_back(name, control->geometry());
    }
    for (const char* name : {"HandNorth", "HandEast", "HandSouth", "HandWest"}) {
      const QWidget* panel = Control(name);
      QRect cards;
      for (const TMyCard* card : panel->findChildren<TMyCard*>()) {
        if (card->isVisible()) cards |= card->geometry().translated(panel->pos());
      }
      parts.emplace_back(name, cards);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
      for (std::size_t j = i + 1; j < parts.size(); ++j) {
        EXPECT_FALSE(parts[i].second.intersects(parts[j].second))
            << GetParam().name << " " << parts[i].first.toStdString() << " "
            << parts[j].first.toStdString() << " " << parts[i].second.x() << ","
            << parts[i].second.y() << " " << parts[i].second.width() << "x"
            << parts[i].second.height() << " / " << parts[j].second.x() << ","
            << parts[j].second.y() << " " << parts[j].second.width() << "x"
            << parts[j].second.height();
      }
    }
  }
};

TEST_P(TableSizes, WholeTableFitsTheWindow) {
  StartNamed();
  Resize();
  const QWidget* desk = Control("Desk");
  const QSize room = Control<QScrollArea>("DeskView")->viewport()->size();
  const double factor =
      std::min(double(room.width()) / DeskSize.width(), double(room.height()) / DeskSize.height());
  EXPECT_NEAR(DeskFactor(desk), factor, 1e-9);
  EXPECT_EQ(desk->size(), DeskScaler::Scaled(QRect(QPoint(), DeskSize), factor).size());
  // Centred: the table's colour shows equally on both sides.
  const QPoint corner = desk->mapTo(table_.get(), QPoint());
  const QPoint roomCorner = Control("DeskView")->mapTo(table_.get(), QPoint());
  EXPECT_LE(std::abs(2 * (corner.x() - roomCorner.x()) + desk->width() - room.width()), 1);
  EXPECT_LE(std::abs(2 * (corner.y() - roomCorner.y()) + desk->height() - room.height()), 1);

  DealLesson(1);
  Picture("auction");
  NothingCutOff();
  BidToTheEnd(0, false);
  ASSERT_EQ(Game().Table.TablePhase, Phase::EndOfBidding);
  QTest::mouseClick(Control<QPushButton>("EOBStart"), Qt::LeftButton);
  WaitForTheTable();
  Picture("play");
  NothingCutOff();
  NoPartsOverlap();
  FinishTheHand();
  Key(Qt::Key_F8);
  Picture("all_hands");
  NothingCutOff();
}

INSTANTIATE_TEST_SUITE_P(Screens, TableSizes,
                         testing::Values(WindowSize{"own", {}}, WindowSize{"laptop", {1280, 800}},
                                         WindowSize{"large", {1930, 1168}}),
                         [](const auto& info) { return info.param.name; });

// Scaling up and back again leaves every control of the desk where it was,
// though the hands were laid out again while the table was larger.
TEST_F(LessonTableTest, BackAtItsOwnSizeEveryControlStandsWhereItStood) {
  StartNamed();
  DealLesson(1);
  const QSize own = table_->size();
  const auto places = [this] {
    std::vector<std::pair<std::string, QRect>> places;
    for (const QWidget* control : Control("Desk")->findChildren<QWidget*>())
      places.emplace_back(control->objectName().toStdString(), control->geometry());
    return places;
  };
  Key(Qt::Key_F8);
  const auto before = places();
  table_->resize(1930, 1168);
  QApplication::processEvents();
  Key(Qt::Key_F9);
  table_->resize(1280, 800);
  QApplication::processEvents();
  Key(Qt::Key_F8);
  table_->resize(own);
  QApplication::processEvents();
  EXPECT_EQ(places(), before);
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

// The rank and suit in a card's top-left corner, at the card's own size.
constexpr QRect IndexCorner(1, 2, 15, 23);

// With all four hands shown, no card of the ten lessons covers the index of
// another card: the rows of the hands at the side stand far enough apart,
// and a long suit closes up no further than its indices allow.
TEST_F(LessonTableTest, WithAllHandsShownEveryIndexShows) {
  StartNamed();
  for (int lesson = 1; lesson <= 10; ++lesson) {
    DealLesson(lesson);
    Key(Qt::Key_F8);
    for (const char* name : {"HandNorth", "HandEast", "HandSouth", "HandWest"}) {
      const QObjectList& stack = Control(name)->children();
      for (qsizetype i = 0; i < stack.size(); ++i) {
        const auto* card = qobject_cast<const TMyCard*>(stack[i]);
        if (!card || !card->isVisible()) continue;
        const QRect index = IndexCorner.translated(card->pos());
        for (qsizetype j = i + 1; j < stack.size(); ++j) {
          const auto* above = qobject_cast<const TMyCard*>(stack[j]);
          if (!above || !above->isVisible()) continue;
          EXPECT_FALSE(above->geometry().intersects(index))
              << "lesson " << lesson << " " << name << ": " << above->Suit() << "/" << above->Rank()
              << " covers " << card->Suit() << "/" << card->Rank();
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavlo

namespace tavlo {
namespace {

double ShownFactor(const TDeskTop& table) { return DeskFactor(table.findChild<QWidget*>("Desk")); }

// Ctrl++ and Ctrl+- step the zoom, larger than the window with scroll bars;
// Ctrl+0 fits the table to the window again; the window's size and the zoom
// come back on the next run.
TEST_F(LessonTableTest, ZoomStepsAndIsRememberedForTheNextRun) {
  StartNamed();
  const QSize own = table_->size();
  QTest::keyClick(table_.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(ShownFactor(*table_), 1.25);
  const auto* view = Control<QScrollArea>("DeskView");
  QApplication::processEvents();
  EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
  QTest::keyClick(table_.get(), Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(table_.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(ShownFactor(*table_), 0.8);
  QTest::keyClick(table_.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(ShownFactor(*table_), 1.0);
  EXPECT_EQ(table_->size(), own);

  table_->resize(1280, 800);
  table_->MenuItem("ZoomIn1")->trigger();
  const double zoomed = ShownFactor(*table_);
  table_->MenuItem("FourColourDeck1")->trigger();
  table_->close();
  table_.reset();
  StartNamed();
  // As large as the player left it, within the screen.
  EXPECT_EQ(table_->size(),
            QSize(1280, 800).boundedTo(table_->screen()->availableGeometry().size()));
  EXPECT_DOUBLE_EQ(ShownFactor(*table_), zoomed);
  EXPECT_TRUE(table_->MenuItem("FourColourDeck1")->isChecked());
  table_->MenuItem("FourColourDeck1")->trigger();
}

// The four-colour deck draws diamonds blue and clubs green on the cards.
TEST_F(LessonTableTest, FourColourDeckRecoloursTheCards) {
  ASSERT_TRUE(DrawCardSheet().save(Path("carddeck.bmp"), "BMP"));
  StartNamed();
  DealLesson(1);
  const auto inks = [this](int suit) {
    std::set<QRgb> inks;
    for (const TMyCard* card : Control("HandSouth")->findChildren<TMyCard*>()) {
      if (!card->isVisible() || card->Suit() != suit) continue;
      const QImage face = card->Picture();
      for (int y = 2; y < 25; ++y)
        for (int x = 1; x < 16; ++x) inks.insert(face.pixel(x, y));
    }
    return inks;
  };
  EXPECT_TRUE(inks(Diamonds).contains(QColor(Qt::red).rgb()));
  table_->MenuItem("FourColourDeck1")->trigger();
  EXPECT_FALSE(inks(Diamonds).contains(QColor(Qt::red).rgb()));
  EXPECT_TRUE(inks(Diamonds).contains(SuitInk(Diamonds, true).rgb()));
  EXPECT_TRUE(inks(Clubs).contains(SuitInk(Clubs, true).rgb()));
  EXPECT_TRUE(inks(Hearts).contains(QColor(Qt::red).rgb()));
  table_->MenuItem("FourColourDeck1")->trigger();
  EXPECT_TRUE(inks(Diamonds).contains(QColor(Qt::red).rgb()));
}

}  // namespace
}  // namespace tavlo
