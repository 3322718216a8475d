#include "engine/hand_plan.h"

#include <gtest/gtest.h>

#include <random>

#include "allocation_count.h"
#include "engine/declarers_score.h"
#include "engine/defenders_score.h"
#include "engine/general_score.h"
#include "engine/legal_cards.h"
#include "engine/random_deal.h"
#include "estimate_deals.h"
#include "play_fixture.h"
#include "table_snapshot.h"

namespace tavlo {
namespace {

using testing_support::allocations;
using testing_support::SpadesForUs;
using testing_support::Table;
using testing_support::TableSnapshot;
using testing_support::Take;

// North holds all thirteen clubs; East and West, void in them, hold
// trumps, and so does South: South's queen-seven of hearts overruffs West
// and, with East's ace-king-jack, the overruff stands.
constexpr std::string_view AllTheClubs =
    "N:...AKQJT98765432 AKQJT98.AKJ8.AK. 765.Q7.QJT98765. 432.T965432.432.";
// North and South hold the top cards of every suit, so no suit of either
// has a low card that can lose a trick.
constexpr std::string_view AllTopCards =
    "N:AKQ.AKQ.AKQ.AKQJ 765.765.8765.876 JT98.JT98.JT9.T9 432.432.432.5432";

struct Planned {
  Table table;
  EstimateCache cache;
  PlanState plan;

  Planned(std::string_view deal, SeatCode declarer, StrainCode trump, std::string_view before) {
    table.Start(deal, declarer, trump);
    table.Play(before);
    HandPlan(table.context, cache, plan);
  }
  const SuitView& View(int suit) const { return table.hands[table.play.ToPlay].SuitViews[suit]; }
};

struct ScoreCase {
  const char* name;
  std::string_view deal;
  SeatCode declarer;
  StrainCode trump;
  std::string_view before;  // cards played before the plan
  StrainCode suit;
  std::string_view rule;
  int score;
};

class PlannedSuit : public testing::TestWithParam<ScoreCase> {};

TEST_P(PlannedSuit, ScoresBySideAndRule) {
  const ScoreCase& c = GetParam();
  const Planned planned(c.deal, c.declarer, c.trump, c.before);
  EXPECT_EQ(planned.plan.ScoreRule[c.suit], c.rule);
  EXPECT_EQ(planned.View(c.suit).PlayScore, c.score);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, PlannedSuit,
    testing::Values(
        // North on lead against four hearts: both opponents ruff clubs, but
        // South overruffs West and East cannot beat South's queen without
        // the ace. Nothing more in the plan moves the score: the clubs make
        // no trick for us and the opponents hold trumps.
        ScoreCase{"BothRuffPartnerOverruffs", AllTheClubs, West, Hearts, "", Clubs,
                  "side: both ruff, partner overruffs", 300},
        ScoreCase{"VoidSuit", AllTheClubs, West, Hearts, "", Spades, "void", -1000},
        // North's seven running spades at no trump: 900 for a suit that
        // runs, 105 for its seven net tricks, 60 for an entry with the
        // opponents shorter, 200 when every trick left is a loser but
        // this, and 200 more in the race with no trumps out.
        ScoreCase{"RunsAtNoTrump", SpadesForUs, West, NoTrump, "", Spades, "runs all at no trump",
                  1465},
        // Dummy on lead in four hearts after trick six: both defenders ruff
        // spades and partner cannot overruff.
        ScoreCase{"BothRuff",
                  "N:KQ98.9.QT93.QT72 6.QT8732.K754.54 AT4.J4.AJ862.KJ8 J7532.AK65..A963", North,
                  Hearts, "4C 8C AC QC 9C 2C 5C JC KC 6C TC KD 2D JS 3D 4D 5D AD 7S QD 6D 3C 9D 7D",
                  Clubs, "side: both ruff", 10},
        // A suit the hand to play holds alone, partner void in it, with its
        // entries equal to its tricks: 700 with nothing to come after.
        ScoreCase{"OwnSuitWithEntries",
                  "N:T832.QJ7.T965.86 Q.8652.AQ42.T952 A94.AK43.J87.AQJ KJ765.T9.K3.K743", East,
                  Diamonds,
                  "JD KD TD AD 2H 3H TH QH 6C 2C JC KC 3D 5D QD 7D 5C QC 7C 8C 4S KS TS QS 9H 7H "
                  "5H AH 9S JS 8S 8H",
                  Spades, "own suit, entries in it", 700},
        // A defender's side suit with a negative verdict that partner
        // holds: 275 for the ruff to come, capped at 60.
        ScoreCase{"NegativeVerdictCappedAt60",
                  "N:T96.852.KQJT4.Q6 .AQJ64.8653.AT73 KJ87.KT93.A9.K95 AQ5432.7.72.J842", South,
                  Diamonds,
                  "2S 6S AC KS KC JC QC TC AD 7D KD 8D JS AS 9S 3C 8C 6C 7C 5C QS TS 4H 7S", Hearts,
                  "side: ruff to come or a force", 60},
        // The declaring side with a negative verdict and fewer net tricks
        // than tricks: at most 100 with entries in the hand to play.
        ScoreCase{"DeclarerNegativeVerdictWithEntries",
                  "N:J85.94.T875.KT65 Q3.J875.AJ32.872 T974.KQ632.KQ64. AK62.AT.9.AQJ943", West,
                  Hearts, "TD 2D KD 9D 4D AS 8D 3D 5C 8C 4S AC 2S JS 3S 7S 8S QS 9S KS", Hearts,
                  "trumps: keep the short ruff", 25},
        // The one rule that ends at once: a ruff in the short trump hand
        // that the opponents cannot overruff keeps 540 despite the verdict.
        ScoreCase{"ShortHandRuffAtOnce",
                  "N:JT98.QT.AQ854.Q4 63.KJ853.KJ.8532 752.742.T3.AKT97 AKQ4.A96.9762.J6", South,
                  Spades,
                  "AH TH 3H 2H 6H QH KH 7H 8C AC JC 4C 3D 2D AD JD QC 5C 7C 6C 4D KD TD 6D 6S 7S "
                  "AS 8S 9H 5D JH 4H 3S 5S 4S JS",
                  Diamonds, "side: ruff in the short hand, at once", 540},
        // Trumps drawn, but dummy's are wanted for a ruff and dummy has no
        // entry outside: lead trumps from the short side again.
        ScoreCase{"TrumpsDrawnKeepDummysForARuff",
                  "N:KQ653.2.AK95.982 T.76.QJ87432.K76 A9874.KQJ9.6.J54 J2.AT8543.T.AQT3", South,
                  Spades,
                  "3C 2C 6C 4C 6H 9H AH 2H TH AD 7H JH AS JS 3S TS 6D TD KD QD 5D JD 5C 2S 8H 9D "
                  "7C QH 9S AC KS KC",
                  Spades, "trumps: drawn, keep dummy's for a ruff", 500},
        // Trumps gone from the opponents, partner still holding one: 1.
        ScoreCase{"DefenderTrumpsOpponentsOut",
                  "N:AKT963.73.AJ4.53 Q2.J982.862.KJ82 J4.KQ65.KQT95.A7 875.AT4.73.QT964", North,
                  Clubs,
                  "JH KH AH 3H 7D 4D 8D 5D 2H 5H TH 7H 3D AD 6D 9D 5C 2C AC 4C TD 6C JD 2D QC 3C "
                  "KC 7C QS 4S 5S 3S",
                  Clubs, "trumps: opponents out", 1},
        // A suit that can never bring a trick takes the low score of 1.
        ScoreCase{"Hopeless",
                  "N:T.AQ832.AKT4.J62 KJ72.765.7632.K8 Q953.J9.QJ.QT974 A864.KT4.985.A53", South,
                  Hearts, "9D AD 7D QD AH 7H 9H 4H 2H 5H JH TH 3S 4S TS KS 6H JD KH 3H 6S JC JS 5S",
                  Diamonds, "hopeless", 1},
        // Partner's long suit at no trump, partner with a safe entry.
        ScoreCase{"PartnersLongSuit",
                  "N:AQ82.A542.T7.A93 K.T8.QJ832.QJT52 T96543.K763.A.86 J7.QJ9.K9654.K74", West,
                  NoTrump,
                  "3C QC 8C 4C 8H KH 9H 2H 3S JS AS KS QS TH 4S 7S TD 2D AD 4D 7H JH AH 2C", Hearts,
                  "losing: partner's long suit", 460}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HandPlan, CountersOfAHandThatTakesEveryTrick) {
  const Planned planned(AllTopCards, West, NoTrump, "");
  const PlanState& plan = planned.plan;
  EXPECT_EQ(plan.OwnShortLoser, 13);
  EXPECT_EQ(plan.PartnerShortLoser, 13);
  EXPECT_EQ(plan.Losers, 0);
  EXPECT_EQ(plan.TheirLongestTrumps, 0);
  EXPECT_EQ(plan.OurLongestTrumps, 0);
  EXPECT_FALSE(plan.ShortRuffFlag);
  EXPECT_EQ(plan.Needed, 4);  // defenders against four no trump
}

TEST(HandPlan, CountersOfTheClubHand) {
  const Planned planned(AllTheClubs, West, Hearts, "");
  const PlanState& plan = planned.plan;
  // South's hearts are the only trumps of our side, West's the longer of
  // theirs.
  EXPECT_EQ(plan.TheirLongestTrumps, 7);
  EXPECT_EQ(plan.OurLongestTrumps, 2);
  EXPECT_EQ(plan.PartnerRuffSuits, 1);
  EXPECT_EQ(plan.OwnRuffSuits, 0);
  // North's views of the three suits it is void in score -1000, and
  // partner's views take over whether each suit runs.
  for (const int suit : {Spades, Hearts, Diamonds}) EXPECT_EQ(planned.View(suit).PlayScore, -1000);
  for (int suit = 0; suit < 4; ++suit)
    EXPECT_EQ(planned.table.hands[South].SuitViews[suit].RunsAll, planned.View(suit).RunsAll);
}

// A position from a seeded random deal: the seed also picks declarer and
// the strain; cards are played from the lowest or highest of a random legal
// suit until a trick starts.
struct RandomPosition {
  Table table;

  RandomPosition(std::uint32_t seed, std::mt19937& random) {
    table.Start(RandomDeal(seed), seed / 5 % 4, seed % 5);
    const int stop = random() % 52;
    while (table.play.CardsPlayed < 52 &&
           (table.play.CardsPlayed < stop || table.play.TrickPosition != 1)) {
      const SuitHoldings legal = LegalCards(table.hands, table.play);
      int suit = table.play.SuitLed;
      if (table.play.TrickPosition == 1 || legal.Suits[suit] == 0) {
        do {
          suit = random() % 4;
        } while (legal.Suits[suit] == 0);
      }
      const Holding cards = legal.Suits[suit];
      PlayCard(table.context, (random() % 2 ? LowestCard(cards) : HighestCard(cards)) | suit);
    }
  }
};

std::array<int, 4> Scores(const Table& table) {
  std::array<int, 4> scores{};
  for (int suit = 0; suit < 4; ++suit)
    scores[suit] = table.hands[table.play.ToPlay].SuitViews[suit].PlayScore;
  return scores;
}

TEST(HandPlan, RandomPositionsKeepTheScoresInBounds) {
  std::mt19937 random(20261208);
  int scored = 0;
  for (std::uint32_t seed = 1; seed <= 10000; ++seed) {
    RandomPosition position(seed, random);
    Table& table = position.table;
    if (table.play.CardsPlayed == 52) continue;
    const TableSnapshot before = Take(table);
    EstimateCache cache;
    PlanState plan;
    HandPlan(table.context, cache, plan);
    ASSERT_EQ(Take(table), before) << "seed " << seed;

    const PlayState& play = table.play;
    const bool defending = DefenderToPlay(play.ToPlay, play.Declarer) == 1;
    for (int suit = 0; suit < 4; ++suit) {
      const SuitView& view = table.hands[play.ToPlay].SuitViews[suit];
      const std::string where = "seed " + std::to_string(seed) + " suit " + std::to_string(suit);
      if (*view.OwnLength == 0) {
        ASSERT_EQ(view.PlayScore, -1000) << where;
        continue;
      }
      ASSERT_GE(view.PlayScore, 1) << where;
      ++scored;

      // The rule sets again on the plan's counters, one at a time.
      PlanState counters = plan;
      ScoredSuit x(table.context, counters, suit);
      if (play.Trump == NoTrump) {
        const int general = GeneralSuitScore(x);
        // A suit that runs at no trump, when we are the ones to lead it.
        if (x.rule == "runs all at no trump" && view.LeadVerdict >= 0 && view.LeadTiming != -1) {
          ASSERT_GE(general, 900) << where;
        }
        if (defending) {
          // The defenders' score is the general one, with 10 more for
          // returning the opening lead when declarer is on the left.
          const bool returnsLead = play.CardsPlayed > 0 &&
                                   CardSuit(play.PlayRecord[0].Card) == suit &&
                                   table.hands[play.ToPlay].Lho == play.Declarer;
          ASSERT_EQ(DefendersSuitScore(x), general + (returnsLead ? 10 : 0)) << where;
        }
      }
      if (!defending && view.LeadVerdict < 0 && !view.PartnerCanRuff &&
          view.NetTricks < view.Tricks) {
        // Better led by partner: capped, unless one rule ends the score
        // at once.
        const int score = DeclaringSideSuitScore(x);
        if (x.rule != "side: ruff in the short hand, at once") {
          ASSERT_LE(score, plan.OwnEntries != 0 ? 100 : 300) << where;
        }
      }
    }

    // Once the opponents' trump count is known, the plan is repeatable.
    HandPlan(table.context, cache, plan);
    const std::array<int, 4> second = Scores(table);
    const PlanState secondPlan = plan;
    HandPlan(table.context, cache, plan);
    ASSERT_EQ(Scores(table), second) << "seed " << seed;
    ASSERT_EQ(plan.SureTricks, secondPlan.SureTricks) << "seed " << seed;
    ASSERT_EQ(plan.Losers, secondPlan.Losers) << "seed " << seed;
    ASSERT_EQ(plan.StrandedTricks, secondPlan.StrandedTricks) << "seed " << seed;
  }
  EXPECT_GT(scored, 20000);
}

TEST(HandPlan, AllocatesNothing) {
  std::mt19937 random(7);
  RandomPosition position(99, random);
  EstimateCache cache;
  PlanState plan;
  const long before = allocations;
  for (int run = 0; run < 3; ++run) HandPlan(position.table.context, cache, plan);
  EXPECT_EQ(allocations, before);
}

}  // namespace
}  // namespace tavlo
