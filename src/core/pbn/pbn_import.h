#pragma once
// Bringing the boards of a Portable Bridge Notation file into the hand file
// as new saved hands, each with an auction the table can play out: the
// file's own, a short one to the file's contract, or one to the par
// contract when the file gives neither.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/double_dummy.h"
#include "handfile/big_ini_file.h"
#include "handfile/hand_record.h"
#include "model/job_control.h"
#include "model/result.h"
#include "pbn/pbn_board.h"

namespace tavlo {

struct PbnImportResult {
  // The new hands, in the file's order; or why the hand file could not be
  // written, and then no hand is added.
  Result<std::vector<std::string>> Sections = std::vector<std::string>{};
  // The boards left out, or read in part, with the reasons.
  std::vector<std::string> Problems;
};

// The calls of a short auction to the contract: the seats from the dealer
// pass until declarer bids it, an opponent doubles (and, redoubled, the
// declaring side redoubles), then three passes. A passed-out contract gives
// four passes.
std::vector<Bid> AuctionToContract(const PbnContract& contract, SeatCode declarer, SeatCode dealer);

// The calls of a short auction to the first par contract of the deal whose
// double-dummy tricks are given, vulnerable as given. A contract that makes
// is bid as a file's contract is, by the first seat from the dealer that may
// declare it. A sacrifice shows why it is bid: the other side first bids
// the contract it makes (the one that scores most among those below the
// sacrifice, the higher of equals), the sacrifice is bid over it and the
// makers double. With no
// par contract the board is passed out.
std::vector<Bid> AuctionToPar(const TrickTable& tricks, const ParResult& par, int vulnerability,
                              SeatCode dealer);

// A board made into a hand of the hand file, before it is added.
struct ImportedHand {
  HandRecord Record;
  PlayedHand Played;
  std::string Comment;
};

struct PbnImportPlan {
  std::vector<ImportedHand> Hands;
  std::vector<std::string> Problems;
};

// Reads the file's bytes and makes each board a hand. The par contracts of
// boards without a contract take the solver a while; the hand file is not
// touched, so this may run aside from the window. A job counts the boards
// planned; asked to stop, it gives up between boards, and the plan cut
// short is the caller's to drop.
PbnImportPlan PlanPbnImport(std::string_view bytes, JobControl* job = nullptr);

// Adds the hands as the next free sections and writes the hand file once.
// What the file held before is never changed.
PbnImportResult AddImportedHands(TBigIniFile& store, PbnImportPlan plan);

// What an import did, for the user: how many hands came in as which
// boards, then each problem on a line of its own.
std::string ImportReport(const PbnImportResult& result);

// Both steps at once.
PbnImportResult ImportPbn(TBigIniFile& store, std::string_view bytes);

}  // namespace tavlo
