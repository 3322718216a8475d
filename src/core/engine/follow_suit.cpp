#include "engine/follow_suit.h"

#include <algorithm>

#include "engine/follow_position.h"
#include "engine/signal_card.h"
#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

constexpr Holding RankBits = 0xFFFC;

// A card to follow with, and whether it was chosen on purpose (a count
// signal, the top of a touching doubleton) and is played as it is.
struct Choice {
  Holding card = 0;
  bool exact = false;
};

// The defender's count signal in the suit led, when it gives one.
bool Signal(Follower& f, Choice& choice) {
  Card card = 0;
  f.a.ExactCard = SignalCard(f.context, f.suit, card);
  if (f.a.ExactCard) choice = {card & RankBits, true};
  return f.a.ExactCard;
}

Choice SignalOrLowest(Follower& f) {
  Choice choice{f.view.OwnLowest};
  Signal(f, choice);
  return choice;
}

// The seat cannot win the trick: it shows its count, or third hand unblocks
// a suit that partner runs alone, keeping only its lowest card.
Choice CannotWin(Follower& f) {
  const SuitNotation& s = f.s;
  // At trick one at no trump the suit is partner's opening lead: third hand
  // shows its length before anyone knows whether the suit runs.
  const bool openingTrick = f.play.CardsPlayed == 2 && !f.suited;
  if (f.play.TrickPosition == 3 && !openingTrick && f.view.RunsAll && s.nP >= Maximum(s.TL, s.nO) &&
      NthHighestCard(s.nO, s.P) < s.O && f.PartnerDominates()) {
    return {NthHighestCard(s.nO - 1, s.O)};
  }
  return SignalOrLowest(f);
}

// The cheapest own card above the target; the lowest card, or the signal,
// for LowTarget.
Choice CardForTarget(Follower& f, Holding target) {
  Choice choice;
  if (target == LowTarget && Signal(f, choice)) return choice;
  return {LowestCardAtLeast(f.view, target)};
}

Choice FirstCandidate(Follower& f) {
  Choice choice = CardForTarget(f, f.a.FirstTarget);
  // A defender with two touching cards plays the upper one first: the
  // lower one next shows partner the doubleton and leaves no card blocking.
  if (!choice.exact && f.defending && f.s.nO == 2 && f.s.O == (choice.card | choice.card << 1))
    choice = {choice.card << 1, true};
  return choice;
}

Choice SecondCandidate(Follower& f) {
  const Holding target = f.a.SecondTarget;
  if (target < LowTarget || target == f.a.FirstTarget) return {};
  return CardForTarget(f, target);
}

// The card among touching own cards that the side plays: a defender the
// lowest, so partner can read the cards it denies; declarer and dummy the
// highest, telling the defenders as little as possible.
Card FinishCard(const Follower& f, Choice choice) {
  Holding card = choice.card & RankBits;
  if (!choice.exact) {
    if (f.defending) {
      while (card > TwoBit && (f.s.O & card >> 1)) card >>= 1;
    } else {
      card = TopOfSequence(f.view, card);
    }
  }
  return card | static_cast<Card>(f.suit);
}

// No card of the opponents or of partner, and not the card winning the
// trick, lies between the two: whichever is played, the trick and the
// rest of the suit go the same way.
bool EquivalentCards(const Follower& f, Card a, Card b) {
  const Holding low = std::min(a, b) & RankBits;
  const Holding high = std::max(a, b) & RankBits;
  const Holding between = (high - 1) & ~(low | (low - 1));
  return (between & (f.s.T | f.s.P | (f.W & RankBits))) == 0;
}

// Two candidates that come to the same thing are one: the defence keeps the
// lower, declarer's side the higher, and a card chosen on purpose stays.
void DedupCandidates(const Follower& f, Card& first, bool firstExact, Card& second) {
  if (second == 0 || !EquivalentCards(f, first, second)) return;
  if (!firstExact) first = f.defending ? std::min(first, second) : std::max(first, second);
  second = 0;
}

}  // namespace

void FollowSuit(PlayContext& context, EngineState& engine) {
  Follower f(context, engine);
  AnalysisState& a = f.a;
  const PlayState& play = f.play;
  a.ExactCard = false;
  a.Candidates[1] = 0;

  if (f.s.nO == 1) {
    a.Candidates[0] = f.s.O | static_cast<Card>(f.suit);
    return;
  }

  // Trumped already, or every card below the winner.
  if (play.WinningSuit != play.SuitLed || f.s.O < f.W) {
    a.Candidates[0] = FinishCard(f, CannotWin(f));
    return;
  }

  a.OpponentsWinning = (play.WinningSeat + play.ToPlay) % 2 == 1;
  a.FirstTarget = LowTarget;
  a.SecondTarget = LowTarget;
  if (play.TrickPosition == 2) {
    SecondHand(f);
  } else if (play.TrickPosition == 3) {
    ThirdHand(f);
  } else {
    FourthHand(f);
  }

  const Choice first = FirstCandidate(f);
  const Choice second = SecondCandidate(f);
  Card firstCard = FinishCard(f, first);
  Card secondCard = second.card == 0 ? 0 : FinishCard(f, second);
  DedupCandidates(f, firstCard, first.exact, secondCard);
  a.Candidates[0] = firstCard;
  a.Candidates[1] = secondCard;
}

}  // namespace tavlo
