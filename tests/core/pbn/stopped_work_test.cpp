// Long work of the solver asked to stop gives up between its steps and
// leaves nothing behind: the review gives its reason, the import plans no
// hand, the export writes no file. Unstopped, each counts its steps.

#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/hand_review.h"
#include "engine/play_out.h"
#include "engine/random_deal.h"
#include "pbn/pbn_export.h"
#include "pbn/pbn_import.h"
#include "pbn/pbn_reader.h"
#include "pbn_test_files.h"

namespace tavlo {
namespace {

using testing_support::PbnTestFile;

// A whole play of the deal, each seat playing its lowest legal card.
std::vector<Card> LowestCardsPlay(const DealHoldings& deal, StrainCode trump, SeatCode leader) {
  Result<PlayOut> play = PlayOut::Start(deal, trump, leader);
  std::vector<Card> cards;
  while (play && !play->Over()) {
    cards.push_back(play->Legal().LowestCard());
    EXPECT_TRUE(play->Play(cards.back()));
  }
  return cards;
}

TEST(StoppedWork, TheReviewGivesUpBetweenPositions) {
  const DealHoldings deal = RandomDeal(7);
  const std::vector<Card> played = LowestCardsPlay(deal, Hearts, East);
  JobControl stopped;
  stopped.RequestStop();
  const Result<HandReview> review =
      ReviewHand(deal, ContractBidCode(4, Hearts), North, 0, North, played, &stopped);
  ASSERT_FALSE(review);
  EXPECT_EQ(review.Error(), "The review was stopped.");

  JobControl counted;
  ASSERT_TRUE(ReviewHand(deal, ContractBidCode(4, Hearts), North, 0, North, played, &counted));
  EXPECT_EQ(counted.Total(), 52);
  EXPECT_EQ(counted.Done(), 52);
}

TEST(StoppedWork, TheImportPlansNoHand) {
  const std::string bytes = PbnTestFile("tournament.pbn");
  JobControl stopped;
  stopped.RequestStop();
  EXPECT_TRUE(PlanPbnImport(bytes, &stopped).Hands.empty());

  JobControl counted;
  const PbnImportPlan plan = PlanPbnImport(bytes, &counted);
  EXPECT_EQ(plan.Hands.size(), 4u);
  EXPECT_EQ(counted.Total(), 4);
  EXPECT_EQ(counted.Done(), 4);
}

TEST(StoppedWork, TheExportWritesNoFile) {
  const std::string bytes = PbnTestFile("tournament.pbn");
  std::vector<PbnExportBoard> boards;
  for (const PbnBoard& board : ReadPbn(bytes).Boards) boards.push_back({board, "", {}});
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "tavlo_stopped_export.pbn";
  std::filesystem::remove(file);
  JobControl stopped;
  stopped.RequestStop();
  const PbnExportResult result = WritePbnFile(boards, file.string(), true, &stopped);
  ASSERT_FALSE(result.Count);
  EXPECT_FALSE(std::filesystem::exists(file));

  JobControl counted;
  EXPECT_TRUE(WritePbnFile(boards, file.string(), true, &counted).Count);
  EXPECT_EQ(counted.Done(), 4);
  EXPECT_TRUE(std::filesystem::exists(file));
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace tavlo
