#include "analysis/double_dummy.h"

#include <dds/dll.h>

#include <algorithm>
#include <mutex>

namespace tavlo {

namespace {

// The solver keeps its transposition tables per thread index; one index
// and a lock let any thread of ours ask, one at a time.
std::mutex& SolverLock() {
  static std::mutex lock;
  return lock;
}

void PrepareSolver() {
  static std::once_flag once;
  // One solving thread. Its memory is capped: left to itself the solver
  // takes some hundred megabytes, and below about 30 it cannot solve at all.
  std::call_once(once, [] { SetResources(40, 1); });
}

// The solver counts suits from spades down, no trump last.
constexpr int SolverStrain(int strain) { return strain == NoTrump ? 4 : Spades - strain; }
constexpr int SolverSuit(int suit) { return Spades - suit; }
constexpr StrainCode OurSuit(int solverSuit) {
  return static_cast<StrainCode>(Spades - solverSuit);
}

// Our vulnerability codes (none, N-S, E-W, both) in the solver's order
// (none, both, N-S, E-W).
constexpr int SolverVulnerability(int vulnerability) {
  constexpr std::array<int, 4> codes{0, 2, 3, 1};
  return codes[vulnerability & 3];
}

std::string SolverError(int code) {
  char line[80] = {};
  ErrorMessage(code, line);
  return "Double-dummy solver: " + std::string(line);
}

template <typename T>
Solved<T> Failure(std::string error) {
  return Solved<T>{std::nullopt, std::move(error)};
}

// The solver trusts its deal: a card twice or a hand of the wrong size can
// keep it searching for minutes or end the process. Only a whole deal,
// every card once and thirteen to each seat, goes to it.
std::string DealProblemOf(const DealHoldings& deal) {
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Holding seen = 0;
    for (const auto& hand : deal) {
      if ((hand[suit] & ~0x7FFCu) != 0) return "A holding has bits that are no rank";
      if ((seen & hand[suit]) != 0)
        return "The deal holds the " + CardText(HighestCard(seen & hand[suit]) | suit) + " twice";
      seen |= hand[suit];
    }
  }
  for (int seat = North; seat <= West; ++seat) {
    int cards = 0;
    for (Holding suit : deal[seat]) cards += CountCards(suit);
    if (cards != 13)
      return "The " + std::string(SeatNames[seat]) + " hand holds " + std::to_string(cards) +
             " cards, not 13";
  }
  return {};
}

ddTableDeal TableDealOf(const DealHoldings& deal) {
  ddTableDeal table{};
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit)
      table.cards[seat][SolverSuit(suit)] = deal[seat][suit];
  return table;
}

// Our strains from the par contract's: no trump first, then spades down.
constexpr StrainCode ParStrain(int denom) {
  return denom == 0 ? NoTrump : static_cast<StrainCode>(Spades - (denom - 1));
}

constexpr std::array<std::string_view, 6> ParSeats{"N", "E", "S", "W", "NS", "EW"};

// The state of the play after the cards played: what is left in each hand,
// the current trick and the seat to play. Empty Error when every card was
// held and followed suit.
struct PlayWalk {
  DealHoldings Remaining{};
  SeatCode TrickLeader = North;
  SeatCode ToPlay = North;
  std::array<Card, 3> Trick{};
  int InTrick = 0;
  std::string Error;
};

PlayWalk WalkPlay(const DealHoldings& deal, int trump, SeatCode leader,
                  std::span<const Card> played) {
  PlayWalk walk;
  walk.Remaining = deal;
  walk.TrickLeader = walk.ToPlay = leader;
  std::array<Card, 4> trick{};
  for (std::size_t at = 0; at < played.size(); ++at) {
    const Card card = played[at];
    auto& hand = walk.Remaining[walk.ToPlay];
    const int suit = CardSuit(card);
    const Holding rank = card & RankBits;
    const bool held = std::has_single_bit(rank) && (hand[suit] & rank) != 0;
    const bool follows =
        walk.InTrick == 0 || suit == CardSuit(trick[0]) || hand[CardSuit(trick[0])] == 0;
    if (!held || !follows) {
      walk.Error = "Card " + std::to_string(at + 1) + " (" + CardText(card) + ") " +
                   (held ? "does not follow suit"
                         : "is not in the hand of " + std::string(SeatNames[walk.ToPlay]));
      return walk;
    }
    hand[suit] &= ~rank;
    trick[walk.InTrick++] = card;
    if (walk.InTrick == 4) {
      walk.TrickLeader = walk.ToPlay = TrickWinner(trick, walk.TrickLeader, trump);
      walk.InTrick = 0;
    } else {
      walk.ToPlay = NextSeat(walk.ToPlay);
    }
  }
  std::copy_n(trick.begin(), 3, walk.Trick.begin());
  return walk;
}

}  // namespace

std::string ParContract::Text() const {
  std::string text = std::to_string(Level) + std::string(StrainLetters[Strain]);
  if (Doubled) text += "x";
  text += "-" + Seats;
  if (Overtricks > 0) text += " +" + std::to_string(Overtricks);
  if (Undertricks > 0) text += " -" + std::to_string(Undertricks);
  return text;
}

int PlayValues::Cost(Card card) const {
  for (const CardValue& value : Cards)
    if (value.Played == card) return Best() - value.Tricks;
  return -1;
}

Solved<TrickTable> DoubleDummyTable(const DealHoldings& deal) {
  if (std::string problem = DealProblemOf(deal); !problem.empty())
    return Failure<TrickTable>(std::move(problem));
  std::lock_guard guard(SolverLock());
  PrepareSolver();
  ddTableResults results{};
  if (const int code = CalcDDtable(TableDealOf(deal), &results); code != RETURN_NO_FAULT)
    return Failure<TrickTable>(SolverError(code));
  TrickTable table{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat)
      table[strain][seat] = results.resTable[SolverStrain(strain)][seat];
  return {table, {}};
}

Solved<ParResult> ParOfDeal(const TrickTable& table, int vulnerability, SeatCode dealer) {
  ddTableResults results{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat) {
      if (table[strain][seat] < 0 || table[strain][seat] > 13)
        return Failure<ParResult>("A trick count is not 0 to 13");
      results.resTable[SolverStrain(strain)][seat] = table[strain][seat];
    }
  std::lock_guard guard(SolverLock());
  PrepareSolver();
  parResultsMaster master{};
  if (const int code =
          DealerParBin(&results, &master, dealer & 3, SolverVulnerability(vulnerability));
      code != RETURN_NO_FAULT)
    return Failure<ParResult>(SolverError(code));
  ParResult par;
  par.ScoreNorthSouth = master.score;
  for (int at = 0; at < std::clamp(master.number, 0, 10); ++at) {
    const contractType& found = master.contracts[at];
    if (found.level < 1 || found.level > 7 || found.seats < 0 || found.seats > 5) continue;
    par.Contracts.push_back({found.level, ParStrain(found.denom),
                             std::string(ParSeats[found.seats]), found.underTricks > 0,
                             found.overTricks, found.underTricks});
  }
  return {par, {}};
}

Solved<PlayValues> ValuesOfCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                                 std::span<const Card> played) {
  if (std::string problem = DealProblemOf(deal); !problem.empty())
    return Failure<PlayValues>(std::move(problem));
  if (played.size() >= 52) return Failure<PlayValues>("The hand is over");
  const PlayWalk walk = WalkPlay(deal, trump, leader & 3, played);
  if (!walk.Error.empty()) return Failure<PlayValues>(walk.Error);

  struct deal dl {};
  dl.trump = SolverStrain(trump);
  dl.first = walk.TrickLeader;
  for (int at = 0; at < walk.InTrick; ++at) {
    dl.currentTrickSuit[at] = SolverSuit(CardSuit(walk.Trick[at]));
    dl.currentTrickRank[at] = CardRank(walk.Trick[at]);
  }
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit)
      dl.remainCards[seat][SolverSuit(suit)] = walk.Remaining[seat][suit];

  futureTricks future{};
  {
    std::lock_guard guard(SolverLock());
    PrepareSolver();
    // Every card with its score, searched even when it is the only one.
    if (const int code = SolveBoard(dl, -1, 3, 1, &future, 0); code != RETURN_NO_FAULT)
      return Failure<PlayValues>(SolverError(code));
  }
  PlayValues values;
  values.ToPlay = walk.ToPlay;
  for (int at = 0; at < std::clamp(future.cards, 0, 13); ++at) {
    const StrainCode suit = OurSuit(future.suit[at]);
    values.Cards.push_back({MakeCard(future.rank[at], suit), future.score[at]});
    // Lower cards the solver found equal to this one share its value.
    for (int rank = 2; rank <= Ace; ++rank)
      if (future.equals[at] & (1 << rank))
        values.Cards.push_back({MakeCard(rank, suit), future.score[at]});
  }
  std::sort(values.Cards.begin(), values.Cards.end(), [](const CardValue& a, const CardValue& b) {
    if (a.Tricks != b.Tricks) return a.Tricks > b.Tricks;
    if (CardSuit(a.Played) != CardSuit(b.Played)) return CardSuit(a.Played) > CardSuit(b.Played);
    return a.Played > b.Played;
  });
  return {values, {}};
}

}  // namespace tavlo
