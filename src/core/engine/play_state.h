#pragma once
// The card play of one hand: the trick bookkeeping that the table and the
// look-ahead share. Every card, at the table or in the search, is played and
// taken back here; neither ever allocates.

#include <array>
#include <functional>
#include <string>

#include "engine/search_state.h"
#include "model/clock.h"
#include "model/codes.h"
#include "model/hand_data.h"
#include "model/job_control.h"

namespace tavlo {

struct PlayState {
  StrainCode Trump = NoTrump;
  SeatCode Declarer = North;
  SeatCode Dummy = South;
  int ContractLevel = 1;
  int CardsPlayed = 0;
  // Entry k is the k-th card played. Entries past CardsPlayed stay after a
  // take-back, so the play can be run forward again.
  std::array<PlayRecordEntry, 53> PlayRecord{};
  SeatCode ToPlay = East;
  int TrickPosition = 1;  // 1 = a lead .. 4
  // Led the current trick; once a trick is complete, leads the next one.
  SeatCode TrickLeader = East;
  StrainCode SuitLed = Clubs;
  Card WinningCard = 0;
  StrainCode WinningSuit = Clubs;
  SeatCode WinningSeat = North;
  int TricksDone = 0;
  int DeclarerTricks = 0;
  SeatCode LastTrickWinner = North;
  int HandNumber = 0;

  bool operator==(const PlayState&) const = default;
};

// Shows the consistency stop's message; the process ends when it returns.
using LogicErrorHandler = std::function<void(const std::string& message)>;

// What the engine plays on: the four hands, the play state, the search's
// state, the clock of the thinking time, the handler of a broken invariant,
// and the control of the job when the search runs away from the window.
struct PlayContext {
  HandSet& Hands;
  PlayState& Play;
  SearchState& Search;
  const Clock& TimeSource;
  LogicErrorHandler OnLogicError;
  const JobControl* Job = nullptr;
};

// Back to the opening lead: no cards played, the seat after declarer to play.
// The hands are not touched; restore the deal first for a fresh start.
void ResetPlay(PlayContext& context);
// Reset, then play the first n recorded cards again (n at most 52).
void Replay(PlayContext& context, int n);
// The seat to play plays the card; a card it does not hold, or a revoke, is
// a broken invariant and stops the program.
void PlayCard(PlayContext& context, Card card);
// Takes back the current trick, or the whole last trick when one has just
// been completed. Does nothing before the opening lead.
void TakeBack(PlayContext& context);
void SelectSeatToPlay(PlayContext& context);

// The hand of the seat to play.
inline THands& HandToPlay(HandSet& hands, const PlayState& play) { return hands[play.ToPlay]; }
inline const THands& HandToPlay(const HandSet& hands, const PlayState& play) {
  return hands[play.ToPlay];
}

// The play state agrees with the hands and with itself: every card is held
// by one seat or lies in the record, played in turn by the seat it was dealt
// to; the counters, the trick leaders, the card winning the trick and
// declarer's tricks all follow from the record. Cheap enough for tests to
// check after every card.
bool PlayStateIsOk(const HandSet& hands, const PlayState& play);

int TricksOfSideToPlay(const PlayState& play);
// Tricks the side to play still needs to make (declaring side) or to beat
// the contract (defenders).
int TricksStillNeeded(const PlayState& play);
bool ComputerToPlay(const HandSet& hands, const PlayState& play);
// Partner of the seat to play is void in a side suit that this seat still
// holds, and has trumps to ruff it.
bool PartnerCanRuffSideSuit(const PlayContext& context);

// "Logic Error! Play ..." with the counters that locate the broken play.
std::string LogicErrorMessage(const PlayState& play, const SearchState& search);
// Reports the message through the handler and ends the process at once.
[[noreturn]] void StopOnLogicError(const PlayContext& context);

}  // namespace tavlo
