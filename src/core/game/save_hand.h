#pragma once
// Saving the hand just finished: its record as it was read, with the
// declarer the auction found, the contract, the cards played and the score
// of the game, as a new numbered section of the hand file.

#include <string_view>

#include "game/game.h"
#include "handfile/big_ini_file.h"
#include "handfile/hand_record.h"

namespace tavlo {

// Needs a finished hand (the table is at the end of the hand). A passed-out
// hand has no play to record: it is saved with "Pass" and 0. Gives the
// section the hand went into, as SaveHand does.
Result<std::string> SaveFinishedHand(const Game& game, TBigIniFile& store,
                                     std::string_view comment);

}  // namespace tavlo
