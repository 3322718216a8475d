#include "analysis/hand_review.h"

namespace tavlo {

Result<HandReview> ReviewHand(const DealHoldings& deal, Bid contract, SeatCode declarer,
                              int vulnerability, SeatCode dealer, std::span<const Card> played,
                              JobControl* job) {
  HandReview review;
  review.PassedOut = !IsContractBid(contract);
  const StrainCode trump = BidStrain(contract);
  const SeatCode leader = NextSeat(declarer);
  if (!review.PassedOut) {
    if (played.size() < 52) return Reason{"The play of the hand is not complete"};
    Result<PlayOut> play = ReplayCards(deal, trump, leader, played);
    if (!play) return Reason{play.Error()};
    review.Play = *play;
  }
  const Result<TrickTable> table = DoubleDummyTable(deal);
  if (!table) return Reason{table.Error()};
  review.Table = *table;
  const Result<ParResult> par = ParOfDeal(review.Table, vulnerability, dealer);
  if (!par) return Reason{par.Error()};
  review.Par = *par;
  if (review.PassedOut) return review;

  if (job) job->SetTotal(static_cast<int>(played.size()));
  for (std::size_t at = 0; at < played.size(); ++at) {
    if (Stopped(job)) return Reason{"The review was stopped."};
    if (job) job->Advance();
    const Result<PlayValues> values = ValuesOfCards(deal, trump, leader, played.first(at));
    if (!values) return Reason{values.Error()};
    ReviewedCard card{played[at], review.Play.Record()[at].Seat, values->Cost(played[at]), {}};
    for (const CardValue& value : values->Cards)
      if (value.Tricks == values->Best()) card.Best.push_back(value.Played);
    if (SideOfSeat(card.Seat) == NorthSouth && card.Cost > 0) {
      if (!review.FirstNorthSouthCost) review.FirstNorthSouthCost = at;
      review.LostByNorthSouth += card.Cost;
      review.CostlyNorthSouthCards.push_back(card.Played);
    }
    // Once the lead is made, the side to play next is declarer's: its best
    // is what declarer can still make.
    if (at == 1) review.AfterLead = values->Best();
    review.Cards.push_back(std::move(card));
  }
  review.TricksMade = review.Play.TricksOf(SideOfSeat(declarer));
  return review;
}

}  // namespace tavlo
