#pragma once
// The play a hand of the hand file keeps: a hand saved after its play, or a
// board imported with its play, brings its auction and every card back to
// the table's rules, so it can be reviewed before the learner has played it.

#include <optional>

#include "game/game.h"
#include "handfile/big_ini_file.h"
#include "model/clock.h"

namespace tavlo {

// The game as it stood at the end of the play the hand file keeps with the
// hand dealt on game (a copy of the table's game, at the start of its
// auction): the hand's script bid to its end, the kept cards played trick
// by trick as the table plays them, the hand scored. None for a lesson
// pack's hand, a hand the file keeps no whole play of, and a play its deal
// and auction cannot have given (a file edited by hand).
std::optional<Game> SavedPlay(Game game, TBigIniFile& store, const Clock& clock);

}  // namespace tavlo
