#pragma once
// A table for engine tests: four hands, the play state, the search state, a
// clock the test sets, and a consistency stop that throws instead of ending
// the process.

#include <array>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/legal_cards.h"
#include "engine/play_state.h"
#include "engine/search_state.h"
#include "model/deal_text.h"

namespace tavlo::testing_support {

class FakeClock final : public Clock {
 public:
  double Now() const override { return now; }
  double now = 0.5;
};

struct LogicError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// A card from its text, e.g. "QH".
inline Card CardOf(std::string_view text) {
  return MakeCard(RankOfLetter(text[0]), SuitOfLetter(text.substr(1)));
}

struct Table {
  HandSet hands;
  PlayState play;
  SearchState search;
  FakeClock clock;
  PlayContext context{hands, play, search, clock,
                      [](const std::string& message) { throw LogicError(message); }};

  // Deals (a deal text, "N:spades.hearts.diamonds.clubs ..."), binds the
  // views for the contract and resets the play.
  void Start(std::string_view deal, int declarer, int trump, int level = 4) {
    const Result<DealHoldings> holdings = ParseDeal(deal);
    if (!holdings) throw std::invalid_argument(holdings.Error());
    Start(*holdings, declarer, trump, level);
  }
  void Start(const DealHoldings& holdings, int declarer, int trump, int level = 4) {
    hands.Deal(holdings);
    hands.BindSuitViews(trump);
    play.Declarer = static_cast<SeatCode>(declarer);
    play.Trump = static_cast<StrainCode>(trump);
    play.ContractLevel = level;
    ResetPlay(context);
  }
  void Play(std::string_view cards) {
    for (std::size_t at = 0; at + 1 < cards.size(); at += 3)
      PlayCard(context, CardOf(cards.substr(at, 2)));
  }
  // The lowest card the seat to play may play: of the suit led when it
  // holds one, else of the lowest suit it holds.
  Card LowestLegalCard() const { return LegalCards(hands, play).LowestCard(); }
  // A card the seat to play may play, chosen at random among them.
  Card RandomLegalCard(std::mt19937& random) const {
    const SuitHoldings legal = LegalCards(hands, play);
    return legal.NthCard(static_cast<int>(random() % legal.Count()));
  }
  void TakeBack() { tavlo::TakeBack(context); }
  int CardsLeft() const {
    int left = 0;
    for (int seat = 0; seat < 4; ++seat) left += hands[seat].CardCount();
    return left;
  }
};

}  // namespace tavlo::testing_support
