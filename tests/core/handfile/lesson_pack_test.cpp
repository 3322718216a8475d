// Reading lesson packs: the packs of a folder, a pack's topic, hands and
// texts in a language, and a reason, never a crash, for a pack that is no
// pack.

#include "handfile/lesson_pack.h"

#include <gtest/gtest.h>

#include <string>

#include "temporary_folder.h"

namespace tavlo {
namespace {

const std::string kTopic =
    "[Topic]\nEnglish=Notrump\nDanish=Sans\nNorwegian=Grand\nFrench=Sans-Atout\n"
    "German=Sans Atout\nSwedish=Sang\n\n";

// A hand South bids: 1NT, Stayman and game in hearts.
std::string Hand(int number) {
  return "[" + std::to_string(number) +
         "]\nDealer=N\nVulnerability=NONE\n"
         "Deal=N:AJ4.KQ73.KJ5.Q82 T963.8.A832.T764 K852.AJ95.Q6.J93 Q7.T642.T974.AK5\n"
         "Declarer=N\nBids=1N,P,2C(!),P,2H,P,4H,P,P,P\nAlerts=\"Stayman: asks for a major\"\n"
         "Lights=Y,0,G,0,Y,0,R,0,0,0\nPoints=N:16,11,0,0\nLeadDirector=S\n"
         "Comment=Stayman finds the fit.\n\n";
}

constexpr const char* kTexts =
    "# texts\n"
    "1.Comment\tStayman finds the fit.\tStayman finder tilpasningen.\tStayman finner "
    "tilpasningen.\tStayman trouve le fit.\tStayman findet den Fit.\tStayman hittar "
    "anpassningen.\n"
    "1.Alert.1\tStayman: asks for a major\tStayman: spørger\tStayman: spør\tStayman : "
    "demande\tStayman: fragt\tStayman: frågar\n";

class LessonPackTest : public ::testing::Test {
 protected:
  TemporaryFolder folder;
};

TEST_F(LessonPackTest, ListsThePacksOfAFolderInNameOrder) {
  folder.Write("02_rebids.ini", "");
  folder.Write("01_openings.ini", "");
  folder.Write("01_openings.tsv", "");
  folder.Write("notes.txt", "");
  const Result<std::vector<std::string>> names = LessonPackNames(folder.Path().string());
  ASSERT_TRUE(names) << names.Error();
  EXPECT_EQ(*names, (std::vector<std::string>{"01_openings", "02_rebids"}));
  EXPECT_FALSE(LessonPackNames(folder.File("missing")));
}

TEST_F(LessonPackTest, GivesTopicHandsAndTextsInEveryLanguage) {
  folder.Write("03_notrump.ini", kTopic + Hand(1) + Hand(2));
  folder.Write("03_notrump.tsv", kTexts);
  const Result<LessonPack> pack = ReadLessonPack(folder.Path().string(), "03_notrump");
  ASSERT_TRUE(pack) << pack.Error();
  EXPECT_EQ(pack->Name, "03_notrump");
  ASSERT_EQ(pack->Hands.size(), 2u);
  EXPECT_EQ(pack->Hands[1].ScriptedAuction.size(), 10u);
  EXPECT_EQ(TopicInLanguage(*pack, 3), "Sans-Atout");
  EXPECT_EQ(LessonComment(*pack, 1, 1), "Stayman finder tilpasningen.");
  EXPECT_EQ(LessonAlert(*pack, 1, 1, 5), "Stayman: frågar");
  // Where the table has no text, the hand's own English one.
  EXPECT_EQ(LessonComment(*pack, 2, 4), "Stayman finds the fit.");
  EXPECT_EQ(LessonAlert(*pack, 2, 1, 4), "Stayman: asks for a major");
  EXPECT_EQ(LessonComment(*pack, 3, 0), "");
  EXPECT_EQ(LessonAlert(*pack, 1, 2, 0), "");
}

TEST_F(LessonPackTest, APackWithoutItsTableSpeaksEnglish) {
  folder.Write("03_notrump.ini", std::string("[Topic]\nEnglish=Notrump\n\n") + Hand(1));
  const Result<LessonPack> pack = ReadLessonPack(folder.Path().string(), "03_notrump");
  ASSERT_TRUE(pack) << pack.Error();
  EXPECT_TRUE(pack->Texts.empty());
  EXPECT_EQ(TopicInLanguage(*pack, 2), "Notrump");
  EXPECT_EQ(LessonComment(*pack, 1, 2), "Stayman finds the fit.");
}

struct DamagedPack {
  const char* name;
  std::string pack;
  std::string table;
  const char* reason;  // words the reason holds
};

class DamagedPackTest : public ::testing::TestWithParam<DamagedPack> {
 protected:
  TemporaryFolder folder;
};

TEST_P(DamagedPackTest, GivesTheReason) {
  folder.Write("pack.ini", GetParam().pack);
  if (!GetParam().table.empty()) folder.Write("pack.tsv", GetParam().table);
  const Result<LessonPack> pack = ReadLessonPack(folder.Path().string(), "pack");
  ASSERT_FALSE(pack);
  EXPECT_NE(pack.Error().find(GetParam().reason), std::string::npos) << pack.Error();
  EXPECT_NE(pack.Error().find("pack"), std::string::npos) << pack.Error();
}

INSTANTIATE_TEST_SUITE_P(
    Packs, DamagedPackTest,
    ::testing::Values(
        DamagedPack{"NoTopic", Hand(1), "", "names no topic"},
        DamagedPack{"NoHand", kTopic, "", "holds no hand"},
        DamagedPack{"AGap", kTopic + Hand(1) + Hand(3), "", "not numbered 1 to 3"},
        DamagedPack{"AStraySection", kTopic + Hand(1) + "[Notes]\nSeen=1\n", "",
                    "[Notes] is no hand"},
        DamagedPack{"AShortDeal", kTopic + Hand(1).replace(Hand(1).find("AJ4."), 4, ""), "",
                    "in hand 1"},
        DamagedPack{"NoDealAtAll", kTopic + "[1]\nDealer=N\nDeal=" + std::string(69, 'x'), "",
                    "in hand 1"},
        DamagedPack{"AnIllegalCall", kTopic + Hand(1).replace(Hand(1).find("4H,P"), 4, "1S,P"), "",
                    "not higher"},
        DamagedPack{"AnAuctionThatGoesOn",
                    kTopic + Hand(1).replace(Hand(1).find(",P,P,P\n"), 6, ",P,P"), "",
                    "does not end"},
        DamagedPack{"AMissingAlert", kTopic + Hand(1).replace(Hand(1).find("Alerts"), 6, "Xlerts"),
                    "", "alerts do not match"},
        DamagedPack{"LightsShort", kTopic + Hand(1).replace(Hand(1).find("Y,0,G"), 5, "Y,G"), "",
                    "one stop light per call"},
        DamagedPack{"AWrongDeclarer",
                    kTopic + Hand(1).replace(Hand(1).find("Declarer=N"), 10, "Declarer=S"), "",
                    "another declarer"},
        DamagedPack{"ATableRowWithoutItsTexts", kTopic + Hand(1), "1.Comment\tonly English\n",
                    "lacks texts"},
        DamagedPack{"ATableRowForAnotherHand", kTopic + Hand(1), "2.Comment\ta\tb\tc\td\te\tf\n",
                    "names no text"},
        DamagedPack{"ATableRowForAnAlertNotThere", kTopic + Hand(1),
                    "1.Alert.2\ta\tb\tc\td\te\tf\n", "names no text"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonPackTest, AMissingPackGivesTheReason) {
  const Result<LessonPack> pack = ReadLessonPack(folder.Path().string(), "07_slams");
  ASSERT_FALSE(pack);
  EXPECT_NE(pack.Error().find("07_slams"), std::string::npos);
}

}  // namespace
}  // namespace tavlo
