#include "handfile/big_ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "model/file_replace.h"
#include "temporary_folder.h"

namespace tavlo {
namespace {

class BigIniFileTest : public ::testing::Test {
 protected:
  std::string Name() const { return folder.File("hands.ini"); }
  TemporaryFolder folder;
};

TEST_F(BigIniFileTest, MissingFileIsAnEmptyStoreCreatedByTheFirstChange) {
  {
    TBigIniFile store(Name());
    EXPECT_TRUE(store.Loaded());
    EXPECT_EQ(store.Sections().Count(), 0);
    EXPECT_EQ(store.ReadString("1", "Deal", "-"), "-");
    EXPECT_EQ(store.UpdateFile().Error(), "");
    EXPECT_FALSE(std::filesystem::exists(Name()));
    store.WriteString("1", "Dealer", "S");
  }
  EXPECT_EQ(folder.Read("hands.ini"), "[1]\nDealer=S\n\n");
}

TEST_F(BigIniFileTest, DuplicateSectionKeepsTheFirstAndLosesTheSecondAtTheNextRewrite) {
  folder.Write("hands.ini", "[A]\nx=1\n[b]\ny=2\n[a]\nx=3\nz=4\n");
  TBigIniFile store(Name());
  EXPECT_FALSE(store.Modified());
  EXPECT_EQ(store.ReadString("a", "x", "-"), "1");
  EXPECT_EQ(store.ReadString("A", "z", "-"), "-");
  store.WriteString("b", "y", "5");
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(folder.Read("hands.ini"), "[A]\nx=1\n\n[b]\ny=5\n\n");
}

// Found by fuzzing: a line ending in two carriage returns read as a line of
// the hand before, and came back as a header only after a rewrite.
TEST_F(BigIniFileTest, LineEndsConvertedTwiceReadTheSameBeforeAndAfterARewrite) {
  folder.Write("hands.ini", "[1]\r\r\nDealer=N\r\r\n; a lesson\r\r\n[2]\r\r\nDealer=E\r\n");
  TBigIniFile store(Name());
  EXPECT_EQ(store.ReadString("2", "Dealer", "-"), "E");
  std::vector<std::string> lines;
  store.WriteToStrings(lines);
  const std::vector<std::string> expected{"[1]",      "Dealer=N", "; a lesson", "", "[2]",
                                          "Dealer=E", ""};
  EXPECT_EQ(lines, expected);
  store.WriteString("2", "Dealer", "W");
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(folder.Read("hands.ini"), "[1]\nDealer=N\n; a lesson\n\n[2]\nDealer=W\n\n");
}

TEST_F(BigIniFileTest, NamesAndKeysAreTakenAsWrittenWithoutTrimming) {
  folder.Write("hands.ini", "[ my hand ]\nKey = value\nkey=second\n");
  TBigIniFile store(Name());
  EXPECT_EQ(store.ReadString("my hand", "Key", "-"), "-");
  EXPECT_EQ(store.ReadString(" MY HAND ", "Key", "-"), "second");
  EXPECT_EQ(store.ReadString(" my hand ", "KEY ", "-"), " value");
}

TEST_F(BigIniFileTest, FirstMatchingLineIsReadReplacedAndDeleted) {
  folder.Write("hands.ini", "[1]\nBids=1H\nbids=2H\n");
  TBigIniFile store(Name());
  store.WriteString("1", "BIDS", "3H");
  std::vector<std::string> lines;
  store.ReadSectionValues("1", lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"BIDS=3H", "bids=2H"}));
  store.DeleteKey("1", "Bids");
  EXPECT_EQ(store.ReadString("1", "Bids", "-"), "2H");
}

TEST_F(BigIniFileTest, RewritingAnEqualValueChangesNothingButAnyOtherCaseDoes) {
  folder.Write("hands.ini", "[1]\nDealer=S\n");
  TBigIniFile store(Name());
  store.WriteString("1", "Dealer", "S");
  EXPECT_FALSE(store.Modified());
  folder.Write("hands.ini", "changed on disk");
  EXPECT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(folder.Read("hands.ini"), "changed on disk");
  store.WriteString("1", "Dealer", "s");
  EXPECT_TRUE(store.Modified());
}

TEST_F(BigIniFileTest, EmptyKeyErasesTheSectionAndAllEmptyWritesTheFile) {
  folder.Write("hands.ini", "[1]\nDealer=S\n[2]\nDealer=N\n");
  TBigIniFile store(Name());
  store.WriteString("1", "", "");
  EXPECT_EQ(store.ReadString("1", "Dealer", "-"), "-");
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(folder.Read("hands.ini"), "[1]\nDealer=S\n[2]\nDealer=N\n");
  store.WriteString("", "", "");
  EXPECT_FALSE(store.Modified());
  EXPECT_EQ(folder.Read("hands.ini"), "[2]\nDealer=N\n\n");
}

TEST_F(BigIniFileTest, EmptiedSectionIsNotWrittenAndAbsentWhenOpenedAgain) {
  folder.Write("hands.ini", "[1]\nDealer=S\n[2]\nDealer=N\n");
  {
    TBigIniFile store(Name());
    store.DeleteKey("2", "Dealer");
    store.DeleteKey("3", "Dealer");  // creates an empty section 3
    EXPECT_EQ(store.Sections().Count(), 3);
  }
  TBigIniFile again(Name());
  std::vector<std::string> names{"stale"};
  again.ReadSections(names);
  EXPECT_EQ(names, std::vector<std::string>{"1"});
}

TEST_F(BigIniFileTest, RewriteKeepsCommentsButNotBlankLinesOrLinesBeforeTheFirstHeader) {
  folder.Write("hands.ini",
               "orphan=1\r\n\r\n[1]\r\n; a lesson\r\nno equals sign\r\n\x1a\r\nDealer=S\r\n");
  TBigIniFile store(Name());
  std::vector<std::string> keys;
  store.ReadSection("1", keys);
  EXPECT_EQ(keys, (std::vector<std::string>{"", "", "Dealer"}));
  store.WriteString("1", "Declarer", "N");
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(folder.Read("hands.ini"), "[1]\n; a lesson\nno equals sign\nDealer=S\nDeclarer=N\n\n");
}

TEST_F(BigIniFileTest, LongLinesSurviveARewriteButWritesAreCutAt255) {
  const std::string longValue(400, 'a');
  folder.Write("hands.ini", "[notes]\nlong=" + longValue + "\n[1]\nDealer=S\n");
  TBigIniFile store(Name());
  EXPECT_EQ(store.ReadString("notes", "long", "-"), std::string(255, 'a'));
  store.WriteString("1", "Comment", longValue);
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(folder.Read("hands.ini"), "[notes]\nlong=" + longValue + "\n\n[1]\nDealer=S\nComment=" +
                                          std::string(255 - 8, 'a') + "\n\n");
}

std::string Repeated(std::string_view character, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += character;
  return text;
}

// Comments are typed in every language: the 255-character cut counts whole
// letters, so a text that reaches the limit never ends in half a letter.
class LongValueTest : public BigIniFileTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(LongValueTest, CutAtTwoHundredFiftyFiveWholeCharacters) {
  const std::string_view character = GetParam();
  folder.Write("hands.ini", "[notes]\nlong=" + Repeated(character, 300) + "\n");
  {
    TBigIniFile store(Name());
    EXPECT_EQ(store.ReadString("notes", "long", "-"), Repeated(character, 255));
    store.WriteString("1", "Comment", Repeated(character, 300));
  }
  TBigIniFile again(Name());
  EXPECT_EQ(again.ReadString("1", "Comment", "-"), Repeated(character, 255 - 8));
}

INSTANTIATE_TEST_SUITE_P(Letters, LongValueTest,
                         ::testing::Values("a", "\u00e6", "\u2014", "\U0001F0A1"));

TEST_F(BigIniFileTest, ByteOrderMarkDoesNotHideTheFirstSection) {
  folder.Write("hands.ini", "\xEF\xBB\xBF[1]\r\nDealer=W\r\n");
  TBigIniFile store(Name());
  EXPECT_EQ(store.ReadString("1", "Dealer", "-"), "W");
}

TEST_F(BigIniFileTest, LineBreaksInAValueCannotForgeLinesOrSections) {
  {
    TBigIniFile store(Name());
    store.WriteString("1", "Comment", "nice\n[2]\r\nDealer=N");
  }
  TBigIniFile again(Name());
  EXPECT_EQ(again.Sections().Count(), 1);
  EXPECT_EQ(again.ReadString("1", "Comment", "-"), "nice [2]  Dealer=N");
}

struct IntegerCase {
  const char* text;
  int expected;
};

class ReadIntegerTest : public BigIniFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(ReadIntegerTest, ReadsDecimalAndHexOrGivesTheDefault) {
  TBigIniFile store("");
  store.WriteString("s", "k", GetParam().text);
  EXPECT_EQ(store.ReadInteger("s", "k", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadIntegerTest,
                         ::testing::Values(IntegerCase{"12", 12}, IntegerCase{"-3", -3},
                                           IntegerCase{"0x1F", 31}, IntegerCase{"0Xff", 255},
                                           IntegerCase{"0x", -7}, IntegerCase{"12a", -7},
                                           IntegerCase{"", -7}, IntegerCase{"99999999999", -7}));

TEST_F(BigIniFileTest, BoolsAndIntegersRoundTrip) {
  TBigIniFile store("");
  store.WriteBool("s", "on", true);
  store.WriteBool("s", "off", false);
  store.WriteInteger("s", "n", -42);
  EXPECT_TRUE(store.ReadBool("s", "on", false));
  EXPECT_FALSE(store.ReadBool("s", "off", true));
  EXPECT_TRUE(store.ReadBool("s", "missing", true));
  EXPECT_EQ(store.ReadString("s", "n", ""), "-42");
}

TEST_F(BigIniFileTest, MissingSectionsAddNothingToLists) {
  TBigIniFile store("");
  std::vector<std::string> lines{"kept"};
  store.ReadSection("none", lines);
  store.ReadSectionValues("none", lines);
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});
  store.EraseSection("none");
  EXPECT_FALSE(store.Modified());
}

TEST_F(BigIniFileTest, TiniKeepsSectionsInCaseInsensitiveTextOrder) {
  folder.Write("hands.ini", "[2]\nDealer=E\n[b]\nx=1\n[1]\nDealer=N\n");
  {
    TINI store(Name());
    store.WriteString("10", "Dealer", "W");
    store.WriteString("A", "x", "2");
    std::vector<std::string> names;
    store.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"1", "10", "2", "A", "b"}));
  }
  EXPECT_EQ(folder.Read("hands.ini"),
            "[1]\nDealer=N\n\n[10]\nDealer=W\n\n[2]\nDealer=E\n\n[A]\nx=2\n\n[b]\nx=1\n\n");
}

TEST_F(BigIniFileTest, RewriteKeepsTheFileMode) {
  folder.Write("hands.ini", "[1]\nDealer=S\n");
  std::filesystem::permissions(Name(), std::filesystem::perms(0640));
  TBigIniFile store(Name());
  store.WriteString("1", "Dealer", "N");
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(std::filesystem::status(Name()).permissions(), std::filesystem::perms(0640));
}

// Lets writes past a few bytes fail with "File too large", as a full disk
// would, for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

TEST_F(BigIniFileTest, FailedWriteLeavesTheOldFileWholeAndTheChangesPending) {
  const std::string old = "[1]\nDealer=S\n\n";
  folder.Write("hands.ini", old);
  TBigIniFile store(Name());
  store.WriteString("1", "Comment", std::string(200, 'c'));
  {
    FileSizeLimit limit(64);
    const std::string error = store.UpdateFile().Error();
    EXPECT_NE(error.find(Name()), std::string::npos) << error;
  }
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(folder.Read("hands.ini"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
  ASSERT_EQ(store.UpdateFile().Error(), "");
  EXPECT_EQ(store.ReadString("1", "Comment", "-").size(), 200u);
}

TEST_F(BigIniFileTest, FailedRenameReportsTheFileAndLeavesNoTemporaryBehind) {
  TBigIniFile store(Name());
  store.WriteString("1", "Dealer", "S");
  std::filesystem::create_directories(folder.Path() / "hands.ini" / "in the way");
  const std::string error = store.UpdateFile().Error();
  EXPECT_NE(error.find(Name()), std::string::npos) << error;
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST_F(BigIniFileTest, FileThatCannotBeReadIsReportedAndNeverOverwritten) {
  std::filesystem::create_directories(folder.Path() / "hands.ini" / "in the way");
  TBigIniFile store(Name());
  EXPECT_NE(store.Loaded().Error().find(Name()), std::string::npos) << store.Loaded().Error();
  store.WriteString("1", "Dealer", "S");
  EXPECT_NE(store.UpdateFile().Error().find(Name()), std::string::npos);
  EXPECT_TRUE(store.Modified());
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / "hands.ini" / "in the way"));
}

TEST_F(BigIniFileTest, FileInAMissingFolderGivesAnErrorAndSwitchingFilesKeepsTheContent) {
  const std::string lost = folder.File("gone/hands.ini");
  TBigIniFile store(lost);
  store.WriteString("1", "Dealer", "S");
  const std::string error = store.SetFileName(Name()).Error();
  EXPECT_NE(error.find(lost), std::string::npos) << error;
  EXPECT_EQ(store.FileName(), lost);
  EXPECT_EQ(store.ReadString("1", "Dealer", "-"), "S");
  EXPECT_TRUE(store.Modified());
}

TEST_F(BigIniFileTest, NewFileThatCannotBeMadeBesideTheOldIsReportedWithTheOldFileKept) {
  folder.Write("hands.ini", "[1]\nDealer=S\n");
  TBigIniFile store(Name());
  store.WriteString("1", "Dealer", "N");
  // A folder where the new file is first written keeps it from being made,
  // as a folder the user may not write into would.
  std::filesystem::create_directory(TemporaryFileOf(Name()));
  EXPECT_NE(store.UpdateFile().Error().find(Name()), std::string::npos);
  EXPECT_EQ(folder.Read("hands.ini"), "[1]\nDealer=S\n");
  EXPECT_TRUE(store.Modified());
}

}  // namespace
}  // namespace tavlo
