#pragma once
// A claim judged as a fair opponent judges it: the claiming side says it
// takes so many of the tricks left, and the claim stands only when it does
// so against the best defence whatever the cards it cannot see, that is
// on every layout of the two hidden hands that fits the cards played so
// far and the suits a seat has shown out of. Conceding (no tricks) always
// stands.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/play_out.h"
#include "model/codes.h"
#include "model/job_control.h"
#include "model/result.h"

namespace tavlo {

// Who claims, and what the claimer sees: its own hand and dummy's, both
// hands of its side when it declares.
struct ClaimingSeats {
  SeatCode Claimer = South;
  SeatCode Declarer = South;

  // The two seats whose cards the claimer cannot see.
  std::array<SeatCode, 2> Hidden() const;
};

// The hidden hands' remaining cards shared out every way that fits what
// the play has shown: each seat keeps its number of cards, and a seat that
// did not follow a suit led holds none of it. Left is what each hand holds
// now; only the hidden seats' holdings differ from one layout to another.
class ClaimLayouts {
 public:
  ClaimLayouts(const PlayOut& play, const ClaimingSeats& seats);

  // How many layouts there are (capped at a billion: past a few thousand
  // the claim is judged on a sample anyway).
  std::int64_t Count() const { return count_; }
  // Every layout, the real one among them.
  std::vector<DealHoldings> Every() const;
  // draws layouts at random from the seed, each layout as likely as any.
  std::vector<DealHoldings> Drawn(int draws, std::uint32_t seed) const;

 private:
  DealHoldings Layout(std::span<const int> toFirst) const;

  DealHoldings left_{};
  std::array<SeatCode, 2> hidden_{};
  // The cards free to go to either hidden seat, and how many of them the
  // first hidden seat gets; the rest of each seat's cards are forced on it.
  std::vector<Card> free_;
  int toFirst_ = 0;
  std::array<std::array<Holding, 4>, 2> forced_{};
  std::int64_t count_ = 0;
};

// Up to this many layouts, or when at most this many tricks are left, the
// claim is tried on every layout; otherwise on a sample of SampledLayouts
// drawn with a seed fixed by the position, and on the real layout.
inline constexpr std::int64_t MostLayoutsTried = 2000;
inline constexpr int TricksLeftForEveryLayout = 6;
inline constexpr int SampledLayouts = 200;

struct ClaimVerdict {
  bool Accepted = false;
  // Tricks the claim fails by against the best defence on the worst
  // layout tried; 0 when it stands.
  int Shortfall = 0;
  // A refused claim: the remaining hands of that layout, and the cards of
  // its best play from now to the trick that beats the claim, each with
  // its seat.
  DealHoldings Layout{};
  std::vector<PlayRecordEntry> Defence;
  // The defender who wins the last trick of that line.
  SeatCode Beater = North;
  // How many layouts the claim was tried on, and whether that was all.
  int LayoutsTried = 0;
  bool EveryLayout = false;
};

// The claiming side takes tricks of the tricks left (those of the trick in
// progress included); 0 concedes them all. A job asked to stop gives up
// between two layouts with its reason; the job counts the layouts.
Result<ClaimVerdict> CheckClaim(const PlayOut& play, const ClaimingSeats& seats, int tricks,
                                JobControl* job = nullptr);

// The tricks left to play, the one in progress counted: the seat to play
// has not played to it yet.
inline int TricksLeft(const PlayOut& play) {
  return SuitHoldings{play.Left()[play.ToPlay()]}.Count();
}

// The rest of the play after an accepted claim, for the record: a legal
// order of every card left in which the claiming side takes the tricks it
// claimed, as near as the cards allow (a side that holds only winners
// cannot concede them by its play).
Result<std::vector<Card>> ClaimedPlay(const PlayOut& play, SideCode claimingSide, int tricks,
                                      JobControl* job = nullptr);

}  // namespace tavlo
