// One table of broken plays (a revoke, a card played twice, a card the seat
// does not hold, a 53rd card, a first trick led by the wrong seat) fed to
// every part of the program that replays a play: each refuses it, and each
// gives the same reason.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/double_dummy.h"
#include "analysis/hand_review.h"
#include "engine/play_out.h"
#include "engine/random_deal.h"
#include "model/symbol_text.h"
#include "pbn/pbn_import.h"
#include "pbn/pbn_reader.h"
#include "pbn/pbn_writer.h"

namespace tavlo {
namespace {

// Four hearts by South, West to lead.
constexpr SeatCode Declarer = South;
constexpr StrainCode Trump = Hearts;
constexpr SeatCode Leader = West;
constexpr Bid Contract = ContractBidCode(4, Hearts);
const DealHoldings Deal = RandomDeal(17);

enum class Fault { Revoke, PlayedTwice, NotHeld, CardAfterTheEnd, WrongLeader };
enum class Entry { Replay, ReplayWithSeats, PbnReader, PbnImport, ValuesOfCards, ReviewHand };

constexpr std::array<const char*, 5> FaultNames{"Revoke", "PlayedTwice", "NotHeld",
                                                "CardAfterTheEnd", "WrongLeader"};
constexpr std::array<const char*, 6> EntryNames{"Replay",    "ReplayWithSeats", "PbnReader",
                                                "PbnImport", "ValuesOfCards",   "ReviewHand"};

// ctest lists a test with its parameter: in words, not bytes.
void PrintTo(Fault fault, std::ostream* out) { *out << FaultNames[static_cast<int>(fault)]; }
void PrintTo(Entry entry, std::ostream* out) { *out << EntryNames[static_cast<int>(entry)]; }

struct BrokenPlay {
  // The cards with the seats a file names for them; the first card the
  // rules refuse is at Refused.
  std::vector<PlayRecordEntry> Cards;
  std::size_t Refused = 0;
  std::string Reason;  // as the replay words it
};

// A whole hand of random legal cards.
PlayOut LegalPlay() {
  std::mt19937 random(5);
  Result<PlayOut> play = PlayOut::Start(Deal, Trump, Leader);
  while (play && !play->Over()) {
    const SuitHoldings legal = play->Legal();
    if (!play->Play(legal.NthCard(static_cast<int>(random() % legal.Count())))) break;
  }
  EXPECT_TRUE(play && play->Over());
  return *play;
}

std::string CardWords(std::size_t at, Card card) {
  return "Card " + std::to_string(at + 1) + " (" + CardMarkup(card) + ")";
}

BrokenPlay BrokenPlayOf(Fault fault) {
  const PlayOut play = LegalPlay();
  BrokenPlay broken{{play.Record().begin(), play.Record().begin() + 52}, 0, {}};
  std::vector<PlayRecordEntry>& cards = broken.Cards;
  switch (fault) {
    case Fault::Revoke:
      // The first card where the seat could follow suit and holds another
      // suit too: it plays the other suit.
      for (std::size_t at = 1; at < 52; ++at) {
        const SeatCode seat = cards[at].Seat;
        const std::array<Holding, 4> held = play.LeftBefore(static_cast<int>(at))[seat];
        const StrainCode led = CardSuit(cards[at - at % 4].Card);
        if (at % 4 == 0 || held[led] == 0) continue;
        for (int suit = Clubs; suit <= Spades; ++suit) {
          if (suit == led || held[suit] == 0) continue;
          cards[at].Card = static_cast<std::uint16_t>(LowestCard(held[suit]) | suit);
          return {cards, at, CardWords(at, cards[at].Card) + " does not follow suit"};
        }
      }
      ADD_FAILURE() << "no seat could revoke";
      break;
    case Fault::PlayedTwice:
      cards[5].Card = cards[0].Card;
      return {cards, 5, CardWords(5, cards[5].Card) + " is played a second time"};
    case Fault::NotHeld: {
      // A card partner still holds.
      const SeatCode seat = cards[9].Seat;
      const std::array<Holding, 4> partner = play.LeftBefore(9)[PartnerOf(seat)];
      for (int suit = Clubs; suit <= Spades; ++suit)
        if (partner[suit] != 0)
          cards[9].Card = static_cast<std::uint16_t>(HighestCard(partner[suit]) | suit);
      return {
          cards, 9,
          CardWords(9, cards[9].Card) + " is not in the hand of " + std::string(SeatNames[seat])};
    }
    case Fault::CardAfterTheEnd:
      // A fourteenth trick, led by the winner of the thirteenth.
      for (int i = 0; i < 4; ++i)
        cards.push_back({cards[i].Card, static_cast<SeatCode>((play.ToPlay() + i) % 4)});
      return {cards, 52, CardWords(52, cards[52].Card) + " comes after the hand is over"};
    case Fault::WrongLeader:
      // The first trick as North would have led it.
      std::rotate(cards.begin(), cards.begin() + 1, cards.begin() + 4);
      return {cards, 0, CardWords(0, cards[0].Card) + " is played by North, but it is West's turn"};
  }
  return broken;
}

std::vector<Card> CardsOf(std::span<const PlayRecordEntry> entries) {
  std::vector<Card> cards;
  for (const PlayRecordEntry& entry : entries) cards.push_back(entry.Card);
  return cards;
}

// A board of the broken play, each trick in columns from the seat of its
// first card, which the section names as the opening leader.
std::string PbnOf(const BrokenPlay& broken) {
  PbnBoard board;
  board.Board = "1";
  board.Deal = Deal;
  board.Declarer = Declarer;
  board.Contract = PbnContract{Contract, 0};
  board.PlaySeat = broken.Cards.front().Seat;
  for (std::size_t at = 0; at + 4 <= broken.Cards.size(); at += 4) {
    PbnTrick trick{};
    for (std::size_t i = at; i < at + 4; ++i)
      trick[(broken.Cards[i].Seat - board.PlaySeat + 4) % 4] = broken.Cards[i].Card;
    board.Play.push_back(trick);
  }
  return WritePbn(std::vector<PbnExportBoard>{{board, {}, {}}});
}

// The reader's report of the board: the replay's reason where the file's
// words go, with the trick it is in.
std::string PbnProblemOf(const BrokenPlay& broken) {
  std::string reason = broken.Reason;
  reason[0] = 'c';
  const std::size_t trick = broken.Refused / 4 + 1;
  if (trick <= 13) reason += " in trick " + std::to_string(trick);
  return "Board 1 came in without its play: " + reason + ".";
}

using Case = std::pair<Fault, Entry>;

class BrokenPlayTest : public testing::TestWithParam<Case> {};

TEST_P(BrokenPlayTest, IsRefusedWithTheReplaysReason) {
  const auto [fault, entry] = GetParam();
  const BrokenPlay broken = BrokenPlayOf(fault);
  ASSERT_FALSE(broken.Reason.empty());
  const std::vector<Card> cards = CardsOf(broken.Cards);
  switch (entry) {
    case Entry::Replay:
      EXPECT_EQ(ReplayCards(Deal, Trump, Leader, cards).Error(), broken.Reason);
      break;
    case Entry::ReplayWithSeats:
      EXPECT_EQ(ReplayCards(Deal, Trump, Leader, broken.Cards).Error(), broken.Reason);
      break;
    case Entry::PbnReader: {
      const PbnReading read = ReadPbn(PbnOf(broken));
      EXPECT_EQ(read.Problems, std::vector{PbnProblemOf(broken)});
      ASSERT_EQ(read.Boards.size(), 1u);
      EXPECT_TRUE(read.Boards[0].Play.empty());
      break;
    }
    case Entry::PbnImport: {
      const PbnImportPlan plan = PlanPbnImport(PbnOf(broken));
      EXPECT_EQ(plan.Problems, std::vector{PbnProblemOf(broken)});
      ASSERT_EQ(plan.Hands.size(), 1u);
      EXPECT_EQ(plan.Hands[0].Played.PlaysText, "");
      break;
    }
    case Entry::ValuesOfCards:
      // The position just after the refused card.
      EXPECT_EQ(
          ValuesOfCards(Deal, Trump, Leader, std::span(cards).first(broken.Refused + 1)).Error(),
          broken.Reason);
      break;
    case Entry::ReviewHand:
      EXPECT_EQ(ReviewHand(Deal, Contract, Declarer, 0, North, cards).Error(), broken.Reason);
      break;
  }
}

// Every fault at every entry point, but a wrong leader only where the
// caller names the seats that play.
std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (std::size_t fault = 0; fault < FaultNames.size(); ++fault)
    for (std::size_t entry = 0; entry < EntryNames.size(); ++entry) {
      const bool namesSeats = entry == static_cast<std::size_t>(Entry::ReplayWithSeats) ||
                              entry == static_cast<std::size_t>(Entry::PbnReader) ||
                              entry == static_cast<std::size_t>(Entry::PbnImport);
      if (fault == static_cast<std::size_t>(Fault::WrongLeader) && !namesSeats) continue;
      cases.emplace_back(static_cast<Fault>(fault), static_cast<Entry>(entry));
    }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryEntryPoint, BrokenPlayTest, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& info) {
                           return std::string(FaultNames[static_cast<int>(info.param.first)]) +
                                  "_" + EntryNames[static_cast<int>(info.param.second)];
                         });

}  // namespace
}  // namespace tavlo
