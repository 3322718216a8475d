#include "model/expose_dummy.h"

namespace tavlo {

DummyExposure ExposeDummy(HandSet& hands, SeatCode declarer) {
  DummyExposure exposure;
  THands& declarerHand = hands[declarer];
  THands& dummyHand = hands[PartnerOf(declarer)];
  if (declarerHand.UserPlays) dummyHand.UserPlays = true;
  if (!dummyHand.FaceUp) {
    dummyHand.FaceUp = true;
    exposure.RedrawDummy = true;
  }
  if (!dummyHand.UserPlays) return exposure;
  declarerHand.UserPlays = true;
  const bool opponentMustNotSee =
      hands.UserHandFaceDown(declarerHand.Lho) || hands.UserHandFaceDown(declarerHand.Rho);
  if (!declarerHand.FaceUp && !opponentMustNotSee) {
    declarerHand.FaceUp = true;
    exposure.RedrawDeclarer = true;
  }
  return exposure;
}

}  // namespace tavlo
