#include "analysis/double_dummy.h"

#include <dds/dll.h>

#include <algorithm>
#include <mutex>

#include "analysis/solver_input.h"
#include "engine/play_out.h"

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

// The solver's picture of the play now: the trick in progress and what the
// hands still hold.
SolverPosition PositionOf(const PlayOut& play) {
  SolverPosition position;
  position.Trump = play.Trump();
  position.TrickLeader = play.TrickLeader();
  const auto trick = play.TrickInProgress();
  for (std::size_t at = 0; at < trick.size(); ++at) position.Trick[at] = trick[at].Card;
  position.Left = play.Left();
  return position;
}

struct deal SolverDeal(const SolverPosition& position) {
  struct deal dl {};
  dl.trump = SolverStrain(position.Trump);
  dl.first = position.TrickLeader;
  for (int at = 0; at < 3 && position.Trick[at] != 0; ++at) {
    dl.currentTrickSuit[at] = SolverSuit(CardSuit(position.Trick[at]));
    dl.currentTrickRank[at] = CardRank(position.Trick[at]);
  }
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit)
      dl.remainCards[seat][SolverSuit(suit)] = position.Left[seat][suit];
  return dl;
}

// The solver's answer at the play: the request checked first, so every
// refusal is ours.
Result<futureTricks> Solve(const PlayOut& play, const SolverRequest& request) {
  if (play.Over()) return Reason{"The hand is over"};
  const SolverPosition position = PositionOf(play);
  if (Status accepted = CheckSolverInput(position, request); !accepted)
    return Reason{accepted.Error()};
  futureTricks future{};
  std::lock_guard guard(SolverLock());
  PrepareSolver();
  if (const int code = SolveBoard(SolverDeal(position), request.Target, request.Solutions,
                                  request.Mode, &future, 0);
      code != RETURN_NO_FAULT)
    return Reason{SolverError(code)};
  return future;
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

Result<TrickTable> DoubleDummyTable(const DealHoldings& deal) {
  if (Status whole = CheckWholeDeal(deal); !whole) return Reason{whole.Error()};
  std::lock_guard guard(SolverLock());
  PrepareSolver();
  ddTableResults results{};
  if (const int code = CalcDDtable(TableDealOf(deal), &results); code != RETURN_NO_FAULT)
    return Reason{SolverError(code)};
  TrickTable table{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat)
      table[strain][seat] = results.resTable[SolverStrain(strain)][seat];
  return table;
}

Result<ParResult> ParOfDeal(const TrickTable& table, int vulnerability, SeatCode dealer) {
  ddTableResults results{};
  for (int strain = Clubs; strain <= NoTrump; ++strain)
    for (int seat = North; seat <= West; ++seat) {
      if (table[strain][seat] < 0 || table[strain][seat] > 13)
        return Reason{"A trick count is not 0 to 13"};
      results.resTable[SolverStrain(strain)][seat] = table[strain][seat];
    }
  std::lock_guard guard(SolverLock());
  PrepareSolver();
  parResultsMaster master{};
  if (const int code =
          DealerParBin(&results, &master, dealer & 3, SolverVulnerability(vulnerability));
      code != RETURN_NO_FAULT)
    return Reason{SolverError(code)};
  ParResult par;
  par.ScoreNorthSouth = master.score;
  for (int at = 0; at < std::clamp(master.number, 0, 10); ++at) {
    const contractType& found = master.contracts[at];
    if (found.level < 1 || found.level > 7 || found.seats < 0 || found.seats > 5) continue;
    par.Contracts.push_back({found.level, ParStrain(found.denom),
                             std::string(ParSeats[found.seats]), found.underTricks > 0,
                             found.overTricks, found.underTricks});
  }
  return par;
}

Result<PlayValues> ValuesOfCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                                 std::span<const Card> played) {
  if (Status whole = CheckWholeDeal(deal); !whole) return Reason{whole.Error()};
  if (played.size() == 52) return Reason{"The hand is over"};
  const Result<PlayOut> play = ReplayCards(deal, trump, leader, played);
  if (!play) return Reason{play.Error()};
  return ValuesOfCards(*play);
}

Result<PlayValues> ValuesOfCards(const PlayOut& play) {
  // Every card with its score, searched even when it is the only one.
  const Result<futureTricks> future = Solve(play, {-1, 3, 1});
  if (!future) return future.Why();
  PlayValues values;
  values.ToPlay = play.ToPlay();
  for (int at = 0; at < std::clamp(future->cards, 0, 13); ++at) {
    const StrainCode suit = OurSuit(future->suit[at]);
    values.Cards.push_back({MakeCard(future->rank[at], suit), future->score[at]});
    // Lower cards the solver found equal to this one share its value.
    for (int rank = 2; rank <= Ace; ++rank)
      if (future->equals[at] & (1 << rank))
        values.Cards.push_back({MakeCard(rank, suit), future->score[at]});
  }
  std::sort(values.Cards.begin(), values.Cards.end(), [](const CardValue& a, const CardValue& b) {
    if (a.Tricks != b.Tricks) return a.Tricks > b.Tricks;
    if (CardSuit(a.Played) != CardSuit(b.Played)) return CardSuit(a.Played) > CardSuit(b.Played);
    return a.Played > b.Played;
  });
  return values;
}

Result<int> TricksOfSideToPlay(const PlayOut& play) {
  const Result<futureTricks> future = Solve(play, {-1, 1, 1});
  if (!future) return future.Why();
  return future->score[0];
}

Result<bool> SideToPlayTakes(const PlayOut& play, int target) {
  const Result<futureTricks> future = Solve(play, {target, 1, 1});
  if (!future) return future.Why();
  // The solver scores -1 when no card reaches the target.
  return future->score[0] >= target;
}

Result<Card> BestCard(const PlayOut& play) {
  const Result<futureTricks> future = Solve(play, {-1, 1, 1});
  if (!future) return future.Why();
  return MakeCard(future->rank[0], OurSuit(future->suit[0]));
}

}  // namespace tavlo
