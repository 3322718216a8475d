// The player's display settings survive a run, and a damaged file, whatever
// the damage, gives the defaults for what it damaged and nothing worse.

#include "common/display_settings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tavlo {
namespace {

class DisplaySettingsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  QString Path() const { return QDir(folder_.path()).filePath(DisplaySettingsFileName); }
  void Write(const QByteArray& bytes) const {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir folder_;
};

TEST_F(DisplaySettingsTest, WhatIsWrittenIsReadBack) {
  for (const DisplaySettings& settings :
       {DisplaySettings{}, DisplaySettings{{1280, 800}, true, 1.5625, true},
        DisplaySettings{{1930, 1168}, false, std::nullopt, false},
        DisplaySettings{{}, false, 0.64, true}}) {
    ASSERT_TRUE(WriteDisplaySettings(settings, Path()));
    EXPECT_EQ(ReadDisplaySettings(Path()), settings);
  }
  // Written whole through a temporary file, nothing left beside it.
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList{DisplaySettingsFileName});
}

TEST_F(DisplaySettingsTest, MissingFileGivesTheDefaults) {
  EXPECT_EQ(ReadDisplaySettings(Path()), DisplaySettings{});
}

struct Damage {
  const char* name;
  QByteArray bytes;
  DisplaySettings expected;
};
class DamagedFile : public DisplaySettingsTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, DamagedPartsGiveTheirDefaults) {
  Write(GetParam().bytes);
  EXPECT_EQ(ReadDisplaySettings(Path()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedFile,
    testing::Values(
        Damage{"Binary", QByteArray("\x00\xff\x13=\x80\n=\n", 8), {}},
        Damage{"Truncated", "width=1280\nhei", {}},
        Damage{"NegativeSize", "width=-5\nheight=800\nmaximised=1\n", {{}, true, {}, false}},
        Damage{"HugeSize", "width=99999999999\nheight=800\n", {}},
        Damage{"NotANumber",
               "width=1280\nheight=800\nzoom=nan\nfourcolours=yes\n",
               {{1280, 800}, false, {}, false}},
        Damage{"ZoomOutOfRange", "zoom=1e300\nfourcolours=1\n", {{}, false, {}, true}},
        Damage{"WindowsLineEnds",
               "width=1280\r\nheight=800\r\nzoom=2\r\n",
               {{1280, 800}, false, 2.0, false}},
        Damage{"TooLarge", QByteArray(100000, 'w') + "\nwidth=1280\nheight=800\n", {}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tavlo
