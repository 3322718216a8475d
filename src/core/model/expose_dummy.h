#pragma once
// Exposing dummy after the opening lead: who sees and who plays which hand
// once dummy's cards go down on the table.

#include "model/codes.h"
#include "model/hand_data.h"

namespace tavlo {

// The hands whose face changed and must be drawn face up again.
struct DummyExposure {
  bool RedrawDummy = false;
  bool RedrawDeclarer = false;
};

// Dummy's cards go face up, and a user who declares also plays dummy's.
// A user who is dummy plays declarer's cards too and sees them, unless they
// are face up already or a face-down user seat defends against them (that
// user must not see them).
DummyExposure ExposeDummy(HandSet& hands, SeatCode declarer);

}  // namespace tavlo
