#include "handfile/hand_record.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "temporary_folder.h"

namespace tavlo {
namespace {

constexpr const char* kLessonDeal =
    "N:AKQ2.JT9.876.543 JT98.876.AKQ.A92 7654.AKQ.JT9.876 3.5432.5432.KQJT";

std::string LessonFile(int sections) {
  std::string text;
  for (int i = 1; i <= sections; ++i)
    text += "[" + std::to_string(i) + "]\nDeal=" + kLessonDeal + "\n";
  return text;
}

class HandRecordTest : public ::testing::Test {
 protected:
  std::string Name() const { return folder.File("Saved Hands.INI"); }
  TemporaryFolder folder;
};

TEST_F(HandRecordTest, MissingSectionReadsEveryDefault) {
  TINI store(Name());
  const HandRecord record = ReadHandRecord(store, "7");
  EXPECT_EQ(record.Dealer, South);
  EXPECT_EQ(record.Declarer, South);
  EXPECT_EQ(record.Vulnerability, 0);
  EXPECT_EQ(record.DealText, "-");
  EXPECT_EQ(record.PointsText, "-");
  EXPECT_EQ(record.ScriptedAuction, std::vector<std::string>{"-"});
  EXPECT_EQ(record.ScriptedLights, std::vector<std::string>{"-"});
  EXPECT_TRUE(record.Alerts.empty());
  EXPECT_EQ(record.LeadDirector, "-");
  EXPECT_EQ(record.Comment, "-");
}

TEST_F(HandRecordTest, ReadsEveryKeyOfALessonHand) {
  folder.Write("Saved Hands.INI",
               "[3]\nDealer=w\nDeclarer=e\nVulnerability=Both\nDeal=" + std::string(kLessonDeal) +
                   "\nPoints=N:9,13,0,1\nBids=1N,P,2C(!),P,2H,P,P,P\nAlerts=7x,2\n"
                   "Lights=0,0,G,0,Y,0,0,0\nLeadDirector=SKQJ\nComment=Stayman finds the fit\n");
  TINI store(Name());
  const HandRecord record = ReadHandRecord(store, "3");
  EXPECT_EQ(record.Dealer, West);
  EXPECT_EQ(record.Declarer, East);
  EXPECT_EQ(record.Vulnerability, 3);
  EXPECT_EQ(record.DealText, kLessonDeal);
  EXPECT_EQ(record.PointsText, "N:9,13,0,1");
  EXPECT_EQ(record.ScriptedAuction,
            (std::vector<std::string>{"1N", "P", "2C(!)", "P", "2H", "P", "P", "P"}));
  EXPECT_EQ(record.Alerts, (std::vector<std::string>{"7x", "2"}));
  EXPECT_EQ(record.ScriptedLights,
            (std::vector<std::string>{"0", "0", "G", "0", "Y", "0", "0", "0"}));
  EXPECT_EQ(record.LeadDirector, "SKQJ");
  EXPECT_EQ(record.Comment, "Stayman finds the fit");
}

struct VulnerabilityCase {
  const char* text;
  int expected;
};

class VulnerabilityTest : public HandRecordTest,
                          public ::testing::WithParamInterface<VulnerabilityCase> {};

TEST_P(VulnerabilityTest, ReadsEverySpelling) {
  folder.Write("Saved Hands.INI", std::string("[1]\nVulnerability=") + GetParam().text + "\n");
  TINI store(Name());
  EXPECT_EQ(ReadHandRecord(store, "1").Vulnerability, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Spellings, VulnerabilityTest,
    ::testing::Values(VulnerabilityCase{"NS", 1}, VulnerabilityCase{"N-S", 1},
                      VulnerabilityCase{"n-s", 1}, VulnerabilityCase{"ew", 2},
                      VulnerabilityCase{"E-W", 2}, VulnerabilityCase{"both", 3},
                      VulnerabilityCase{"BOTH", 3}, VulnerabilityCase{"ALL", 0},
                      VulnerabilityCase{"None", 0}, VulnerabilityCase{"N S", 0}));

HandRecord SampleRecord() {
  HandRecord record;
  record.Dealer = East;
  record.Declarer = North;
  record.Vulnerability = 2;
  record.DealText = kLessonDeal;
  record.PointsText = "N:12,11,1,0";
  record.ScriptedAuction = {"P", "1S", "P", "2C(!)", "P", "2H", "P", "4S", "P", "P", "P"};
  record.ScriptedLights = {"0", "0", "0", "G", "0", "0", "0", "R", "0", "0", "0"};
  record.Alerts = {"37"};
  record.LeadDirector = "-";
  return record;
}

// The section a save went into, or why it was not saved.
std::string SectionOf(const Result<std::string>& saved) {
  return saved ? *saved : "not saved: " + saved.Error();
}

TEST_F(HandRecordTest, SavedHandReadsBackAsItWasDealtInTheFileLayout) {
  folder.Write("Saved Hands.INI", LessonFile(10));
  TINI store(Name());
  const PlayedHand played{ContractBidCode(4, Spades), 1, "2H 3H AH 4H+", -100};
  const Result<std::string> saved = SaveHand(store, SampleRecord(), played, "Played too fast   ");
  ASSERT_TRUE(saved) << saved.Error();
  EXPECT_EQ(*saved, "11");

  TINI again(Name());
  const HandRecord back = ReadHandRecord(again, "11");
  const HandRecord sample = SampleRecord();
  EXPECT_EQ(back.Dealer, sample.Dealer);
  EXPECT_EQ(back.Declarer, sample.Declarer);
  EXPECT_EQ(back.Vulnerability, sample.Vulnerability);
  EXPECT_EQ(back.DealText, sample.DealText);
  EXPECT_EQ(back.PointsText, sample.PointsText);
  EXPECT_EQ(back.ScriptedAuction, sample.ScriptedAuction);
  EXPECT_EQ(back.ScriptedLights, sample.ScriptedLights);
  EXPECT_EQ(back.Alerts, sample.Alerts);
  EXPECT_EQ(back.Comment, "Played too fast");

  std::vector<std::string> lines;
  again.ReadSectionValues("11", lines);
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "Dealer=E", "Vulnerability=EW", std::string("Deal=") + kLessonDeal, "Declarer=N",
                "Bids=P,1S,P,2C(!),P,2H,P,4S,P,P,P", "Alerts=37", "Lights=0,0,0,G,0,0,0,R,0,0,0",
                "Points=N:12,11,1,0", "LeadDirector=-", "Plays=2H 3H AH 4H+", "Contract=4S X",
                "Score=-100", "Comment=Played too fast"}));
}

TEST_F(HandRecordTest, SavesAreNumberedAfterTheHighestNumberedSection) {
  folder.Write("Saved Hands.INI", LessonFile(10) + "[Notes]\nx=1\n[3a]\ny=2\n");
  TINI store(Name());
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "")), "11");
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "")), "12");
  std::vector<std::string> names;
  store.ReadSections(names);
  EXPECT_EQ(names, (std::vector<std::string>{"1", "10", "11", "12", "2", "3", "3a", "4", "5", "6",
                                             "7", "8", "9", "Notes"}));
}

// Saving after a hand numbered 2147483646 used to put every later hand into
// section 2147483647, each one over the one before.
TEST_F(HandRecordTest, SavesPastTheLargestNumberNeverWriteOverAHand) {
  folder.Write("Saved Hands.INI", LessonFile(10) + "[2147483646]\nDeal=" + kLessonDeal + "\n");
  TINI store(Name());
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "first")), "2147483647");
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "second")), "11");
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "third")), "12");
  TINI again(Name());
  EXPECT_EQ(ReadHandRecord(again, "2147483647").Comment, "first");
  EXPECT_EQ(ReadHandRecord(again, "11").Comment, "second");
  EXPECT_EQ(ReadHandRecord(again, "2147483646").DealText, kLessonDeal);
}

TEST_F(HandRecordTest, FirstSaveIntoAnEmptyFileIsHandOne) {
  TINI store(Name());
  EXPECT_EQ(SectionOf(SaveHand(store, SampleRecord(), {}, "")), "1");
}

TEST_F(HandRecordTest, PassedOutHandSavesPassAndZero) {
  TINI store(Name());
  ASSERT_TRUE(SaveHand(store, SampleRecord(), PlayedHand{}, ""));
  EXPECT_EQ(store.ReadString("1", "Contract", "-"), "Pass");
  EXPECT_EQ(store.ReadString("1", "Score", "-"), "0");
  EXPECT_EQ(store.ReadString("1", "Plays", "-"), "");
}

TEST_F(HandRecordTest, ContractKeepsItsDoublingWithoutTheSuitMarkup) {
  TINI store(Name());
  ASSERT_TRUE(
      SaveHand(store, SampleRecord(), PlayedHand{ContractBidCode(6, NoTrump), 2, "", 1580}, ""));
  ASSERT_TRUE(
      SaveHand(store, SampleRecord(), PlayedHand{ContractBidCode(1, Clubs), 0, "", 90}, ""));
  EXPECT_EQ(store.ReadString("1", "Contract", "-"), "6N XX");
  EXPECT_EQ(store.ReadString("2", "Contract", "-"), "1C");
}

struct CommentCase {
  const char* typed;
  const char* stored;  // nullptr: no "Comment" key
};

class CommentTest : public HandRecordTest, public ::testing::WithParamInterface<CommentCase> {};

TEST_P(CommentTest, TrailingBlanksGoButOneCharacterStays) {
  TINI store(Name());
  ASSERT_TRUE(SaveHand(store, SampleRecord(), {}, GetParam().typed));
  std::vector<std::string> keys;
  store.ReadSection("1", keys);
  const bool hasComment = std::find(keys.begin(), keys.end(), "Comment") != keys.end();
  ASSERT_EQ(hasComment, GetParam().stored != nullptr);
  if (hasComment) {
    EXPECT_EQ(store.ReadString("1", "Comment", "-"), GetParam().stored);
  }
}

INSTANTIATE_TEST_SUITE_P(Comments, CommentTest,
                         ::testing::Values(CommentCase{"", nullptr}, CommentCase{" ", " "},
                                           CommentCase{"   ", " "}, CommentCase{"Good  ", "Good"},
                                           CommentCase{"  lead ", "  lead"}));

TEST_F(HandRecordTest, HandWithoutAlertsSavesNoAlertsKey) {
  TINI store(Name());
  HandRecord record = SampleRecord();
  record.Alerts.clear();
  ASSERT_TRUE(SaveHand(store, record, {}, ""));
  EXPECT_EQ(store.ReadString("1", "Alerts", "missing"), "missing");
}

TEST_F(HandRecordTest, SaveThatCannotBeWrittenKeepsTheHandForTheNextAttempt) {
  TINI store(folder.File("gone/Saved Hands.INI"));
  const Result<std::string> saved = SaveHand(store, SampleRecord(), {}, "Mine");
  ASSERT_FALSE(saved);
  EXPECT_NE(saved.Error().find("gone/Saved Hands.INI"), std::string::npos) << saved.Error();
  EXPECT_TRUE(store.Modified());
  EXPECT_EQ(store.ReadString("1", "Comment", "-"), "Mine");
  std::filesystem::create_directory(folder.Path() / "gone");
  EXPECT_EQ(store.UpdateFile().Error(), "");
  TINI again(folder.File("gone/Saved Hands.INI"));
  EXPECT_EQ(ReadHandRecord(again, "1").Comment, "Mine");
}

}  // namespace
}  // namespace tavlo
