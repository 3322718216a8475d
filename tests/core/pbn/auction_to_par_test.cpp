// A board that comes without auction or contract is bid to its par: the
// lesson it makes must be one a teacher would give. A contract that makes is
// bid by its side alone; a sacrifice is bid over the contract the other side
// makes and doubled; a deal where nobody makes anything is passed out.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "analysis/double_dummy.h"
#include "auction/call_rules.h"
#include "engine/random_deal.h"
#include "model/bid_text.h"
#include "pbn/pbn_import.h"

namespace tavlo {
namespace {

// Tricks as declarer in each strain, clubs to no trump.
using StrainTricks = std::array<int, 5>;

TrickTable TableOf(const StrainTricks& northSouth, const StrainTricks& eastWest) {
  TrickTable table{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat)
      table[strain][seat] = SideOfSeat(seat) == NorthSouth ? northSouth[strain] : eastWest[strain];
  return table;
}

// The same deal with every hand moved one seat on, clockwise.
TrickTable Turned(const TrickTable& table) {
  TrickTable turned{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat)
      turned[strain][NextSeat(seat)] = table[strain][seat];
  return turned;
}

std::string Spoken(const std::vector<Bid>& calls) {
  std::string text;
  for (const Bid call : calls) text += (text.empty() ? "" : " ") + BidShortText(call);
  return text;
}

struct ParCase {
  const char* name;
  TrickTable tricks;
  int vulnerability;
  std::string par;  // the first par contract as the solver names it
  // The auction with each dealer, North to West.
  std::array<std::string, 4> auctions;
};

void PrintTo(const ParCase& c, std::ostream* out) { *out << c.name; }

// The contracts of these tables stand out: spades for one side, diamonds
// for the other; the rest take 7 tricks at most, which buy nothing.
const StrainTricks SpadeGame{7, 6, 7, 10, 7}, MakesNothing{6, 6, 6, 3, 6};
const StrainTricks DiamondSave{6, 8, 6, 3, 6}, LosesDiamonds{7, 5, 7, 10, 7};

const ParCase ParCases[] = {
    {"GameMakes",
     TableOf(SpadeGame, MakesNothing),
     0,
     "4S-NS",
     {"4S P P P", "P 4S P P P", "4S P P P", "P 4S P P P"}},
    // A game vulnerable against not: going three down in five diamonds
    // doubled costs 500 against 620, so the makers bid their game first.
    {"SacrificeOverTheGame",
     TableOf(SpadeGame, DiamondSave),
     1,
     "5Dx-EW -3",
     {"4S 5D X P P P", "P 4S 5D X P P P", "4S 5D X P P P", "P 4S 5D X P P P"}},
    // Not vulnerable the game scores 420, less than the sacrifice costs.
    {"SacrificeTooDear",
     TableOf(SpadeGame, DiamondSave),
     2,
     "4S-NS",
     {"4S P P P", "P 4S P P P", "4S P P P", "P 4S P P P"}},
    // Only West goes three down; East goes four down: West bids it, though
    // East has the first chance, and North doubles.
    {"SacrificeByOneSeat",
     [] {
       TrickTable table = TableOf(SpadeGame, DiamondSave);
       table[Diamonds][East] = 7;
       return table;
     }(),
     1,
     "5Dx-W -3",
     {"4S P P 5D X P P P", "P 4S 5D X P P P", "4S 5D X P P P", "P 4S P P 5D X P P P"}},
    // Three hearts make, so do two and one with tricks over, for the same
    // 140: the makers bid three, and one down in three spades doubled is
    // bid as the next bid up.
    {"SacrificeOverAPartScore",
     TableOf({6, 6, 9, 5, 6}, {6, 6, 4, 8, 6}),
     0,
     "3Sx-EW -1",
     {"3H 3S X P P P", "P 3H 3S X P P P", "3H 3S X P P P", "P 3H 3S X P P P"}},
    {"NobodyMakesAnything",
     TableOf({6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}),
     3,
     "",
     {"P P P P", "P P P P", "P P P P", "P P P P"}},
};

class AuctionToParTest : public ::testing::TestWithParam<ParCase> {};

TEST_P(AuctionToParTest, EachDealerBidsToParAndTheOtherSideAsWellTurnedRound) {
  const ParCase& c = GetParam();
  for (const bool turned : {false, true}) {
    // Turned a seat round, the deal's sides swap: the same auction starts
    // with the dealer turned along.
    const TrickTable tricks = turned ? Turned(c.tricks) : c.tricks;
    const int vulnerability = turned && c.vulnerability % 3 ? 3 - c.vulnerability : c.vulnerability;
    for (SeatCode dealer = North; dealer <= West; ++dealer) {
      SCOPED_TRACE(std::string(turned ? "turned, " : "") + "dealer " +
                   std::string(SeatNames[dealer]));
      const Result<ParResult> par = ParOfDeal(tricks, vulnerability, dealer);
      ASSERT_TRUE(par) << par.Error();
      if (!turned) {
        EXPECT_EQ(par->Contracts.empty() ? "" : par->Contracts.front().Text(), c.par);
      }
      const std::vector<Bid> calls = AuctionToPar(tricks, *par, vulnerability, dealer);
      EXPECT_EQ(Spoken(calls), c.auctions[turned ? (dealer + 3) % 4 : dealer]);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, AuctionToParTest, ::testing::ValuesIn(ParCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Over random deals, every dealer and vulnerability: the auction is legal,
// over, and ends in the par contract by a seat that may declare it; a
// sacrifice comes after a contract the other side makes, and is doubled by
// that side at once.
TEST(AuctionToPar, RandomDealsEndLegallyInTheirPar) {
  int sacrifices = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    const Result<TrickTable> tricks = DoubleDummyTable(RandomDeal(seed));
    ASSERT_TRUE(tricks) << tricks.Error();
    for (int vulnerability = 0; vulnerability < 4; ++vulnerability) {
      for (SeatCode dealer = North; dealer <= West; ++dealer) {
        const Result<ParResult> par = ParOfDeal(*tricks, vulnerability, dealer);
        ASSERT_TRUE(par) << par.Error();
        const std::vector<Bid> calls = AuctionToPar(*tricks, *par, vulnerability, dealer);
        SCOPED_TRACE("deal " + std::to_string(seed) + ", vulnerability " +
                     std::to_string(vulnerability) + ", dealer " + std::to_string(dealer) + ": " +
                     Spoken(calls));
        const Result<AuctionOutcome> outcome = FollowCalls(calls, dealer);
        ASSERT_TRUE(outcome) << outcome.Error();
        EXPECT_TRUE(outcome->Over);
        if (par->Contracts.empty()) {
          EXPECT_EQ(outcome->ContractBid, Pass);
          continue;
        }
        const ParContract& best = par->Contracts.front();
        EXPECT_EQ(outcome->ContractBid, ContractBidCode(best.Level, best.Strain));
        EXPECT_EQ(outcome->Doubling, best.Doubled ? 1 : 0);
        EXPECT_NE(best.Seats.find(SeatLetters[outcome->Declarer][0]), std::string::npos);
        if (!best.Doubled) continue;
        ++sacrifices;
        // The first bid is the makers' contract, and it makes.
        std::size_t first = 0;
        while (calls[first] == Pass) ++first;
        const auto maker = static_cast<SeatCode>((dealer + first) % 4);
        EXPECT_NE(SideOfSeat(maker), SideOfSeat(outcome->Declarer));
        EXPECT_GE((*tricks)[BidStrain(calls[first])][maker], BidLevel(calls[first]) + 6);
        const auto sacrifice = std::find(calls.begin(), calls.end(), outcome->ContractBid);
        ASSERT_NE(sacrifice + 1, calls.end());
        EXPECT_EQ(*(sacrifice + 1), Double);
      }
    }
  }
  // The deals hold sacrifices, so the rule for them was tried too.
  EXPECT_GT(sacrifices, 0);
}

}  // namespace
}  // namespace tavlo
