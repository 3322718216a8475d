#include "engine/opening_lead.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>

namespace tavlo {

namespace {

constexpr Holding TenOrHigher = AceBit | KingBit | QueenBit | JackBit | TenBit;

// The leader's holding in one suit as the scoring reads it; missing cards
// count as twos.
struct SuitShape {
  int Count = 0;
  int Top = 2, Second = 2, Third = 2, Fourth = 2;
  int Low = 2;
};

SuitShape ShapeOf(const TSuitData& held) {
  return {held.Length,
          held.NthHighestRank(1),
          held.NthHighestRank(2),
          held.NthHighestRank(3),
          held.NthHighestRank(4),
          held.LowestRank()};
}

// What a holding offers as the lead: an active score (the tricks it may set
// up), a passive score (how little it gives away), the card it would lead,
// and a bonus for a solid sequence, safe and attacking at once.
struct Proposal {
  int Active = 0;
  int Passive = 0;
  int Rank = 2;
  int Bonus = 0;
};

// A short suit is led for a ruff; at no trump, or with no trumps to ruff
// with, it sets up nothing and is worth little.
Proposal ShortSuit(const SuitShape& s, bool noRuff) {
  int c = 0;
  if (s.Count == 1) {
    c = s.Top == Ace ? 4 : s.Top >= Queen ? Ace - s.Top : 9;
    if (noRuff) c -= 4;
  } else {
    c = s.Top == Ace ? 3 : s.Top == King ? 0 : Ace - s.Top;
  }
  if (noRuff) c = Maximum(1, c - 6);
  return {c + 4, c, s.Top};
}

Proposal ThreeCards(const SuitShape& s, bool notrump) {
  if (s.Top < 10) return {2, 8, s.Top};
  if (s.Top == Ace) {
    if (s.Second == King) return {15, 12, King};
    if (s.Second < Jack) return {4, 1, Ace};
    if (!notrump) return {10, 1, Ace};
    return s.Second == Jack ? Proposal{3, 1, Jack} : Proposal{4, 1, Queen};
  }
  if (s.Second == s.Top - 1 && s.Low >= s.Second - 2) return {s.Top, s.Top, s.Top};
  switch (s.Top) {
    case 10:
      return {3, 5, s.Low};
    case Jack:
      return {1, 0, s.Low};
    case Queen:
      return {6, 6, s.Low};
    default:
      return {10, 5, s.Low};
  }
}

Proposal LongSuitInSuitContract(const SuitShape& s, const TSuitData& held, int level,
                                bool trumpSuit) {
  if (s.Top < 10) return {5, 5, s.Top};
  if (s.Top == Ace) {
    if (s.Second == Queen) return {3, 0, Ace};
    if (s.Second != King) return {7, 1, Ace};
    // Cashing the top tricks at once is worth most against a high contract.
    if (s.Third != Queen && level <= 3) return {2 * s.Count - 2, 2 * s.Count - 3, King};
    return {25, 18, King};
  }
  if (s.Second == s.Top - 1 && s.Third >= s.Second - 2) return {s.Top + 4, s.Top, s.Top, 12};
  if ((s.Top > Jack && s.Second == 10 && s.Third == 9) ||
      (s.Top == King && s.Second == Jack && s.Third == 10)) {
    return {15, 1, s.Second};
  }
  // King-queen with a third card of ten or more was a sequence above.
  if (s.Top == King && s.Second == Queen) return {13, 2, King};
  const int m = s.Top - s.Second == 2 ? held.HighCardPoints() + 1
                                      : 4 * PositiveDifference(s.Count, 4) + held.HighCardPoints();
  switch (s.Top) {
    case Jack:
      return {m + 1, m + 1, s.Fourth};
    case Queen:
      return {m + 5, m + 1, s.Fourth};
    case King:
      return {m + 4, m + 2, s.Fourth};
    default:
      return trumpSuit ? Proposal{m + 4, m + 8, s.Fourth} : Proposal{m + 2, m + 8, s.Top};
  }
}

Proposal LongSuitAtNoTrump(const SuitShape& s, const TSuitData& held) {
  const int count = s.Count;
  if (s.Top == Ace && (s.Second == Jack || s.Second == 10) && s.Third == s.Second - 1) {
    return {2 * count + 2, 2 * count - 3, s.Second};
  }
  const bool touching = s.Second == s.Top - 1 && s.Third == s.Second - 1;
  if (touching || (s.Top == Ace && s.Second == Queen && s.Third == Jack)) {
    return {4 * count, 5 * count, s.Top};
  }
  int m = 2 * count + 3 + held.HighCardPoints();
  if ((s.Top == Ace && s.Second == Queen) || (s.Top == King && s.Second == Jack)) m -= 3;
  return {m, m + 4, s.Fourth};
}

// 20 for a suit the lead director names in upper case, 10 in lower case.
int DirectorBonus(std::string_view director, int suit) {
  const char letter = StrainLetters[suit][0];
  for (const char c : director) {
    if (std::toupper(static_cast<unsigned char>(c)) != letter) continue;
    return c == letter ? 20 : 10;
  }
  return 0;
}

int FinishScore(const PlayContext& context, const OpeningLeadFacts& facts, int suit,
                const SuitShape& s, const Proposal& proposal, int score) {
  const PlayState& play = context.Play;
  const THands& leader = HandToPlay(context.Hands, play);
  const TSuitData& held = leader.Suits[suit];
  // A grand slam goes down only to an ace: cash it.
  if (play.ContractLevel == 7 && held.Holds(Ace)) return 50;
  if (suit == play.Trump) {
    // A trump lead is safe from small trumps or the ace, and costs a
    // trick from an unsupported queen or king.
    if (s.Top < Queen || s.Top == Ace) {
      if (s.Count < 3)
        score = s.Second <= 10 ? Maximum(score, proposal.Passive + 3) : 1;
      else
        score = score - s.Count + 3;
    } else {
      score -= 10;
    }
  } else if (held.IsTenace()) {
    score -= 9;  // a tenace wants declarer to lead the suit
  }
  if (s.Top == Jack && s.Count > 2) score -= 3;
  score += 3;
  if (play.Trump == NoTrump) {
    if (leader.HighCardPoints > (3 * play.ContractLevel + 26) / 2) score += 1;
    // A long suit with honours may be set up and run once declarer's stoppers are gone.
    if (s.Count > 4)
      score += 2 * s.Count + static_cast<int>(std::nearbyint(3 * held.HonourCount()));
  }
  return score + DirectorBonus(facts.LeadDirector, suit);
}

// The lead the leader's side plays without a table's word: the top of a
// sequence, else by the bidding system's carding.
Holding DefaultLead(const TSuitData& held, int biddingSystem, Holding suitCard) {
  const int top = held.NthHighestRank(1), second = held.NthHighestRank(2);
  if (held.Length >= 3 && top >= Jack && second == top - 1 &&
      held.NthHighestRank(3) >= second - 1) {
    return HighestCard(held.Cards);
  }
  if (biddingSystem == 0) return held.Length >= 3 ? held.LowestCard() : suitCard;
  // Low from an odd number, second-lowest from an even one.
  return held.Length % 2 ? held.LowestCard() : NthHighestCard(held.Length - 1, held.Cards);
}

}  // namespace

int Aggression(const PlayContext& context, const OpeningLeadFacts& facts) {
  const PlayState& play = context.Play;
  const int highGame = facts.BidCount <= 11 && play.ContractLevel > 3 ? 1 : 0;
  const int lean = highGame - 3 - HandToPlay(context.Hands, play).HighCardPoints / 4;
  return std::clamp(lean, -5, 5) + 5;
}

SuitChoice ScoreSuit(const PlayContext& context, const OpeningLeadFacts& facts, int aggression,
                     int suit) {
  const PlayState& play = context.Play;
  const THands& leader = HandToPlay(context.Hands, play);
  const TSuitData& held = leader.Suits[suit];
  const SuitShape s = ShapeOf(held);
  const bool notrump = play.Trump == NoTrump;
  Proposal proposal;
  if (s.Count <= 2)
    proposal = ShortSuit(s, notrump || leader.Suits[play.Trump].Length == 0);
  else if (s.Count == 3)
    proposal = ThreeCards(s, notrump);
  else if (notrump)
    proposal = LongSuitAtNoTrump(s, held);
  else
    proposal = LongSuitInSuitContract(s, held, play.ContractLevel, suit == play.Trump);
  // Aggression weighs the active score against the passive one, in tenths.
  const int tenths = (proposal.Active - proposal.Passive) * aggression + 10 * proposal.Passive;
  const int mixed = static_cast<int>(std::nearbyint(tenths / 10.0)) + proposal.Bonus;
  return {FinishScore(context, facts, suit, s, proposal, mixed), Holding{1} << proposal.Rank};
}

LeadKey::LeadKey(StrainCode trump, Holding cards) {
  text_[length_++] = trump == NoTrump ? 'N' : 'S';
  const int count = CountCards(cards);
  if ((cards & TenOrHigher) == 0) {
    for (int k = 0; k < count; ++k) text_[length_++] = 'X';
    return;
  }
  char previous = 0;
  for (int n = 1; n <= Minimum(count, 4); ++n) {
    const int rank = std::countr_zero(NthHighestCard(n, cards));
    // A nine counts only as the ten's partner in a sequence.
    const char letter = rank >= 10 ? RankLetters[rank] : rank == 9 && previous == 'T' ? '9' : 'X';
    text_[length_++] = previous = letter;
  }
}

LeadKey LeadKey::NineAsLowCard() const {
  LeadKey key;
  const std::size_t nine = Text().find('9');
  if (nine == std::string_view::npos) return key;
  key = *this;
  key.text_[nine] = 'X';
  key.length_ = Minimum(static_cast<int>(length_), static_cast<int>(nine) + 4);
  return key;
}

Card LeadCardInSuit(const PlayContext& context, OpeningLeadFacts& facts, int suit,
                    Holding suitCard) {
  const PlayState& play = context.Play;
  const TSuitData& held = HandToPlay(context.Hands, play).Suits[suit];
  int n = 1;
  if (held.Length > 1) {
    const LeadKey key(play.Trump, held.Cards);
    n = facts.Leads.ConventionValue(key.Text());
    if (n == 0) {
      const LeadKey low = key.NineAsLowCard();
      if (!low.Text().empty()) n = facts.Leads.ConventionValue(low.Text());
    }
  }
  // A table line asking for a card the leader lacks says nothing.
  if (n > 0 && n <= held.Length) return NthHighestCard(n, held.Cards) | static_cast<Card>(suit);
  return DefaultLead(held, facts.BiddingSystem, suitCard) | static_cast<Card>(suit);
}

Card OpeningLead(PlayContext& context, EngineState& engine) {
  const PlayState& play = context.Play;
  OpeningLeadFacts& facts = engine.Lead;
  const RecordedLead& last = facts.LastPlay;
  const Card earlierLead = last.ContractLevel == play.ContractLevel && last.Trump == play.Trump &&
                                   last.Declarer == play.Declarer
                               ? last.Lead
                               : 0;

  const int aggression = Aggression(context, facts);
  const THands& leader = HandToPlay(context.Hands, play);
  int chosenSuit = -1;
  SuitChoice best;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    if (leader.Suits[suit].Length == 0) continue;
    const SuitChoice choice = ScoreSuit(context, facts, aggression, suit);
    if (chosenSuit < 0 || choice.Score >= best.Score) {
      best = choice;
      chosenSuit = suit;
    }
  }

  const TSuitData& held = leader.Suits[chosenSuit];
  // Against a slam, an ace not backed by the king is cashed before it
  // disappears on declarer's long suit.
  const Card card = play.ContractLevel >= 6 && held.Holds(Ace) && !held.Holds(King)
                        ? MakeCard(Ace, chosenSuit)
                        : LeadCardInSuit(context, facts, chosenSuit, best.SuitCard);
  // The look-ahead's positions from the earlier play followed another lead.
  if (earlierLead != 0 && earlierLead != card) ClearPositionCache(context.Search, engine.Positions);
  return card;
}

}  // namespace tavlo
