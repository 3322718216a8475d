#pragma once
// What the double-dummy solver is given, checked before it sees it. The
// solver refuses input it does not accept by writing a dump of it into the
// current folder, which is the user's, wherever the program was started;
// and a deal it accepts but should not can keep it searching for minutes
// or end the process. So nothing reaches it that it could refuse: every
// refusal is ours, a reason the user reads.

#include <array>

#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

// A position of the play as the solver takes it.
struct SolverPosition {
  StrainCode Trump = NoTrump;
  SeatCode TrickLeader = North;
  // The cards of the trick in progress from its leader; 0 past the last.
  std::array<Card, 3> Trick{};
  DealHoldings Left{};  // what each hand still holds, [seat][suit]
};

// How the solver is asked: the tricks to aim for (-1 the most it can), how
// many cards to answer for (3 every legal card) and whether it may reuse
// its last search.
struct SolverRequest {
  int Target = -1;
  int Solutions = 3;
  int Mode = 1;
};

// A whole deal: every card once, thirteen to each seat.
Status CheckWholeDeal(const DealHoldings& deal);

// The position and the request as the solver accepts them: a strain and a
// leader, the cards of the trick in progress real cards and in no hand, no
// card twice, the seats still to play to the trick one card longer than
// the ones that have, some card left, and a target, a number of solutions
// and a mode it knows.
Status CheckSolverInput(const SolverPosition& position, const SolverRequest& request);

}  // namespace tavlo
