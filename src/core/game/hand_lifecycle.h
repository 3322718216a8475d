#pragma once
// How a hand comes to the table and starts again: the next lesson hand, a
// hand read from the hand file, the start of its auction, the start of its
// play and its replay, and the seats shown face up. Each operation is one
// command of the table; it says what the window must draw afterwards.

#include <string>
#include <string_view>

#include "game/game.h"
#include "game/redraw.h"
#include "handfile/big_ini_file.h"
#include "model/clock.h"
#include "model/result.h"

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
Status ReadSavedHand(Game& game, TBigIniFile& store, int lessonNumber);

// Puts a hand record numbered number on the table, as ReadSavedHand does
// with the hand file's; packHand names the pack's hand ("03_notrump/2"), or
// is empty for a hand of the hand file.
[[nodiscard]] Status TakeHandRecord(Game& game, HandRecord record, int number,
                                    std::string packHand = {});

// A lesson pack's hand numbered number, its auction started: its point
// waits for the end of the auction, as a lesson's does.
Result<Redraw> PlayPackHand(Game& game, const HandRecord& record, int number,
                            const std::string& packHand, const Clock& clock);

// The hand on the table is a lesson: one of the ten, or a pack's.
bool IsLesson(const TableState& table);

// The message for a hand whose deal cannot be laid out.
std::string UndealableHandMessage(int lessonNumber, std::string_view problem);

// New Hand: the next lesson hand, its auction started; gives what the window
// must draw, or the reason the hand could not be dealt (then the hand on the
// table stays as it was and nothing needs drawing). A lesson's comment is
// not shown under South's hand.
Result<Redraw> NewHand(Game& game, TBigIniFile& store, const Clock& clock);
// A hand of the hand file by its section number, its auction started; a
// hand that cannot be dealt gives the reason as NewHand does.
Result<Redraw> PlaySavedHand(Game& game, TBigIniFile& store, int lessonNumber, const Clock& clock);

// Deals the hand read last and resets its auction and play: the table is
// then in the bidding phase with no bid made. Rebid is the same.
Redraw StartNewHand(Game& game, const Clock& clock);
// The play side of a new start: seats from the options, the deal restored,
// no bids, no tricks.
void ResetGame(Game& game, const Clock& clock);
// The seats the user plays and sees, as the options have them.
void ApplySeatOptions(Game& game);

// A contract was reached: there is a hand to play.
bool PlayCanStart(const Game& game);
// The play from the opening lead: the engine's views bound for the contract,
// the thinking time from the options, the opening leader to play. Nothing
// happens to a hand that was passed out.
Redraw StartPlay(Game& game, const Clock& clock);
// The same deal played again from the opening lead, with the same auction,
// contract and declarer.
Redraw Replay(Game& game, const Clock& clock);

// The face-up seats of the options put on the hands, with dummy kept face
// up once the opening lead is made; the hands need laying out afresh when a
// deal is loaded. After the seats or the preferences changed.
Redraw FaceUpSeatsChosen(Game& game);
// "Show all 4 hands" and "Hide N, E, and W hands": the face-up seats, with
// dummy kept face up once the opening lead is made.
Redraw ShowAllHands(Game& game);
Redraw HideComputerHands(Game& game);

// The high-card-point display: North's only while North is face up, and at
// the end of the hand; the extra points follow once the auction is over.
// hcpWord is the language's "HCP".
struct PointsDisplay {
  std::string North;
  std::string South;
};
PointsDisplay PointsTexts(const Game& game, std::string_view hcpWord);

// The tricks each side has won so far in this hand's play; none before it.
struct TrickCounts {
  int NorthSouth = 0;
  int EastWest = 0;
};
TrickCounts WonTricks(const Game& game);

}  // namespace tavlo
