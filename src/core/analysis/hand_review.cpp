#include "analysis/hand_review.h"

namespace tavlo {

namespace {

template <typename T>
Solved<HandReview> Failure(const Solved<T>& failed) {
  return {std::nullopt, failed.Error};
}

}  // namespace

Solved<HandReview> ReviewHand(const DealHoldings& deal, Bid contract, SeatCode declarer,
                              int vulnerability, SeatCode dealer, std::span<const Card> played) {
  HandReview review;
  review.PassedOut = !IsContractBid(contract);
  if (!review.PassedOut && played.size() != 52)
    return {std::nullopt, "The play of the hand is not complete"};
  const Solved<TrickTable> table = DoubleDummyTable(deal);
  if (!table) return Failure(table);
  review.Table = *table;
  const Solved<ParResult> par = ParOfDeal(review.Table, vulnerability, dealer);
  if (!par) return Failure(par);
  review.Par = *par;
  if (review.PassedOut) return {review, {}};

  const StrainCode trump = BidStrain(contract);
  SeatCode trickLeader = NextSeat(declarer);
  for (std::size_t at = 0; at < played.size(); ++at) {
    const Solved<PlayValues> values =
        ValuesOfCards(deal, trump, NextSeat(declarer), played.first(at));
    if (!values) return Failure(values);
    ReviewedCard card{played[at], values->ToPlay, values->Cost(played[at]), {}};
    for (const CardValue& value : values->Cards)
      if (value.Tricks == values->Best()) card.Best.push_back(value.Played);
    if (SideOfSeat(card.Seat) == NorthSouth && card.Cost > 0) {
      review.LostByNorthSouth += card.Cost;
      review.CostlyNorthSouthCards.push_back(card.Played);
    }
    // Once the lead is made, the side to play next is declarer's: its best
    // is what declarer can still make.
    if (at == 1) review.AfterLead = values->Best();
    review.Cards.push_back(std::move(card));
    if (at % 4 == 3) {
      trickLeader = TrickWinner(played.subspan(at - 3).first<4>(), trickLeader, trump);
      review.TricksMade += trickLeader % 2 == declarer % 2;
    }
  }
  return {review, {}};
}

}  // namespace tavlo
