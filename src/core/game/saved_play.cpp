#include "game/saved_play.h"

#include <string>

#include "game/auction_flow.h"
#include "game/hand_lifecycle.h"
#include "game/play_flow.h"
#include "model/play_record_text.h"

namespace tavlo {

namespace {

// No auction is longer: every one of the 35 bids doubled and redoubled,
// with passes between.
constexpr int MostCalls = 319;

}  // namespace

std::optional<Game> SavedPlay(Game game, TBigIniFile& store, const Clock& clock) {
  if (!game.Table.PackHand.empty()) return std::nullopt;
  const auto tricks =
      PlayRecordTricks(store.ReadString(std::to_string(game.Table.LessonNumber), "Plays", ""));
  if (!tricks) return std::nullopt;

  // The auction as the script bids it, every seat's call the script's.
  for (int calls = 0; NextTurn(game) != AuctionTurn::Over; ++calls) {
    if (calls == MostCalls) return std::nullopt;
    if (NextTurn(game) == AuctionTurn::Computer) {
      ComputerBid(game);
    } else if (UserCall(game, ScriptedCall(game)) != BidAnswer::Made) {
      return std::nullopt;
    }
  }
  EndAuction(game);
  if (!PlayCanStart(game)) return std::nullopt;
  StartPlay(game, clock);

  // Each trick's cards stand in seat order from declarer's left.
  const SeatCode first = NextSeat(game.Auction.Declarer);
  for (const auto& trick : *tricks) {
    for (int card = 0; card < 4; ++card) {
      const SeatCode seat = game.Play.ToPlay;
      const Card played = trick[(seat + 4 - first) % 4];
      if (WhyRefused(game, played, seat) != CardRefusal::None) return std::nullopt;
      MakePlay(game, played, clock);
      if (game.Table.TrickWaiting) ClearPlay(game);
    }
  }
  return game;
}

}  // namespace tavlo
