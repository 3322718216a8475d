// The card-play lessons make with the plan their comments teach. Each plan
// is declarer's line, the cards of declarer and dummy in the order they are
// played, after the opening lead the lesson's lead setting names; the
// defenders play the solver's best cards throughout, and once the plan has
// been played declarer goes on with the solver's best cards too. Where the
// lesson warns against a line, that line, played the same way, goes down.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/double_dummy.h"
#include "analysis/hand_review.h"
#include "auction/call_rules.h"
#include "lesson_hands.h"
#include "model/bid_text.h"

namespace tavlo {
namespace {

using testing_support::LessonHand;
using testing_support::Lessons;

struct PlayedLesson {
  const char* Hand;
  const char* Lead;       // the opening lead, a card of the lead setting's suit
  const char* Plan;       // declarer's and dummy's cards in the order played
  const char* WrongLine;  // the line the comment warns against; empty for none
};

constexpr PlayedLesson Plans[] = {
    // Draw trumps first, or East ruffs the third diamond.
    {"Pack11_Hand1", "HQ", "HK H4 S9 SA SK S8 SQ S5", "HK H4 D2 DK D3 DA DQ D6"},
    // Two diamonds ruffed in dummy before trumps are drawn.
    {"Pack11_Hand2", "DQ", "DA D7 S8 SA SK S7 S3 S4 HQ HA D4 H9 S2 HK D2 H5",
     "DA D2 H5 HA HK H9 HJ HQ"},
    // A heart thrown on the third diamond before the trump ace is driven out.
    {"Pack11_Hand3", "HK", "HA H3 DA D2 DK D7 DQ H4", "HA H3 S5 SK"},
    // The spade finesse: a spade from dummy toward the ace-queen.
    {"Pack11_Hand4", "DK", "DA D7 S6 SA", ""},
    // Dummy's diamonds set up by a ruff, a small trump the way back.
    {"Pack11_Hand5", "CT", "CQ CJ C8 C4 SA ST SK S4 HA HQ D5 DA DK H6 D7 SQ S2 S3", ""},
    // A club from dummy toward the king; the king led from hand is lost.
    {"Pack11_Hand6", "HQ", "HA H3 SJ SA SK S6 S7 S9 C3", "HA H3 SJ SA SK S6 S7 S9 H5 HK CK"},
    // The spade ace held up to the third round, then the diamond finesse.
    {"Pack12_Hand1", "SK", "S4 S2 S5 S3 C2 SA DQ D2", "S4 SA DQ D2"},
    // Diamonds first, while a spade stopper remains; clubs first loses.
    {"Pack12_Hand2", "SQ", "S2 SK D2 DK", "S6 SA C4 CK SK S2 CQ C3"},
    // Hearts led from dummy twice toward the ace-queen.
    {"Pack12_Hand3", "C4", "CK CA DK DA H9 HA DJ DQ H6 HQ", ""},
    // The first diamond ducked, so that dummy's suit runs later.
    {"Pack12_Hand4", "H5", "H8 HK D7 D6", "H8 HK D7 DA DK D2"},
    // The diamond king unblocked before crossing to dummy.
    {"Pack12_Hand5", "SK", "S8 SA S7 S5 S2 S3 HJ H8 H6 H4 H2 HK DK DA",
     "S8 SA S7 S5 S2 S3 HJ H8 H6 H4 H2 HK D6 DA"},
};

Card CardOfText(const std::string& text) {
  return MakeCard(RankOfLetter(text[1]), SuitOfLetter(text.substr(0, 1)));
}

std::vector<Card> CardsOfText(const std::string& text) {
  std::vector<Card> cards;
  std::istringstream words(text);
  for (std::string word; words >> word;) cards.push_back(CardOfText(word));
  return cards;
}

struct Contract {
  Bid ContractBid = Pass;
  SeatCode Declarer = North;
};

Contract ContractOf(const HandRecord& record) {
  std::vector<Bid> calls;
  for (const std::string& item : record.ScriptedAuction) calls.push_back(BidCode(item));
  const Result<AuctionOutcome> outcome = FollowCalls(calls, record.Dealer);
  if (!outcome) return {};
  return {outcome->ContractBid, outcome->Declarer};
}

// Plays the hand to its end: the lead, then the line for declarer's side and
// the solver's best cards for the rest. Gives declarer's tricks, or a failure
// naming the card of the line that could not be played.
::testing::AssertionResult PlayLine(const LessonHand& hand, const std::string& lead,
                                    const std::string& line, int& tricks) {
  const Contract contract = ContractOf(hand.Record);
  const StrainCode trump = BidStrain(contract.ContractBid);
  const SeatCode leader = NextSeat(contract.Declarer);
  std::vector<Card> played{CardOfText(lead)};
  const std::vector<Card> plan = CardsOfText(line);
  std::size_t next = 0;
  while (played.size() < 52) {
    const Result<PlayValues> values = ValuesOfCards(hand.Deal, trump, leader, played);
    if (!values) return ::testing::AssertionFailure() << values.Error();
    const bool declaring = SideOfSeat(values->ToPlay) == SideOfSeat(contract.Declarer);
    Card card = values->Cards.front().Played;
    if (declaring && next < plan.size()) {
      card = plan[next++];
      if (values->Cost(card) < 0)
        return ::testing::AssertionFailure()
               << CardText(card) << " cannot be played as card " << played.size() + 1 << " by "
               << SeatNames[values->ToPlay];
    }
    played.push_back(card);
  }
  const Result<HandReview> review =
      ReviewHand(hand.Deal, contract.ContractBid, contract.Declarer, hand.Record.Vulnerability,
                 hand.Record.Dealer, played);
  if (!review) return ::testing::AssertionFailure() << review.Error();
  tricks = review->TricksMade;
  return ::testing::AssertionSuccess();
}

const LessonHand* HandNamed(const std::string& name) {
  for (const LessonHand& hand : Lessons().Hands)
    if (hand.Name == name) return &hand;
  return nullptr;
}

class CardPlayTest : public ::testing::TestWithParam<PlayedLesson> {};

TEST_P(CardPlayTest, ThePlanMakesAndTheWrongLineGoesDown) {
  const LessonHand* hand = HandNamed(GetParam().Hand);
  ASSERT_NE(hand, nullptr);
  const Contract contract = ContractOf(hand->Record);
  const int needed = BidLevel(contract.ContractBid) + 6;

  // The lead comes from the suit of the lead setting and is a best lead.
  const Card lead = CardOfText(GetParam().Lead);
  EXPECT_EQ(StrainLetters[CardSuit(lead)], hand->Record.LeadDirector.substr(0, 1));
  const Result<PlayValues> leads =
      ValuesOfCards(hand->Deal, BidStrain(contract.ContractBid), NextSeat(contract.Declarer), {});
  ASSERT_TRUE(leads) << leads.Error();
  EXPECT_EQ(leads->Cost(lead), 0) << "the defence's lead is a best one";

  int tricks = 0;
  ASSERT_TRUE(PlayLine(*hand, GetParam().Lead, GetParam().Plan, tricks));
  EXPECT_GE(tricks, needed) << "the plan of the lesson";
  if (*GetParam().WrongLine == '\0') return;
  ASSERT_TRUE(PlayLine(*hand, GetParam().Lead, GetParam().WrongLine, tricks));
  EXPECT_LT(tricks, needed) << "the line the lesson warns against";
}

INSTANTIATE_TEST_SUITE_P(Lessons, CardPlayTest, ::testing::ValuesIn(Plans),
                         [](const auto& info) { return std::string(info.param.Hand); });

TEST(CardPlayLessonsTest, EveryCardPlayLessonHasItsPlan) {
  for (const LessonHand& hand : Lessons().Hands) {
    if (std::find(testing_support::CardPlayPacks.begin(), testing_support::CardPlayPacks.end(),
                  hand.Pack) == testing_support::CardPlayPacks.end())
      continue;
    EXPECT_TRUE(std::any_of(std::begin(Plans), std::end(Plans), [&](const PlayedLesson& played) {
      return hand.Name == played.Hand;
    })) << hand.Name;
  }
}

}  // namespace
}  // namespace tavlo
