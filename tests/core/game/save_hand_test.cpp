// A finished hand saved as a new section: the record as it was dealt, the
// auction's declarer, the contract, the cards played trick by trick and the
// score.

#include "game/save_hand.h"

#include <gtest/gtest.h>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "model/deal_text.h"
#include "model/play_record_text.h"

namespace tavlo {
namespace {

class FixedClock final : public Clock {
 public:
  double Now() const override { return 0.5; }
};

class SaveHandTest : public ::testing::Test {
 protected:
  // Lesson 1 of an in-memory hand file, read as the table reads it, with
  // the auction over in the contract.
  void DealLesson(Bid contract, int doubling, SeatCode declarer) {
    store.WriteString("1", "Dealer", "W");
    store.WriteString("1", "Vulnerability", "BOTH");
    store.WriteString("1", "Deal", WriteDealText(RandomDeal(5)));
    store.WriteString("1", "Declarer", "N");
    store.WriteString("1", "Bids", "P,1S,P,2C(!),P,2H,P,4S,P,P,P");
    store.WriteString("1", "Alerts", "37");
    store.WriteString("1", "Lights", "0,0,0,G,0,0,0,R,0,0,0");
    store.WriteString("1", "Points", "N:12,11,1,0");
    store.WriteString("1", "Comment", "A lesson");
    StartUpInitialisation(game, clock, true);
    ASSERT_TRUE(ReadSavedHand(game, store, 1));
    StartNewHand(game, clock);
    game.Auction.ContractBid = contract;
    game.Auction.Doubling = doubling;
    game.Auction.Declarer = declarer;
    if (contract != Pass) {
      game.Auction.Trump = static_cast<StrainCode>((contract - 3) % 5);
      game.Auction.ContractLevel = (contract - 3) / 5 + 1;
    }
    game.Table.TablePhase = Phase::EndOfBidding;
  }
  // Every seat plays its lowest legal card, each trick cleared.
  void PlayToTheEnd() {
    StartPlay(game, clock);
    while (game.Table.TablePhase == Phase::Play) {
      if (game.Table.TrickWaiting) {
        ClearPlay(game);
      } else {
        MakePlay(game, LegalCards(game.Hands, game.Play).LowestCard(), clock);
      }
    }
  }
  std::vector<std::string> Lines(const std::string& section) {
    std::vector<std::string> lines;
    store.ReadSectionValues(section, lines);
    return lines;
  }

  TBigIniFile store{""};
  Game game;
  FixedClock clock;
};

TEST_F(SaveHandTest, APlayedHandIsSavedWithItsGameAfterTheLessons) {
  DealLesson(ContractBidCode(3, Hearts), 1, East);
  PlayToTheEnd();
  ASSERT_EQ(game.Table.TablePhase, Phase::EndOfHand);
  const Result<std::string> saved = SaveFinishedHand(game, store, "Mine  ");
  ASSERT_TRUE(saved) << saved.Error();
  ASSERT_EQ(*saved, "2");
  ASSERT_EQ(PlayRecordText(game.Play.PlayRecord, East).size(), 168u);
  const std::string deal = WriteDealText(RandomDeal(5));
  EXPECT_EQ(Lines("2"), (std::vector<std::string>{
                            "Dealer=W", "Vulnerability=BOTH", "Deal=" + deal, "Declarer=E",
                            "Bids=P,1S,P,2C(!),P,2H,P,4S,P,P,P", "Alerts=37",
                            "Lights=0,0,0,G,0,0,0,R,0,0,0", "Points=N:12,11,1,0", "LeadDirector=-",
                            "Plays=" + PlayRecordText(game.Play.PlayRecord, East), "Contract=3H X",
                            "Score=" + std::to_string(game.Table.HandScore), "Comment=Mine"}));
  EXPECT_NE(game.Table.HandScore, 0);
}

TEST_F(SaveHandTest, APassedOutHandIsSavedWithPassAndNothing) {
  DealLesson(Pass, 0, North);
  StartPlay(game, clock);
  ASSERT_EQ(game.Table.TablePhase, Phase::EndOfHand);
  const Result<std::string> saved = SaveFinishedHand(game, store, " ");
  ASSERT_TRUE(saved) << saved.Error();
  EXPECT_EQ(*saved, "2");
  EXPECT_EQ(store.ReadString("2", "Contract", "?"), "Pass");
  EXPECT_EQ(store.ReadString("2", "Score", "?"), "0");
  EXPECT_EQ(store.ReadString("2", "Plays", "?"), "");
  EXPECT_EQ(store.ReadString("2", "Comment", "?"), " ");
}

}  // namespace
}  // namespace tavlo
