#pragma once
// The play at the table: the computer seats' cards and the user's, each
// completed trick left on the table until the user clears it, taking a card
// back, Finish Play and the end of the play. Each operation is one step on
// the game; the window asks the engine for the computer's cards, draws what
// a step returns and decides nothing of the rules itself.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/card_choice.h"
#include "game/game.h"
#include "game/redraw.h"
#include "model/clock.h"

namespace tavlo {

// The engine's settings before the next card: the table's position is the
// root of its look-ahead, and at a new trick a search that has played many
// tricks already narrows to fewer candidates.
void BeforeEachPlay(Game& game);

// A run of the computer's cards begins: its thinking time counts from now.
void StartThinking(Game& game, const Clock& clock);
// The computer plays the next card: the hand goes on, the seat to play is
// not the user's, and the trick in progress when the run began (tricks
// done then: tricksAtStart) is not complete yet. So the computer plays at
// most to the end of a trick and then waits for the table to be cleared.
bool ComputerPlaysOn(const Game& game, int tricksAtStart);
// The engine's card for the seat to play, chosen on game: the table's own
// or a copy of it away from the table, whose job may ask the search to
// stop. display shows the developer's look at each line searched.
Card EngineCard(Game& game, const Clock& clock, const LogicErrorHandler& onLogicError,
                const TestPlayDisplay& display = nullptr, const JobControl* job = nullptr);
// What a search on a copy of the table's game found (the positions
// searched, the suit estimates, the time budget) becomes the table's. The
// play itself is the same in both: a search leaves it as it found it.
void TakeOverSearch(Game& table, Game&& copy);

// All 52 cards are played: no seat is to play, nothing is left to hint.
inline bool HandIsOver(const Game& game) { return game.Play.CardsPlayed == 52; }

// The seat to play may play the card: it holds it and follows suit.
bool CardPlayable(const Game& game, Card card);
// Why a card the user chose cannot be played, in the laws' terms.
enum class CardRefusal : std::uint8_t {
  None,            // it can be played
  NoPlay,          // no card is to be played now
  NotYourTurn,     // it is from the hand of a seat not to play
  AlreadyPlayed,   // it lies in a trick already
  NotHeld,         // the seat to play does not hold it
  MustFollowSuit,  // the seat to play holds the suit led
};
// The card chosen from the hand of seat.
CardRefusal WhyRefused(const Game& game, Card card, SeatCode seat);
// The seat to play plays the card. A card it may not play is a broken
// invariant: the consistency stop ("Logic Error! Play ...") through
// onLogicError, never a card played wrongly. After the opening lead dummy
// goes face up; a completed trick waits on the table.
Redraw MakePlay(Game& game, Card card, const Clock& clock,
                const LogicErrorHandler& onLogicError = nullptr);
// The cards on the table: the trick in progress, or the completed trick
// waiting to be cleared.
std::span<const PlayRecordEntry> TrickOnTable(const Game& game);

// The completed trick leaves the table; after the thirteenth the hand is
// over. The first trick cleared after Finish Play ends its quick finish:
// the tricks after it wait for Clear Table too.
Redraw ClearPlay(Game& game);
// A run of the computer's cards is over: under Finish Play asked for in
// the last trick, the hand ends with its 52nd card.
Redraw AfterComputerRun(Game& game);
// Finish Play: the computer plays every seat from now on.
void FinishPlay(Game& game, const Clock& clock);

// Take Back is possible once a card is played.
bool CanTakeBack(const Game& game);
// Takes back exactly the last card played, whoever played it: the table
// shows the rest of its trick, or the completed trick before when a lead
// was taken back. The seat of that card is to play again; the card is
// returned, to be offered as the selection.
Card TakeBackCard(Game& game, const Clock& clock, const LogicErrorHandler& onLogicError = nullptr);

// A hint is a fresh search: nothing remembered of the hand's earlier
// searches, the time budget from now.
void PrepareHint(Game& game, const Clock& clock);

// Why no hint may be given now. A hint is the engine's card for a seat the
// learner plays, at that seat's turn: asked for anyone else, it would show
// the learner a card of a hand he cannot see.
enum class HintRefusal : std::uint8_t {
  None,             // the learner's seat is to play: the hint may be given
  NoPlay,           // no card is to be played now
  ClearTrickFirst,  // a completed trick waits to be cleared; the learner leads next
  TrickWaiting,     // a completed trick waits to be cleared; a computer seat leads next
  NotLearnersTurn   // a computer seat is to play
};
HintRefusal WhyNoHint(const Game& game);

// The developer's look at the engine's choice for the seat to play: the
// table's position searched afresh, each line at it shown. The table is
// back in play afterwards.
void StartDeveloperSearch(Game& game, const Clock& clock);
void EndDeveloperSearch(Game& game);

// The play is over: the hand scored, every hand dealt again and shown as
// the options have them, the end-of-hand panel up.
Redraw EndOfHand(Game& game);

inline constexpr std::size_t HandResultLength = 30;

// Declarer took the tricks the contract asks for; a hand passed out
// counts as made, as nobody went down.
bool ContractMade(const Game& game);

// The result line of the score: declarer's seat name, the contract as the
// table shows it, and declarer's tricks with the word for them, "South
// 4~S X  10 tricks"; at most 30 characters.
std::string HandResult(const Game& game, std::string_view seatName, std::string_view tricksWord);

}  // namespace tavlo
