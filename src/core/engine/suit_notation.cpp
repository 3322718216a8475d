#include "engine/suit_notation.h"

namespace tavlo {

SuitNotation NoteSuit(Holding own, Holding partner, Holding lho, Holding rho) {
  SuitNotation s;
  s.O = own;
  s.P = partner;
  s.L = lho;
  s.R = rho;
  s.U = own | partner;
  s.T = lho | rho;
  s.nO = CountCards(own);
  s.nP = CountCards(partner);
  s.nL = CountCards(lho);
  s.nR = CountCards(rho);
  s.UL = Maximum(s.nO, s.nP);
  s.TL = Maximum(s.nL, s.nR);
  s.o2 = NthHighestCard(2, own);
  s.p2 = NthHighestCard(2, partner);
  s.l2 = NthHighestCard(2, lho);
  s.r2 = NthHighestCard(2, rho);
  s.u2 = NthHighestCard(2, s.U);
  s.t2 = NthHighestCard(2, s.T);
  s.o3 = NthHighestCard(3, own);
  s.p3 = NthHighestCard(3, partner);
  s.t3 = NthHighestCard(3, s.T);
  return s;
}

SuitNotation NoteSuit(const SuitView& view) {
  SuitNotation s;
  s.O = *view.OwnCards;
  s.P = *view.PartnerCards;
  s.L = *view.LhoCards;
  s.R = *view.RhoCards;
  s.U = view.OurCards;
  s.T = view.TheirCards;
  s.nO = *view.OwnLength;
  s.nP = *view.PartnerLength;
  s.nL = *view.LhoLength;
  s.nR = *view.RhoLength;
  s.UL = view.OurLength;
  s.TL = view.TheirLength;
  s.o2 = view.OwnSecond;
  s.p2 = view.PartnerSecond;
  s.l2 = view.LhoSecond;
  s.r2 = view.RhoSecond;
  s.u2 = view.OurSecond;
  s.t2 = view.TheirSecond;
  s.o3 = view.OwnThird;
  s.p3 = view.PartnerThird;
  s.t3 = view.TheirThird;
  s.OwnCanRuff = view.OwnCanRuff;
  s.PartnerCanRuff = view.PartnerCanRuff;
  s.LhoCanRuff = view.LhoCanRuff;
  return s;
}

}  // namespace tavlo
