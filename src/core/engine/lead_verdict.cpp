#include "engine/lead_verdict.h"

namespace tavlo {

Ruling LeadVerdict(const SuitNotation& s) {
  const auto& [O, P, L, R, U, T, nO, nP, nL, nR, UL, TL, o2, p2, l2, r2, u2, t2, o3, p3, t3,
               ownCanRuff, partnerCanRuff, lhoCanRuff] = s;
  // A side with a singleton, or a suit one side owns from the top: nothing
  // to gain or lose by who leads it.
  if (TL <= 1 || UL <= 1) return {0, 1};
  const int m = Minimum(UL, TL);
  if (T < NthHighestCard(m, U)) return {0, 2};
  if (U < NthHighestCard(m, T)) return {0, 3};
  // Partner's tenace sits over LHO's honour: lead up to it.
  if ((R | t2) < p2 && p2 < L && L < P) return {1, 4};
  if (T < P && t2 < p2 && p2 < R) return {-1, 5};
  if ((R | t2) < o2 && o2 < L && nL >= 2 && L < O && P < T) return {-1, 6};
  if (nO > 2 && U < t2 && t3 < u2) return {t2 >= NthHighestCard(3, U) ? -1 : 0, 7};
  // Our top honour with a long gap under it and RHO over it: opening the
  // suit gives the trick away.
  if ((L | P) < O && R >= O && nO > 1 && nR > 1 && P < t2 && 2 * o2 < O / 2) return {-2, 8};
  if ((L | t2) < o2 && o2 < R && R < O && nR > 1) return {T >= P ? -1 : 0, 9};
  if (O < T && (R | t2) < P && P < L && nP > 1 && nL > 1) return {1, 10};
  if ((L | t2) < O && O < R && P < r2 && u2 < t2 && nO >= 2 && nR >= 2) return {-1, 11};
  if (t2 < O && R < O && nL > 1 && O < L) {
    if (t2 < o2 && T < P) return {1, 12};
    if (t2 < u2 && (u2 & P) && (u2 < L || T < P)) return {1, 12};
    if (t2 >= O || T >= P || nO < 2) return {t2 < P || nR == 1 ? 0 : -1, 12};
    return {-1, 12};
  }
  if (L < P && P < R && nR > 1 && o2 < t2 &&
      ((p2 < r2 && nP > 1) || (t2 < P && nL > 1 && o2 < t2 && p2 < t2))) {
    const Holding theirSeconds = r2 | l2;
    if (theirSeconds < p2 || (theirSeconds < O && theirSeconds < o2)) return {1, 13};
    if (T < O && nO == 1) return {0, 13};
    if (U < t2 && (TL < 3 || NthHighestCard(4, T) < u2)) return {0, 13};
    return {t2 >= u2 ? -1 : 0, 13};
  }
  if (nP >= 3 && T < p2 && (R | p3) < L && nO >= 1 && R < p3) return {1, 14};
  if (nO >= 3 && T < o2 && nR >= 3 && (L | o3) < R && nP >= 1 && P < T && L < o3) return {-1, 15};
  if (nP >= 3 && (((O | T) < P && (O | R) < p2 && p2 < l2) || ((R | t2) < P && O < T && t3 < o2)))
    return {1, 16};
  if ((R | P) < O && U < L && nL > 1) {
    if (U < NthHighestCard(UL, L) || t2 < (P | o2) || (U < l2 && (TL < 3 || t3 < (o3 | p2))))
      return {0, 17};
    return {O >= NthHighestCard(nO, T) ? -1 : 0, 17};
  }
  if ((U < R && (L | r2) < P && t2 < p2) || (lhoCanRuff && R < P)) return {1, 18};
  if ((L | r2) < O && O < R && nR >= 2 && o2 < r2) return {-1, 19};
  if (TL > 2 && nO > 2 && U < t2 && P < o2) return {t3 >= O || !(t3 & L) ? 0 : -1, 20};
  if ((O & AceBit) && (O & KingBit) && (L & QueenBit) && (P & JackBit) && nO > 3 && nL > 2 &&
      nP > 1)
    return {1, 21};
  if (O < T && nP >= 3 && P < L && P < R && t2 < P)
    return {NthHighestCard(3, R) < p2 && r2 < p2 ? 1 : -1, 22};
  if (R >= O || nO < 4) return {0, 23};
  if (p2 >= R) return {0, 24};
  return {-1, 25};
}

}  // namespace tavlo
