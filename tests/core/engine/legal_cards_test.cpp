#include "engine/legal_cards.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/random_deal.h"
#include "estimate_deals.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::CardOf;
using testing_support::EastRuffsClubs;
using testing_support::Table;

// Hearts are trumps and West declares, so North leads. East has no clubs,
// West no spades.
struct LegalCase {
  const char* name;
  std::string_view before;
  std::string_view suits;  // the suits whose cards may all be played
};

class Legal : public testing::TestWithParam<LegalCase> {};

TEST_P(Legal, SuitLedOrAnyCard) {
  Table table;
  table.Start(EastRuffsClubs, West, Hearts);
  table.Play(GetParam().before);
  const THands& hand = table.hands[table.play.ToPlay];
  SuitHoldings expected;
  for (const char letter : GetParam().suits) {
    const int suit = SuitOfLetter(std::string_view(&letter, 1));
    expected.Suits[suit] = hand.Suits[suit].Cards;
  }
  EXPECT_EQ(LegalCards(table.hands, table.play), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tricks, Legal,
    testing::Values(LegalCase{"OpeningLead", "", "CDHS"}, LegalCase{"SecondHandFollows", "2S", "S"},
                    LegalCase{"SecondHandVoidPlaysAnything", "2C", "DHS"},
                    LegalCase{"ThirdHandFollows", "2D AD", "D"},
                    LegalCase{"FourthHandVoidMayRuffOrDiscard", "2S QS 3S", "CDH"},
                    // West ruffed and leads: the spades led last trick bind nobody.
                    LegalCase{"LeadAfterARuff", "2S QS 3S 8H", "CDH"},
                    LegalCase{"SecondHandAfterTheRuff", "2S QS 3S 8H AC", "C"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RevokeCase {
  const char* name;
  std::string_view before;
  std::string_view card;
  bool revokes;
};

class Revoke : public testing::TestWithParam<RevokeCase> {};

TEST_P(Revoke, OnlyAHeldCardOfAnotherSuitWhileHoldingTheSuitLed) {
  Table table;
  table.Start(EastRuffsClubs, West, Hearts);
  table.Play(GetParam().before);
  EXPECT_EQ(Revokes(table.hands, table.play, CardOf(GetParam().card)), GetParam().revokes);
}

INSTANTIATE_TEST_SUITE_P(Cards, Revoke,
                         testing::Values(RevokeCase{"TrumpingWithSpadesLeft", "2S", "AH", true},
                                         RevokeCase{"FollowingSuit", "2S", "6S", false},
                                         RevokeCase{"RuffWhenVoid", "2C", "AH", false},
                                         RevokeCase{"OnLead", "", "2D", false},
                                         // Not holding the card is another fault, not a revoke.
                                         RevokeCase{"CardNotHeld", "2S", "2C", false},
                                         RevokeCase{"LeadAfterARuff", "2S QS 3S 8H", "AC", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LegalCards, AnEmptyHandHasNothingToPlayOrOffer) {
  THands hand(South);
  const TrickSituation trick{2, Hearts, Hearts, 1};
  EXPECT_EQ(LegalCards(hand, trick), SuitHoldings{});
  EXPECT_EQ(DefaultPlayCard(hand, trick), 0u);
  EXPECT_EQ(SuitHoldings{}.LowestCard(), 0u);
}

// Over whole hands of random legal cards: a seat that did not follow suit
// had no card of the suit led left, the table's default card is always one
// the rules allow, and counting through the legal cards lists them all.
TEST(LegalCards, RandomHandsFollowSuitWheneverTheyCan) {
  std::mt19937 random(26);
  for (std::uint32_t seed = 0; seed < 500; ++seed) {
    Table table;
    const DealHoldings deal = RandomDeal(seed);
    table.Start(deal, seed % 4, seed % 5);
    DealHoldings held = deal;
    while (table.play.CardsPlayed < 52) {
      const SuitHoldings legal = LegalCards(table.hands, table.play);
      const THands& hand = table.hands[table.play.ToPlay];
      const Card offered = DefaultPlayCard(hand, TrickSituationOf(table.play));
      ASSERT_TRUE(legal.Holds(offered)) << "seed " << seed;
      // Counting through the legal cards meets each once, from the lowest.
      SuitHoldings counted;
      for (int at = 0; at < legal.Count(); ++at) {
        const Card nth = legal.NthCard(at);
        ASSERT_TRUE(legal.Holds(nth) && !counted.Holds(nth)) << "seed " << seed;
        counted.Suits[CardSuit(nth)] |= nth & RankBits;
      }
      ASSERT_EQ(counted, legal);
      ASSERT_EQ(legal.NthCard(0), legal.LowestCard());
      ASSERT_EQ(legal.NthCard(legal.Count()), 0u);

      const Card card = table.RandomLegalCard(random);
      const int n = table.play.CardsPlayed;
      const PlayRecordEntry lead = table.play.PlayRecord[n - n % 4];
      const SeatCode seat = table.play.ToPlay;
      if (n % 4 != 0 && CardSuit(card) != CardSuit(lead.Card)) {
        ASSERT_EQ(held[seat][CardSuit(lead.Card)], 0u) << "seed " << seed << " card " << n;
      }
      held[seat][CardSuit(card)] &= ~(card & RankBits);
      PlayCard(table.context, card);
    }
  }
}

}  // namespace
}  // namespace tavlo
