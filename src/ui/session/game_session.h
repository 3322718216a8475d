#pragma once
// The running game below the window: it owns the game, the clock, the one
// worker and the hand file, takes the table's commands and tells what
// changed. The window and its panels draw and forward the user's input;
// nothing here draws. Every step of the rules is one operation of the game
// in core; the computer seats' calls wait their pause on the clock, and
// their cards come from the engine through the worker.

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

#include "engine/card_choice.h"
#include "game/feedback.h"
#include "game/game.h"
#include "game/lesson_words.h"
#include "game/redraw.h"
#include "model/clock.h"
#include "model/result.h"

namespace tavlo {

class TBigIniFile;
class TimedStep;
class Worker;

class GameSession : public QObject {
  Q_OBJECT
 public:
  GameSession(const Clock& clock, std::unique_ptr<TBigIniFile> handStore,
              const OptionsRecord& options, QObject* parent = nullptr);
  ~GameSession() override;

  Game& GameState() { return game_; }
  const Game& GameState() const { return game_; }
  TBigIniFile& HandStore() { return *handStore_; }
  const Clock& TimeSource() const { return clock_; }
  Worker& Jobs() { return *worker_; }
  // A computer call waits for its pause, or a job runs: the window holds
  // the user's input back.
  bool Busy() const;
  // What the table tells the learner about the last thing tried.
  const Feedback& LastFeedback() const { return feedback_; }
  // The hand on the table as it was last played to its end, for the review
  // and the print-out: the table's own game once the hand is over; while it
  // is played again or bid again, the game that ended it; before the
  // learner has played it, the play the hand file keeps with it. None before
  // any of these.
  const Game* FinishedHand() const;

  // The program's own words in six languages (the alert texts, the
  // lessons' comments and explanations), read once at the start; a table
  // that cannot be read is reported and English is shown.
  void LoadWords();
  // The language of the table: the hand's explanations and a lesson's
  // point speak it from now on, those already shown too.
  void SetLanguage(int language);

  // The hands. A hand that cannot be dealt is reported, and the hand on the
  // table stays as it was; the commands say whether a hand started.
  bool NewHand();
  bool PlaySavedHand(int section);
  // Hand number hand (from 1) of a lesson pack, dealt as a saved hand is:
  // its point and its explanations speak from the pack's table.
  bool PlayPackHand(const LessonPack& pack, int hand);
  // The hand on the table from its first call again.
  void Rebid();
  void StartPlay();
  void Replay();

  // The auction: a call from the bid box, a key of the auction's grammar,
  // Help, Make Bid, taking the last call back. A key that makes no call is
  // a slip (KeySlip): typed is what the key types, empty for Enter.
  void UserCall(Bid call);
  void BidKey(char key);
  void KeySlip(const std::string& typed);
  void HelpBid();
  void MakeBid();
  void TakeBackCall();

  // The play: the user's card from the hand of seat, a card's key typed,
  // clearing the trick on the table, the hint, Finish Play, Take Back and
  // the developer's search. The hint is for the learner's seat at its
  // turn; asked at any other moment the line says whose turn comes first.
  void PlayUserCard(Card card, SeatCode seat);
  void CardKey(char key);
  void ClearTrick();
  void Hint();
  void FinishPlay();
  void TakeBackCard();
  void DeveloperSearch();
  // The user's side claims tricks of the tricks left, 0 to concede: the
  // claim is checked on the worker; anything else the user does calls the
  // check off (CancelClaim).
  void Claim(int tricks);
  bool ClaimUnderWay() const;
  void CancelClaim();

 signals:
  // A step changed these parts of the table.
  void Changed(Redraw parts);
  // A new hand (or the same from its first call) came to the table, before
  // it is drawn; the replay of a hand is about to start.
  void HandBegun();
  void ReplayBegun();
  void AuctionOver();
  // The play started from the opening lead.
  void PlayBegun();
  // The play is over: the hand is scored.
  void HandOver();
  // A call or a card the rules refuse; the user has heard the beep.
  void CallRefused();
  void CardRefused();
  // Help's call, or the call Make Bid makes after its pause.
  void CallShown(Bid call);
  // The user is to play, or to clear a trick: the play pad is set for it.
  void UserToAct();
  // A claim was judged: refused, the play goes on as it stood (an accepted
  // claim ends the hand with HandOver).
  void ClaimRefused();
  // A card was played to the trick.
  void CardPlayed();
  // The engine's hint for the seat to play.
  void HintReady(Card card);
  // The card to offer as the selection: the card taken back, the
  // developer's choice.
  void CardOffered(Card card);
  // The developer's search: each line searched at the table's position.
  void LinesSearched(const std::vector<SearchedLine>& lines);
  // What the table tells the learner changed.
  void FeedbackChanged(const Feedback& feedback);

 private:
  // Starts a new deal: its finished hand is the play the hand file keeps
  // with it, if any. Returns whether it started, as BeginHand does.
  bool DealHand(const Result<Redraw>& start);
  // Starts a hand read from the hand file, or reports why it cannot be
  // dealt. Returns whether it started.
  bool BeginHand(const Result<Redraw>& start);
  // Whatever the last hand left running stops: a pause, a search.
  void StopWork();
  // The computer seats bid up to the user's turn, a pause before each call
  // unless in developer mode; the end of the auction follows at once.
  void AcceptBid();
  void ComputerCall();
  void AnswerCall(bool made);
  void PlayStarted(Redraw parts);
  // The computer seats play until the user must act.
  void PlayTrickToHuman();
  void PlayOn();
  void Play(Card card);
  void ReadyForHuman();
  // The engine's card for the seat to play, on a copy of the game away from
  // the window; done gets it once the table's game has taken over what the
  // search found. failed runs when the engine gave no card.
  void Think(std::function<void(Card)> done, std::function<void()> failed,
             bool recordLines = false);
  void Tell(Feedback feedback);
  // A call the lesson does not make: the beep, and the learner is shown
  // the way from the second refusal at a turn on.
  void RefuseCall();
  // A key of the auction that made no call; the typed keys are forgotten
  // already.
  void TellSlip(std::string typed, bool afterLevel);
  // A card the laws refuse: the beep, and why in words.
  void RefuseCard(Card card, CardRefusal why);

  // Thinking ahead while the user considers a card: the hint, then the
  // computer's answers to the user's likeliest cards, worked out aside on
  // copies of the game. The hint key and the user's card take a result
  // over while the table is still at the moment it started from; anything
  // else the user does stops the work and forgets it.
  struct Ahead;
  void ThinkAhead();
  void ThinkAheadOfCards(std::vector<Card> cards);
  void StopThinkingAhead();
  // The hint worked out ahead for the table as it stands: shown at once, or
  // waited for while it is still being worked out. False when there is none.
  bool HintAhead();
  void ShowHintAhead();
  // The user's card and the computer's answer to it.
  void PlayAndAnswer(Card card);
  // Before the user's card: keeps the computer's answer to it, worked out
  // or still under way (then true); drops all other work ahead.
  bool AnswerAhead(Card card);
  // Plays the answer's next card, if there is one; once its last card is on
  // the table, what its searches found becomes the table's.
  bool PlayCardAhead();
  // While the table waits for the user to start the play or clear the
  // trick: the computer's cards that follow, on a copy of the game as the
  // user's start will leave it.
  void ThinkAheadOfRun(std::shared_ptr<Game> copy);
  // As the user starts the run: plays the run worked out ahead for the
  // table as it stands; work ahead for another moment is dropped.
  void KeepRunAhead();
  // The run is still being worked out: the user waits for it rather than
  // for a new search. False when there is none under way.
  bool AwaitRunAhead();
  // The run is worked out: played if the user waits for it, else kept.
  void RunWorkedOut(Card userCard, std::vector<Card> cards, std::shared_ptr<Game> worked);

  const Clock& clock_;
  Game game_;
  // The game of the last play of the deal on the table to its end.
  std::optional<Game> finished_;
  std::unique_ptr<TBigIniFile> handStore_;
  Worker* worker_;
  TimedStep* pace_;
  // Tricks done when the computer's run of cards began.
  int tricksAtStart_ = 0;
  std::unique_ptr<Ahead> ahead_;
  Feedback feedback_;
  LessonWords words_;
  // Calls refused at the turn of the call counted in refusedAt_.
  int refusals_ = 0;
  int refusedAt_ = -1;
  // A claim's check runs on the worker.
  bool claiming_ = false;
};

}  // namespace tavlo
