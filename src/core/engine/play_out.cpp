#include "engine/play_out.h"

#include <algorithm>
#include <string>

#include "model/symbol_text.h"

namespace tavlo {

namespace {

Status Refusal(int number, Card card, std::string_view why) {
  std::string text = "Card " + std::to_string(number);
  if (IsCard(card)) text += " (" + CardMarkup(card) + ")";
  return Reason{text + " " + std::string(why)};
}

}  // namespace

Result<PlayOut> PlayOut::Start(const DealHoldings& deal, StrainCode trump, SeatCode leader) {
  if (trump > NoTrump) return Reason{"Strain code " + std::to_string(trump) + " names no strain"};
  if (leader > West) return Reason{"Seat code " + std::to_string(leader) + " names no seat"};
  PlayOut play;
  play.dealt_ = play.left_ = deal;
  play.trump_ = trump;
  play.trickLeader_ = play.toPlay_ = leader;
  return play;
}

Status PlayOut::Play(Card card) { return Play(card, toPlay_); }

Status PlayOut::Play(Card card, SeatCode seat) {
  const int number = played_ + 1;
  if (!IsCard(card)) return Refusal(number, card, "is no card");
  if (Over()) return Refusal(number, card, "comes after the hand is over");
  if (seat > West) return Refusal(number, card, "is played by no seat");
  if (seat != toPlay_)
    return Refusal(number, card,
                   "is played by " + std::string(SeatNames[seat]) + ", but it is " +
                       std::string(SeatNames[toPlay_]) + "'s turn");
  const StrainCode suit = CardSuit(card);
  const Holding rank = card & RankBits;
  if ((gone_[suit] & rank) != 0) return Refusal(number, card, "is played a second time");
  if ((left_[seat][suit] & rank) == 0)
    return Refusal(number, card, "is not in the hand of " + std::string(SeatNames[seat]));
  if (!Legal().Holds(card)) return Refusal(number, card, "does not follow suit");

  left_[seat][suit] &= ~rank;
  gone_[suit] |= rank;
  record_[played_++] = {static_cast<std::uint16_t>(card), seat};
  if (played_ % 4 != 0) {
    toPlay_ = NextSeat(seat);
    return {};
  }
  std::array<Card, 4> trick{};
  for (int at = 0; at < 4; ++at) trick[at] = record_[played_ - 4 + at].Card;
  trickLeader_ = toPlay_ = TrickWinner(trick, trickLeader_, trump_);
  ++tricks_[SideOfSeat(trickLeader_) == EastWest];
  // The entry after a trick names its winner until the next lead fills it
  // in; after the last trick it stays, as on the table.
  record_[played_] = {0, trickLeader_};
  return {};
}

std::span<const PlayRecordEntry> PlayOut::TrickInProgress() const {
  return std::span(record_).subspan(played_ - played_ % 4, played_ % 4);
}

PlayRecordEntry PlayOut::Winning() const {
  const auto trick = TrickInProgress();
  if (trick.empty()) return {};
  PlayRecordEntry winning = trick.front();
  for (const PlayRecordEntry& entry : trick.subspan(1))
    if (CardBeatsWinner(entry.Card, winning.Card, CardSuit(winning.Card), trump_)) winning = entry;
  return winning;
}

TrickSituation PlayOut::Situation() const {
  const auto trick = TrickInProgress();
  if (trick.empty()) return {1, Clubs, Clubs, played_};
  return {static_cast<int>(trick.size()) + 1, CardSuit(trick.front().Card),
          CardSuit(Winning().Card), played_};
}

SuitHoldings PlayOut::Legal() const { return LegalCards(left_[toPlay_], Situation()); }

DealHoldings PlayOut::LeftBefore(int step) const {
  DealHoldings left = dealt_;
  for (const PlayRecordEntry& entry :
       std::span(record_).first(static_cast<std::size_t>(std::clamp(step, 0, +played_))))
    left[entry.Seat][CardSuit(entry.Card)] &= ~(entry.Card & RankBits);
  return left;
}

std::span<const PlayRecordEntry> PlayOut::Record() const {
  return std::span(record_).first(played_ + (Over() ? 1 : 0));
}

Result<PlayOut> ReplayCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                            std::span<const Card> cards) {
  Result<PlayOut> play = PlayOut::Start(deal, trump, leader);
  for (std::size_t at = 0; play && at < cards.size(); ++at)
    if (Status played = play->Play(cards[at]); !played) return Reason{played.Error()};
  return play;
}

Result<PlayOut> ReplayCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                            std::span<const PlayRecordEntry> cards) {
  Result<PlayOut> play = PlayOut::Start(deal, trump, leader);
  for (std::size_t at = 0; play && at < cards.size(); ++at)
    if (Status played = play->Play(cards[at].Card, cards[at].Seat); !played)
      return Reason{played.Error()};
  return play;
}

Result<PlayOut> ReplayRecord(const HandSet& hands, const PlayState& play) {
  DealHoldings dealt{};
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit)
      dealt[seat][suit] = hands[seat].Suits[suit].Dealt;
  return ReplayCards(dealt, play.Trump, NextSeat(play.Declarer),
                     std::span(play.PlayRecord)
                         .first(static_cast<std::size_t>(std::clamp(play.CardsPlayed, 0, 52))));
}

}  // namespace tavlo
