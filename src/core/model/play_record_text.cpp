#include "model/play_record_text.h"

#include <array>

#include "model/comma_text.h"

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

std::optional<std::vector<std::array<Card, 4>>> PlayRecordTricks(std::string_view text) {
  const std::vector<std::string> items = SplitCommaText(text);
  if (items.size() != 52) return std::nullopt;
  std::vector<std::array<Card, 4>> tricks(13);
  for (std::size_t at = 0; at < items.size(); ++at) {
    std::string item = items[at];
    if (!item.empty() && (item.back() == '+' || item.back() == '-')) item.pop_back();
    if (item.size() != 2 || RankOfLetter(item[0]) == 0 ||
        std::string_view("CDHS").find(item[1]) == std::string_view::npos)
      return std::nullopt;
    tricks[at / 4][at % 4] = MakeCard(RankOfLetter(item[0]), SuitOfLetter(item.substr(1)));
  }
  return tricks;
}

}  // namespace tavlo
