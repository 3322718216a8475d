#include "pbn/pbn_writer.h"

#include <array>

#include "model/deal_text.h"
#include "pbn/pbn_text.h"
#include "scoring/duplicate_score.h"

namespace tavlo {

namespace {

constexpr std::string_view LineEnd = "\r\n";

void WriteTag(std::string& out, std::string_view name, std::string_view value) {
  out += "[" + std::string(name) + " \"" + std::string(value) + "\"]";
  out += LineEnd;
}

// Rows of cells, four to a line, the way both sections are laid out.
void WriteRows(std::string& out, const std::vector<std::string>& cells) {
  for (std::size_t at = 0; at < cells.size(); ++at) {
    out += cells[at];
    out += at % 4 == 3 || at + 1 == cells.size() ? LineEnd : " ";
  }
}

void WriteAuction(std::string& out, const PbnBoard& board) {
  if (board.Auction.empty()) return;
  WriteTag(out, "Auction", SeatLetters[board.Dealer]);
  std::vector<std::string> cells;
  std::vector<std::string> notes;
  for (const PbnCall& call : board.Auction) {
    cells.push_back(PbnCallText(call.Call));
    if (call.Note.empty()) continue;
    notes.push_back(call.Note);
    cells.back() += " =" + std::to_string(notes.size()) + "=";
  }
  WriteRows(out, cells);
  for (std::size_t n = 0; n < notes.size(); ++n)
    WriteTag(out, "Note", std::to_string(n + 1) + ":" + PbnString(notes[n]));
}

void WritePlay(std::string& out, const PbnBoard& board) {
  if (board.Play.empty()) return;
  WriteTag(out, "Play", SeatLetters[board.PlaySeat]);
  std::vector<std::string> cells;
  for (const PbnTrick& trick : board.Play)
    for (const Card card : trick) cells.push_back(card ? PbnCardText(card) : "-");
  if (board.Play.size() < 13) cells.push_back("*");
  WriteRows(out, cells);
}

std::string SideScore(int northSouth) {
  return northSouth < 0 ? "EW " + std::to_string(-northSouth) : "NS " + std::to_string(northSouth);
}

void WriteAnalysis(std::string& out, const PbnAnalysis& analysis) {
  WriteTag(out, "OptimumResultTable", "Declarer;Denomination\\2R;Result\\2R");
  constexpr std::array<SeatCode, 4> seats{North, South, East, West};
  constexpr std::array<StrainCode, 5> strains{NoTrump, Spades, Hearts, Diamonds, Clubs};
  constexpr std::array<std::string_view, 5> names{"C", "D", "H", "S", "NT"};
  for (const SeatCode seat : seats) {
    for (const StrainCode strain : strains) {
      out += std::string(SeatLetters[seat]) + " " + std::string(names[strain]) + " " +
             std::to_string(analysis.Tricks[strain][seat]);
      out += LineEnd;
    }
  }
  std::string contracts;
  for (const ParContract& par : analysis.Par.Contracts) {
    if (!contracts.empty()) contracts += ", ";
    contracts += par.Seats + " " + std::to_string(par.Level) + std::string(names[par.Strain]) +
                 (par.Doubled ? "X" : "");
  }
  WriteTag(out, "ParContract", contracts.empty() ? "Pass" : contracts);
  WriteTag(out, "OptimumScore", SideScore(analysis.Par.ScoreNorthSouth));
}

std::string Commentary(std::string_view comment) {
  std::string text(comment);
  for (char& c : text)
    if (c == '}') c = ')';
  return "{" + text + "}";
}

}  // namespace

std::string WritePbn(std::span<const PbnExportBoard> boards) {
  std::string out = "% PBN 2.1";
  out += LineEnd;
  out += "% EXPORT";
  out += LineEnd;
  out += "%Content-type: text/x-pbn; charset=UTF-8";
  out += LineEnd;
  out += "%Creator: Tavlo";
  out += LineEnd;
  for (const PbnExportBoard& entry : boards) {
    const PbnBoard& board = entry.Board;
    out += LineEnd;
    WriteTag(out, "Event", PbnString(board.Event));
    WriteTag(out, "Site", "");
    WriteTag(out, "Date", "");
    WriteTag(out, "Board", PbnString(board.Board));
    for (const SeatCode seat : {West, North, East, South}) WriteTag(out, SeatNames[seat], "");
    WriteTag(out, "Dealer", SeatLetters[board.Dealer]);
    WriteTag(out, "Vulnerable", PbnVulnerabilityText(board.Vulnerability));
    WriteTag(out, "Deal", WriteDealText(board.Deal));
    WriteTag(out, "Scoring", "");
    WriteTag(out, "Declarer", board.Declarer ? SeatLetters[*board.Declarer] : "");
    WriteTag(out, "Contract", board.Contract ? PbnContractText(*board.Contract) : "");
    WriteTag(out, "Result", board.Result ? std::to_string(*board.Result) : "");
    if (board.Result && board.Contract && (board.Declarer || board.Contract->ContractBid == Pass)) {
      const PbnContract& contract = *board.Contract;
      const SeatCode declarer = board.Declarer.value_or(North);
      const bool vulnerable = IsVulnerable(board.Vulnerability, SideOfSeat(declarer));
      WriteTag(out, "Score",
               SideScore(DuplicateScore(contract.ContractBid, contract.Doubling, declarer,
                                        vulnerable, *board.Result)));
    }
    WriteAuction(out, board);
    WritePlay(out, board);
    if (entry.Analysis) WriteAnalysis(out, *entry.Analysis);
    if (!entry.Comment.empty()) {
      out += Commentary(entry.Comment);
      out += LineEnd;
    }
  }
  return out;
}

}  // namespace tavlo
