#include "dialogs/colour_scheme.h"

#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <optional>

#include "common/colour.h"
#include "dialog_test_application.h"

namespace tavlo {
namespace {

const QColor OwnColour(1, 2, 3);

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }

QFrame* Panel(QWidget* parent, std::optional<int> tag) {
  auto* panel = new QFrame(parent);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, OwnColour);
  panel->setPalette(palette);
  if (tag) SetSchemeTag(panel, *tag);
  return panel;
}

TEST(SchemeColour, GivesTheEntryOfATagAndTheDefaultForAnyOther) {
  const QColor fallback(9, 9, 9);
  for (int tag = 0; tag < 4; ++tag) {
    EXPECT_EQ(SchemeColour(DarkColourScheme, tag, fallback), ToQColor(DarkColourScheme[tag]));
  }
  for (int tag : {-1, 4, 99}) EXPECT_EQ(SchemeColour(DarkColourScheme, tag, fallback), fallback);
}

struct TaggedCase {
  const char* what;
  std::optional<int> tag;
  bool insideBidPad;
  std::optional<int> schemeEntry;  // none: the control keeps its own colour
};

class ApplyColourSchemeTest : public ::testing::TestWithParam<TaggedCase> {};

TEST_P(ApplyColourSchemeTest, ColoursEachControlByItsTag) {
  const TaggedCase& c = GetParam();
  for (const ColourSchemeColours& scheme : {LightColourScheme, DarkColourScheme}) {
    QWidget window;
    QWidget* parent = &window;
    if (c.insideBidPad) {
      parent = new QFrame(&window);
      parent->setObjectName("BidPad");
    }
    QFrame* control = Panel(parent, c.tag);
    ApplyColourScheme(&window, scheme, true);
    EXPECT_EQ(Background(&window), ToQColor(scheme[0]));
    EXPECT_EQ(Background(control), c.schemeEntry ? ToQColor(scheme[*c.schemeEntry]) : OwnColour)
        << c.what;
    EXPECT_EQ(control->autoFillBackground(), c.schemeEntry.has_value()) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(Tags, ApplyColourSchemeTest,
                         ::testing::Values(TaggedCase{"tag 0", 0, false, 0},
                                           TaggedCase{"tag 1", 1, false, 1},
                                           TaggedCase{"tag 2", 2, false, 2},
                                           TaggedCase{"tag 3", 3, false, 3},
                                           TaggedCase{"tag 5", 5, false, std::nullopt},
                                           TaggedCase{"tag 99", 99, false, std::nullopt},
                                           TaggedCase{"no tag", std::nullopt, false, std::nullopt},
                                           TaggedCase{"in the bid box", 1, true, std::nullopt}));

TEST(ApplyColourScheme, AControlNestedInAPanelIsColouredToo) {
  QWidget window;
  QFrame* panel = Panel(&window, 1);
  auto* label = new QLabel("North", panel);
  SetSchemeTag(label, 3);
  ApplyColourScheme(&window, DarkColourScheme, false);
  EXPECT_EQ(Background(panel), ToQColor(DarkColourScheme[1]));
  EXPECT_EQ(Background(label), ToQColor(DarkColourScheme[3]));
}

}  // namespace
}  // namespace tavlo
