#include "pbn/pbn_export.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "auction/auction.h"
#include "auction/call_rules.h"
#include "handfile/hand_record.h"
#include "model/bid_text.h"
#include "model/comma_text.h"
#include "model/deal_text.h"
#include "model/file_replace.h"
#include "model/play_record_text.h"
#include "pbn/pbn_writer.h"

namespace tavlo {

namespace {

int DeclarerTricksOf(std::string_view text) {
  int tricks = 0;
  for (const char c : text) tricks += c == '+';
  return tricks;
}

}  // namespace

Result<PbnBoard> BoardOfSection(TBigIniFile& store, std::string_view section,
                                std::span<const std::string> alertTexts,
                                std::vector<std::string>& problems) {
  const HandRecord record = ReadHandRecord(store, section);
  PbnBoard board;
  board.Board = std::string(section);
  board.Event = "Tavlo";
  board.Dealer = record.Dealer;
  board.Vulnerability = record.Vulnerability;
  const Result<DealHoldings> deal = ParseDeal(record.DealText);
  if (!deal) return Reason{"Board " + board.Board + " was left out: " + deal.Error() + "."};
  board.Deal = *deal;
  const bool scripted = !(record.ScriptedAuction.size() == 1 && record.ScriptedAuction[0] == "-");
  std::vector<Bid> calls;
  std::size_t alerted = 0;
  for (const std::string& item : scripted ? record.ScriptedAuction : std::vector<std::string>{}) {
    PbnCall call{BidCode(item), {}};
    if (item.find('(') != std::string::npos && item.find(')') != std::string::npos) {
      const std::string_view alert =
          alerted < record.Alerts.size() ? std::string_view(record.Alerts[alerted]) : "";
      call.Note = AlertExplanation(alertTexts, alert);
      ++alerted;
    }
    calls.push_back(call.Call);
    board.Auction.push_back(std::move(call));
  }
  Result<AuctionOutcome> outcome = FollowCalls(calls, board.Dealer);
  // The table completes a script that stops short with passes.
  while (!calls.empty() && outcome && !outcome->Over) {
    calls.push_back(Pass);
    board.Auction.push_back({Pass, {}});
    outcome = FollowCalls(calls, board.Dealer);
  }
  if (!outcome) {
    problems.push_back("Board " + board.Board +
                       " was written without its auction, which is not legal: " + outcome.Error() +
                       ".");
    board.Auction.clear();
    return board;
  }
  if (board.Auction.empty()) return board;
  board.Contract = PbnContract{outcome->ContractBid, outcome->Doubling};
  if (outcome->ContractBid == Pass) return board;
  board.Declarer = outcome->Declarer;
  const std::string plays = store.ReadString(section, "Plays", "");
  if (const auto tricks = PlayRecordTricks(plays)) {
    board.PlaySeat = NextSeat(outcome->Declarer);
    board.Play = *tricks;
    board.Result = DeclarerTricksOf(plays);
  }
  return board;
}

std::vector<std::string> SectionsInBoardOrder(const TBigIniFile& store) {
  std::vector<std::string> sections;
  store.ReadSections(sections);
  const auto key = [](const std::string& name) {
    const bool number = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
    return std::tuple(!number, number ? name.size() : 0, name);
  };
  std::stable_sort(sections.begin(), sections.end(),
                   [&](const std::string& a, const std::string& b) { return key(a) < key(b); });
  return sections;
}

std::vector<PbnExportBoard> ExportBoards(TBigIniFile& store, std::span<const std::string> sections,
                                         std::span<const std::string> alertTexts,
                                         std::vector<std::string>& problems) {
  std::vector<PbnExportBoard> boards;
  for (const std::string& section : sections) {
    Result<PbnBoard> board = BoardOfSection(store, section, alertTexts, problems);
    if (!board) {
      problems.push_back(board.Error());
      continue;
    }
    // A hand saved without typing a comment keeps a single blank.
    boards.push_back(
        {std::move(*board), TrimTrailingSpaces(store.ReadString(section, "Comment", "")), {}});
  }
  return boards;
}

PbnExportResult WritePbnFile(std::vector<PbnExportBoard> boards, const std::string& fileName,
                             bool analyse, JobControl* job) {
  PbnExportResult result;
  if (job && analyse) job->SetTotal(static_cast<int>(boards.size()));
  for (PbnExportBoard& entry : boards) {
    if (!analyse || Stopped(job)) break;
    if (job) job->Advance();
    // A deal the solver cannot take goes out without its facts.
    const Result<TrickTable> table = DoubleDummyTable(entry.Board.Deal);
    if (!table) continue;
    if (const Result<ParResult> par =
            ParOfDeal(*table, entry.Board.Vulnerability, entry.Board.Dealer))
      entry.Analysis = PbnAnalysis{*table, *par};
  }
  // Asked to stop, even after the last board, it leaves the file alone.
  if (Stopped(job)) {
    result.Count = Reason{"The export was stopped; " + fileName + " was not written."};
    return result;
  }
  if (const Status written = ReplaceFile(fileName, WritePbn(boards)); !written)
    result.Count = written.Why();
  else
    result.Count = static_cast<int>(boards.size());
  return result;
}

std::string ExportReport(const PbnExportResult& result, std::string_view fileName) {
  std::string report = !result.Count ? result.Count.Error()
                                     : "Wrote " + std::to_string(*result.Count) +
                                           (*result.Count == 1 ? " board" : " boards") + " to " +
                                           std::string(fileName) + ".";
  for (const std::string& problem : result.Problems) report += "\n" + problem;
  return report;
}

PbnExportResult ExportPbn(TBigIniFile& store, std::span<const std::string> sections,
                          std::span<const std::string> alertTexts, const std::string& fileName,
                          bool analyse) {
  std::vector<std::string> problems;
  std::vector<PbnExportBoard> boards = ExportBoards(store, sections, alertTexts, problems);
  PbnExportResult result = WritePbnFile(std::move(boards), fileName, analyse);
  result.Problems = std::move(problems);
  return result;
}

}  // namespace tavlo
