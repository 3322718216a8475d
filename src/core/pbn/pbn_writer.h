#pragma once
// Writing Portable Bridge Notation 2.1 in its export form, for other bridge
// programs: the tags of the seven-tag roster, the auction with its notes,
// the play, and the double-dummy facts when they are known.

#include <optional>
#include <span>
#include <string>

#include "analysis/double_dummy.h"
#include "pbn/pbn_board.h"

namespace tavlo {

struct PbnAnalysis {
  TrickTable Tricks{};
  ParResult Par;
};

struct PbnExportBoard {
  PbnBoard Board;
  std::string Comment;  // written as the board's commentary when not empty
  std::optional<PbnAnalysis> Analysis;
};

// The whole file, with CRLF line ends. Declarer, contract and result are
// written as the board holds them; the score follows from them.
std::string WritePbn(std::span<const PbnExportBoard> boards);

}  // namespace tavlo
