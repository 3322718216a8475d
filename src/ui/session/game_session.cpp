#include "session/game_session.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "common/notifier.h"
#include "common/strings_resource.h"
#include "common/timed_step.h"
#include "common/worker.h"
#include "engine/legal_cards.h"
#include "game/auction_flow.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "game/play_keys.h"
#include "game/saved_play.h"
#include "game/think_ahead.h"
#include "handfile/big_ini_file.h"
#include "handfile/lesson_progress.h"

namespace tavlo {

namespace {

// Cards of the user whose answers are worked out ahead: the hint's card and
// the next the analysis offers. Each answer keeps a copy of the game.
constexpr int LikeliestAnswered = 2;

// The hint on the feedback line: the card and why the engine plays it.
Feedback HintFeedback(const Game& game, Card card, const Clock& clock) {
  return {.Kind = FeedbackKind::Hint, .Hint = card, .HintReason = ReasonForCard(game, card, clock)};
}

}  // namespace

// What was worked out ahead from one moment of the table.
struct GameSession::Ahead {
  TableMoment From;
  Card Hint = 0;                   // 0 until worked out
  std::shared_ptr<Game> HintGame;  // the copy it was found on, until shown
  bool HintAwaited = false;        // the user asked while it was worked out
  struct Answer {
    Card UserCard = 0;
    std::vector<Card> Cards;
    std::shared_ptr<Game> Worked;
  };
  std::vector<Answer> Answers;
  // The card whose answer was last set to be worked out.
  Card Answering = 0;
  // The computer's run that follows the user's starting the play or
  // clearing the trick (UserCard 0), or the user's card: under way, worked
  // out, or waited for.
  bool RunUnderWay = false;
  std::optional<Answer> Run;
  bool RunAwaited = false;
  // The answer the table is playing, and the index of its next card.
  std::optional<Answer> Playing;
  std::size_t Next = 0;
};

GameSession::GameSession(const Clock& clock, std::unique_ptr<TBigIniFile> handStore,
                         const OptionsRecord& options, QObject* parent)
    : QObject(parent),
      clock_(clock),
      handStore_(std::move(handStore)),
      worker_(new Worker(this)),
      pace_(new TimedStep(clock, this)) {
  game_.Options = options;
  // The hand as it ended is kept for a replay or a rebid; connected first,
  // so whoever hears of the end finds it kept.
  connect(this, &GameSession::HandOver, this, [this] { finished_ = CopyForHint(game_); });
}

GameSession::~GameSession() = default;

bool GameSession::Busy() const { return pace_->Waiting() || worker_->Busy(); }

void GameSession::StopWork() {
  pace_->Cancel();
  worker_->Cancel();
  ahead_.reset();
}

void GameSession::LoadWords() {
  for (auto [name, table] :
       {std::pair{"alerts.tsv", &words_.Alerts}, std::pair{"lessons.tsv", &words_.Lessons}}) {
    Result<LessonTexts> read = LoadLanguageTable(name);
    if (read) {
      *table = std::move(*read);
    } else {
      Notifier::Current().Message(QString::fromStdString(read.Error()));
    }
  }
}

void GameSession::SetLanguage(int language) {
  game_.Options.Language = static_cast<std::uint8_t>(language);
  SpeakLanguage(game_, words_);
  if (finished_) SpeakLanguage(*finished_, words_);
}

const Game* GameSession::FinishedHand() const {
  if (game_.Table.TablePhase == Phase::EndOfHand) return &game_;
  return finished_ ? &*finished_ : nullptr;
}

void GameSession::Tell(Feedback feedback) {
  if (feedback == feedback_) return;
  feedback_ = std::move(feedback);
  emit FeedbackChanged(feedback_);
}

// The hands.

bool GameSession::BeginHand(const Result<Redraw>& start) {
  if (!start) {
    Notifier::Current().Message(
        QString::fromStdString(UndealableHandMessage(game_.Table.LessonNumber, start.Error())));
    return false;
  }
  // What the last hand left running must not play on this one.
  StopWork();
  Tell({});
  SpeakLanguage(game_, words_);
  emit HandBegun();
  emit Changed(*start);
  AcceptBid();
  return true;
}

bool GameSession::DealHand(const Result<Redraw>& start) {
  if (start) {
    finished_ = SavedPlay(CopyForHint(game_), *handStore_, clock_);
    if (finished_) SpeakLanguage(*finished_, words_);
  }
  return BeginHand(start);
}

bool GameSession::NewHand() { return DealHand(tavlo::NewHand(game_, *handStore_, clock_)); }

bool GameSession::PlaySavedHand(int section) {
  return DealHand(tavlo::PlaySavedHand(game_, *handStore_, section, clock_));
}

bool GameSession::PlayPackHand(const LessonPack& pack, int hand) {
  words_.Pack = pack.Texts;
  return DealHand(tavlo::PlayPackHand(game_, pack.Hands.at(hand - 1), hand,
                                      PackHandKey(pack.Name, hand), clock_));
}

void GameSession::Rebid() { BeginHand(StartNewHand(game_, clock_)); }

void GameSession::StartPlay() { PlayStarted(tavlo::StartPlay(game_, clock_)); }

void GameSession::Replay() {
  StopWork();
  Tell({});
  emit ReplayBegun();
  PlayStarted(tavlo::Replay(game_, clock_));
}

void GameSession::PlayStarted(Redraw parts) {
  if (parts == Redraw::Nothing) return;
  emit PlayBegun();
  emit Changed(parts);
  // A hand nobody bid is over before it starts.
  if (game_.Table.TablePhase == Phase::EndOfHand) {
    emit HandOver();
    return;
  }
  PlayTrickToHuman();
}

// The auction.

void GameSession::AcceptBid() {
  while (NextTurn(game_) == AuctionTurn::Computer) {
    // Each computer seat takes its time, so the user can follow the auction;
    // the table keeps painting meanwhile and holds the user's input back.
    if (!game_.Table.DeveloperMode) {
      pace_->After(game_.Auction.BidDelay, [this] { ComputerCall(); });
      return;
    }
    emit Changed(ComputerBid(game_));
  }
  if (NextTurn(game_) != AuctionTurn::Over) return;
  const Redraw parts = EndAuction(game_);
  // The lesson's point, now shown, in the learner's language.
  SpeakLanguage(game_, words_);
  emit Changed(parts);
  emit AuctionOver();
  // The learner reads the auction's end before starting the play: time to
  // work out the computer's first cards, on a copy without the last hand's
  // searches, which the start forgets anyway.
  auto copy = std::make_shared<Game>(CopyForHint(game_));
  tavlo::StartPlay(*copy, clock_);
  ThinkAheadOfRun(copy);
}

void GameSession::ComputerCall() {
  emit Changed(ComputerBid(game_));
  AcceptBid();
}

void GameSession::AnswerCall(bool made) {
  if (!made) {
    RefuseCall();
    return;
  }
  Tell({});
  emit Changed(Redraw::Auction);
  AcceptBid();
}

void GameSession::UserCall(Bid call) {
  const BidAnswer answer = tavlo::UserCall(game_, call);
  if (answer != BidAnswer::Ignored) AnswerCall(answer == BidAnswer::Made);
}

void GameSession::RefuseCall() {
  tavlo::RefuseBid(game_);
  Notifier::Current().BeepInformation();
  if (refusedAt_ != game_.Auction.BidCount) refusals_ = 0;
  refusedAt_ = game_.Auction.BidCount;
  Feedback refused{.Kind = FeedbackKind::CallRefused, .Tries = ++refusals_};
  // From the second refusal at a turn on, the learner is shown the way.
  if (refusals_ >= 2 && ScriptedCall(game_) != NoBid) {
    refused.LessonCall = ScriptedCall(game_);
    refused.Explanation = ScriptedCallExplanation(game_.Auction);
  }
  Tell(refused);
  emit CallRefused();
}

void GameSession::KeySlip(const std::string& typed) {
  const bool afterLevel = !game_.Auction.TypedLevel.empty();
  ForgetTypedKeys(game_);
  TellSlip(typed, afterLevel);
}

void GameSession::TellSlip(std::string typed, bool afterLevel) {
  // A key of no call is a slip, not a wrong call: it is not counted and
  // gives the lesson's call away no sooner.
  Notifier::Current().BeepInformation();
  Tell({.Kind = FeedbackKind::KeySlip, .Typed = std::move(typed), .AfterLevel = afterLevel});
}

void GameSession::BidKey(char key) {
  // The level is forgotten with the slip; the line still says what it waited for.
  const bool afterLevel = !game_.Auction.TypedLevel.empty();
  switch (tavlo::BidKey(game_, key)) {
    case BidKeyAction::Wait:
      if (!game_.Auction.TypedLevel.empty())
        Tell({.Kind = FeedbackKind::Typing, .Typed = game_.Auction.TypedLevel});
      break;
    case BidKeyAction::CheckBid:
      if (const BidAnswer answer = CheckTypedBid(game_); answer != BidAnswer::Ignored)
        AnswerCall(answer == BidAnswer::Made);
      break;
    case BidKeyAction::MakeBid:
      MakeBid();
      break;
    case BidKeyAction::HelpBid:
      HelpBid();
      break;
    case BidKeyAction::TakeBack:
      TakeBackCall();
      break;
    case BidKeyAction::BadKey:
      TellSlip(std::string(1, key), afterLevel);
      break;
  }
}

void GameSession::HelpBid() {
  const Bid call = ScriptedCall(game_);
  if (call != NoBid) emit CallShown(call);
}

void GameSession::MakeBid() {
  const Bid call = ScriptedCall(game_);
  if (call == NoBid) return;
  game_.Table.AuctionHelped = true;
  emit CallShown(call);
  // The highlight stays up a moment, also for the developer, so the user
  // sees which call is made for him.
  pace_->After(MakeBidDelay, [this, call] { UserCall(call); });
}

void GameSession::TakeBackCall() {
  Notifier::Current().BeepInformation();
  emit Changed(tavlo::TakeBackBid(game_));
  // The seat whose call was taken back is to call again; a computer seat
  // does not call on its own, so the learner calls for it.
  if (NextTurn(game_) == AuctionTurn::Computer) {
    Tell({.Kind = FeedbackKind::BidForSeat, .Seat = game_.Auction.ToPlay});
  } else {
    Tell({});
  }
}

// The play.

void GameSession::Think(std::function<void(Card)> done, std::function<void()> failed,
                        bool recordLines) {
  auto copy = std::make_shared<Game>(game_);
  auto lines = std::make_shared<std::vector<SearchedLine>>();
  TestPlayDisplay record;
  if (recordLines) {
    record = [lines](const PlayContext& context, const PositionEntry&) {
      lines->push_back({context.Hands, context.Play, context.Search});
      return false;
    };
  }
  worker_->Run([copy, record, clock = &clock_, stop = worker_->LogicErrorStop()](
                   JobControl& job) { return EngineCard(*copy, *clock, stop, record, &job); },
               [this, copy, lines, done = std::move(done)](Card card) {
                 TakeOverSearch(game_, std::move(*copy));
                 if (!lines->empty()) emit LinesSearched(*lines);
                 done(card);
               },
               std::move(failed));
}

void GameSession::PlayTrickToHuman() {
  KeepRunAhead();
  StartThinking(game_, clock_);
  tricksAtStart_ = game_.Play.TricksDone;
  PlayOn();
}

void GameSession::PlayOn() {
  if (ComputerPlaysOn(game_, tricksAtStart_)) {
    if (PlayCardAhead()) {
      PlayOn();
      return;
    }
    if (AwaitRunAhead()) return;
    Think(
        [this](Card card) {
          Play(card);
          PlayOn();
        },
        // The play goes on without the engine: the seat plays the card the
        // rules offer first.
        [this] {
          Play(DefaultPlayCard(HandToPlay(game_.Hands, game_.Play), TrickSituationOf(game_.Play)));
          PlayOn();
        });
    return;
  }
  const Redraw parts = AfterComputerRun(game_);
  if (parts != Redraw::Nothing) {
    emit Changed(parts);
    emit HandOver();
    return;
  }
  emit UserToAct();
  ThinkAhead();
}

void GameSession::Play(Card card) {
  const Redraw parts = MakePlay(game_, card, clock_, worker_->LogicErrorStop());
  Tell({});
  emit CardPlayed();
  emit Changed(parts);
}

void GameSession::ReadyForHuman() {
  if (game_.Table.TrickWaiting) {
    emit UserToAct();
    ThinkAhead();
  } else {
    PlayTrickToHuman();
  }
}

void GameSession::RefuseCard(Card card, CardRefusal why) {
  Notifier::Current().BeepInformation();
  Tell({.Kind = FeedbackKind::CardRefused,
        .Refusal = why,
        .Chosen = card,
        .Seat = game_.Play.ToPlay,
        .SuitLed = game_.Play.SuitLed});
  emit CardRefused();
}

void GameSession::PlayUserCard(Card card, SeatCode seat) {
  if (game_.Table.TablePhase != Phase::Play || Busy()) return;
  if (const CardRefusal why = WhyRefused(game_, card, seat); why != CardRefusal::None) {
    RefuseCard(card, why);
    return;
  }
  PlayAndAnswer(card);
}

void GameSession::CardKey(char key) {
  const PlayKeyResult result = PlayKey(game_, key);
  switch (result.Action) {
    case PlayKeyAction::Wait:
      if (!game_.Auction.TypedLevel.empty())
        Tell({.Kind = FeedbackKind::Typing, .Typed = game_.Auction.TypedLevel});
      break;
    case PlayKeyAction::BadKey:
      if (result.Refusal != CardRefusal::None) {
        RefuseCard(result.Typed, result.Refusal);
      } else {
        Notifier::Current().BeepInformation();
        Tell({});
        emit CardRefused();
      }
      break;
    case PlayKeyAction::Play:
      emit CardOffered(result.Typed);
      PlayAndAnswer(result.Typed);
      break;
  }
}

void GameSession::ClearTrick() {
  if (game_.Table.TablePhase != Phase::Play || !game_.Table.TrickWaiting || Busy()) return;
  Tell({});
  emit Changed(ClearPlay(game_));
  if (game_.Table.TablePhase != Phase::Play) {
    StopThinkingAhead();
    emit HandOver();
    return;
  }
  PlayTrickToHuman();
}

void GameSession::Hint() {
  if (Busy()) return;
  switch (const HintRefusal why = WhyNoHint(game_)) {
    case HintRefusal::None:
      break;
    case HintRefusal::NoPlay:
      return;
    case HintRefusal::ClearTrickFirst:
    case HintRefusal::TrickWaiting:
    case HintRefusal::NotLearnersTurn:
      Notifier::Current().BeepInformation();
      Tell({.Kind = FeedbackKind::HintRefused, .Seat = game_.Play.ToPlay, .NoHint = why});
      return;
  }
  if (HintAhead()) return;
  StopThinkingAhead();
  PrepareHint(game_, clock_);
  Think(
      [this](Card card) {
        Tell(HintFeedback(game_, card, clock_));
        emit HintReady(card);
      },
      nullptr);
}

void GameSession::FinishPlay() {
  if (game_.Table.TablePhase != Phase::Play || Busy()) return;
  StopThinkingAhead();
  tavlo::FinishPlay(game_, clock_);
  PlayTrickToHuman();
}

void GameSession::TakeBackCard() {
  if (!CanTakeBack(game_) || Busy()) return;
  StopThinkingAhead();
  const Card card = tavlo::TakeBackCard(game_, clock_, worker_->LogicErrorStop());
  emit CardOffered(card);
  emit Changed(Redraw::Hands | Redraw::Trick | Redraw::Contract);
  emit UserToAct();
  ThinkAhead();
}

void GameSession::DeveloperSearch() {
  if (game_.Table.TablePhase != Phase::Play || Busy() || HandIsOver(game_)) return;
  StopThinkingAhead();
  StartDeveloperSearch(game_, clock_);
  Think(
      [this](Card card) {
        // The engine's choice is the selection: Enter plays it.
        EndDeveloperSearch(game_);
        emit CardOffered(card);
      },
      [this] { EndDeveloperSearch(game_); }, true);
}

// Thinking ahead.

void GameSession::ThinkAhead() {
  StopThinkingAhead();
  if (game_.Table.TablePhase != Phase::Play) return;
  if (game_.Table.TrickWaiting) {
    auto copy = std::make_shared<Game>(game_);
    ClearPlay(*copy);
    ThinkAheadOfRun(copy);
    return;
  }
  if (HandIsOver(game_) || ComputerToPlay(game_.Hands, game_.Play)) return;
  ahead_ = std::make_unique<Ahead>();
  ahead_->From = MomentOf(game_);
  auto copy = std::make_shared<Game>(CopyForHint(game_));
  worker_->RunAside([copy, clock = &clock_, stop = worker_->LogicErrorStop()](
                        JobControl& job) { return WorkOutHint(*copy, *clock, stop, &job); },
                    [this, copy](Card card) {
                      if (!ahead_ || card == 0) return;
                      ahead_->Hint = card;
                      ahead_->HintGame = copy;
                      if (ahead_->HintAwaited) {
                        ShowHintAhead();
                        return;
                      }
                      ThinkAheadOfCards(LikeliestCards(game_, card, clock_, LikeliestAnswered));
                    });
}

void GameSession::ThinkAheadOfCards(std::vector<Card> cards) {
  if (!ahead_ || cards.empty() || !(MomentOf(game_) == ahead_->From)) return;
  const Card card = cards.front();
  cards.erase(cards.begin());
  ahead_->Answering = card;
  auto copy = std::make_shared<Game>(game_);
  worker_->RunAside([copy, card, clock = &clock_, stop = worker_->LogicErrorStop()](
                        JobControl& job) { return WorkOutAnswer(*copy, card, *clock, stop, &job); },
                    [this, copy, card,
                     cards = std::move(cards)](std::optional<std::vector<Card>> answer) mutable {
                      if (!ahead_ || !answer) return;
                      if (ahead_->RunUnderWay) {
                        RunWorkedOut(card, std::move(*answer), copy);
                        return;
                      }
                      ahead_->Answers.push_back({card, std::move(*answer), copy});
                      ThinkAheadOfCards(std::move(cards));
                    });
}

void GameSession::ThinkAheadOfRun(std::shared_ptr<Game> copy) {
  StopThinkingAhead();
  if (copy->Table.TablePhase != Phase::Play || !ComputerToPlay(copy->Hands, copy->Play)) return;
  ahead_ = std::make_unique<Ahead>();
  ahead_->From = MomentOf(*copy);
  ahead_->RunUnderWay = true;
  worker_->RunAside([copy, clock = &clock_, stop = worker_->LogicErrorStop()](
                        JobControl& job) { return WorkOutRun(*copy, *clock, stop, &job); },
                    [this, copy](std::optional<std::vector<Card>> cards) {
                      if (ahead_ && ahead_->RunUnderWay && cards)
                        RunWorkedOut(0, std::move(*cards), copy);
                    });
}

void GameSession::RunWorkedOut(Card userCard, std::vector<Card> cards,
                               std::shared_ptr<Game> worked) {
  ahead_->RunUnderWay = false;
  ahead_->Run = Ahead::Answer{userCard, std::move(cards), std::move(worked)};
  if (!std::exchange(ahead_->RunAwaited, false)) return;
  ahead_->Playing = std::move(ahead_->Run);
  ahead_->Run.reset();
  PlayOn();
}

void GameSession::KeepRunAhead() {
  if (!ahead_ || !(ahead_->RunUnderWay || ahead_->Run)) return;
  // Worked out for another moment (seats or options changed meanwhile).
  if (!(MomentOf(game_) == ahead_->From)) {
    StopThinkingAhead();
    return;
  }
  if (!ahead_->Run) return;
  ahead_->Playing = std::move(ahead_->Run);
  ahead_->Run.reset();
}

bool GameSession::AwaitRunAhead() {
  if (!ahead_ || !ahead_->RunUnderWay) return false;
  // Should the work fail, the table searches afresh.
  ahead_->RunAwaited = worker_->WaitForAside([this] {
    ahead_.reset();
    PlayOn();
  });
  return ahead_->RunAwaited;
}

void GameSession::StopThinkingAhead() {
  worker_->StopAside();
  ahead_.reset();
}

bool GameSession::HintAhead() {
  if (!ahead_ || !(MomentOf(game_) == ahead_->From)) return false;
  if (ahead_->HintGame) {
    ShowHintAhead();
    return true;
  }
  // Shown once already: asked again, the hint searches afresh.
  if (ahead_->Hint != 0) return false;
  ahead_->HintAwaited = worker_->WaitForAside();
  return ahead_->HintAwaited;
}

void GameSession::ShowHintAhead() {
  const Card card = ahead_->Hint;
  const std::shared_ptr<Game> worked = std::move(ahead_->HintGame);
  StopThinkingAhead();
  TakeOverSearch(game_, std::move(*worked));
  Tell(HintFeedback(game_, card, clock_));
  emit HintReady(card);
  // The hint's fresh search is the table's now: the computer's answers
  // start from it.
  ahead_ = std::make_unique<Ahead>();
  ahead_->From = MomentOf(game_);
  ahead_->Hint = card;
  ThinkAheadOfCards(LikeliestCards(game_, card, clock_, LikeliestAnswered));
}

void GameSession::PlayAndAnswer(Card card) {
  const bool answerUnderWay = AnswerAhead(card);
  Play(card);
  // The answer under way starts from the table as the card left it.
  if (answerUnderWay) ahead_->From = MomentOf(game_);
  ReadyForHuman();
}

bool GameSession::AnswerAhead(Card card) {
  if (!ahead_ || !(MomentOf(game_) == ahead_->From)) {
    StopThinkingAhead();
    return false;
  }
  auto kept = std::make_unique<Ahead>();
  const auto answer = std::find_if(ahead_->Answers.begin(), ahead_->Answers.end(),
                                   [card](const Ahead::Answer& a) { return a.UserCard == card; });
  if (answer != ahead_->Answers.end()) {
    kept->Playing = std::move(*answer);
  } else if (ahead_->Answering == card && worker_->Aside()) {
    // Still being worked out: the user waits for it, not for a new search.
    kept->RunUnderWay = true;
  }
  if (!kept->RunUnderWay) worker_->StopAside();
  const bool underWay = kept->RunUnderWay;
  ahead_ = kept->Playing || underWay ? std::move(kept) : nullptr;
  return underWay;
}

bool GameSession::PlayCardAhead() {
  if (!ahead_ || !ahead_->Playing || ahead_->Next >= ahead_->Playing->Cards.size()) return false;
  Ahead::Answer& answer = *ahead_->Playing;
  const Card card = answer.Cards[ahead_->Next++];
  std::shared_ptr<Game> worked;
  if (ahead_->Next == answer.Cards.size()) {
    worked = std::move(answer.Worked);
    ahead_.reset();
  }
  Play(card);
  // Its last card on the table, the answer's searches become the table's.
  if (worked) TakeOverSearch(game_, std::move(*worked));
  return true;
}

}  // namespace tavlo
