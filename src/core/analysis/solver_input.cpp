#include "analysis/solver_input.h"

#include <string>

namespace tavlo {

namespace {

constexpr Holding AllRanks = 0x7FFC;

int CountHand(const std::array<Holding, 4>& hand) {
  int cards = 0;
  for (Holding suit : hand) cards += CountCards(suit);
  return cards;
}

Status Refused(const std::string& why) { return Reason{"The position for the solver " + why}; }

// Every card of the hands and of the trick once, and nothing in a holding
// that is no rank.
Status EveryCardOnce(const SolverPosition& position, int inTrick) {
  std::array<Holding, 4> seen{};
  for (const auto& hand : position.Left)
    for (int suit = Clubs; suit <= Spades; ++suit) {
      if ((hand[suit] & ~AllRanks) != 0) return Refused("has a holding with bits that are no rank");
      if ((seen[suit] & hand[suit]) != 0)
        return Refused("holds the " + CardText(HighestCard(seen[suit] & hand[suit]) | suit) +
                       " twice");
      seen[suit] |= hand[suit];
    }
  for (int at = 0; at < inTrick; ++at) {
    const Card card = position.Trick[at];
    if ((seen[CardSuit(card)] & card & RankBits) != 0)
      return Refused("holds the " + CardText(card) + " twice");
    seen[CardSuit(card)] |= card & RankBits;
  }
  return {};
}

}  // namespace

Status CheckWholeDeal(const DealHoldings& deal) {
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Holding seen = 0;
    for (const auto& hand : deal) {
      if ((hand[suit] & ~AllRanks) != 0) return Reason{"A holding has bits that are no rank"};
      if ((seen & hand[suit]) != 0)
        return Reason{"The deal holds the " + CardText(HighestCard(seen & hand[suit]) | suit) +
                      " twice"};
      seen |= hand[suit];
    }
  }
  for (int seat = North; seat <= West; ++seat)
    if (const int cards = CountHand(deal[seat]); cards != 13)
      return Reason{"The " + std::string(SeatNames[seat]) + " hand holds " + std::to_string(cards) +
                    " cards, not 13"};
  return {};
}

Status CheckSolverInput(const SolverPosition& position, const SolverRequest& request) {
  if (position.Trump > NoTrump) return Refused("has no strain " + std::to_string(position.Trump));
  if (position.TrickLeader > West)
    return Refused("has no seat " + std::to_string(position.TrickLeader) + " to lead");
  int inTrick = 0;
  while (inTrick < 3 && position.Trick[inTrick] != 0) ++inTrick;
  for (int at = 0; at < 3; ++at) {
    const Card card = position.Trick[at];
    if (at < inTrick ? !IsCard(card) : card != 0)
      return Refused("has a card in its trick that is no card");
  }
  if (Status once = EveryCardOnce(position, inTrick); !once) return once;

  // The seats that have played to the trick hold one card fewer than the
  // ones still to play.
  const int cards = CountHand(position.Left[position.TrickLeader]) + (inTrick > 0 ? 1 : 0);
  if (cards == 0) return Refused("has no card left to play");
  if (cards > 13) return Refused("has more than thirteen tricks to play");
  for (int at = 0; at < 4; ++at) {
    const int seat = (position.TrickLeader + at) % 4;
    const int due = at < inTrick ? cards - 1 : cards;
    if (const int held = CountHand(position.Left[seat]); held != due)
      return Refused("gives the " + std::string(SeatNames[seat]) + " hand " + std::to_string(held) +
                     " cards, not " + std::to_string(due));
  }

  if (request.Target < -1 || request.Target > cards)
    return Reason{"The solver cannot aim for " + std::to_string(request.Target) + " of " +
                  std::to_string(cards) + " tricks"};
  if (request.Solutions < 1 || request.Solutions > 3)
    return Reason{"The solver cannot give " + std::to_string(request.Solutions) + " solutions"};
  if (request.Mode < 0 || request.Mode > 2)
    return Reason{"The solver has no mode " + std::to_string(request.Mode)};
  return {};
}

}  // namespace tavlo
