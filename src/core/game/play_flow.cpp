#include "game/play_flow.h"

#include "auction/auction.h"
#include "engine/legal_cards.h"
#include "game/hand_lifecycle.h"
#include "model/bid_text.h"
#include "model/expose_dummy.h"
#include "scoring/duplicate_score.h"

namespace tavlo {

namespace {

// Tricks a search may play, per second of thinking time, before the table
// narrows it at the next trick.
constexpr int TricksPerThinkingSecond = 5000;
// Thinking times above this start every trick's count afresh.
constexpr int ShortThinkingTime = 4;

PlayContext ContextOf(Game& game, const Clock& clock, const LogicErrorHandler& onLogicError) {
  return {game.Hands, game.Play, game.Search, clock, onLogicError};
}

bool TrickComplete(const PlayState& play) {
  return play.CardsPlayed > 0 && play.TrickPosition == 1;
}

// A debug build checks the whole play after every card played or taken back
// at the table, the engine's look-ahead included, since it plays on the
// table's own cards: a slip in the trick bookkeeping stops at the card that
// caused it, not tricks later. A release build trusts the bookkeeping and
// spends nothing on it.
void CheckPlay([[maybe_unused]] const PlayContext& context) {
#ifndef NDEBUG
  if (!PlayStateIsOk(context.Hands, context.Play)) StopOnLogicError(context);
#endif
}

}  // namespace

void BeforeEachPlay(Game& game) {
  SearchState& search = game.Search;
  search.TablePosition = game.Play.CardsPlayed;
  if (game.Play.TrickPosition != 1) return;
  if (search.ThinkingTime > ShortThinkingTime) search.Totplay = 0;
  search.Testwidth = search.ThinkingTime * TricksPerThinkingSecond < search.Totplay ? 2 : 3;
}

void StartThinking(Game& game, const Clock& clock) { game.Search.StartTime = clock.Seconds(); }

bool ComputerPlaysOn(const Game& game, int tricksAtStart) {
  return game.Table.TablePhase == Phase::Play && game.Play.TricksDone <= tricksAtStart &&
         ComputerToPlay(game.Hands, game.Play);
}

Card EngineCard(Game& game, const Clock& clock, const LogicErrorHandler& onLogicError,
                const TestPlayDisplay& display, const JobControl* job) {
  PlayContext context = ContextOf(game, clock, onLogicError);
  context.Job = job;
  int projection = -1;
  return ChooseCard(context, game.Engine, projection, display);
}

void TakeOverSearch(Game& table, Game&& copy) {
  // The views' results go with the estimate cache that keys them.
  table.Hands = copy.Hands;
  table.Search = copy.Search;
  table.Engine = std::move(copy.Engine);
}

bool CardPlayable(const Game& game, Card card) {
  return !HandIsOver(game) && LegalCards(game.Hands, game.Play).Holds(card);
}

CardRefusal WhyRefused(const Game& game, Card card, SeatCode seat) {
  const PlayState& play = game.Play;
  if (game.Table.TablePhase != Phase::Play || HandIsOver(game)) return CardRefusal::NoPlay;
  if (seat != play.ToPlay) return CardRefusal::NotYourTurn;
  for (int at = 0; at < play.CardsPlayed; ++at)
    if (play.PlayRecord[at].Card == card) return CardRefusal::AlreadyPlayed;
  const Holding rank = card & RankBits;
  if ((HandToPlay(game.Hands, play).Suits[CardSuit(card)].Cards & rank) != rank)
    return CardRefusal::NotHeld;
  return CardPlayable(game, card) ? CardRefusal::None : CardRefusal::MustFollowSuit;
}

Redraw MakePlay(Game& game, Card card, const Clock& clock, const LogicErrorHandler& onLogicError) {
  PlayState& play = game.Play;
  // The card goes on the table, and the bidding record the user may have
  // been looking at goes away.
  Redraw parts = Redraw::Trick | Redraw::Auction;
  PlayContext context = ContextOf(game, clock, onLogicError);
  // PlayCard refuses a card the seat does not hold or that fails to follow
  // suit with the consistency stop.
  PlayCard(context, card);
  // A lead's entry names the winner of the trick before; the row of won
  // tricks reads the last one's there too.
  play.PlayRecord[4 * play.TricksDone].Seat = play.TrickLeader;
  game.Search.TablePosition = play.CardsPlayed - 1;
  game.Table.TrickWaiting = TrickComplete(play);
  if (game.Table.TrickWaiting) parts = parts | Redraw::Contract;
  ZipBids(game.Auction);
  if (game.Search.TablePosition == 0) {
    ExposeDummy(game.Hands, play.Declarer);
    parts = parts | Redraw::Hands | Redraw::Points;
  }
  BeforeEachPlay(game);
  CheckPlay(context);
  return parts;
}

std::span<const PlayRecordEntry> TrickOnTable(const Game& game) {
  const Phase phase = game.Table.TablePhase;
  if (phase != Phase::Play && phase != Phase::Analysis) return {};
  const PlayState& play = game.Play;
  const int n = play.CardsPlayed;
  int first = n - n % 4;
  if (game.Table.TrickWaiting && n % 4 == 0 && n > 0) first = n - 4;
  return {play.PlayRecord.data() + first, static_cast<std::size_t>(n - first)};
}

Redraw ClearPlay(Game& game) {
  game.Table.TrickWaiting = false;
  if (game.Play.TricksDone == 13) return EndOfHand(game);
  if (game.Table.AutoFinish) {
    game.Table.FinishMode = 0;
    game.Table.AutoFinish = false;
  }
  return Redraw::Trick;
}

Redraw AfterComputerRun(Game& game) {
  if (game.Table.TablePhase == Phase::Play && game.Search.TablePosition == 52 &&
      game.Table.AutoFinish) {
    return EndOfHand(game);
  }
  return Redraw::Nothing;
}

void FinishPlay(Game& game, const Clock& clock) {
  game.Table.FinishMode = 1;
  game.Table.AutoFinish = true;
  game.Table.HandStartTime = clock.Now();
  game.Hands.ClearUserSeats();
}

bool CanTakeBack(const Game& game) {
  return game.Table.TablePhase == Phase::Play && game.Play.CardsPlayed > 0;
}

Card TakeBackCard(Game& game, const Clock& clock, const LogicErrorHandler& onLogicError) {
  PlayState& play = game.Play;
  const int n = play.CardsPlayed;
  if (n == 0) return 0;
  PlayContext context = ContextOf(game, clock, onLogicError);
  TakeBack(context);
  // A lead taken back: the trick before comes back on the table whole.
  if (n % 4 == 1 && n > 1) TakeBack(context);
  game.Table.TrickWaiting = false;
  game.Search.TablePosition = play.CardsPlayed;
  while (play.CardsPlayed < n - 1) {
    MakePlay(game, play.PlayRecord[play.CardsPlayed].Card, clock, onLogicError);
  }
  game.Table.AutoFinish = false;
  CheckPlay(context);
  return play.PlayRecord[n - 1].Card;
}

void PrepareHint(Game& game, const Clock& clock) {
  ClearPositionCache(game.Search, game.Engine.Positions);
  StartThinking(game, clock);
}

HintRefusal WhyNoHint(const Game& game) {
  if (game.Table.TablePhase != Phase::Play || HandIsOver(game)) return HintRefusal::NoPlay;
  const bool learners = game.Hands[game.Play.ToPlay].UserPlays;
  if (game.Table.TrickWaiting)
    return learners ? HintRefusal::ClearTrickFirst : HintRefusal::TrickWaiting;
  return learners ? HintRefusal::None : HintRefusal::NotLearnersTurn;
}

void StartDeveloperSearch(Game& game, const Clock& clock) {
  game.Table.TablePhase = Phase::Analysis;
  game.Search.DebugPosition = game.Search.TablePosition;
  game.Search.DeveloperSearch = true;
  StartThinking(game, clock);
}

void EndDeveloperSearch(Game& game) {
  game.Search.DebugPosition = 0;
  game.Search.DeveloperSearch = false;
  game.Table.TablePhase = Phase::Play;
}

Redraw EndOfHand(Game& game) {
  game.Table.TablePhase = Phase::EndOfHand;
  const AuctionState& auction = game.Auction;
  game.Table.HandScore =
      DuplicateScore(auction.ContractBid, auction.Doubling, auction.Declarer,
                     IsVulnerable(game.Record.Vulnerability, SideOfSeat(auction.Declarer)),
                     game.Play.DeclarerTricks);
  game.Play.LastTrickWinner = game.Play.TrickLeader;
  game.Table.AutoFinish = false;
  game.Table.TrickWaiting = false;
  game.Hands.RestoreDeal();
  ApplySeatOptions(game);
  return Redraw::Hands | Redraw::Trick | Redraw::Contract | Redraw::Points | Redraw::Panel;
}

bool ContractMade(const Game& game) {
  return game.Auction.ContractLevel == 0 ||
         game.Play.DeclarerTricks >= game.Auction.ContractLevel + 6;
}

std::string HandResult(const Game& game, std::string_view seatName, std::string_view tricksWord) {
  const std::string result =
      std::string(seatName) + " " + BidLongText(game.Auction.ContractBid, game.Auction.Doubling) +
      "  " + std::to_string(game.Play.DeclarerTricks) + " " + std::string(tricksWord);
  return std::string(FirstCharacters(result, HandResultLength));
}

}  // namespace tavlo
