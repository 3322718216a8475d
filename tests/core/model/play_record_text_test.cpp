#include "model/play_record_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace tavlo {
namespace {

// A whole hand of 13 tricks won by winners[t]. The declarer's left-hand
// opponent leads the first trick, the winner of each trick leads the next,
// and every seat plays the card of rank 2 + t of its own suit: North clubs,
// East diamonds, South hearts, West spades.
std::vector<PlayRecordEntry> PlayedHand(SeatCode declarer, const std::vector<SeatCode>& winners) {
  constexpr std::array<int, 4> suitOfSeat{Clubs, Diamonds, Hearts, Spades};
  std::vector<PlayRecordEntry> record;
  SeatCode leader = NextSeat(declarer);
  for (int t = 0; t < 13; ++t) {
    for (int i = 0; i < 4; ++i) {
      const SeatCode seat = static_cast<SeatCode>((leader + i) % 4);
      record.push_back({static_cast<std::uint16_t>(MakeCard(2 + t, suitOfSeat[seat])), seat});
    }
    leader = winners[t];
  }
  record.push_back({0, leader});
  return record;
}

const std::vector<SeatCode> Winners{North, West,  South, East,  North, North, North,
                                    North, North, North, North, North, South};

TEST(PlayRecordText, SeatOrderFromTheDeclarersLeftWithSigns) {
  const std::string text = PlayRecordText(PlayedHand(South, Winners), South);
  EXPECT_EQ(text.size(), 168u);
  // Tricks read West, North, East, South whoever led; the declaring side's
  // winning card is marked "+", a defender's "-".
  const std::string firstTricks = "2S 2C+ 2D 2H 3S- 3C 3D 3H 4S 4C 4D 4H+ 5S 5C 5D- 5H ";
  EXPECT_EQ(text.substr(0, firstTricks.size()), firstTricks);
  EXPECT_TRUE(text.ends_with("AS AC AD AH+"));
}

TEST(PlayRecordText, SignsFollowTheDeclaringSide) {
  const std::string text = PlayRecordText(PlayedHand(West, Winners), West);
  // Declarer West: North, East, South, West; North's tricks are the defence's.
  const std::string firstTricks = "2C- 2D 2H 2S 3C 3D 3H 3S+ 4C 4D 4H- 4S ";
  EXPECT_EQ(text.substr(0, firstTricks.size()), firstTricks);
}

// A record that is not complete has no play to show: the empty text.
struct BrokenRecord {
  const char* name;
  std::function<void(std::vector<PlayRecordEntry>&)> damage;
};

class PlayRecordTextOfABrokenRecord : public testing::TestWithParam<BrokenRecord> {};
TEST_P(PlayRecordTextOfABrokenRecord, IsEmpty) {
  std::vector<PlayRecordEntry> record = PlayedHand(South, Winners);
  GetParam().damage(record);
  EXPECT_EQ(PlayRecordText(record, South), "");
}

INSTANTIATE_TEST_SUITE_P(
    Records, PlayRecordTextOfABrokenRecord,
    testing::Values(
        BrokenRecord{"TheLastTricksWinnerMissing", [](auto& record) { record.pop_back(); }},
        BrokenRecord{"NoCard", [](auto& record) { record[17].Card = 0; }},
        BrokenRecord{"ACodeWithoutARank", [](auto& record) { record[17].Card = 0x8002; }},
        BrokenRecord{"NoSeat", [](auto& record) { record[17].Seat = 4; }},
        BrokenRecord{"ASeatTwiceInATrick",
                     [](auto& record) { record[17].Seat = record[18].Seat; }}),
    [](const testing::TestParamInfo<BrokenRecord>& info) { return info.param.name; });

}  // namespace
}  // namespace tavlo
