#include "game/hand_lifecycle.h"

#include "auction/auction.h"
#include "game/random_seed.h"
#include "model/comma_text.h"

namespace tavlo {

namespace {

// Point item k, counting from 1; empty when the record has fewer items.
std::string PointItem(const TableState& table, std::size_t k) {
  return k <= table.PointsList.size() ? table.PointsList[k - 1] : std::string();
}

void ApplySeatOptions(Game& game) {
  game.Hands.ApplySeatOptions(static_cast<std::uint32_t>(game.Options.UserSeats),
                              static_cast<std::uint32_t>(game.Options.FaceUpSeats));
}

}  // namespace

void StartUpInitialisation(Game& game, const Clock& clock, bool developerMode) {
  game.Table.RandomSeed = SeedFromClock(clock);
  game.Table.DeveloperMode = developerMode;
  game.Table.ShowAllHands = false;
  // Whatever the options file says, a new run starts with South alone.
  game.Options.UserSeats = SouthOnly;
  game.Options.FaceUpSeats = SouthOnly;
  game.Play.Dummy = North;
  game.Table.TablePhase = PhaseNoHand;
  game.Auction.ToPlay = North;
  game.Play.ToPlay = North;
}

int NextLessonNumber(int lessonNumber) {
  const int next = lessonNumber + 1;
  return next > LessonHands || next < 1 ? 1 : next;
}

DealProblem ReadSavedHand(Game& game, TBigIniFile& store, int lessonNumber) {
  game.Table.LessonNumber = lessonNumber;
  HandRecord record = ReadHandRecord(store, std::to_string(lessonNumber));
  DealHoldings deal{};
  if (DealProblem problem = ParseDeal(record.DealText, deal)) return problem;

  game.Table.Deal = deal;
  game.Auction.Dealer = record.Dealer;
  game.Auction.Declarer = record.Declarer;
  game.Auction.ScriptedAuction = record.ScriptedAuction;
  game.Auction.ScriptedLights = record.ScriptedLights;
  game.Auction.AlertNumbers = record.AlertNumbers;
  game.Record = std::move(record);
  game.Table.TablePhase = PhaseBidding;
  return std::nullopt;
}

std::string UndealableHandMessage(int lessonNumber, std::string_view problem) {
  return "Board " + std::to_string(lessonNumber) +
         " of the hand file cannot be dealt: " + std::string(problem) +
         ".\nThe hand on the table stays.";
}

void StartNewHand(Game& game, const Clock& clock) {
  game.Table.PointsList = SplitCommaText(game.Record.PointsText);
  game.Hands.Deal(game.Table.Deal);
  game.Auction.BidCount = 0;
  game.Table.TablePhase = PhaseBidding;
  game.Auction.Trump = Spades;
  ResetGame(game, clock);
}

void ResetGame(Game& game, const Clock& clock) {
  game.Table.HandStartTime = clock.Now();
  ApplySeatOptions(game);
  game.Table.ShowAllHands = false;
  ResetBids(game.Auction);
  game.Play.TricksDone = 0;
  game.Hands.RestoreDeal();
}

void ShowAllHands(Game& game) {
  game.Options.FaceUpSeats = AllSeatsMask;
  ApplySeatOptions(game);
}

void HideComputerHands(Game& game) {
  game.Options.FaceUpSeats = game.Table.TablePhase == PhasePlay ? NorthSouthMask : SouthOnly;
  ApplySeatOptions(game);
}

PointsDisplay PointsTexts(const Game& game, std::string_view hcpWord) {
  const TableState& table = game.Table;
  const bool auctionOver = table.TablePhase != PhaseBidding;
  PointsDisplay display;
  if (game.Hands[North].FaceUp || table.ShowAllHands) {
    const std::string item = PointItem(table, 1);
    display.North =
        (item.size() > 2 ? item.substr(2, 5) : std::string()) + " " + std::string(hcpWord);
    if (auctionOver) display.North += " + " + PointItem(table, 3);
  }
  display.South = PointItem(table, 2) + " " + std::string(hcpWord);
  if (auctionOver) display.South += " + " + PointItem(table, 4);
  return display;
}

}  // namespace tavlo
