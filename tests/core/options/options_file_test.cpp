#include "options/options_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace tavlo {
namespace {

namespace fs = std::filesystem;

class OptionsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("tavlo_options_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = folder_ / OptionsFileName;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<unsigned char> FileBytes() const {
    std::ifstream in(file_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void WriteFile(const std::vector<unsigned char>& bytes) const {
    std::ofstream out(file_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }
  static std::vector<unsigned char> Record(std::int32_t magic, unsigned fill) {
    std::vector<unsigned char> bytes(OptionsRecordSize, static_cast<unsigned char>(fill));
    for (int i = 0; i < 4; ++i) bytes[248 + i] = static_cast<unsigned char>(magic >> (8 * i));
    return bytes;
  }

  fs::path folder_;
  fs::path file_;
};

void ExpectDefaults(const OptionsRecord& options) {
  EXPECT_EQ(options.Language, 0);
  EXPECT_EQ(options.SkillLevel, 4);
  EXPECT_EQ(options.CardBackDesign, 13);
  EXPECT_EQ(options.BiddingSystem, 0);
  EXPECT_EQ(options.DarkCards, 0);
  EXPECT_EQ(options.PlayerName, "");
  EXPECT_EQ(options.CardBackColour, 0x02804000u);
  EXPECT_EQ(options.ColourScheme, LightColourScheme);
  EXPECT_EQ(options.OptionsMagic, 70342);
}

TEST_F(OptionsFileTest, FirstStartInEmptyFolderWritesTheDefaultRecord) {
  OptionsRecord options;
  const Status loaded = LoadOptions(options, file_);
  EXPECT_TRUE(loaded) << loaded.Error();

  ExpectDefaults(options);
  const auto bytes = FileBytes();
  ASSERT_EQ(bytes.size(), 252u);
  EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 4, bytes.end()),
            (std::vector<unsigned char>{0xC6, 0x12, 0x01, 0x00}));
  EXPECT_EQ(bytes[80], 4);   // thinking time
  EXPECT_EQ(bytes[81], 13);  // card back
  EXPECT_EQ(bytes[82], 0);   // English
  EXPECT_EQ((std::vector<unsigned char>(bytes.begin() + 132, bytes.begin() + 140)),
            (std::vector<unsigned char>{0x00, 0x40, 0x80, 0x02, 0xC0, 0xC0, 0xC0, 0x00}));
  EXPECT_FALSE(fs::exists(folder_ / "Options.DAT.tmp"));
}

// A damaged file of each kind, and what makes it one.
struct DamagedOptions {
  const char* name;
  std::vector<unsigned char> bytes;
  const char* damage;
};

constexpr char Short[] = "is shorter than one record";
constexpr char Foreign[] = "does not hold the options of this program";

class DamagedOptionsFileTest : public OptionsFileTest,
                               public ::testing::WithParamInterface<DamagedOptions> {};

// The defaults are in memory and on disk, and the reason says why.
TEST_P(DamagedOptionsFileTest, IsReplacedByTheDefaultsWithItsReason) {
  WriteFile(GetParam().bytes);
  OptionsRecord options;
  options.SkillLevel = 9;
  options.PlayerName = "Left over";

  const Status loaded = LoadOptions(options, file_);

  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.Error(), "The options file \"" + file_.string() + "\" " + GetParam().damage +
                                "; the default options take its place.");
  ExpectDefaults(options);
  OptionsRecord reread;
  const Status again = LoadOptions(reread, file_);
  EXPECT_TRUE(again) << again.Error();
  ExpectDefaults(reread);
  EXPECT_EQ(FileBytes().size(), 252u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedOptionsFileTest,
    ::testing::Values(DamagedOptions{"HundredBytes", std::vector<unsigned char>(100, 0x11), Short},
                      DamagedOptions{"Empty", {}, Short},
                      DamagedOptions{"OneByteShort", std::vector<unsigned char>(251, 0xC6), Short},
                      DamagedOptions{"CheckValueZero", std::vector<unsigned char>(252, 0x00),
                                     Foreign},
                      DamagedOptions{"CheckValueOneOff",
                                     [] {
                                       auto bytes = std::vector<unsigned char>(252, 0x05);
                                       bytes[248] = 0xC7;  // 70343
                                       bytes[249] = 0x12;
                                       bytes[250] = 0x01;
                                       bytes[251] = 0x00;
                                       return bytes;
                                     }(),
                                     Foreign},
                      DamagedOptions{"CheckValueBigEndian",
                                     [] {
                                       auto bytes = std::vector<unsigned char>(252, 0x00);
                                       bytes[251] = 0xC6;  // 70342 big-endian
                                       bytes[250] = 0x12;
                                       bytes[249] = 0x01;
                                       return bytes;
                                     }(),
                                     Foreign}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsFileTest, AFileThatCannotBeReadIsReplacedByTheDefaultsWithItsReason) {
  // A link that leads back to itself: no one, the superuser included, can
  // open the file through it.
  fs::create_symlink(file_.filename(), file_);
  OptionsRecord options;
  const Status loaded = LoadOptions(options, file_);
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.Error(), "The options file \"" + file_.string() +
                                "\" could not be read; the default options take its place.");
  ExpectDefaults(options);
  EXPECT_EQ(FileBytes().size(), 252u);
}

TEST_F(OptionsFileTest, AWrongCheckValueKeepsTheUnlistedBytesReadButDefaultsTheRest) {
  auto bytes = Record(12345, 0x07);
  WriteFile(bytes);
  OptionsRecord options;
  EXPECT_FALSE(LoadOptions(options, file_));

  ExpectDefaults(options);
  const auto written = FileBytes();
  EXPECT_EQ(written[0], 0x07);
  EXPECT_EQ(written[200], 0x07);
  EXPECT_EQ(written[83], 0x07);  // suit order has no default
}

TEST_F(OptionsFileTest, ARecordWithTheRightCheckValueIsUsedUnchanged) {
  std::mt19937 random(7);
  std::vector<unsigned char> bytes(252);
  for (auto& byte : bytes) byte = static_cast<unsigned char>(random());
  bytes[86] = 5;  // a name of five characters
  for (int i = 0; i < 4; ++i) bytes[248 + i] = static_cast<unsigned char>(70342 >> (8 * i));
  WriteFile(bytes);

  OptionsRecord options;
  const Status loaded = LoadOptions(options, file_);
  EXPECT_TRUE(loaded) << loaded.Error();
  EXPECT_EQ(options.SkillLevel, bytes[80]);
  EXPECT_EQ(options.CardBackDesign, bytes[81]);
  EXPECT_EQ(options.Language, bytes[82]);
  EXPECT_EQ(options.SuitOrderOption, bytes[83]);
  EXPECT_EQ(options.BiddingSystem, bytes[85]);
  EXPECT_EQ(options.DarkCards, bytes[172]);
  EXPECT_EQ(options.CardBackColour, bytes[132] | bytes[133] << 8 | bytes[134] << 16 |
                                        static_cast<Colour>(bytes[135]) << 24);

  // Saved again, only the unused tail of the name field may change.
  ASSERT_TRUE(SaveOptions(options, file_));
  auto again = FileBytes();
  ASSERT_EQ(again.size(), 252u);
  std::fill(bytes.begin() + 92, bytes.begin() + 113, 0);
  EXPECT_EQ(again, bytes);
}

TEST_F(OptionsFileTest, FieldsKeepTheirOffsetsAndByteOrder) {
  OptionsRecord options;
  ApplyDefaults(options);
  options.UserSeats = 0x0A;
  options.FaceUpSeats = 0x1E;
  options.SuitOrderOption = 3;
  options.BiddingSystem = 2;
  options.DarkCards = 1;
  options.ColourScheme = DarkColourScheme;
  options.PlayerName = "Kim";
  ASSERT_TRUE(SaveOptions(options, file_));

  const auto bytes = FileBytes();
  EXPECT_EQ(bytes[68], 0x0A);
  EXPECT_EQ(bytes[72], 0x1E);
  EXPECT_EQ(bytes[83], 3);
  EXPECT_EQ(bytes[85], 2);
  EXPECT_EQ(bytes[86], 3);
  EXPECT_EQ(std::string(bytes.begin() + 87, bytes.begin() + 90), "Kim");
  EXPECT_EQ((std::vector<unsigned char>(bytes.begin() + 136, bytes.begin() + 140)),
            (std::vector<unsigned char>{0xA4, 0xA4, 0xA4, 0x02}));
  EXPECT_EQ(bytes[172], 1);
}

struct NameCase {
  std::string given;
  std::string kept;
};

class PlayerNameTest : public OptionsFileTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(PlayerNameTest, SurvivesTheRecordAsTheUserCanSeeIt) {
  OptionsRecord options;
  ApplyDefaults(options);
  options.PlayerName = GetParam().given;
  ASSERT_TRUE(SaveOptions(options, file_));
  OptionsRecord reread;
  EXPECT_TRUE(LoadOptions(reread, file_));
  EXPECT_EQ(reread.PlayerName, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PlayerNameTest,
    ::testing::Values(NameCase{"", ""}, NameCase{"Søren Østergård", "Søren Østergård"},
                      NameCase{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcd", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                      NameCase{"ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ", "ÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅÅ"},
                      NameCase{"Jörg 東京", "Jörg ??"}));

TEST(PlayerName, IsCutAtItsTwentySixthCharacterNotByte) {
  EXPECT_EQ(CutPlayerName("ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(CutPlayerName("ææææææææææææææææææææææææææææ"), "ææææææææææææææææææææææææææ");
  EXPECT_EQ(CutPlayerName("Ann"), "Ann");
}

TEST_F(OptionsFileTest, ALengthByteBeyondTheFieldReadsAsAFullName) {
  auto bytes = Record(70342, 'x');
  bytes[86] = 200;
  WriteFile(bytes);
  OptionsRecord options;
  EXPECT_TRUE(LoadOptions(options, file_));
  EXPECT_EQ(options.PlayerName, std::string(26, 'x'));
}

TEST_F(OptionsFileTest, AFolderThatCannotBeWrittenLeavesTheDefaultsInMemory) {
  OptionsRecord options;
  const fs::path missing = folder_ / "gone" / OptionsFileName;
  const Status loaded = LoadOptions(options, missing);
  EXPECT_EQ(loaded.Error().rfind("Could not write the file \"" + missing.string() + "\"", 0), 0u)
      << loaded.Error();
  ExpectDefaults(options);
  EXPECT_FALSE(SaveOptions(options, missing));
  EXPECT_FALSE(fs::exists(folder_ / "gone"));
}

}  // namespace
}  // namespace tavlo
