// engine-bench: how well and how fast the engine plays. Seeded random deals,
// each in the contract its double-dummy tricks call for, played out for all
// four seats by the engine, by the analysis's first candidate alone and by
// random legal cards; every card is judged against double-dummy play. A
// fourth pass plays them at the table with South a user who asks for the
// hint at every turn: how long that user waits for it.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "deal_playout.h"
#include "engine/random_deal.h"
#include "model/deal_text.h"

namespace tavlo {
namespace {

struct Flags {
  int Deals = 200;
  std::uint32_t Seed = 1;
  int Thinking = 4;
  bool JsonOnly = false;
  std::string RecordFile;
  // A fixed contract, "4S", "3N": the level and strain every deal is played
  // in, by the seat that takes most tricks in the strain.
  int Level = 0;
  std::optional<StrainCode> Strain;
};

constexpr std::string_view Usage =
    "usage: engine-bench [--deals N] [--seed S] [--thinking T] [--contract 4S]\n"
    "                    [--json] [--record FILE]\n";

std::optional<Flags> ReadFlags(int argc, char** argv) {
  Flags flags;
  for (int at = 1; at < argc; ++at) {
    const std::string_view flag = argv[at];
    if (flag == "--json") {
      flags.JsonOnly = true;
      continue;
    }
    if (at + 1 >= argc) return std::nullopt;
    const std::string value = argv[++at];
    char* end = nullptr;
    const long number = std::strtol(value.c_str(), &end, 10);
    const bool numeric = !value.empty() && *end == '\0';
    if (flag == "--deals" && numeric && number > 0) {
      flags.Deals = static_cast<int>(number);
    } else if (flag == "--seed" && numeric && number >= 0) {
      flags.Seed = static_cast<std::uint32_t>(number);
    } else if (flag == "--thinking" && numeric && number >= 1 && number <= 10) {
      flags.Thinking = static_cast<int>(number);
    } else if (flag == "--record") {
      flags.RecordFile = value;
    } else if (flag == "--contract" && value.size() == 2 && value[0] >= '1' && value[0] <= '7' &&
               std::string_view("CDHSN").find(value[1]) != std::string_view::npos) {
      flags.Level = value[0] - '0';
      flags.Strain = static_cast<StrainCode>(std::string_view("CDHSN").find(value[1]));
    } else {
      return std::nullopt;
    }
  }
  return flags;
}

// The value below which the share q of the sorted values lies.
double Percentile(const std::vector<double>& sorted, double q) {
  if (sorted.empty()) return 0.0;
  const auto rank = static_cast<std::size_t>(std::ceil(q * static_cast<double>(sorted.size())));
  return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// Peak resident memory of the process, in MB.
double PeakMemoryMb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  return 0.0;
}

struct Tally {
  int TricksLost = 0;
  int CostlyCards = 0;
  int Cards = 0;

  double LostPerDeal(int deals) const { return deals ? double(TricksLost) / deals : 0.0; }
  double CostlyShare() const { return Cards ? double(CostlyCards) / Cards : 0.0; }
};

// "SA", "HT", "C2": suit letter, then rank letter.
std::string RecordCard(Card card) {
  return std::string(StrainLetters[CardSuit(card)]) + RankLetters[CardRank(card)];
}

std::string RecordLine(const BenchDeal& deal, const PlayedDeal& played) {
  std::string line = WriteDealText(deal.Deal) + " " + std::to_string(deal.Level) +
                     std::string(StrainLetters[deal.Trump]) + " " +
                     std::string(SeatLetters[deal.Declarer]);
  for (Card card : played.Cards) line += " " + RecordCard(card);
  return line;
}

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string QualityJson(const Tally& tally, int deals) {
  return "{\"tricks_lost_per_deal\":" + Fixed(tally.LostPerDeal(deals), 3) +
         ",\"costly_card_share\":" + Fixed(tally.CostlyShare(), 4) + "}";
}

// The median, the 90th and 99th percentiles and the maximum of the values.
struct Spread {
  explicit Spread(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    P50 = Percentile(values, 0.50);
    P90 = Percentile(values, 0.90);
    P99 = Percentile(values, 0.99);
    Max = values.empty() ? 0.0 : values.back();
  }
  std::string Json() const {
    return "{\"p50\":" + Fixed(P50, 3) + ",\"p90\":" + Fixed(P90, 3) + ",\"p99\":" + Fixed(P99, 3) +
           ",\"max\":" + Fixed(Max, 3) + "}";
  }
  std::string Text() const {
    return "p50 " + Fixed(P50, 2) + "   p90 " + Fixed(P90, 2) + "   p99 " + Fixed(P99, 2) +
           "   max " + Fixed(Max, 2);
  }
  double P50, P90, P99, Max;
};

int Run(const Flags& flags) {
  std::ofstream record;
  if (!flags.RecordFile.empty()) {
    record.open(flags.RecordFile);
    if (!record) {
      std::cerr << "engine-bench: cannot write " << flags.RecordFile << "\n";
      return 2;
    }
  }
  constexpr std::array<Player, 3> Players{Player::Engine, Player::FirstCandidate, Player::Random};
  std::array<Tally, 3> tallies{};
  Tally hinted;
  TableWaits tableWaits;
  std::vector<double> latency;
  int budgetHits = 0;
  int illegalCards = 0;
  // How often each phrase of the hint would say why the engine played its
  // card, by the phrase's rule name.
  std::map<std::string_view, int> phrases;
  std::mt19937 random(flags.Seed);

  for (int at = 0; at < flags.Deals; ++at) {
    const DealHoldings holdings = RandomDeal(flags.Seed + static_cast<std::uint32_t>(at));
    const Result<TrickTable> table = DoubleDummyTable(holdings);
    if (!table) {
      std::cerr << "engine-bench: " << table.Error() << "\n";
      return 1;
    }
    BenchDeal deal = ContractFor(holdings, *table, flags.Strain);
    if (flags.Level > 0) deal.Level = flags.Level;
    for (std::size_t p = 0; p < Players.size(); ++p) {
      const PlayedDeal played = PlayDeal(deal, Players[p], flags.Thinking, random);
      const DealQuality quality = JudgeDeal(deal, played);
      if (!quality.Error.empty()) {
        std::cerr << "engine-bench: " << quality.Error << "\n";
        return 1;
      }
      tallies[p].TricksLost += quality.TricksLost;
      tallies[p].CostlyCards += quality.CostlyCards;
      tallies[p].Cards += 52;
      illegalCards += played.IllegalCards;
      if (Players[p] != Player::Engine) continue;
      latency.insert(latency.end(), played.LatencyMs.begin(), played.LatencyMs.end());
      budgetHits += played.BudgetHits;
      for (const CardReason& reason : played.Reasons)
        ++phrases[CardRuleName(reason.LookedAhead ? CardRule::LookAhead : reason.Rule)];
      if (record) record << RecordLine(deal, played) << "\n";
    }
    const PlayedDeal withHints = PlayDealWithHints(deal, flags.Thinking, tableWaits);
    const DealQuality hintedQuality = JudgeDeal(deal, withHints);
    if (!hintedQuality.Error.empty()) {
      std::cerr << "engine-bench: " << hintedQuality.Error << "\n";
      return 1;
    }
    hinted.TricksLost += hintedQuality.TricksLost;
    hinted.CostlyCards += hintedQuality.CostlyCards;
    hinted.Cards += 52;
    illegalCards += withHints.IllegalCards;
    if (!flags.JsonOnly) std::cerr << "\rdeal " << at + 1 << " of " << flags.Deals << std::flush;
  }
  if (!flags.JsonOnly) std::cerr << "\n";

  const Spread decisions(latency);
  const Spread afterASecond(tableWaits.AfterASecondMs), atOnce(tableWaits.AtOnceMs),
      computer(tableWaits.ComputerMs);
  const double rss = PeakMemoryMb();
  if (!flags.JsonOnly) {
    std::cout << "engine-bench: " << flags.Deals << " deals, seed " << flags.Seed
              << ", thinking time " << flags.Thinking << "\n\n"
              << "decision latency (ms), " << latency.size() << " engine cards\n"
              << "  " << decisions.Text() << "   budget hits " << budgetHits << "\n\n"
              << "hint latency (ms), " << tableWaits.AfterASecondMs.size() << " hints\n"
              << "  asked after a second   " << afterASecond.Text() << "\n"
              << "  asked at once          " << atOnce.Text() << "\n\n"
              << "the computer's cards at the table (ms), " << tableWaits.ComputerMs.size()
              << " runs, the user going on after a second\n"
              << "  " << computer.Text() << "\n\n"
              << "player            tricks lost per deal   cards that cost a trick\n";
    constexpr std::array<std::string_view, 3> Names{"engine         ", "first candidate",
                                                    "random         "};
    for (std::size_t p = 0; p < Players.size(); ++p)
      std::cout << "  " << Names[p] << "   " << Fixed(tallies[p].LostPerDeal(flags.Deals), 3)
                << "                  " << Fixed(100.0 * tallies[p].CostlyShare(), 2) << " %\n";
    std::cout << "  South by hints    " << Fixed(hinted.LostPerDeal(flags.Deals), 3)
              << "                  " << Fixed(100.0 * hinted.CostlyShare(), 2) << " %\n";
    std::cout << "\nillegal cards " << illegalCards << ", peak memory " << Fixed(rss, 1)
              << " MB\n\n"
              << "why the engine played its cards (the hint's phrase), " << latency.size()
              << " engine cards\n";
    std::vector<std::pair<std::string_view, int>> byCount(phrases.begin(), phrases.end());
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    for (const auto& [name, count] : byCount) {
      std::cout << "  " << name << std::string(26 - std::min<std::size_t>(name.size(), 25), ' ')
                << count << "   "
                << Fixed(100.0 * count / std::max<std::size_t>(latency.size(), 1), 2) << " %\n";
    }
    std::cout << "\n";
  }
  std::string phraseJson;
  for (const CardRule rule : AllCardRules) {
    const auto found = phrases.find(CardRuleName(rule));
    phraseJson += std::string(phraseJson.empty() ? "" : ",") + "\"" +
                  std::string(CardRuleName(rule)) +
                  "\":" + std::to_string(found == phrases.end() ? 0 : found->second);
  }
  std::cout << "{\"deals\":" << flags.Deals << ",\"seed\":" << flags.Seed
            << ",\"thinking\":" << flags.Thinking << ",\"illegal_cards\":" << illegalCards
            << ",\"rss_mb\":" << Fixed(rss, 1) << ",\"latency_ms\":" << decisions.Json()
            << ",\"budget_hits\":" << budgetHits
            << ",\"hint_latency_ms\":{\"after_1s\":" << afterASecond.Json()
            << ",\"at_once\":" << atOnce.Json()
            << "},\"hints\":" << tableWaits.AfterASecondMs.size()
            << ",\"table_wait_ms\":" << computer.Json()
            << ",\"computer_runs\":" << tableWaits.ComputerMs.size()
            << ",\"engine\":" << QualityJson(tallies[0], flags.Deals)
            << ",\"first_candidate\":" << QualityJson(tallies[1], flags.Deals)
            << ",\"random\":" << QualityJson(tallies[2], flags.Deals)
            << ",\"south_by_hints\":" << QualityJson(hinted, flags.Deals) << ",\"rule_phrases\":{"
            << phraseJson << "}}\n";
  return illegalCards == 0 ? 0 : 1;
}

}  // namespace
}  // namespace tavlo

int main(int argc, char** argv) {
  const std::optional<tavlo::Flags> flags = tavlo::ReadFlags(argc, argv);
  if (!flags) {
    std::cerr << tavlo::Usage;
    return 2;
  }
  return tavlo::Run(*flags);
}
