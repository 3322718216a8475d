// The play a saved hand keeps comes back as it was played: the same cards
// in the same order, the same tricks and score; a play that is not whole,
// or that its deal and auction cannot have given, comes back as none.

#include "game/saved_play.h"

#include <gtest/gtest.h>

#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "game/auction_flow.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "game/save_hand.h"
#include "model/comma_text.h"
#include "model/deal_text.h"

namespace tavlo {
namespace {

class FixedClock final : public Clock {
 public:
  double Now() const override { return 0.5; }
};

class SavedPlayTest : public ::testing::Test {
 protected:
  // Hand 11 of an in-memory hand file, bid as its script says and played
  // to its end by every seat's lowest legal card, then saved as hand 12.
  void SetUp() override {
    store.WriteString("11", "Dealer", "W");
    store.WriteString("11", "Vulnerability", "NS");
    store.WriteString("11", "Deal", WriteDealText(RandomDeal(7)));
    store.WriteString("11", "Declarer", "N");
    store.WriteString("11", "Bids", "P,1S,P,2C(!),P,2H,P,4S,X,P,P,P");
    store.WriteString("11", "Alerts", "37");
    store.WriteString("11", "Lights", "0,0,0,G,0,0,0,R,0,0,0,0");
    StartUpInitialisation(played, clock, true);
    ASSERT_TRUE(PlaySavedHand(played, store, 11, clock));
    while (NextTurn(played) != AuctionTurn::Over) {
      if (NextTurn(played) == AuctionTurn::Computer) {
        ComputerBid(played);
      } else {
        ASSERT_EQ(UserCall(played, ScriptedCall(played)), BidAnswer::Made);
      }
    }
    EndAuction(played);
    StartPlay(played, clock);
    while (played.Table.TablePhase == Phase::Play) {
      if (played.Table.TrickWaiting) {
        ClearPlay(played);
      } else {
        MakePlay(played, LegalCards(played.Hands, played.Play).LowestCard(), clock);
      }
    }
    ASSERT_EQ(played.Table.TablePhase, Phase::EndOfHand);
    const Result<std::string> saved = SaveFinishedHand(played, store, "");
    ASSERT_TRUE(saved) << saved.Error();
    ASSERT_EQ(*saved, "12");
  }
  // The hand dealt from the hand file as the table deals it, and its play.
  std::optional<Game> DealtAndKept(int section) {
    Game game;
    StartUpInitialisation(game, clock, true);
    EXPECT_TRUE(PlaySavedHand(game, store, section, clock));
    return SavedPlay(game, store, clock);
  }

  TBigIniFile store{""};
  Game played;
  FixedClock clock;
};

TEST_F(SavedPlayTest, ASavedHandsPlayComesBackAsItWasPlayed) {
  const std::optional<Game> kept = DealtAndKept(12);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->Table.TablePhase, Phase::EndOfHand);
  EXPECT_EQ(kept->Auction.ContractBid, ContractBidCode(4, Spades));
  EXPECT_EQ(kept->Auction.Doubling, 1);
  EXPECT_EQ(kept->Auction.Declarer, North);
  EXPECT_EQ(kept->Play.CardsPlayed, 52);
  EXPECT_TRUE(std::equal(kept->Play.PlayRecord.begin(), kept->Play.PlayRecord.end(),
                         played.Play.PlayRecord.begin()));
  EXPECT_EQ(kept->Play.DeclarerTricks, played.Play.DeclarerTricks);
  EXPECT_EQ(kept->Table.HandScore, played.Table.HandScore);
  // The hand the play was bid and played on has none kept.
  EXPECT_FALSE(DealtAndKept(11));
}

TEST_F(SavedPlayTest, APlayThatIsNotWholeOrCannotHaveBeenPlayedIsNone) {
  const std::string plays = store.ReadString("12", "Plays", "");
  ASSERT_FALSE(plays.empty());
  // The first trick's first two cards change places: East's and South's
  // (North declares), neither holding the other's.
  std::vector<std::string> cards = SplitCommaText(plays);
  std::swap(cards[0], cards[1]);
  const std::string swapped = JoinCommaText(cards);
  const std::pair<const char*, std::string> cases[] = {
      {"no play", ""},
      {"a card short", plays.substr(0, plays.rfind(' '))},
      {"a card that is none", "XX" + plays.substr(2)},
      {"cards of other seats", swapped},
  };
  for (const auto& [name, text] : cases) {
    SCOPED_TRACE(name);
    store.WriteString("12", "Plays", text);
    EXPECT_FALSE(DealtAndKept(12));
  }
  // A script passed out has no play, whatever the file says.
  store.WriteString("12", "Plays", plays);
  store.WriteString("12", "Bids", "P,P,P,P");
  EXPECT_FALSE(DealtAndKept(12));
}

TEST_F(SavedPlayTest, ALessonPacksHandKeepsNone) {
  Game game;
  StartUpInitialisation(game, clock, true);
  ASSERT_TRUE(PlaySavedHand(game, store, 12, clock));
  game.Table.PackHand = "01_major_raises/12";
  EXPECT_FALSE(SavedPlay(game, store, clock));
}

}  // namespace
}  // namespace tavlo
