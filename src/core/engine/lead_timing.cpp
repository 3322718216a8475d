#include "engine/lead_timing.h"

#include <bit>

namespace tavlo {

Ruling LeadTiming(const SuitNotation& s) {
  const auto& [O, P, L, R, U, T, nO, nP, nL, nR, UL, TL, o2, p2, l2, r2, u2, t2, o3, p3, t3,
               ownCanRuff, partnerCanRuff, lhoCanRuff] = s;
  if (T < u2 || nP <= 1) return {0, 1};
  // Partner's second card touching our top card: the honours are as good as
  // in one hand.
  const Holding ownTop = std::bit_floor(O);
  if (nP == 2 && (p2 == 2 * ownTop || ownTop == 2 * p2)) return {0, 2};
  if (T < NthHighestCard(UL, U) || (UL >= TL && T < NthHighestCard(TL, U))) return {0, 3};
  // A singleton honour over us falls whoever leads.
  if ((nR == 1 && U < R) || (nL == 1 && U < L)) return {0, 4};
  if ((T < P || partnerCanRuff) && o2 < L && t2 < o2 && (nL > 2 || (nL == 2 && p2 < L)))
    return {1, 5};
  if ((T < O || ownCanRuff) && p2 < R && t2 < p2 && (nR > 2 || (nR == 2 && o2 < R))) return {-1, 6};
  if ((R | l2) >= o2 || L >= P) return {0, 7};
  return {1, 7};
}

}  // namespace tavlo
