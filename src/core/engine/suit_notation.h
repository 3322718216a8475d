#pragma once
// One suit as seen from one chair, in the short names the suit rules are
// written in: O, P, L, R are own, partner's, left-hand and right-hand
// opponent's holdings; U and T our and their cards together; o2, p3 and the
// like the second and third highest cards. Holdings of different players are
// disjoint, so X < Y between two of them means Y holds the higher top card.

#include "model/codes.h"
#include "model/hand_data.h"

namespace tavlo {

struct SuitNotation {
  Holding O = 0, P = 0, L = 0, R = 0;
  Holding U = 0, T = 0;
  int nO = 0, nP = 0, nL = 0, nR = 0;
  int UL = 0, TL = 0;  // the longer of our two hands, of theirs
  Holding o2 = 0, p2 = 0, l2 = 0, r2 = 0, u2 = 0, t2 = 0;
  Holding o3 = 0, p3 = 0, t3 = 0;
  bool OwnCanRuff = false, PartnerCanRuff = false, LhoCanRuff = false;
};

// The suit from four holdings, as when setting up a layout on paper; ruff
// flags stay clear.
SuitNotation NoteSuit(Holding own, Holding partner, Holding lho, Holding rho);

// The suit from a refreshed view whose third-card fields the estimate has
// just filled.
SuitNotation NoteSuit(const SuitView& view);

}  // namespace tavlo
