#pragma once
// One running game: the state of every subsystem, grouped by its owner. The
// table window owns one; tests make as many as they need. A copy is a game
// of its own, so the engine's search can run on one away from the table.

#include <array>
#include <string>
#include <vector>

#include "auction/auction_state.h"
#include "engine/engine_state.h"
#include "engine/play_state.h"
#include "engine/search_state.h"
#include "game/table_state.h"
#include "handfile/hand_record.h"
#include "model/hand_data.h"
#include "options/options_record.h"

namespace tavlo {

struct Game {
  // The user's options, read at start and written back at the end.
  OptionsRecord Options;
  HandSet Hands;
  // The lead tables of the four bidding systems (options 0..3), lines such
  // as "NAKT9=3", read once when the program starts.
  std::array<std::vector<std::string>, 4> LeadTables;
  // The hand record last read from the hand file.
  HandRecord Record;
  AuctionState Auction;
  PlayState Play;
  SearchState Search;
  // The suit estimates, the hand plan and the position analysis.
  EngineState Engine;
  TableState Table;
};

}  // namespace tavlo
