#include "pbn/pbn_import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../handfile/temporary_folder.h"
#include "analysis/double_dummy.h"
#include "auction/auction.h"
#include "auction/call_rules.h"
#include "deal_of.h"
#include "handfile/hand_record.h"
#include "model/bid_text.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_reader.h"
#include "pbn_test_files.h"
#include "shipped_string_table.h"

namespace tavlo {
namespace {

using testing_support::DealOf;
using testing_support::PbnTestFile;
using Bids = std::vector<std::string>;

const std::string kShippedHands =
    std::string(TAVLO_SOURCE_DIR) + "/resources/program/Saved Hands.INI";

class PbnImportTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::copy_file(kShippedHands, Name()); }
  std::string Name() const { return folder.File("Saved Hands.INI"); }
  TemporaryFolder folder;
};

// Plays the hand's auction out the way the table does and gives the
// explanations of its alerts.
std::vector<std::string> AlertLinesOf(const HandRecord& record) {
  AuctionState state;
  state.Dealer = record.Dealer;
  state.ScriptedAuction = record.ScriptedAuction;
  state.Alerts = record.Alerts;
  state.AlertTexts = testing_support::ShippedStringTable("Alerts");
  ResetBids(state);
  while (!AuctionIsOver(state)) BidForComputer(state);
  return state.AlertLines;
}

// The hands an import added, or why it added none.
Bids Added(const PbnImportResult& imported) {
  return imported.Sections ? *imported.Sections : Bids{"none: " + imported.Sections.Error()};
}

Result<AuctionOutcome> OutcomeOf(const HandRecord& record) {
  std::vector<Bid> calls;
  for (const std::string& item : record.ScriptedAuction) calls.push_back(BidCode(item));
  return FollowCalls(calls, record.Dealer);
}

TEST_F(PbnImportTest, TournamentBoardsGetShortAuctionsToTheirContractsOrToPar) {
  TINI store(Name());
  const PbnImportResult imported = ImportPbn(store, PbnTestFile("tournament.pbn"));
  EXPECT_TRUE(imported.Problems.empty());
  ASSERT_EQ(Added(imported), (Bids{"11", "12", "13", "14"}));

  TINI again(Name());
  const HandRecord first = ReadHandRecord(again, "11");
  EXPECT_EQ(first.ScriptedAuction, (Bids{"4S", "P", "P", "P"}));
  EXPECT_EQ(first.ScriptedLights, (Bids{"0", "0", "0", "0"}));
  EXPECT_EQ(first.Declarer, North);
  EXPECT_EQ(first.Comment, "Klubaften i \u00c5rhus, Board 1");
  EXPECT_EQ(first.PointsText, "N:10,10,1,2");
  EXPECT_EQ(again.ReadString("11", "Contract", ""), "4S");
  EXPECT_EQ(again.ReadString("11", "Score", ""), "420");

  const HandRecord second = ReadHandRecord(again, "12");
  EXPECT_EQ(second.ScriptedAuction, (Bids{"3N", "X", "P", "P", "P"}));
  EXPECT_EQ(again.ReadString("12", "Contract", ""), "3N X");
  EXPECT_EQ(again.ReadString("12", "Score", ""), "300");  // two down, doubled, not vulnerable

  // No contract in the file: the par contract, bid by the first seat of the
  // side that may declare it.
  const HandRecord third = ReadHandRecord(again, "13");
  const auto par =
      ParOfDeal(*DoubleDummyTable(DealOf(third.DealText)), third.Vulnerability, third.Dealer);
  ASSERT_TRUE(par);
  const Result<AuctionOutcome> outcome = OutcomeOf(third);
  ASSERT_TRUE(outcome) << outcome.Error();
  EXPECT_TRUE(outcome->Over);
  if (par->Contracts.empty()) {
    EXPECT_EQ(outcome->ContractBid, Pass);
  } else {
    const ParContract& best = par->Contracts.front();
    EXPECT_EQ(outcome->ContractBid, ContractBidCode(best.Level, best.Strain));
    EXPECT_EQ(outcome->Doubling, best.Doubled ? 1 : 0);
    EXPECT_NE(best.Seats.find(SeatLetters[outcome->Declarer][0]), std::string::npos);
  }
  EXPECT_EQ(again.ReadString("13", "Score", "none"), "none");

  EXPECT_EQ(ReadHandRecord(again, "14").ScriptedAuction, (Bids{"P", "P", "P", "P"}));
  EXPECT_EQ(again.ReadString("14", "Contract", ""), "Pass");
}

TEST(AuctionToContract, ReachesTheContractByTheDeclarer) {
  for (SeatCode dealer = North; dealer <= West; ++dealer) {
    for (SeatCode declarer = North; declarer <= West; ++declarer) {
      for (int doubling = 0; doubling <= 2; ++doubling) {
        const PbnContract contract{ContractBidCode(1 + (dealer + declarer) % 7, declarer),
                                   doubling};
        const auto calls = AuctionToContract(contract, declarer, dealer);
        const Result<AuctionOutcome> outcome = FollowCalls(calls, dealer);
        ASSERT_TRUE(outcome) << outcome.Error();
        EXPECT_TRUE(outcome->Over);
        EXPECT_EQ(outcome->ContractBid, contract.ContractBid);
        EXPECT_EQ(outcome->Doubling, doubling);
        EXPECT_EQ(outcome->Declarer, declarer);
      }
    }
  }
  EXPECT_EQ(AuctionToContract({}, South, East), (std::vector<Bid>{Pass, Pass, Pass, Pass}));
}

TEST_F(PbnImportTest, AlertedCallsKeepTheirNotesAsExplanations) {
  TINI store(Name());
  const PbnImportResult imported = ImportPbn(store, PbnTestFile("full_auction.pbn"));
  ASSERT_EQ(Added(imported), (Bids{"11", "12"}));
  const HandRecord record = ReadHandRecord(store, "11");
  EXPECT_EQ(record.ScriptedAuction,
            (Bids{"1D", "1H", "P", "2H", "X(!)", "P", "2S", "P", "4S", "P", "P", "P"}));
  EXPECT_EQ(record.Alerts, Bids{"Take-out: four ~S and 11+ HCP"});
  EXPECT_EQ(AlertLinesOf(record), Bids{"(!)=Take-out: four ~S and 11+ HCP"});
  EXPECT_EQ(record.Declarer, South);
  // The whole play comes in, trick by trick from declarer's left.
  const std::string plays = store.ReadString("11", "Plays", "");
  EXPECT_EQ(plays.substr(0, 12), "KH 8H AH- 3H");  // East's ace wins for the defence
  EXPECT_EQ(store.ReadString("11", "Score", ""), "620");
  // A claimed board has no whole play to keep, but its result.
  EXPECT_EQ(store.ReadString("12", "Plays", "x"), "");
  EXPECT_EQ(store.ReadString("12", "Score", ""), "-600");
}

TEST_F(PbnImportTest, BadBoardsAreLeftOutAndNothingElseChanges) {
  TINI store(Name());
  const PbnImportResult imported = ImportPbn(store, PbnTestFile("bad_boards.pbn"));
  EXPECT_EQ(Added(imported), (Bids{"11", "12"}));
  EXPECT_EQ(imported.Problems.size(), 6u);
  TINI again(Name());
  EXPECT_EQ(again.Sections().Count(), 12);
  for (int lesson = 1; lesson <= 10; ++lesson) {
    TINI shipped(kShippedHands);
    std::vector<std::string> was, is;
    shipped.ReadSectionValues(std::to_string(lesson), was);
    again.ReadSectionValues(std::to_string(lesson), is);
    EXPECT_EQ(is, was) << lesson;
  }
}

TEST_F(PbnImportTest, AFileThatCannotBeWrittenAddsNoHands) {
  TINI store(folder.File("gone/Saved Hands.INI"));
  const PbnImportResult imported = ImportPbn(store, PbnTestFile("voids.pbn"));
  ASSERT_FALSE(imported.Sections);
  EXPECT_NE(imported.Sections.Error().find("gone/Saved Hands.INI"), std::string::npos)
      << imported.Sections.Error();
  EXPECT_EQ(store.Sections().Count(), 0);
  const std::string report = ImportReport(imported);
  EXPECT_EQ(report.rfind(imported.Sections.Error() + "\nNo hand was added.", 0), 0u) << report;
}

// The lesson hands and imported ones go out and come back with the same
// deals, auctions and alert texts.
TEST_F(PbnImportTest, ExportReadBackByTheImportGivesTheSameHands) {
  TINI store(Name());
  ASSERT_EQ(Added(ImportPbn(store, PbnTestFile("full_auction.pbn"))).size(), 2u);
  ASSERT_EQ(Added(ImportPbn(store, PbnTestFile("voids.pbn"))).size(), 2u);
  std::vector<std::string> sections;
  store.ReadSections(sections);
  const auto alertTexts = testing_support::ShippedStringTable("Alerts");
  const PbnExportResult exported =
      ExportPbn(store, sections, alertTexts, folder.File("out.pbn"), false);
  ASSERT_TRUE(exported.Count) << exported.Count.Error();
  EXPECT_TRUE(exported.Problems.empty());
  ASSERT_EQ(*exported.Count, static_cast<int>(sections.size()));

  TINI fresh(folder.File("fresh.INI"));
  const PbnImportResult back = ImportPbn(fresh, folder.Read("out.pbn"));
  EXPECT_TRUE(back.Problems.empty());
  const Bids added = Added(back);
  ASSERT_EQ(added.size(), sections.size());
  for (std::size_t i = 0; i < sections.size(); ++i) {
    const HandRecord was = ReadHandRecord(store, sections[i]);
    const HandRecord is = ReadHandRecord(fresh, added[i]);
    EXPECT_EQ(DealOf(is.DealText), DealOf(was.DealText)) << sections[i];
    EXPECT_EQ(is.Dealer, was.Dealer);
    EXPECT_EQ(is.Vulnerability, was.Vulnerability);
    EXPECT_EQ(is.ScriptedAuction, was.ScriptedAuction) << sections[i];
    EXPECT_EQ(AlertLinesOf(is), AlertLinesOf(was)) << sections[i];
    EXPECT_EQ(fresh.ReadString(added[i], "Plays", ""), store.ReadString(sections[i], "Plays", ""));
  }
}

TEST_F(PbnImportTest, ExportCarriesTheDoubleDummyFacts) {
  TINI store(Name());
  const std::vector<std::string> sections{"1"};
  const PbnExportResult exported = ExportPbn(
      store, sections, testing_support::ShippedStringTable("Alerts"), folder.File("1.pbn"), true);
  ASSERT_TRUE(exported.Count) << exported.Count.Error();
  ASSERT_EQ(*exported.Count, 1);
  const std::string text = folder.Read("1.pbn");
  for (const char* tag : {"[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\nN NT ",
                          "[ParContract \"", "[OptimumScore \"", "[Board \"1\"]", "[Note \"1:"})
    EXPECT_NE(text.find(tag), std::string::npos) << tag;
}

}  // namespace
}  // namespace tavlo
