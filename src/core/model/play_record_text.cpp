#include "model/play_record_text.h"

#include <array>

namespace tavlo {

std::string PlayRecordText(std::span<const PlayRecordEntry> record, SeatCode declarer) {
  if (record.size() < PlayRecordLength) return {};
  // Cards by trick and seat, so each trick reads in seat order whoever led.
  std::array<std::array<std::string, 4>, 13> tricks;
  for (std::size_t k = 0; k < 52; ++k) {
    const PlayRecordEntry& entry = record[k];
    if (CardRank(entry.Card) == 0 || entry.Seat > West) return {};
    tricks[k / 4][entry.Seat] = CardText(entry.Card);
  }
  std::string text;
  for (std::size_t t = 0; t < 13; ++t) {
    const SeatCode winner = record[4 * t + 4].Seat;
    for (int i = 1; i <= 4; ++i) {
      const SeatCode seat = static_cast<SeatCode>((declarer + i) % 4);
      const std::string& card = tricks[t][seat];
      if (card.empty()) return {};
      if (!text.empty()) text += ' ';
      text += card;
      if (seat == winner) text += SideOfSeat(seat) == SideOfSeat(declarer) ? '+' : '-';
    }
  }
  return text;
}

}  // namespace tavlo
