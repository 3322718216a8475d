#include "engine/signal_card.h"

#include "engine/suit_view_refresh.h"

namespace tavlo {

namespace {

constexpr Holding EightBit = Holding{1} << 8;
constexpr Holding QueenJack = QueenBit | JackBit;
constexpr Holding KingQueen = KingBit | QueenBit;

bool HonourDoubleton(Holding own) { return own == QueenJack || own == KingQueen; }

}  // namespace

bool SignalCard(PlayContext& context, int suit, Card& card) {
  const PlayState& play = context.Play;
  const SuitView& view = RefreshView(context, play.ToPlay, suit);
  const Holding own = *view.OwnCards;
  const Holding partner = *view.PartnerCards;
  const Holding lho = *view.LhoCards;
  const Holding rho = *view.RhoCards;
  const Holding their = view.TheirCards;
  const Holding theirSecond = view.TheirSecond;
  const int ownLength = *view.OwnLength;
  const int partnerLength = *view.PartnerLength;
  const SeatCode partnerSeat = PartnerOf(play.ToPlay);

  // A signal is worth giving when we are not wasting a winner on it.
  const bool eligible = DefenderToPlay(play.ToPlay, play.Declarer) == 1 && suit != play.Trump &&
                        (ownLength == 2 || their < own || (theirSecond < own && partner < their));

  // Only the first card played in the suit carries the count.
  bool signal = eligible && ownLength > view.OwnSuit->StartLength - 2;
  if (signal && ownLength == 2 &&
      (their < own || (theirSecond < own && view.PartnerSecond < theirSecond)))
    signal = false;

  Holding chosen = 0;
  if (signal) {
    int depth = suit == play.SuitLed && (play.TrickPosition == 2 || play.TrickPosition == 3)
                    ? Maximum(*view.RhoLength, *view.LhoLength - 1)
                    : view.TheirLength;
    if (depth < ownLength) {
      ++depth;
    } else {
      depth = ownLength < 5 || NthHighestCard(3, own) >= TenBit ? ownLength - 1 : 3;
    }
    int nth = Minimum(ownLength - 1, depth);
    if (nth == 1 && partnerLength == 1 && view.OwnSecond < partner) nth = 2;
    chosen = NthHighestCard(nth, own);

    const Holding winningRank = play.WinningCard & 0xFFFC;
    if (chosen == 0) {
      // A singleton or a void has no count to show.
      signal = false;
    } else if (chosen > play.WinningCard && play.WinningSeat == partnerSeat &&
               (play.TrickPosition == 4 || (play.TrickPosition == 3 && lho < play.WinningCard))) {
      // Never overtake partner's winning card just to signal.
      signal = false;
    } else if ((chosen > JackBit && ownLength % 2 == 0 && !HonourDoubleton(own) &&
                view.TheirLength > 2) ||
               (ownLength == 3 && chosen >= EightBit)) {
      signal = false;
    } else if (ownLength == 2 && chosen == JackBit) {
      signal = play.TrickPosition == 3 && winningRank > JackBit &&
               (play.WinningSeat == partnerSeat || rho > JackBit || lho > JackBit);
    } else if (partnerLength < ownLength && their >= own) {
      if (play.TrickPosition == 4 && ownLength == view.TheirLength + 1) signal = false;
      if (play.TrickPosition < 4)
        signal = signal && Maximum(*view.LhoLength, *view.RhoLength + 1) != ownLength;
    }
    chosen = TopOfSequence(view, chosen);
  }
  card = chosen | static_cast<Card>(suit);
  return signal;
}

}  // namespace tavlo
