#include "game/save_hand.h"

#include "model/play_record_text.h"

namespace tavlo {

Result<std::string> SaveFinishedHand(const Game& game, TBigIniFile& store,
                                     std::string_view comment) {
  HandRecord record = game.Record;
  // The record's declarer is the script's; the game's is the auction's.
  record.Declarer = game.Auction.Declarer;
  PlayedHand played;
  played.ContractBid = game.Auction.ContractBid;
  played.Doubling = game.Auction.Doubling;
  played.HandScore = game.Table.HandScore;
  if (played.ContractBid != Pass)
    played.PlaysText = PlayRecordText(game.Play.PlayRecord, game.Play.Declarer);
  if (game.Table.Claim) played.ClaimText = ClaimNoteText(*game.Table.Claim);
  return SaveHand(store, record, played, comment);
}

}  // namespace tavlo
