#include "pbn/pbn_import.h"

#include <optional>
#include <utility>

#include "analysis/double_dummy.h"
#include "auction/call_rules.h"
#include "model/bid_text.h"
#include "model/comma_text.h"
#include "model/deal_text.h"
#include "model/hand_data.h"
#include "model/play_record_text.h"
#include "pbn/pbn_play.h"
#include "pbn/pbn_reader.h"
#include "scoring/duplicate_score.h"

namespace tavlo {

namespace {

// The room a value has on its line of the hand file after "key=".
bool FitsLine(std::string_view key, std::string_view value) {
  return key.size() + 1 + value.size() <= TBigIniFile::MaxLineLength;
}

// Long notes are cut, the longest first, until the alerts fit their line.
std::vector<std::string> FittedAlerts(std::vector<std::string> notes) {
  while (!FitsLine("Alerts", JoinCommaText(notes))) {
    std::string* longest = &notes.front();
    for (std::string& note : notes)
      if (note.size() > longest->size()) longest = &note;
    if (longest->empty()) break;
    longest->resize(FirstCharacters(*longest, longest->size() - 1).size());
  }
  return notes;
}

std::string PointsTextOf(const DealHoldings& deal) {
  HandSet hands;
  hands.Deal(deal);
  return "N:" + std::to_string(hands[North].HighCardPoints) + "," +
         std::to_string(hands[South].HighCardPoints) + "," +
         std::to_string(hands[North].LengthPoints) + "," +
         std::to_string(hands[South].LengthPoints);
}

// The first seat from the one given, clockwise, that may declare the par
// contract.
SeatCode FirstOfParSeats(const ParContract& par, SeatCode from) {
  for (int i = 0; i < 4; ++i) {
    const auto seat = static_cast<SeatCode>((from + i) % 4);
    if (par.Seats.find(SeatLetters[seat][0]) != std::string::npos) return seat;
  }
  return from;
}

// What the side that does not sacrifice would make: the contract below the
// sacrifice that scores most for it, with its declarer, the first of the
// side from the dealer to take those tricks. Of equal scores the higher
// contract, bid to the tricks taken, so the sacrifice comes as the next
// bid up and not as a jump over a one-level opening. Nothing when the side
// makes nothing below the sacrifice.
std::optional<std::pair<Bid, SeatCode>> MakersContract(const TrickTable& tricks, SideCode makers,
                                                       Bid sacrifice, int vulnerability,
                                                       SeatCode dealer) {
  std::optional<std::pair<Bid, SeatCode>> best;
  int bestScore = 0;
  for (Bid bid = ContractBidCode(1, Clubs); bid < sacrifice; ++bid) {
    for (int i = 0; i < 4; ++i) {
      const auto seat = static_cast<SeatCode>((dealer + i) % 4);
      const int taken = tricks[BidStrain(bid)][seat];
      if (SideOfSeat(seat) != makers || taken < BidLevel(bid) + 6) continue;
      const int score = DuplicateScore(bid, 0, seat, IsVulnerable(vulnerability, makers), taken);
      const int forMakers = makers == NorthSouth ? score : -score;
      if (!best || forMakers > bestScore || (forMakers == bestScore && bid > best->first)) {
        best = {bid, seat};
        bestScore = forMakers;
      }
    }
  }
  return best;
}

struct Calls {
  std::vector<Bid> Bids;
  std::vector<std::string> Notes;  // per call; empty when not alerted
  std::string Problem;
};

Calls CallsOf(const PbnBoard& board) {
  Calls calls;
  if (!board.Auction.empty()) {
    for (const PbnCall& call : board.Auction) {
      calls.Bids.push_back(call.Call);
      calls.Notes.push_back(call.Note);
    }
    return calls;
  }
  if (board.Contract && (board.Declarer || board.Contract->ContractBid == Pass)) {
    calls.Bids =
        AuctionToContract(*board.Contract, board.Declarer.value_or(board.Dealer), board.Dealer);
  } else {
    const Result<TrickTable> table = DoubleDummyTable(board.Deal);
    const Result<ParResult> par =
        table ? ParOfDeal(*table, board.Vulnerability, board.Dealer) : Reason{table.Error()};
    if (!par) {
      calls.Problem = "its par contract could not be found: " + par.Error();
      return calls;
    }
    calls.Bids = AuctionToPar(*table, *par, board.Vulnerability, board.Dealer);
  }
  calls.Notes.resize(calls.Bids.size());
  return calls;
}

// The play as the hand file keeps it, for a play of all thirteen tricks.
std::string PlaysTextOf(const PbnBoard& board, SeatCode declarer, StrainCode trump) {
  const Result<PlayOut> play =
      ReplayPbnTricks(board.Deal, trump, NextSeat(declarer), board.PlaySeat, board.Play);
  if (!play || !play->Over()) return {};
  return PlayRecordText(play->Record(), declarer);
}

std::string CommentOf(const PbnBoard& board) {
  const std::string name = "Board " + board.Board;
  return board.Event.empty() ? name : board.Event + ", " + name;
}

}  // namespace

std::vector<Bid> AuctionToContract(const PbnContract& contract, SeatCode declarer,
                                   SeatCode dealer) {
  if (!IsContractBid(contract.ContractBid)) return {Pass, Pass, Pass, Pass};
  std::vector<Bid> calls;
  for (SeatCode seat = dealer; seat != declarer; seat = NextSeat(seat)) calls.push_back(Pass);
  calls.push_back(contract.ContractBid);
  if (contract.Doubling >= 1) calls.push_back(Double);
  if (contract.Doubling == 2) calls.push_back(Redouble);
  calls.insert(calls.end(), 3, Pass);
  return calls;
}

std::vector<Bid> AuctionToPar(const TrickTable& tricks, const ParResult& par, int vulnerability,
                              SeatCode dealer) {
  if (par.Contracts.empty()) return AuctionToContract({}, dealer, dealer);
  const ParContract& best = par.Contracts.front();
  const PbnContract contract{ContractBidCode(best.Level, best.Strain), best.Doubled ? 1 : 0};
  const SeatCode first = FirstOfParSeats(best, dealer);
  const SideCode makers = SideOfSeat(first) == NorthSouth ? EastWest : NorthSouth;
  const auto made =
      best.Doubled ? MakersContract(tricks, makers, contract.ContractBid, vulnerability, dealer)
                   : std::nullopt;
  if (!made) return AuctionToContract(contract, first, dealer);
  // Nobody sacrifices against a pass: the makers' contract comes first, and
  // the first of them after the sacrifice doubles it.
  const auto [makersBid, maker] = *made;
  std::vector<Bid> calls;
  for (SeatCode seat = dealer; seat != maker; seat = NextSeat(seat)) calls.push_back(Pass);
  calls.push_back(makersBid);
  const SeatCode sacrificer = FirstOfParSeats(best, NextSeat(maker));
  for (SeatCode seat = NextSeat(maker); seat != sacrificer; seat = NextSeat(seat))
    calls.push_back(Pass);
  calls.insert(calls.end(), {contract.ContractBid, Double, Pass, Pass, Pass});
  return calls;
}

PbnImportPlan PlanPbnImport(std::string_view bytes, JobControl* job) {
  PbnReading reading = ReadPbn(bytes);
  PbnImportPlan plan;
  plan.Problems = std::move(reading.Problems);
  if (job) job->SetTotal(static_cast<int>(reading.Boards.size()));
  for (const PbnBoard& board : reading.Boards) {
    if (Stopped(job)) break;
    if (job) job->Advance();
    const auto leaveOut = [&](const std::string& why) {
      plan.Problems.push_back("Board " + board.Board + " was left out: " + why + ".");
    };
    const Calls calls = CallsOf(board);
    if (!calls.Problem.empty()) {
      leaveOut(calls.Problem);
      continue;
    }
    // Legal by now (checked as it was read, or made by the rules); a board
    // whose auction is not stays out rather than come in unplayable.
    const Result<AuctionOutcome> outcome = FollowCalls(calls.Bids, board.Dealer);
    if (!outcome) {
      leaveOut("its auction is not legal: " + outcome.Error());
      continue;
    }

    ImportedHand hand;
    HandRecord& record = hand.Record;
    record.Dealer = board.Dealer;
    record.Declarer = outcome->ContractBid == Pass ? board.Dealer : outcome->Declarer;
    record.Vulnerability = board.Vulnerability;
    record.DealText = WriteDealText(board.Deal);
    record.PointsText = PointsTextOf(board.Deal);
    record.ScriptedAuction.clear();
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < calls.Bids.size(); ++i) {
      std::string bid = BidShortText(calls.Bids[i]);
      if (!calls.Notes[i].empty()) {
        bid += "(!)";
        notes.push_back(calls.Notes[i]);
      }
      record.ScriptedAuction.push_back(bid);
    }
    if (!FitsLine("Bids", JoinCommaText(record.ScriptedAuction))) {
      leaveOut("its auction is too long for the hand file");
      continue;
    }
    record.ScriptedLights.assign(calls.Bids.size(), "0");
    if (!notes.empty()) record.Alerts = FittedAlerts(std::move(notes));

    PlayedHand& played = hand.Played;
    played.ContractBid = outcome->ContractBid;
    played.Doubling = outcome->Doubling;
    played.HandScore.reset();
    if (outcome->ContractBid == Pass) {
      played.HandScore = 0;
    } else {
      played.PlaysText = PlaysTextOf(board, record.Declarer, BidStrain(outcome->ContractBid));
      if (board.Result)
        played.HandScore = DuplicateScore(
            outcome->ContractBid, outcome->Doubling, record.Declarer,
            IsVulnerable(board.Vulnerability, SideOfSeat(record.Declarer)), *board.Result);
    }
    hand.Comment = CommentOf(board);
    plan.Hands.push_back(std::move(hand));
  }
  return plan;
}

PbnImportResult AddImportedHands(TBigIniFile& store, PbnImportPlan plan) {
  PbnImportResult result;
  result.Problems = std::move(plan.Problems);
  std::vector<std::string> sections;
  for (const ImportedHand& hand : plan.Hands) {
    const std::string section = NextSectionName(store);
    WriteHandSection(store, section, hand.Record, hand.Played, hand.Comment);
    sections.push_back(section);
  }
  if (sections.empty()) return result;
  if (const Status written = store.UpdateFile(); !written) {
    // What is not in the file is not kept either: the store stays as the
    // file is, and a later save does not bring these hands in unasked.
    for (const std::string& section : sections) store.EraseSection(section);
    result.Sections = written.Why();
    return result;
  }
  result.Sections = std::move(sections);
  return result;
}

std::string ImportReport(const PbnImportResult& result) {
  std::string report;
  if (!result.Sections) {
    report = result.Sections.Error() + "\nNo hand was added.";
  } else if (result.Sections->empty()) {
    report = "No hand was added.";
  } else {
    const std::vector<std::string>& sections = *result.Sections;
    const auto count = sections.size();
    std::string boards = sections.front();
    // Sections are handed out in a row, so the first and last name them all.
    if (count > 1) boards += (count == 2 ? " and " : " to ") + sections.back();
    report = count == 1 ? "Added 1 hand as board " + boards + "."
                        : "Added " + std::to_string(count) + " hands as boards " + boards + ".";
  }
  for (const std::string& problem : result.Problems) report += "\n" + problem;
  return report;
}

PbnImportResult ImportPbn(TBigIniFile& store, std::string_view bytes) {
  return AddImportedHands(store, PlanPbnImport(bytes));
}

}  // namespace tavlo
