// Claims judged on endings whose answer is plain by hand: a claim that
// stands on every layout, one that needs a finesse, a squeeze the play has
// made sure of and one it has not, a concede; the layouts against the play
// they must fit, over random deals; and the play written for a claim.

#include "analysis/claim.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/random_deal.h"

namespace tavlo {
namespace {

// An ending: each hand as "spades.hearts.diamonds.clubs", seats from
// North; every hand the same length.
DealHoldings EndingOf(const std::array<std::string, 4>& hands) {
  DealHoldings deal{};
  for (int seat = North; seat <= West; ++seat) {
    int suit = Spades;
    for (const char letter : hands[seat]) {
      if (letter == '.') {
        --suit;
      } else {
        deal[seat][suit] |= Holding{1} << RankOfLetter(letter);
      }
    }
  }
  return deal;
}

PlayOut Played(const DealHoldings& deal, StrainCode trump, SeatCode leader,
               const std::vector<Card>& cards) {
  const Result<PlayOut> play = ReplayCards(deal, trump, leader, cards);
  EXPECT_TRUE(play) << play.Error();
  return play ? *play : PlayOut{};
}

constexpr Card C(int rank, StrainCode suit) { return MakeCard(rank, suit); }

// South declares at no trump, on lead, with clubs to run: four tricks
// whoever holds what.
const DealHoldings SureTricks = EndingOf({"AK.2.2.", "QJ.3.4.", "...AKQJ", "T9.4.5."});
// South leads towards North's spade tenace; West's king lies under it, but
// the claimer cannot see that: on the layouts with the king in East the
// finesse loses.
const DealHoldings Finesse = EndingOf({"AQ...", "4.2..", "32...", "K5..."});
// South's last club squeezes West, who guards both major suits; North
// keeps whichever threat West gives up.
const DealHoldings SqueezeEnding = EndingOf({"Q.AJ..", "..432.", "3.3..A", "K.KQ.."});
// The same ending reached by two tricks in which East showed out of both
// majors: the claimer knows West holds every guard.
const DealHoldings SqueezeDealt = EndingOf({"AQ.AJ4..", "..65432.", "43.93..A", "K5.KQ5.."});
const std::vector<Card> EastShowsOut{C(4, Spades), C(5, Spades),   C(Ace, Spades), C(5, Diamonds),
                                     C(4, Hearts), C(6, Diamonds), C(9, Hearts),   C(5, Hearts)};

struct ClaimCase {
  std::string name;
  PlayOut play;
  int tricks;
  bool accepted;
  int shortfall;
  bool everyLayout;
};

class ClaimCheck : public testing::TestWithParam<ClaimCase> {};

TEST_P(ClaimCheck, JudgesTheClaimAgainstEveryLayout) {
  const ClaimCase& c = GetParam();
  const Result<ClaimVerdict> verdict = CheckClaim(c.play, {South, South}, c.tricks);
  ASSERT_TRUE(verdict) << verdict.Error();
  EXPECT_EQ(verdict->Accepted, c.accepted);
  EXPECT_EQ(verdict->Shortfall, c.shortfall);
  EXPECT_EQ(verdict->EveryLayout, c.everyLayout);
  if (c.accepted) {
    EXPECT_TRUE(verdict->Defence.empty());
    return;
  }
  // The line shown ends with the trick that beats the claim, won by the
  // defence, and is legal on the layout shown.
  ASSERT_FALSE(verdict->Defence.empty());
  ASSERT_EQ(verdict->Defence.size() % 4, 0u);
  DealHoldings dealt = verdict->Layout;
  const Result<PlayOut> line =
      ReplayCards(dealt, c.play.Trump(), c.play.ToPlay(), std::span(verdict->Defence));
  ASSERT_TRUE(line) << line.Error();
  EXPECT_EQ(SideOfSeat(line->WinnerOf(static_cast<int>(verdict->Defence.size()) / 4)), EastWest);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, ClaimCheck,
    testing::Values(
        ClaimCase{"SureTricks", Played(SureTricks, NoTrump, South, {}), 4, true, 0, true},
        ClaimCase{"FinesseForBoth", Played(Finesse, NoTrump, South, {}), 2, false, 1, true},
        ClaimCase{"OneOfTheFinesse", Played(Finesse, NoTrump, South, {}), 1, true, 0, true},
        ClaimCase{"SqueezeUnseen", Played(SqueezeEnding, NoTrump, South, {}), 3, false, 1, true},
        ClaimCase{"SqueezeKnown", Played(SqueezeDealt, NoTrump, South, EastShowsOut), 3, true, 0,
                  true},
        ClaimCase{"Concede", Played(SureTricks, NoTrump, South, {}), 0, true, 0, false},
        // In the middle of a trick: West has led the king, North covers.
        ClaimCase{"FinesseMidTrick", Played(Finesse, NoTrump, West, {C(King, Spades)}), 2, true, 0,
                  true}),
    [](const testing::TestParamInfo<ClaimCase>& info) { return info.param.name; });

TEST(ClaimCheck, ShowsTheFinesseLosingOnALayoutWithTheKingOffside) {
  const Result<ClaimVerdict> verdict =
      CheckClaim(Played(Finesse, NoTrump, South, {}), {South, South}, 2);
  ASSERT_TRUE(verdict) << verdict.Error();
  EXPECT_EQ(verdict->LayoutsTried, 6);  // four cards shared two and two
  EXPECT_TRUE(verdict->Layout[East][Spades] & KingBit);
  const auto kingOfSpades =
      std::find(verdict->Defence.begin(), verdict->Defence.end(),
                PlayRecordEntry{static_cast<std::uint16_t>(C(King, Spades)), East});
  EXPECT_NE(kingOfSpades, verdict->Defence.end());
}

TEST(ClaimCheck, RefusesAClaimOfMoreTricksThanAreLeft) {
  EXPECT_FALSE(CheckClaim(Played(Finesse, NoTrump, South, {}), {South, South}, 3));
  EXPECT_FALSE(CheckClaim(Played(Finesse, NoTrump, South, {}), {South, South}, -1));
}

TEST(ClaimCheck, AStoppedJobGivesNoVerdict) {
  JobControl job;
  job.RequestStop();
  EXPECT_FALSE(CheckClaim(Played(Finesse, NoTrump, South, {}), {South, South}, 2, &job));
}

// The seats a claimer cannot see: the opponents when its side declares,
// partner and declarer when it defends.
TEST(ClaimingSeats, HidesTheHandsTheClaimerCannotSee) {
  EXPECT_EQ((ClaimingSeats{South, South}.Hidden()), (std::array<SeatCode, 2>{East, West}));
  EXPECT_EQ((ClaimingSeats{South, North}.Hidden()), (std::array<SeatCode, 2>{East, West}));
  EXPECT_EQ((ClaimingSeats{South, East}.Hidden()), (std::array<SeatCode, 2>{North, East}));
  EXPECT_EQ((ClaimingSeats{South, West}.Hidden()), (std::array<SeatCode, 2>{North, West}));
}

// Over random deals played part way with the lowest legal cards: every
// layout keeps the seen hands, each hidden seat's number of cards and the
// suits it has shown out of; the real layout is one of them, none comes
// twice, and the drawn ones are layouts too.
TEST(ClaimLayouts, FitWhatThePlayHasShownOverRandomDeals) {
  std::mt19937 seeds(34);
  for (int round = 0; round < 40; ++round) {
    const DealHoldings deal = RandomDeal(seeds());
    Result<PlayOut> play = PlayOut::Start(deal, static_cast<StrainCode>(round % 5), West);
    ASSERT_TRUE(play);
    const int cards = 30 + round % 16;
    std::array<std::uint8_t, 4> voids{};
    for (int at = 0; at < cards; ++at) {
      const std::vector<PlayRecordEntry> trick(play->TrickInProgress().begin(),
                                               play->TrickInProgress().end());
      const Card card = play->Legal().LowestCard();
      if (!trick.empty() && CardSuit(card) != CardSuit(trick.front().Card))
        voids[play->ToPlay()] |= 1 << CardSuit(trick.front().Card);
      ASSERT_TRUE(play->Play(card));
    }
    const ClaimingSeats seats{South, static_cast<SeatCode>(round % 4)};
    const ClaimLayouts layouts(*play, seats);
    ASSERT_LE(layouts.Count(), 200'000);
    std::vector<DealHoldings> every = layouts.Every();
    ASSERT_EQ(static_cast<std::int64_t>(every.size()), layouts.Count());
    std::vector<DealHoldings> drawn = layouts.Drawn(20, 7);
    EXPECT_EQ(drawn, layouts.Drawn(20, 7));
    for (const std::vector<DealHoldings>* set : {&every, &drawn})
      for (const DealHoldings& layout : *set)
        for (const SeatCode seat : {North, East, South, West}) {
          const bool hidden = seat == seats.Hidden()[0] || seat == seats.Hidden()[1];
          if (!hidden) {
            EXPECT_EQ(layout[seat], play->Left()[seat]);
            continue;
          }
          EXPECT_EQ(SuitHoldings{layout[seat]}.Count(), SuitHoldings{play->Left()[seat]}.Count());
          for (int suit = Clubs; suit <= Spades; ++suit)
            if (voids[seat] & (1 << suit)) {
              EXPECT_EQ(layout[seat][suit], 0u);
            }
        }
    EXPECT_NE(std::find(every.begin(), every.end(), play->Left()), every.end());
    std::sort(every.begin(), every.end());
    EXPECT_EQ(std::adjacent_find(every.begin(), every.end()), every.end());
  }
}

// The play written for an accepted claim is legal and gives the claiming
// side the tricks claimed, where its cards allow that many.
TEST(ClaimedPlay, GivesTheClaimedTricksInALegalOrder) {
  struct Case {
    PlayOut play;
    int tricks;
    int taken;  // by North-South from the claim on
  };
  for (const Case& c : {Case{Played(Finesse, NoTrump, South, {}), 2, 2},
                        Case{Played(Finesse, NoTrump, South, {}), 1, 1},
                        // North's ace takes a spade trick whatever it does.
                        Case{Played(Finesse, NoTrump, South, {}), 0, 1},
                        Case{Played(SqueezeDealt, NoTrump, South, EastShowsOut), 3, 3},
                        // Four top clubs cannot all be given away.
                        Case{Played(SureTricks, NoTrump, South, {}), 0, 4}}) {
    const Result<std::vector<Card>> rest = ClaimedPlay(c.play, NorthSouth, c.tricks);
    ASSERT_TRUE(rest) << rest.Error();
    PlayOut after = c.play;
    const int before = after.TricksOf(NorthSouth);
    for (const Card card : *rest) ASSERT_TRUE(after.Play(card));
    EXPECT_EQ(TricksLeft(after), 0);
    EXPECT_EQ(after.TricksOf(NorthSouth) - before, c.taken) << c.tricks;
  }
}

}  // namespace
}  // namespace tavlo
