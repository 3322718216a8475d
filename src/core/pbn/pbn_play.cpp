#include "pbn/pbn_play.h"

#include <string>

namespace tavlo {

Result<PlayOut> ReplayPbnTricks(const DealHoldings& deal, StrainCode trump, SeatCode leader,
                                SeatCode playSeat, std::span<const PbnTrick> tricks) {
  Result<PlayOut> play = PlayOut::Start(deal, trump, leader);
  for (std::size_t t = 0; play && t < tricks.size(); ++t) {
    // The section says who led the first trick; the cards say who won the
    // others.
    const SeatCode first = t == 0 ? playSeat : play->ToPlay();
    for (int i = 0; i < 4; ++i) {
      const auto seat = static_cast<SeatCode>((first + i) % 4);
      if (Status played = play->Play(tricks[t][(seat + 4 - playSeat % 4) % 4], seat); !played)
        return Reason{played.Error() + (t < 13 ? " in trick " + std::to_string(t + 1) : "")};
    }
  }
  return play;
}

}  // namespace tavlo
