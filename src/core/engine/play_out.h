#pragma once
// One model of a played hand: the cards of a play replayed on the deal they
// came from, one at a time, each held against the laws of play. Whoever
// replays a play (the double-dummy analysis, the review, the Portable Bridge
// Notation reader and import, the engine's self-check, the developer's test
// display) learns here who is to play, which cards are legal, who won each
// trick, the tricks of each side and what each hand still holds; or the
// first card that cannot have been played and why, in the same words
// whoever asked.

#include <array>
#include <cstdint>
#include <span>

#include "engine/legal_cards.h"
#include "engine/play_state.h"
#include "model/codes.h"
#include "model/result.h"

namespace tavlo {

// A hand being played out. A plain value of fixed size: copying one, or
// playing a card, never allocates; only the words of a refusal do.
class PlayOut {
 public:
  // No deal: every seat is void, no card can be played.
  PlayOut() = default;

  // The deal before the opening lead of leader, in the trump strain.
  static Result<PlayOut> Start(const DealHoldings& deal, StrainCode trump, SeatCode leader);

  // The seat to play plays the card; or the reason it cannot, and the play
  // stays as it was.
  Status Play(Card card);
  // The same, with the seat the caller says plays it: a card from a seat
  // whose turn it is not is refused too.
  Status Play(Card card, SeatCode seat);

  StrainCode Trump() const { return trump_; }
  int CardsPlayed() const { return played_; }
  bool Over() const { return played_ == 52; }
  SeatCode ToPlay() const { return toPlay_; }
  // Led the trick in progress; once a trick is complete, leads the next.
  SeatCode TrickLeader() const { return trickLeader_; }
  // The cards of the trick in progress with their seats, in the order
  // played; empty at a lead.
  std::span<const PlayRecordEntry> TrickInProgress() const;
  // The card winning the trick in progress so far, with its seat; no card
  // at a lead.
  PlayRecordEntry Winning() const;
  // What following suit reads of the trick for the seat to play.
  TrickSituation Situation() const;
  // The cards the seat to play may play.
  SuitHoldings Legal() const;

  // What each hand holds now, [seat][suit].
  const DealHoldings& Left() const { return left_; }
  // What each hand held before card step (0..CardsPlayed()) was played.
  DealHoldings LeftBefore(int step) const;
  int TricksOf(SideCode side) const { return tricks_[side == EastWest]; }
  // The seat that won trick (1..CardsPlayed() / 4).
  SeatCode WinnerOf(int trick) const { return record_[4 * trick].Seat; }
  // The cards played with their seats, entry k the k-th card. Once the hand
  // is over, a 53rd entry names the winner of the last trick, as the
  // table's play record does.
  std::span<const PlayRecordEntry> Record() const;

 private:
  DealHoldings dealt_{};
  DealHoldings left_{};
  std::array<Holding, 4> gone_{};  // cards played, by suit
  std::array<PlayRecordEntry, 53> record_{};
  std::array<std::uint8_t, 2> tricks_{};  // North-South, East-West
  std::uint8_t played_ = 0;
  StrainCode trump_ = NoTrump;
  SeatCode trickLeader_ = North;
  SeatCode toPlay_ = North;
};

// The cards played in order from the opening lead of leader: the whole play,
// or why its first card that cannot have been played is refused.
Result<PlayOut> ReplayCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                            std::span<const Card> cards);
// The same for cards with the seats said to have played them.
Result<PlayOut> ReplayCards(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                            std::span<const PlayRecordEntry> cards);
// The record of a play state (its cards played) replayed on the cards as
// the hands were dealt.
Result<PlayOut> ReplayRecord(const HandSet& hands, const PlayState& play);

}  // namespace tavlo
