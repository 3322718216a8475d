#pragma once
// The look-ahead's own state: its thinking-time control and the view it
// selected last. Kept apart from the play state, so a copy of the hands, the
// play state and this is all a search needs to run away from the table.

#include <cstdint>

#include "model/codes.h"

namespace tavlo {

struct SearchState {
  // Tricks completed since the position cache was last cleared, and the
  // width cut to 0 once the time since StartTime (a reading of the steady
  // clock) passes TimeLimit seconds.
  int Totplay = 0;
  double StartTime = 0.0;
  double TimeLimit = 0.0;
  int Testwidth = 3;
  // The "Thinking Time" option as play of the hand started, 1..10: more
  // time offers the look-ahead more leads to compare.
  int ThinkingTime = 1;
  // Cards played at the table when the engine was last asked for a card:
  // the root of the look-ahead.
  int TablePosition = 0;
  // The developer's search of the table's position: the root is searched
  // afresh, and the line searched at DebugPosition is shown.
  bool DeveloperSearch = false;
  int DebugPosition = 0;
  int ProjectedLosers = 0;  // of the line shown
  // The view the analyses read last, named by seat and suit rather than by
  // address, so that in a copy it names the copy's own view.
  SeatCode CurrentViewSeat = North;
  StrainCode CurrentViewSuit = Clubs;
  // No card moves while a position is analysed, so a view refreshed once in
  // an analysis stays fresh until it ends: bit 4 × seat + suit. Outside an
  // analysis every refresh looks at the cards again.
  bool Analysing = false;
  std::uint16_t FreshViews = 0;

  bool operator==(const SearchState&) const = default;
};

}  // namespace tavlo
