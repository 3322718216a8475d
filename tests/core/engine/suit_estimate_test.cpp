#include "engine/suit_estimate.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "allocation_count.h"
#include "engine/random_deal.h"
#include "engine/suit_view_refresh.h"
#include "estimate_deals.h"
#include "play_fixture.h"

namespace tavlo {
namespace {

using testing_support::allocations;
using testing_support::EastRuffsClubs;
using testing_support::EastSingletonDiamond;
using testing_support::SpadesForUs;
using testing_support::Table;

struct Results {
  int Tricks, NextRun, LastRun, NetTricks, OwnTricks, PartnerTricks, LhoTricks, RhoTricks;
  bool RunsAll;
  int Surplus;

  bool operator==(const Results&) const = default;
};

Results ResultsOf(const SuitView& view) {
  return {view.Tricks,        view.NextRun,   view.LastRun,   view.NetTricks, view.OwnTricks,
          view.PartnerTricks, view.LhoTricks, view.RhoTricks, view.RunsAll,   view.Surplus};
}

std::ostream& operator<<(std::ostream& out, const Results& r) {
  return out << "Tricks " << r.Tricks << " NextRun " << r.NextRun << " LastRun " << r.LastRun
             << " NetTricks " << r.NetTricks << " Own " << r.OwnTricks << " Partner "
             << r.PartnerTricks << " Lho " << r.LhoTricks << " Rho " << r.RhoTricks << " RunsAll "
             << r.RunsAll << " Surplus " << r.Surplus;
}

// The estimate of the suit from the seat to play.
const SuitView& Estimated(Table& table, EstimateCache& cache, int suit,
                          int theirLongestTrumps = 0) {
  Estimate(table.context, cache, suit, theirLongestTrumps);
  return CurrentView(table.context);
}

TEST(SuitEstimate, ASuitWeHoldAloneRunsForItsLength) {
  Table table;
  table.Start(SpadesForUs, West, NoTrump);
  EstimateCache cache;
  const SuitView& view = Estimated(table, cache, Spades);
  // Partner's short hand wins its six cards under our long ones, then the
  // ace; the whole run is then put down to partner as well.
  EXPECT_EQ(ResultsOf(view), (Results{7, 0, 0, 7, 1, 7, 0, 0, true, 1}));
  EXPECT_EQ(view.LeadVerdict, 0);
  EXPECT_EQ(view.LeadTiming, 0);
  EXPECT_EQ(cache.Stored[North][Spades].VerdictRule, 1);
  EXPECT_EQ(cache.Stored[North][Spades].TimingRule, 1);
  EXPECT_TRUE(view.PartnerTops);
  EXPECT_EQ(view.PartnerLowest, Holding{1} << 2);
  EXPECT_EQ(view.OwnThird, Holding{1} << Queen);
  EXPECT_EQ(view.PartnerThird, Holding{1} << 5);
  EXPECT_EQ(view.TheirThird, 0u);
  EXPECT_EQ(view.AnalysedCards, 0x7FFCu);
}

TEST(SuitEstimate, VoidSideLosesTheirWholeLength) {
  Table table;
  table.Start(SpadesForUs, West, NoTrump);
  table.Play("2H");
  EstimateCache cache;
  // East and West hold no spade: North (RHO to East) has the top and the
  // higher second card, so all seven tricks are North's.
  EXPECT_EQ(ResultsOf(Estimated(table, cache, Spades)),
            (Results{-7, 0, 0, -7, 0, 0, 0, 7, false, -7}));
}

TEST(SuitEstimate, SideSuitRuffedAtOnce) {
  Table table;
  table.Start(EastRuffsClubs, West, Hearts);
  EstimateCache cache;
  // West's king is over our clubs too: two losers, both put to East.
  EXPECT_EQ(ResultsOf(Estimated(table, cache, Clubs)),
            (Results{-2, 0, 0, -2, 0, 0, 2, 0, false, -5}));
}

TEST(SuitEstimate, SuitTheyCannotRuffYetDependsOnTheirTrumps) {
  Table table;
  table.Start(EastSingletonDiamond, West, Hearts);
  EstimateCache cache;
  // The plan counted no opponent trumps: the diamonds all run.
  EXPECT_EQ(ResultsOf(Estimated(table, cache, Diamonds, 0)),
            (Results{7, 0, 0, 7, 1, 0, 0, 0, true, 2}));
  // East follows once, then ruffs.
  EXPECT_EQ(ResultsOf(Estimated(table, cache, Diamonds, 10)),
            (Results{1, 0, 0, 1, 0, 0, 0, 0, false, -4}));
  EXPECT_EQ(ResultsOf(Estimated(table, cache, Diamonds, 0)).Tricks, 7);
}

TEST(SuitEstimate, RepeatedEstimateKeepsTheStoredResults) {
  Table table;
  table.Start(SpadesForUs, West, NoTrump);
  EstimateCache cache;
  SuitView& view = table.hands[North].SuitViews[Spades];
  Estimate(table.context, cache, Spades, 0);
  view.Tricks = 99;
  // Nothing the result rests on has changed, not even by the plan's count
  // of trumps, which a no-trump estimate never reads.
  Estimate(table.context, cache, Spades, 4);
  EXPECT_EQ(view.Tricks, 99);
  Estimate(table.context, cache, Hearts, 0);
  Estimate(table.context, cache, Spades, 0);
  EXPECT_EQ(view.Tricks, 99);

  table.Play("AS TH 2S 5H");
  Estimate(table.context, cache, Spades, 0);
  EXPECT_EQ(view.Tricks, 6);
}

// One spade layout played out at no trump, worked through by hand round by
// round from the chair to play.
struct PlayedOutCase {
  const char* name;
  std::string_view deal;
  SeatCode declarer;
  std::string_view before;  // cards played before the estimate
  int verdict;
  Results expected;
};

class PlayedOutSuit : public testing::TestWithParam<PlayedOutCase> {};

TEST_P(PlayedOutSuit, RoundsGoToTheRightSideAndSeat) {
  const PlayedOutCase& c = GetParam();
  Table table;
  table.Start(c.deal, c.declarer, NoTrump);
  table.Play(c.before);
  EstimateCache cache;
  const SuitView& view = Estimated(table, cache, Spades);
  EXPECT_EQ(view.LeadVerdict, c.verdict);
  EXPECT_EQ(ResultsOf(view), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PlayedOutSuit,
    testing::Values(
        // North Q32, South K54, East AJ76, West T98: the verdict has South
        // lead through East's ace, a round put down to West, then our king
        // and queen, then East's jack.
        PlayedOutCase{"PartnerLeadsThroughLho",
                      "N:Q32.AKQJ.AKQ.AKQ AJ76.T98.JT9.JT9 K54.765.876.8765 T98.432.5432.432",
                      West,
                      "",
                      1,
                      {-1, 2, -1, 0, 0, 0, 0, 1, false, -4}},
        // North KQJ, South T98, East 765, West A432: West's ace first, then
        // our two honours (one for each of us, both over their second card),
        // then West's last card.
        PlayedOutCase{"TheyHoldTheTop",
                      "N:KQJ.AKQJ.AKQ.AKQ 765.T98.JT9.JT98 T98.765.8765.765 A432.432.432.432",
                      West,
                      "",
                      1,
                      {-1, 2, -1, 0, 1, 1, 0, -1, false, -4}},
        // East AKT32, West 4, South QJ5, North 9876. On lead East cashes
        // two, South's queen wins, East's length the rest.
        PlayedOutCase{"OurTopOnLead",
                      "N:9876.AKQ.AKQ.AKQ AKT32.JT9.JT9.JT QJ5.8765.876.987 4.432.5432.65432",
                      North,
                      "",
                      -1,
                      {2, -1, 2, 3, 2, 0, 0, 0, false, 1}},
        // The same suit with East second to a heart: North plays high under
        // the winners, and with the ace over North and the king over South
        // one more round waits for later.
        PlayedOutCase{"OurTopSecondToPlay",
                      "N:9876.AKQ.AKQ.AKQ AKT32.JT9.JT9.JT QJ5.8765.876.987 4.432.5432.65432",
                      West,
                      "AH",
                      -1,
                      {2, -2, 3, 3, 2, 0, 0, 0, false, 1}},
        // North AKQ2, South 543, West JT9876, East void. After our three
        // tops West's three spades run when East can put West in with a
        // heart; East's single heart is no lead to a second round.
        PlayedOutCase{"RhoGetsInToRunTheRest",
                      "N:AKQ2.JT9.87.8765 .2.AKQJT9.AKQJT9 543.876543.654.4 JT9876.AKQ.32.32",
                      West,
                      "",
                      -1,
                      {3, -3, 0, 0, 3, 0, 0, 0, false, 0}},
        // The same spades with East void in hearts too: West never gets in,
        // and only North's last spade is counted to them.
        PlayedOutCase{"RhoCannotGetIn",
                      "N:AKQ2.JT9.87.8765 ..AKQJT9.AKQJT94 543.8765432.654. JT9876.AKQ.32.32",
                      West,
                      "",
                      -1,
                      {3, -1, 0, 2, 3, 0, 0, 0, false, 0}},
        // North AKT32, South J876, West Q954, East void: after the ace and
        // king West's queen is a single stopper, one round to them and one
        // back to us.
        PlayedOutCase{"RhoKeepsOneStopper",
                      "N:AKT32.98.T98.T98 .AKQJT.AKQJ.AKQJ J876.765.765.765 Q954.432.432.432",
                      West,
                      "",
                      -1,
                      {2, -1, 1, 2, 2, 2, 0, 0, false, -2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SuitEstimate, PlayedOutSuitIsEstimatedFromScratch) {
  Table table;
  table.Start(SpadesForUs, West, NoTrump);
  table.Play("AS TH 2S 5H KS JH 3S 6H QS QH 4S 7H JS KH 5S 8H TS AH 6S 9H 9S JD 7S 6D 8S QD 5C 7D");
  EstimateCache cache;
  // A fresh view of a suit with no cards left has keys of 0 that match
  // without any estimate behind them.
  const SuitView& view = Estimated(table, cache, Spades);
  EXPECT_EQ(ResultsOf(view), (Results{0, 0, 0, 0, 0, 0, 0, 0, true, 0}));
}

// A second table brought to the same position estimates with nothing
// stored; the stored estimate of the first must agree with it every time.
TEST(SuitEstimate, StoredEstimateAlwaysEqualsAFreshOne) {
  std::mt19937 random(4242);
  int compared = 0;
  for (std::uint32_t seed = 1; seed <= 400; ++seed) {
    const DealHoldings deal = RandomDeal(seed);
    const int trump = seed % 5;
    const int declarer = (seed / 5) % 4;
    Table table;
    table.Start(deal, declarer, trump);
    EstimateCache cache;
    while (table.play.CardsPlayed < 52) {
      if (table.play.CardsPlayed > 0 && random() % 8 == 0)
        table.TakeBack();
      else
        PlayCard(table.context, table.RandomLegalCard(random));
      Table fresh;
      fresh.Start(deal, declarer, trump);
      fresh.play.PlayRecord = table.play.PlayRecord;
      Replay(fresh.context, table.play.CardsPlayed);
      for (int suit = 0; suit < 4; ++suit) {
        if (random() % 4 == 0) continue;  // let some stored estimates age
        const int theirLongestTrumps = random() % 3 == 0 ? 0 : 1 + random() % 6;
        EstimateCache freshCache;
        const Results stored = ResultsOf(Estimated(table, cache, suit, theirLongestTrumps));
        const SuitView& freshView = Estimated(fresh, freshCache, suit, theirLongestTrumps);
        ASSERT_EQ(stored, ResultsOf(freshView))
            << "deal " << seed << " after " << table.play.CardsPlayed << " cards, suit " << suit;
        const SuitView& view = CurrentView(table.context);
        ASSERT_EQ(view.LeadVerdict, freshView.LeadVerdict);
        ASSERT_EQ(view.LeadTiming, freshView.LeadTiming);
        ASSERT_EQ(view.PartnerTops, freshView.PartnerTops);
        ASSERT_EQ(view.PartnerLowest, freshView.PartnerLowest);
        ASSERT_EQ(view.TheirThird, freshView.TheirThird);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 40000);
}

TEST(SuitEstimate, AllocatesNothing) {
  std::mt19937 random(7);
  Table table;
  table.Start(RandomDeal(99), South, Spades);
  EstimateCache cache;
  long during = 0;
  while (table.play.CardsPlayed < 52) {
    const long before = allocations;
    for (int suit = 0; suit < 4; ++suit) Estimate(table.context, cache, suit, random() % 4);
    during += allocations - before;
    PlayCard(table.context, table.RandomLegalCard(random));
  }
  EXPECT_EQ(during, 0);
  // The counter does see allocations, so the zero above means something.
  const long before = allocations;
  ::operator delete(::operator new(16));
  EXPECT_EQ(allocations - before, 1);
}

}  // namespace
}  // namespace tavlo
