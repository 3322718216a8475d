#pragma once
// The trick estimate of one suit from the chair to play: how the suit goes
// when it is played out with fixed rules for each hand's card, how many
// tricks each side makes in it, in which order the sides get them and which
// seat wins them, with the suit's two lead verdicts. The results go into the
// seat's view of the suit and are kept until something they rest on changes.

#include <array>
#include <cstdint>

#include "engine/play_state.h"

namespace tavlo {

// What a stored estimate rests on beyond the cards of its suit and the
// trumps (the view's AnalysedCards and AnalysedTrumps): the ruff flags it
// read, whether the chair was on lead, whether the hand plan's count of the
// opponents' trumps was 0, and, when it looked for entries in other suits,
// the cards still out in every suit and the trick in progress.
struct StoredEstimate {
  std::uint8_t Situation = 0;
  std::uint8_t Reads = 0;  // the bits of Situation the results depend on
  bool ReadsOtherSuits = false;
  std::uint64_t CardsStillOut = 0;
  StrainCode SuitLed = Clubs;
  int TrickPosition = 0;
  // The lead-verdict and lead-timing rules that fired, for tracing a result.
  std::uint8_t VerdictRule = 0;
  std::uint8_t TimingRule = 0;
};

// Keys of every seat's estimates, [seat][suit]. Belongs with the play state
// it describes; a fresh one (or a fresh binding of the views) forgets all.
// Copied along with the hands whenever they are copied for a search: the
// copied views keep their results, and only these keys say what they rest
// on.
struct EstimateCache {
  std::array<std::array<StoredEstimate, 4>, 4> Stored{};
};

// Estimates the suit for the seat to play, leaving that view selected.
// theirLongestTrumps is the hand plan's longer opponent trump holding; in a
// trump contract it decides how long we can cash a suit the opponents will
// soon ruff.
void Estimate(PlayContext& context, EstimateCache& cache, int suit, int theirLongestTrumps);

}  // namespace tavlo
