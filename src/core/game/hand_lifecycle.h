#pragma once
// How a hand comes to the table and starts again: the next lesson hand, a
// hand read from the hand file, the start of its auction, and the seats shown
// face up. The table window calls these and then redraws.

#include <string>
#include <string_view>

#include "game/game.h"
#include "handfile/big_ini_file.h"
#include "model/clock.h"
#include "model/deal_text.h"

namespace tavlo {

// The table's state when it first opens: South is the user's only seat and
// the only hand face up, no hand yet, the random generator seeded.
void StartUpInitialisation(Game& game, const Clock& clock, bool developerMode);

// The lesson after lessonNumber: 1..10 in turn, and 1 after a saved hand.
int NextLessonNumber(int lessonNumber);

// Reads section lessonNumber of the hand file into the game, ready for
// StartNewHand; LessonNumber becomes lessonNumber either way. A deal that
// cannot be laid out leaves the rest of the game as it was and gives the
// reason, so the hand on the table can still be played.
[[nodiscard]] DealProblem ReadSavedHand(Game& game, TBigIniFile& store, int lessonNumber);

// The message for a hand whose deal cannot be laid out.
std::string UndealableHandMessage(int lessonNumber, std::string_view problem);

// Deals the hand read last and resets its auction and play: the table is
// then in the bidding phase with no bid made.
void StartNewHand(Game& game, const Clock& clock);
// The play side of a new start: seats from the options, the deal restored,
// no bids, no tricks.
void ResetGame(Game& game, const Clock& clock);

// "Show all 4 hands" and "Hide N, E, and W hands": the face-up seats, with
// North (the dummy) kept face up while the cards are played.
void ShowAllHands(Game& game);
void HideComputerHands(Game& game);

// The high-card-point display: North's only while North is face up; the
// extra points follow once the auction is over. hcpWord is the language's "HCP".
struct PointsDisplay {
  std::string North;
  std::string South;
};
PointsDisplay PointsTexts(const Game& game, std::string_view hcpWord);

}  // namespace tavlo
