#pragma once
// One bench deal played out by one kind of player for all four seats, and
// judged card by card against double-dummy play.

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "analysis/double_dummy.h"
#include "engine/card_rule.h"
#include "model/codes.h"

namespace tavlo {

struct BenchDeal {
  DealHoldings Deal{};
  SeatCode Declarer = North;
  StrainCode Trump = NoTrump;
  int Level = 1;
};

// A contract the deal calls for: the strain and seat with the most
// double-dummy tricks (or the seat that takes most in the strain given) at
// the level the tricks make, kept to 1..7.
BenchDeal ContractFor(const DealHoldings& deal, const TrickTable& table,
                      std::optional<StrainCode> strain);

enum class Player {
  Engine,          // the card choice with its look-ahead
  FirstCandidate,  // the analysis's first candidate, no look-ahead
  Random,          // any legal card
};

struct PlayedDeal {
  std::array<Card, 52> Cards{};
  std::array<bool, 52> Choice{};    // the seat had more than one legal card
  std::vector<double> LatencyMs;    // per card asked for
  std::vector<CardReason> Reasons;  // why the engine played each card
  int BudgetHits = 0;               // decisions the time budget cut short
  int IllegalCards = 0;             // replaced by the lowest legal card
};

PlayedDeal PlayDeal(const BenchDeal& deal, Player player, int thinkingTime, std::mt19937& random);

// How long the user waits at the table, in ms: for each hint, asked for a
// second after the turn arrived (the table has thought ahead meanwhile)
// and asked for at once (the hint being worked out is waited for); and for
// each run of the computer's cards, from the user's act that starts it (a
// card, Start Play, clearing a trick) a second after the table could start
// working it out.
struct TableWaits {
  std::vector<double> AfterASecondMs;
  std::vector<double> AtOnceMs;
  std::vector<double> ComputerMs;
};

// The deal played at the table: South by a user who asks for the hint at
// each turn and plays the hinted card, the other seats by the engine. As
// the table does, the hint is worked out ahead while the user considers a
// card, the computer's answer to the hinted card while the user reads the
// hint, and the computer's run that starts the play or the next trick
// while the user looks at the auction's end or the finished trick; each on
// a thread of its own.
PlayedDeal PlayDealWithHints(const BenchDeal& deal, int thinkingTime, TableWaits& waits);

struct DealQuality {
  int TricksLost = 0;   // both sides together
  int CostlyCards = 0;  // cards that lost at least a trick
  std::string Error;    // from the solver, when it could not judge
};

DealQuality JudgeDeal(const BenchDeal& deal, const PlayedDeal& played);

}  // namespace tavlo
