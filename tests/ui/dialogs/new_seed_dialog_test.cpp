#include "dialogs/new_seed_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialog_test_application.h"
#include "model/clock.h"
#include "recording_notifier.h"

namespace tavlo {
namespace {

class QuarterPastSix final : public Clock {
 public:
  double Now() const override { return 0.25 + 1.0 / 96; }
};

struct SeedCase {
  QString typed;
  bool accepted;
  std::int32_t seed;
};

class NewSeedDialogTest : public ::testing::TestWithParam<SeedCase> {};

TEST_P(NewSeedDialogTest, TakesANonZeroNumberAndRefusesTheRest) {
  RecordingNotifier notifier;
  QuarterPastSix clock;
  std::int32_t seed = 777;
  TDlgNewSeed dialog(seed, clock);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  EXPECT_EQ(dialog.HandNumber(), 777);

  auto* edit = dialog.findChild<QLineEdit*>("Seed");
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->text().isEmpty());
  QTest::keyClicks(edit, GetParam().typed);
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);

  EXPECT_EQ(seed, GetParam().seed);
  EXPECT_EQ(dialog.isVisible(), !GetParam().accepted);
  if (GetParam().accepted) {
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.HandNumber(), GetParam().seed);
    EXPECT_TRUE(notifier.messages.isEmpty());
  } else {
    EXPECT_EQ(dialog.HandNumber(), 777);
    EXPECT_EQ(notifier.messages, QStringList{ZeroSeedMessage});
  }
}

// 06:15 is 22500000 milliseconds into the day.
INSTANTIATE_TEST_SUITE_P(
    Typed, NewSeedDialogTest,
    ::testing::Values(SeedCase{"12345", true, 12345}, SeedCase{"-42", true, -42},
                      SeedCase{"0", false, 22500000}, SeedCase{"000", false, 22500000},
                      SeedCase{"", false, 22500000}, SeedCase{"123456789012345", true, 99}));

TEST(NewSeedDialog, TheMaskKeepsLettersOut) {
  QuarterPastSix clock;
  std::int32_t seed = 1;
  TDlgNewSeed dialog(seed, clock);
  dialog.show();
  auto* edit = dialog.findChild<QLineEdit*>("Seed");
  QTest::keyClicks(edit, "4x2");
  EXPECT_EQ(edit->text(), "42");
  // A short seed is a whole one: the digits after the first are optional.
  EXPECT_TRUE(edit->hasAcceptableInput());
  EXPECT_EQ(edit->toolTip(), "The starting random number generator");
  EXPECT_EQ(dialog.windowTitle(), "Enter a New Random Seed");
}

TEST(NewSeedDialog, OpensEmptyAgainWithTheSeedInForce) {
  RecordingNotifier notifier;
  QuarterPastSix clock;
  std::int32_t seed = 5;
  TDlgNewSeed dialog(seed, clock);
  dialog.show();
  QTest::keyClicks(dialog.findChild<QLineEdit*>("Seed"), "31");
  QTest::mouseClick(dialog.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
  ASSERT_EQ(seed, 31);
  dialog.SetLanguage(4);
  dialog.show();
  EXPECT_EQ(dialog.HandNumber(), 31);
  EXPECT_TRUE(dialog.findChild<QLineEdit*>("Seed")->text().isEmpty());
  EXPECT_EQ(dialog.windowTitle(), "Neue Startzahl eingeben");
}

}  // namespace
}  // namespace tavlo
