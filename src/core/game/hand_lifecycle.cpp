#include "game/hand_lifecycle.h"

#include "auction/auction.h"
#include "game/play_flow.h"
#include "game/random_seed.h"
#include "model/comma_text.h"
#include "model/deal_text.h"
#include "model/expose_dummy.h"

namespace tavlo {

namespace {

// The thinking time of the options runs from 1 to 10 seconds.
constexpr int LeastThinkingTime = 1, MostThinkingTime = 10;
// Bidding systems past the last one are read as the last one.
constexpr int LastBiddingSystem = 3;

// Point item k, counting from 1; empty when the record has fewer items.
std::string PointItem(const TableState& table, std::size_t k) {
  return k <= table.PointsList.size() ? table.PointsList[k - 1] : std::string();
}

// What the opening leader knows besides its cards, with the play this table
// recorded last.
OpeningLeadFacts LeadFacts(const Game& game, const RecordedLead& lastPlay) {
  const int system = Minimum(game.Options.BiddingSystem, LastBiddingSystem);
  return {game.Auction.BidCount, system, game.Auction.LeadDirector,
          ConventionList(game.LeadTables[system]), lastPlay};
}

Result<Redraw> StartReadHand(Game& game, TBigIniFile& store, int lessonNumber, const Clock& clock) {
  if (Status read = ReadSavedHand(game, store, lessonNumber); !read) return read.Why();
  return StartNewHand(game, clock);
}

}  // namespace

void ApplySeatOptions(Game& game) {
  game.Hands.ApplySeatOptions(static_cast<std::uint32_t>(game.Options.UserSeats),
                              static_cast<std::uint32_t>(game.Options.FaceUpSeats));
}

void StartUpInitialisation(Game& game, const Clock& clock, bool developerMode) {
  game.Table.RandomSeed = SeedFromClock(clock);
  game.Table.DeveloperMode = developerMode;
  game.Table.ShowAllHands = false;
  game.Table.LessonNumber = 0;
  game.Table.HandFileNumber = 0;
  // Whatever the options file says, a new run starts with South alone.
  game.Options.UserSeats = SouthOnly;
  game.Options.FaceUpSeats = SouthOnly;
  game.Play.Dummy = North;
  game.Table.TablePhase = Phase::NoHand;
  game.Auction.ToPlay = North;
  game.Play.ToPlay = North;
}

int NextLessonNumber(int lessonNumber) {
  const int next = lessonNumber + 1;
  return next > LessonHands || next < 1 ? 1 : next;
}

Status ReadSavedHand(Game& game, TBigIniFile& store, int lessonNumber) {
  game.Table.LessonNumber = lessonNumber;
  game.Table.HandFileNumber = lessonNumber;
  return TakeHandRecord(game, ReadHandRecord(store, std::to_string(lessonNumber)), lessonNumber);
}

bool IsLesson(const TableState& table) {
  return !table.PackHand.empty() || IsLessonHand(table.LessonNumber);
}

Status TakeHandRecord(Game& game, HandRecord record, int number, std::string packHand) {
  const Result<DealHoldings> deal = ParseDeal(record.DealText);
  if (!deal) return deal.Why();
  game.Table.LessonNumber = number;
  game.Table.PackHand = std::move(packHand);

  game.Table.Deal = *deal;
  game.Table.Comment = record.Comment;
  game.Auction.Dealer = record.Dealer;
  game.Auction.Declarer = record.Declarer;
  game.Auction.ScriptedAuction = record.ScriptedAuction;
  game.Auction.ScriptedLights = record.ScriptedLights;
  game.Auction.Alerts = record.Alerts;
  // Explained from the alert table until the words of a language are set.
  game.Auction.AlertWords.clear();
  game.Auction.LeadDirector = record.LeadDirector;
  // A new hand has no play yet: the last one was of another deal.
  game.Play.PlayRecord = {};
  game.Record = std::move(record);
  game.Table.TablePhase = Phase::Bidding;
  return {};
}

std::string UndealableHandMessage(int lessonNumber, std::string_view problem) {
  return "Board " + std::to_string(lessonNumber) +
         " of the hand file cannot be dealt: " + std::string(problem) +
         ".\nThe hand on the table stays.";
}

Result<Redraw> NewHand(Game& game, TBigIniFile& store, const Clock& clock) {
  Result<Redraw> start =
      StartReadHand(game, store, NextLessonNumber(game.Table.HandFileNumber), clock);
  if (start) game.Table.Comment.clear();
  return start;
}

Result<Redraw> PlayPackHand(Game& game, const HandRecord& record, int number,
                            const std::string& packHand, const Clock& clock) {
  if (Status taken = TakeHandRecord(game, record, number, packHand); !taken) return taken.Why();
  game.Table.Comment.clear();
  return StartNewHand(game, clock);
}

Result<Redraw> PlaySavedHand(Game& game, TBigIniFile& store, int lessonNumber, const Clock& clock) {
  Result<Redraw> start = StartReadHand(game, store, lessonNumber, clock);
  // A lesson's comment is its point, which waits for the end of the auction.
  if (start && IsLessonHand(lessonNumber)) game.Table.Comment.clear();
  return start;
}

Redraw StartNewHand(Game& game, const Clock& clock) {
  game.Table.PointsList = SplitCommaText(game.Record.PointsText);
  game.Table.LessonPoint.clear();
  game.Table.AuctionHelped = false;
  game.Hands.Deal(game.Table.Deal);
  game.Auction.BidCount = 0;
  game.Table.TablePhase = Phase::Bidding;
  game.Auction.Trump = Spades;
  ResetGame(game, clock);
  return WholeTable;
}

void ResetGame(Game& game, const Clock& clock) {
  game.Table.HandStartTime = clock.Now();
  ApplySeatOptions(game);
  game.Table.ShowAllHands = false;
  ResetBids(game.Auction);
  game.Play.TricksDone = 0;
  game.Hands.RestoreDeal();
}

bool PlayCanStart(const Game& game) { return game.Auction.ContractBid != Pass; }

Redraw StartPlay(Game& game, const Clock& clock) {
  game.Table.Claim.reset();
  // A hand nobody bid has no play: it is scored 0 at once.
  if (!PlayCanStart(game)) return EndOfHand(game);
  PlayState& play = game.Play;
  const RecordedLead lastPlay{play.ContractLevel, play.Trump, play.Declarer,
                              play.PlayRecord[0].Card};
  play.Declarer = game.Auction.Declarer;
  play.Trump = game.Auction.Trump;
  play.ContractLevel = game.Auction.ContractLevel;
  play.SuitLed = Clubs;
  game.Search.Testwidth = 3;
  game.Search.ThinkingTime =
      Minimum(Maximum(game.Options.SkillLevel, LeastThinkingTime), MostThinkingTime);
  game.Search.TimeLimit = game.Search.ThinkingTime;
  game.Search.TablePosition = 0;
  game.Hands.BindSuitViews(play.Trump);
  // New views: nothing the engine worked out for them before stands.
  game.Engine = EngineState{};
  game.Engine.Lead = LeadFacts(game, lastPlay);
  ClearPositionCache(game.Search, game.Engine.Positions);
  PlayContext context{game.Hands, play, game.Search, clock, nullptr};
  ResetPlay(context);
  game.Table.TrickWaiting = false;
  game.Table.FinishMode = 0;
  game.Table.AutoFinish = false;
  game.Table.TablePhase = Phase::Play;
  BeforeEachPlay(game);
  return Redraw::Hands | Redraw::Auction | Redraw::Contract | Redraw::Panel | Redraw::Trick;
}

Redraw Replay(Game& game, const Clock& clock) {
  game.Table.HandStartTime = clock.Now();
  ApplySeatOptions(game);
  game.Table.ShowAllHands = false;
  game.Hands.RestoreDeal();
  return StartPlay(game, clock);
}

Redraw FaceUpSeatsChosen(Game& game) {
  ApplySeatOptions(game);
  if (!game.Hands.DealLoaded()) return Redraw::Nothing;
  // Once the opening lead is made dummy lies face up on the table, whatever
  // the user chose to hide.
  if (game.Table.TablePhase == Phase::Play && game.Play.CardsPlayed > 0) {
    ExposeDummy(game.Hands, game.Auction.Declarer);
  }
  return Redraw::Hands | Redraw::Points;
}

Redraw ShowAllHands(Game& game) {
  game.Options.FaceUpSeats = AllSeatsMask;
  return FaceUpSeatsChosen(game);
}

Redraw HideComputerHands(Game& game) {
  game.Options.FaceUpSeats = game.Table.TablePhase == Phase::Play ? NorthSouthMask : SouthOnly;
  return FaceUpSeatsChosen(game);
}

PointsDisplay PointsTexts(const Game& game, std::string_view hcpWord) {
  const TableState& table = game.Table;
  const bool auctionOver = table.TablePhase != Phase::Bidding;
  PointsDisplay display;
  // The hand over, every card is on show, North's too.
  if (game.Hands[North].FaceUp || table.ShowAllHands || table.TablePhase == Phase::EndOfHand) {
    const std::string item = PointItem(table, 1);
    display.North =
        (item.size() > 2 ? item.substr(2, 5) : std::string()) + " " + std::string(hcpWord);
    if (auctionOver) display.North += " + " + PointItem(table, 3);
  }
  display.South = PointItem(table, 2) + " " + std::string(hcpWord);
  if (auctionOver) display.South += " + " + PointItem(table, 4);
  return display;
}

TrickCounts WonTricks(const Game& game) {
  // Before the play of this hand has begun, its tricks are none, whatever
  // the last hand's play left behind.
  const Phase phase = game.Table.TablePhase;
  if (phase != Phase::Play && phase != Phase::Analysis && phase != Phase::EndOfHand) return {};
  const PlayState& play = game.Play;
  const int defenders = play.TricksDone - play.DeclarerTricks;
  const bool northSouthDeclare = SideOfSeat(play.Declarer) == NorthSouth;
  return {northSouthDeclare ? play.DeclarerTricks : defenders,
          northSouthDeclare ? defenders : play.DeclarerTricks};
}

}  // namespace tavlo
