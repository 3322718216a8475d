#pragma once
// Duplicate scoring of a finished hand. The user sits South, so every score
// is told from North-South's side: positive when North-South gain.

#include "model/codes.h"

namespace tavlo {

// The score of contract (a bid code; pass for a passed-out hand), doubled 0,
// 1 or 2 times, played by declarer, whose side is vulnerable or not, when
// declarer's side took declarerTricks (0..13) tricks.
int DuplicateScore(Bid contract, int doubling, SeatCode declarer, bool vulnerable,
                   int declarerTricks);

}  // namespace tavlo
