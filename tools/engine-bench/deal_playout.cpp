#include "deal_playout.h"

#include <chrono>
#include <memory>

#include "engine/analyse_position.h"
#include "engine/card_choice.h"
#include "engine/engine_state.h"
#include "engine/legal_cards.h"
#include "engine/play_state.h"
#include "engine/position_cache.h"
#include "engine/search_state.h"
#include "model/clock.h"
#include "model/hand_data.h"

namespace tavlo {

namespace {

// The machine's clock, noting when the engine's time check found a search
// past its budget.
class BudgetClock final : public Clock {
 public:
  explicit BudgetClock(const SearchState& search) : search_(search) {}
  double Now() const override { return machine.Now(); }
  double Seconds() const override {
    const double now = machine.Seconds();
    if (now - search_.StartTime > search_.TimeLimit) overrun = true;
    return now;
  }
  SystemClock machine;
  mutable bool overrun = false;

 private:
  const SearchState& search_;
};

}  // namespace

BenchDeal ContractFor(const DealHoldings& deal, const TrickTable& table,
                      std::optional<StrainCode> strain) {
  BenchDeal bench{deal, North, NoTrump, 1};
  int most = -1;
  for (int s = Clubs; s <= NoTrump; ++s) {
    if (strain && *strain != s) continue;
    for (int seat = North; seat <= West; ++seat)
      if (table[s][seat] > most) {
        most = table[s][seat];
        bench.Declarer = static_cast<SeatCode>(seat);
        bench.Trump = static_cast<StrainCode>(s);
      }
  }
  bench.Level = std::clamp(most - 6, 1, 7);
  return bench;
}

PlayedDeal PlayDeal(const BenchDeal& deal, Player player, int thinkingTime, std::mt19937& random) {
  HandSet hands;
  PlayState play;
  SearchState search;
  BudgetClock clock(search);
  PlayContext context{hands, play, search, clock, nullptr};
  hands.Deal(deal.Deal);
  hands.BindSuitViews(deal.Trump);
  play.Declarer = deal.Declarer;
  play.Trump = deal.Trump;
  play.ContractLevel = deal.Level;
  ResetPlay(context);
  // As the table starts the play of a hand.
  search.ThinkingTime = thinkingTime;
  search.Testwidth = 3;
  search.TimeLimit = thinkingTime;
  auto engine = std::make_unique<EngineState>();

  PlayedDeal played;
  while (play.CardsPlayed < 52) {
    const SuitHoldings legal = LegalCards(hands, play);
    played.Choice[play.CardsPlayed] = legal.Count() > 1;
    Card card = 0;
    if (player == Player::Random) {
      card = legal.NthCard(static_cast<int>(random() % legal.Count()));
    } else if (player == Player::FirstCandidate) {
      card = ForcedCard(context);
      if (card == 0) {
        AnalysePosition(context, *engine);
        card = engine->Analysis.Candidates[0];
      }
    } else {
      // As the table readies the engine before each card.
      search.TablePosition = play.CardsPlayed;
      if (play.TrickPosition == 1) {
        if (search.ThinkingTime > 4) search.Totplay = 0;
        search.Testwidth = search.ThinkingTime * 5000 < search.Totplay ? 2 : 3;
      }
      search.StartTime = clock.machine.Seconds();
      clock.overrun = false;
      int projection = -1;
      const auto start = std::chrono::steady_clock::now();
      card = ChooseCard(context, *engine, projection);
      played.LatencyMs.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
      played.BudgetHits += clock.overrun;
    }
    if (!legal.Holds(card)) {
      ++played.IllegalCards;
      card = legal.LowestCard();
    }
    played.Cards[play.CardsPlayed] = card;
    PlayCard(context, card);
  }
  return played;
}

DealQuality JudgeDeal(const BenchDeal& deal, const PlayedDeal& played) {
  DealQuality quality;
  const SeatCode leader = NextSeat(deal.Declarer);
  for (std::size_t at = 0; at < played.Cards.size(); ++at) {
    if (!played.Choice[at]) continue;
    const Result<PlayValues> values =
        ValuesOfCards(deal.Deal, deal.Trump, leader, std::span(played.Cards.data(), at));
    if (!values) {
      quality.Error = values.Error();
      return quality;
    }
    const int cost = values->Cost(played.Cards[at]);
    quality.TricksLost += cost;
    quality.CostlyCards += cost > 0;
  }
  return quality;
}

}  // namespace tavlo
