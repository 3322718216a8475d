#pragma once
// Reading Portable Bridge Notation (version 2.1, both the export form and
// the looser import form other programs write): the boards of a file, each
// checked as a whole deal with a legal auction. A board that cannot be read
// is left out with the reason; the others still come in.

#include <string>
#include <string_view>
#include <vector>

#include "pbn/pbn_board.h"

namespace tavlo {

struct PbnReading {
  std::vector<PbnBoard> Boards;
  // One message per board left out, or per part of a board left out (a play
  // that breaks the rules), naming the board and the reason.
  std::vector<std::string> Problems;
};

// Reads the tags Board, Event, Dealer, Vulnerable, Deal, Declarer,
// Contract, Result, Auction (with its notes) and Play, and skips the
// others. The file may have CRLF or LF line ends and be UTF-8 or Latin-1.
PbnReading ReadPbn(std::string_view bytes);

}  // namespace tavlo
