#include "engine/follow_suit.h"

#include <gtest/gtest.h>

#include <random>

#include "allocation_count.h"
#include "engine/hand_plan.h"
#include "engine/random_deal.h"
#include "play_fixture.h"
#include "table_snapshot.h"

namespace tavlo {
namespace {

using testing_support::allocations;
using testing_support::CardOf;
using testing_support::Table;
using testing_support::TableSnapshot;
using testing_support::Take;

// Cards played up to a position, the hand plan run at every lead as the
// lead analysis runs it (it hands each suit's RunsAll to the leader's
// partner).
void PlayWithPlans(Table& table, EngineState& engine, std::string_view cards) {
  for (std::size_t at = 0; at + 1 < cards.size(); at += 3) {
    if (table.play.TrickPosition == 1) HandPlan(table.context, engine.Estimates, engine.Plan);
    table.Play(cards.substr(at, 2));
  }
}

struct FollowCase {
  const char* name;
  std::string_view deal;
  SeatCode declarer;
  StrainCode trump;
  std::string_view before;  // the cards played up to the seat that follows
  std::string_view first;
  std::string_view second;  // "" when there is no alternative

  friend void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }
};

class Follows : public testing::TestWithParam<FollowCase> {};

TEST_P(Follows, ProposesTheCards) {
  const FollowCase& c = GetParam();
  Table table;
  EngineState engine;
  table.Start(c.deal, c.declarer, c.trump);
  PlayWithPlans(table, engine, c.before);
  FollowSuit(table.context, engine);
  EXPECT_EQ(CardText(engine.Analysis.Candidates[0]), CardText(CardOf(c.first)));
  EXPECT_EQ(engine.Analysis.Candidates[1], c.second.empty() ? 0 : CardOf(c.second))
      << CardText(engine.Analysis.Candidates[1]);
}

std::string RowName(const testing::TestParamInfo<FollowCase>& info) { return info.param.name; }

// Hearts are the suit followed throughout; South declares unless a row says
// otherwise, and West leads.
INSTANTIATE_TEST_SUITE_P(
    CannotWin, Follows,
    testing::Values(
        FollowCase{"SingletonAtOnce",
                   "N:J73.QJT2.Q84.K95 AKQT62.K.J73.Q84 95.6543.AT62.J73 84.A987.K95.AT62", South,
                   NoTrump, "AH 2H", "KH", ""},
        // Declarer's 3 and 2 are equal: it plays the higher.
        FollowCase{"DeclarerUnderTheWinnerPlaysTheHigherOfEquals",
                   "N:T73.9654.Q84.K95 AKQ962.7.J73.Q84 J85.Q32.AT62.J73 4.AKJT8.K95.AT62", South,
                   NoTrump, "AH 4H 7H", "3H", ""},
        // East's queen would block partner's running hearts at trick two;
        // at trick one it shows its count (the doubleton's low card, as
        // the queen would be wasted).
        FollowCase{"ThirdHandUnblocksPartnersRunningSuit",
                   "N:432.843.KT74.K95 765.Q2.AQ963.Q84 K98.765.J852.J73 AQJT.AKJT9..AT62", South,
                   NoTrump, "AS 2S 5S 8S AH 3H", "QH", ""},
        FollowCase{"NoUnblockAtTrickOne",
                   "N:432.843.KT74.K95 765.Q2.AQ963.Q84 K98.765.J852.J73 AQJT.AKJT9..AT62", South,
                   NoTrump, "AH 3H", "2H", ""},
        FollowCase{"HighFromADoubleton",
                   "N:AKQJ.AKQJT.AKQJ. T98.82.T987.AKQJ 7654.976.654.T98 32.543.32.765432", South,
                   Spades, "2C AS AC 8C AH", "8H", ""}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    SecondHand, Follows,
    testing::Values(
        // Dummy's K73 under East's AQJ: low on the first round.
        FollowCase{"SecondHandLow",
                   "N:KT73.K73.Q84.K95 Q962.AQJ.J73.Q84 AJ85.65.AT62.J73 4.T9842.K95.AT62", South,
                   NoTrump, "4H", "3H", ""},
        // Dummy's KQ3 over East's A52: splitting (with the king, declarer's
        // side playing the higher of equals) forces the ace.
        FollowCase{"SplitTouchingHonours",
                   "N:AJ73.KQ3.Q84.K95 KT62.A52.J73.Q84 Q95.J76.AT62.J73 84.T984.K95.AT62", South,
                   NoTrump, "4H", "3H", "KH"},
        // The queen led from QJT: covering promotes nothing of ours.
        FollowCase{"NoCoverWhenNothingIsPromoted",
                   "N:AJ73.K64.Q84.K95 KT62.A32.J73.Q84 Q95.987.AT62.J73 84.QJT5.K95.AT62", South,
                   NoTrump, "QH", "4H", "KH"},
        // Covering the queen promotes declarer's jack.
        FollowCase{"CoverAnHonourWithAnHonour",
                   "N:AJ73.K64.Q84.K95 KT62.A83.J73.Q84 Q95.J97.AT62.J73 84.QT52.K95.AT62", South,
                   NoTrump, "QH", "KH", "4H"},
        FollowCase{"DoubletonHonourCovers",
                   "N:AKJ73.K4.Q84.K95 QT62.A32.J73.Q84 95.9876.AT62.J73 84.QJT5.K95.AT62", South,
                   NoTrump, "QH", "KH", "4H"}),
    RowName);

INSTANTIATE_TEST_SUITE_P(
    ThirdHand, Follows,
    testing::Values(
        // Third hand high, but only as high as declarer's jack needs: the
        // queen, the lower of the defender's equal cards.
        FollowCase{"ThirdHandHighAsCheaplyAsItWins",
                   "N:J73.A753.Q84.K95 KT62.KQ4.J73.Q84 AQ95.J6.AT62.J73 84.T982.K95.AT62", South,
                   NoTrump, "2H 3H", "QH", ""},
        // Dummy's king has passed: the queen is a sure finesse.
        FollowCase{"FinesseAgainstDummysKing",
                   "N:AJ73.K73.Q84.K95 KT62.AQ5.J73.Q84 Q95.J86.AT62.J73 84.T942.K95.AT62", South,
                   NoTrump, "2H 3H", "QH", ""},
        // The king sits behind: the finesse, or the ace.
        FollowCase{"FinesseOrAceWithTheKingBehind",
                   "N:AJ73.873.Q84.K95 KT62.AQ5.J73.Q84 Q95.KJ6.AT62.J73 84.T942.K95.AT62", South,
                   NoTrump, "2H 3H", "QH", "AH"},
        // North threw the heart queen; East's KJ under partner's long
        // hearts are equal: the defender keeps the jack...
        FollowCase{"EqualCardsOneCandidateTheLowerForADefender",
                   "N:.Q98.AKQJ974.K95 QJ64.KJ.T863.Q84 K9875.T76.52.J73 AT32.A5432..AT62", South,
                   NoTrump, "AS QH 4S 5S 2H 8H", "JH", ""},
        // ... declarer the king.
        FollowCase{"EqualCardsOneCandidateTheHigherForDeclarer",
                   "N:.Q98.AKQJ974.K95 QJ64.KJ.T863.Q84 K9875.T76.52.J73 AT32.A5432..AT62", East,
                   NoTrump, "5S AS QH 4S 2H 8H", "KH", ""},
        // Partner's seven holds the trick: a high spot card encourages,
        // the queen stays.
        FollowCase{"HighSpotUnderPartnersWinner",
                   "N:T73.KJ43.Q84.K95 Q962.Q52.J73.Q84 AKJ85.6.AT62.J73 4.AT987.K95.AT62", South,
                   NoTrump, "7H 3H", "5H", "2H"}),
    RowName);

// In the hold-up rows East, with QJ42 of hearts, has or has not the ace of
// diamonds to come back to them with.
INSTANTIATE_TEST_SUITE_P(
    FourthHand, Follows,
    testing::Values(
        FollowCase{"WinsAsCheaplyAsItCan",
                   "N:KT73.732.Q84.K95 AQ962.J6.J73.Q84 J85.AQ4.AT62.J73 4.KT985.K95.AT62", South,
                   NoTrump, "5H 2H JH", "QH", ""},
        FollowCase{"DeclarerTakesWithTheHigherOfTouchingCards",
                   "N:KT73.A73.Q84.K95 AQ962.J6.J73.Q84 J85.KQ4.AT62.J73 4.T9852.K95.AT62", South,
                   NoTrump, "5H 3H JH", "KH", ""},
        // Dummy's jack wins: declarer keeps the king.
        FollowCase{"LeavesPartnersTrickAlone",
                   "N:KT73.J92.Q84.K95 AQ962.74.J73.Q84 J85.K65.AT62.J73 4.AQT83.K95.AT62", South,
                   NoTrump, "3H JH 4H", "6H", ""},
        FollowCase{"DefenderTakesWithTheLowerOfTouchingCards",
                   "N:KT73.J6.AQ84.K95 QJ64.KQ4.J73.Q84 A5.T9852.T62.J73 982.A73.K95.AT62", South,
                   NoTrump, "2S 3S 4S AS 5H 3H JH", "QH", ""},
        FollowCase{"DefenderTakesWithTheJackOfQJ4",
                   "N:KT73.KT6.Q84.K95 QJ64.QJ4.J73.Q84 A5.9852.AT62.J73 982.A73.K95.AT62", South,
                   NoTrump, "2S 3S 4S AS 5H 3H TH", "JH", ""},
        // From a touching doubleton the defender wins with the upper card.
        FollowCase{"DefenderTakesWithTheQueenOfQJDoubleton",
                   "N:KT73.KT64.84.K95 QJ64.QJ.AJ73.Q84 A5.9852.KT62.J73 982.A73.Q95.AT62", South,
                   NoTrump, "2S 3S 4S AS 5H 3H TH", "QH", ""},
        FollowCase{"HoldUpOfferedWhenTheLongHandHasNoEntry",
                   "N:KQ32.T876.K32.K3 654.QJ42.JT9.T98 AJT9.A95.Q54.AQ4 87.K3.A876.J7652", South,
                   Spades, "KH 6H 2H", "AH", "5H"},
        FollowCase{"NoHoldUpWhenTheLongHandHasAnEntry",
                   "N:KQ32.T876.K32.K3 654.QJ42.AT9.T98 AJT9.A95.Q54.AQ4 87.K3.J876.J7652", South,
                   Spades, "KH 6H 2H", "AH", ""}),
    RowName);

// A seeded random deal, contract and declarer, played with random legal
// cards to a random point where the seat to play can follow suit. The plan
// runs at the lead of that trick, as the lead analysis would have run it.
struct FollowingPosition {
  Table table;
  EngineState engine;

  FollowingPosition(std::uint32_t seed, std::mt19937& random) {
    table.Start(RandomDeal(seed), random() % 4, random() % 5, random() % 7 + 1);
    const int stop = random() % 52;
    PlayState& play = table.play;
    while (play.CardsPlayed < 52 && !(play.CardsPlayed >= stop && CanFollow())) {
      if (play.TrickPosition == 1) HandPlan(table.context, engine.Estimates, engine.Plan);
      PlayCard(table.context, table.RandomLegalCard(random));
    }
  }

  bool CanFollow() const {
    return table.play.TrickPosition != 1 &&
           HandToPlay(table.hands, table.play).Suits[table.play.SuitLed].Cards != 0;
  }
};

TEST(FollowSuit, RandomPositionsGiveDistinctLegalCandidates) {
  std::mt19937 random(20261209);
  int withSecond = 0;
  for (std::uint32_t seed = 1; seed <= 4000; ++seed) {
    FollowingPosition position(seed, random);
    Table& table = position.table;
    if (!position.CanFollow()) continue;
    const TableSnapshot before = Take(table);
    FollowSuit(table.context, position.engine);
    ASSERT_EQ(Take(table), before) << "seed " << seed;

    const std::array<Card, 4>& candidates = position.engine.Analysis.Candidates;
    const Holding held = HandToPlay(table.hands, table.play).Suits[table.play.SuitLed].Cards;
    ASSERT_NE(candidates[0], 0u) << "seed " << seed;
    for (const Card card : {candidates[0], candidates[1]}) {
      if (card == 0) continue;
      ASSERT_EQ(CardSuit(card), table.play.SuitLed) << "seed " << seed;
      const Holding rank = card & ~Holding{3};
      ASSERT_EQ(CountCards(rank), 1) << "seed " << seed;
      ASSERT_TRUE(held & rank) << "seed " << seed << " card " << CardText(card);
    }
    ASSERT_NE(candidates[0], candidates[1]) << "seed " << seed;
    if (candidates[1] != 0) ++withSecond;
  }
  // The alternatives are offered often enough for the property to say
  // something about them.
  EXPECT_GT(withSecond, 200);
}

TEST(FollowSuit, AllocatesNothing) {
  std::mt19937 random(11);
  int followed = 0;
  for (std::uint32_t seed = 1; seed <= 50; ++seed) {
    FollowingPosition position(seed, random);
    if (!position.CanFollow()) continue;
    const long before = allocations;
    FollowSuit(position.table.context, position.engine);
    EXPECT_EQ(allocations, before) << "seed " << seed;
    ++followed;
  }
  EXPECT_GT(followed, 40);
  // The counter does see allocations, so the zeros above mean something.
  const long before = allocations;
  ::operator delete(::operator new(16));
  EXPECT_EQ(allocations - before, 1);
}

}  // namespace
}  // namespace tavlo
