#include "deal_playout.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/analyse_position.h"
#include "engine/card_choice.h"
#include "engine/engine_state.h"
#include "engine/legal_cards.h"
#include "engine/play_state.h"
#include "engine/position_cache.h"
#include "engine/search_state.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "game/think_ahead.h"
#include "model/clock.h"
#include "model/hand_data.h"
#include "options/options_record.h"

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

using Moment = std::chrono::steady_clock::time_point;

double MsBetween(Moment from, Moment to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// How long the user considers a card before asking for the hint, reads
// the hint before playing its card, or looks at the auction's end or a
// finished trick before going on.
constexpr std::chrono::seconds UsersThought{1};

// Work the table does ahead on a copy of its game, on a thread of its own.
class WorkAhead {
 public:
  WorkAhead(Game copy, std::function<void(Game&, const JobControl&)> work)
      : copy_(std::move(copy)) {
    thread_ = std::thread([this, work = std::move(work)] {
      work(copy_, job_);
      const std::lock_guard lock(mutex_);
      done_ = std::chrono::steady_clock::now();
      ready_ = true;
      readyNow_.notify_all();
    });
  }
  ~WorkAhead() {
    job_.RequestStop();
    if (thread_.joinable()) thread_.join();
  }
  WorkAhead(const WorkAhead&) = delete;
  WorkAhead& operator=(const WorkAhead&) = delete;

  // The moment the user acts, thought after the work began; the bench does
  // not sleep out what the work does not need, so when the work is done
  // sooner the user acts at once.
  Moment UserActs(Moment began) {
    std::unique_lock lock(mutex_);
    return readyNow_.wait_for(lock, began + UsersThought - std::chrono::steady_clock::now(),
                              [this] { return ready_; })
               ? std::chrono::steady_clock::now()
               : began + UsersThought;
  }
  // Waits for the work, then hands over the copy it worked on.
  Game& Finished() {
    thread_.join();
    return copy_;
  }
  // When the work was done.
  Moment Done() const { return done_; }

 private:
  Game copy_;
  JobControl job_;
  std::mutex mutex_;
  std::condition_variable readyNow_;
  bool ready_ = false;
  Moment done_;
  std::thread thread_;
};

// A game of the deal at the opening lead, as the table starts the play
// once the auction has ended in the bench's contract; South is the user.
Game GameOf(const BenchDeal& deal, int thinkingTime, const Clock& clock) {
  Game game;
  StartUpInitialisation(game, clock, true);
  game.Options.SkillLevel = static_cast<std::uint8_t>(thinkingTime);
  game.Options.UserSeats = SouthOnly;
  game.Table.Deal = deal.Deal;
  game.Hands.Deal(deal.Deal);
  ApplySeatOptions(game);
  game.Auction.Declarer = deal.Declarer;
  game.Auction.Trump = deal.Trump;
  game.Auction.ContractLevel = deal.Level;
  game.Auction.ContractBid = ContractBidCode(deal.Level, deal.Trump);
  game.Table.TablePhase = Phase::EndOfBidding;
  StartPlay(game, clock);
  return game;
}

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
      AnalysisCopy aside(hands, play, search, *engine, clock.machine);
      played.Reasons.push_back(ReasonFor(aside.Context, aside.Engine, card));
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

PlayedDeal PlayDealWithHints(const BenchDeal& deal, int thinkingTime, TableWaits& waits) {
  const SystemClock clock;
  Game game = GameOf(deal, thinkingTime, clock);
  PlayedDeal played;
  const auto play = [&](Card card) {
    const SuitHoldings legal = LegalCards(game.Hands, game.Play);
    played.Choice[game.Play.CardsPlayed] = legal.Count() > 1;
    if (!legal.Holds(card)) {
      ++played.IllegalCards;
      card = legal.LowestCard();
    }
    played.Cards[game.Play.CardsPlayed] = card;
    MakePlay(game, card, clock);
  };
  // The computer's run worked out ahead: cards is where it goes, the copy
  // as the run left it is what the table takes over.
  auto cards = std::make_shared<std::vector<Card>>();
  const auto runFrom = [&](Game copy) {
    cards->clear();
    return std::make_unique<WorkAhead>(
        std::move(copy), [cards, &clock](Game& g, const JobControl& job) {
          *cards = WorkOutRun(g, clock, nullptr, &job).value_or(std::vector<Card>{});
        });
  };
  // The user goes on thought after began; the run is played as the table
  // plays it, and the wait for it counted from the user's act.
  const auto playRun = [&](WorkAhead& run, Moment began) {
    const Moment acted = run.UserActs(began);
    Game& worked = run.Finished();
    for (const Card card : *cards) play(card);
    TakeOverSearch(game, std::move(worked));
    waits.ComputerMs.push_back(MsBetween(acted, std::chrono::steady_clock::now()));
  };

  // The opening run, worked out while the user looks at the auction's end.
  if (ComputerToPlay(game.Hands, game.Play)) {
    const Moment began = std::chrono::steady_clock::now();
    playRun(*runFrom(game), began);
  }
  while (game.Play.CardsPlayed < 52) {
    if (game.Table.TrickWaiting) {
      // The next trick's run, worked out while the user looks at this one.
      Game cleared = game;
      ClearPlay(cleared);
      const bool computerGoesOn = ComputerToPlay(cleared.Hands, cleared.Play);
      if (!computerGoesOn) {
        ClearPlay(game);
        continue;
      }
      const Moment began = std::chrono::steady_clock::now();
      auto run = runFrom(std::move(cleared));
      ClearPlay(game);
      playRun(*run, began);
      continue;
    }
    // The user's turn: the table thinks ahead while the user considers.
    const Moment turn = std::chrono::steady_clock::now();
    Card card = 0;
    WorkAhead hint(CopyForHint(game), [&clock, &card](Game& copy, const JobControl& job) {
      card = WorkOutHint(copy, clock, nullptr, &job);
    });
    const Moment asked = hint.UserActs(turn);
    TakeOverSearch(game, std::move(hint.Finished()));
    const Moment shown = std::chrono::steady_clock::now();
    const double takeOver = MsBetween(std::max(hint.Done(), asked), shown);
    waits.AfterASecondMs.push_back(MsBetween(asked, shown));
    waits.AtOnceMs.push_back(MsBetween(turn, hint.Done()) + takeOver);
    // The user reads the hint and plays its card; meanwhile the table works
    // out the computer's answer to it.
    Game answered = game;
    MakePlay(answered, card, clock);
    if (answered.Table.TrickWaiting || !ComputerToPlay(answered.Hands, answered.Play)) {
      play(card);
      continue;
    }
    auto run = runFrom(std::move(answered));
    play(card);
    playRun(*run, shown);
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
