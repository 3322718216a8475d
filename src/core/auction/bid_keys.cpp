#include "auction/bid_keys.h"

#include <cctype>

#include "auction/auction.h"

namespace tavlo {
namespace {

constexpr int PassLetter = 5, MakeBidLetter = 6, HelpLetter = 7;

BidKeyAction Refuse(AuctionState& state) {
  ZipBids(state);
  return BidKeyAction::BadKey;
}

}  // namespace

BidKeyAction BidKeyDown(AuctionState& state, int language, char key) {
  if (key == BackspaceKey) return state.BidCount > 0 ? BidKeyAction::TakeBack : Refuse(state);
  if (key >= '1' && key <= '7') {
    state.TypedLevel = std::string(1, key);
    return BidKeyAction::Wait;
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  if (letter == 'X') {
    state.TypedBid = "X";
    return BidKeyAction::CheckBid;
  }
  const std::string_view letters = BidKeyLetters[language >= 0 && language < 6 ? language : 0];
  auto at = letters.find(letter);
  // Where spades and pass share a letter, it means pass until a level digit
  // has been typed.
  if (at != std::string_view::npos && letters[PassLetter] == letter && state.TypedLevel.empty())
    at = PassLetter;
  if (at == std::string_view::npos) return Refuse(state);
  switch (at) {
    case PassLetter:
      state.TypedBid = "P";
      return BidKeyAction::CheckBid;
    case MakeBidLetter:
      return BidKeyAction::MakeBid;
    case HelpLetter:
      return BidKeyAction::HelpBid;
    default:
      // A strain letter completes the bid only once its level is known; a
      // strain typed before its digit must be typed again after it.
      state.TypedStrain = std::string(StrainLetters[at]);
      state.TypedBid = state.TypedStrain + state.TypedLevel;
      return state.TypedBid.size() == 2 ? BidKeyAction::CheckBid : BidKeyAction::Wait;
  }
}

}  // namespace tavlo
