// The card play of a hand as the hand file keeps it ("Plays"), for any deal,
// contract and legal play the fuzzer makes up: the text splits as the hand
// file's lists do into the 52 cards played, each where its trick and seat put
// it, with one sign per trick on the winner's card, "+" for the declaring side.

#include "fuzz_support.h"
#include "model/comma_text.h"
#include "model/play_record_text.h"

using namespace tavlo;

namespace {

struct PlayedDeal {
  std::vector<PlayRecordEntry> Record;
  std::array<SeatCode, 13> Winners{};
};

// Plays out the deal: every seat follows suit when it can, the cards chosen
// by the fuzzer's bytes.
PlayedDeal PlayOut(FuzzedDataProvider& data, DealHoldings deal, SeatCode declarer, int trump) {
  PlayedDeal played;
  SeatCode leader = NextSeat(declarer);
  for (int trick = 0; trick < 13; ++trick) {
    int suitLed = 0;
    Card winning = 0;
    SeatCode winner = leader;
    for (int i = 0; i < 4; ++i) {
      const SeatCode seat = static_cast<SeatCode>((leader + i) % 4);
      std::vector<Card> legal;
      for (int suit = Clubs; suit <= Spades; ++suit) {
        if (i > 0 && deal[seat][suitLed] != 0 && suit != suitLed) continue;
        for (int rank = 2; rank <= Ace; ++rank)
          if (deal[seat][suit] & (Holding{1} << rank)) legal.push_back(MakeCard(rank, suit));
      }
      const Card card = legal[data.ConsumeIntegralInRange<std::size_t>(0, legal.size() - 1)];
      deal[seat][CardSuit(card)] &= ~(card & RankBits);
      if (i == 0) suitLed = CardSuit(card);
      if (i == 0 || CardBeatsWinner(card, winning, CardSuit(winning), trump)) {
        winning = card;
        winner = seat;
      }
      played.Record.push_back({static_cast<std::uint16_t>(card), seat});
    }
    played.Winners[trick] = winner;
    leader = winner;
  }
  played.Record.push_back({0, leader});
  return played;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const DealHoldings deal = fuzz::ShuffledDeal(data);
  const auto declarer = data.ConsumeIntegralInRange<SeatCode>(North, West);
  const int trump = data.ConsumeIntegralInRange(0, 4);
  const PlayedDeal played = PlayOut(data, deal, declarer, trump);

  const std::string text = PlayRecordText(played.Record, declarer);
  fuzz::Check(text.size() == 168, "a play record text has 168 characters");
  const std::vector<std::string> items = SplitCommaText(text);
  fuzz::Check(items.size() == 52, "a play record text splits into 52 cards");
  for (std::size_t k = 0; k < 52; ++k) {
    const std::size_t trick = k / 4;
    const PlayRecordEntry& entry = played.Record[k];
    // Within a trick the cards stand in seat order from declarer's left.
    const std::size_t column = (entry.Seat + 3 - declarer) % 4;
    std::string expected = CardText(entry.Card);
    if (entry.Seat == played.Winners[trick])
      expected += SideOfSeat(entry.Seat) == SideOfSeat(declarer) ? '+' : '-';
    fuzz::Check(items[4 * trick + column] == expected,
                "each card stands in its trick and seat, the winner marked");
  }
  return 0;
}
