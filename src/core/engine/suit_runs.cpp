#include "engine/suit_runs.h"

#include <bit>

namespace tavlo {

void WorkHand::PlayLowest() {
  if (Length == 0) return;
  Cards &= ~LowestCard(Cards);
  --Length;
}

void WorkHand::PlayTop() {
  if (Length == 0) return;
  Cards &= ~std::bit_floor(Cards);
  --Length;
}

void WorkHand::Play(Holding card) {
  Cards &= ~card;
  --Length;
}

namespace {

// The cashing hands a and b lead out winners while the defenders d1 and d2
// follow low. The ruff stop watches LHO's trumps against d2's void and RHO's
// against d1's.
int CashRun(WorkHand& a, WorkHand& b, WorkHand& d1, WorkHand& d2, RuffWatch watch) {
  for (int tricks = 0;; ++tricks) {
    const Holding defenders = d1.Cards | d2.Cards;
    if (defenders >= (a.Cards | b.Cards)) return tricks;
    if ((watch.LhoHoldsTrumps && d2.Length == 0) || (watch.RhoHoldsTrumps && d1.Length == 0))
      return tricks;
    // A plays the winner unless B's last card must be cashed first.
    const bool aWins = (b.Length != 1 || defenders >= b.Cards) &&
                       (b.Cards < a.Cards || (a.Length == 1 && defenders < a.Cards));
    WorkHand& winner = aWins ? a : b;
    WorkHand& other = aWins ? b : a;
    winner.PlayTop();
    other.PlayLowest();
    d1.PlayLowest();
    d2.PlayLowest();
  }
}

}  // namespace

int OurCashRun(WorkHands& hands, RuffWatch watch) {
  return CashRun(hands.Own, hands.Partner, hands.Rho, hands.Lho, watch);
}

int TheirCashRun(WorkHands& hands, RuffWatch watch) {
  return CashRun(hands.Lho, hands.Rho, hands.Partner, hands.Own, watch);
}

int OurTopRun(WorkHands& hands, int verdict, bool leading, RuffWatch watch, int& ownTricks,
              int& partnerTricks) {
  WorkHand& own = hands.Own;
  WorkHand& partner = hands.Partner;
  WorkHand& lho = hands.Lho;
  WorkHand& rho = hands.Rho;
  bool lhoPlaysHigh = false;
  bool rhoPlaysHigh = false;
  for (int tricks = 0;; ++tricks) {
    const Holding theirs = lho.Cards | rho.Cards;
    if (theirs >= own.Cards + partner.Cards) return tricks;
    if ((watch.LhoHoldsTrumps && lho.Length == 0) || (watch.RhoHoldsTrumps && rho.Length == 0))
      return tricks;
    // With the verdict for it, partner finesses against RHO on the first
    // round rather than cashing the top card.
    const bool finesse = verdict > 0 && rho.Cards < NthHighestCard(2, partner.Cards);
    if (partner.Length < own.Length && theirs < partner.Cards) {
      // Partner's winner from the short hand first, so the long hand keeps
      // the lead.
      Holding card = std::bit_floor(partner.Cards);
      if (finesse) {
        const Holding third = NthHighestCard(3, partner.Cards);
        card = rho.Cards < third ? third : NthHighestCard(2, partner.Cards);
      }
      if (own.Length > 0) ++partnerTricks;
      lhoPlaysHigh = !leading && rho.Cards < card;
      partner.Play(card);
      own.PlayLowest();
    } else if (theirs < own.Cards || partner.Cards < own.Cards) {
      const Holding card = std::bit_floor(own.Cards);
      if (theirs < card) ++ownTricks;
      rhoPlaysHigh = !leading && lho.Cards < card;
      own.Play(card);
      partner.PlayLowest();
    } else {
      const Holding card =
          finesse ? NthHighestCard(2, partner.Cards) : std::bit_floor(partner.Cards);
      if (own.Length > 0) ++partnerTricks;
      partner.Play(card);
      own.PlayLowest();
    }
    lhoPlaysHigh ? lho.PlayTop() : lho.PlayLowest();
    rhoPlaysHigh ? rho.PlayTop() : rho.PlayLowest();
    verdict = 0;
  }
}

}  // namespace tavlo
