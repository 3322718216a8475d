#pragma once
// Playing a suit out on paper: copies of the four hands in one suit, and the
// runs of tricks a side cashes from the top of them. The estimate plays these
// runs on its copies, never on the real hands.

#include "model/codes.h"

namespace tavlo {

// One hand's cards in the suit being played out.
struct WorkHand {
  Holding Cards = 0;
  int Length = 0;

  // A void hand discards elsewhere, so nothing leaves it.
  void PlayLowest();
  void PlayTop();
  void Play(Holding card);
};

// The four hands seen from the chair to play.
struct WorkHands {
  WorkHand Own, Partner, Lho, Rho;
};

// Opponents who would ruff the suit once void in it: set only in a trump
// contract for a side suit, from who still holds trumps.
struct RuffWatch {
  bool LhoHoldsTrumps = false;
  bool RhoHoldsTrumps = false;
};

// Tricks our side (own hand and partner) takes in a row from the top.
int OurCashRun(WorkHands& hands, RuffWatch watch);
// Tricks the opponents take in a row from the top. The ruff stop looks at
// LHO's and RHO's trumps even here: LHO against own hand void, RHO against
// partner void.
int TheirCashRun(WorkHands& hands, RuffWatch watch);

// Tricks our side takes from the top when it holds the highest card, the
// short hand's winners first. A positive verdict has partner finesse with a
// lower card on the first round. When we are not first to the trick, an
// opponent whose partner's cards are all beaten by our winner plays its top
// cards from then on. Credits each trick to ownTricks or partnerTricks as it
// goes.
int OurTopRun(WorkHands& hands, int verdict, bool leading, RuffWatch watch, int& ownTricks,
              int& partnerTricks);

}  // namespace tavlo
