#include "game/play_keys.h"

#include <cctype>
#include <string_view>

#include "auction/auction.h"
#include "auction/bid_keys.h"
#include "game/play_flow.h"

namespace tavlo {

namespace {

constexpr std::string_view RankKeys = "23456789AJKQT";

PlayKeyResult Refuse(Game& game) {
  ZipBids(game.Auction);
  return {PlayKeyAction::BadKey};
}

// A rank key: "1" is the first key of the ten. Any other key is no part of
// a card and forgets the keys typed.
void GetPlayCard(AuctionState& typed, char letter) {
  if (letter == '1' || RankKeys.find(letter) != std::string_view::npos) {
    typed.TypedLevel = std::string(1, letter == '1' ? 'T' : letter);
  } else {
    ZipBids(typed);
  }
}

// The card typed, checked with the rules for the seat to play.
PlayKeyResult TypedCard(Game& game) {
  const AuctionState& typed = game.Auction;
  const Card card = RankBitOfLetter(typed.TypedLevel[0]) | SuitOfLetter(typed.TypedStrain);
  if (const CardRefusal why = WhyRefused(game, card, game.Play.ToPlay); why != CardRefusal::None) {
    PlayKeyResult refused = Refuse(game);
    refused.Typed = card;
    refused.Refusal = why;
    return refused;
  }
  return {PlayKeyAction::Play, card};
}

}  // namespace

PlayKeyResult PlayKey(Game& game, char key) {
  // The typed rank and suit share the auction's keys: neither phase needs
  // them while the other runs, and a card played forgets them as a call does.
  AuctionState& typed = game.Auction;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
  // "1" typed a ten; its "0" only confirms it.
  if (letter == '0') return typed.TypedLevel == "T" ? PlayKeyResult{} : Refuse(game);

  const int language = game.Options.Language < BidKeyLetters.size() ? game.Options.Language : 0;
  const std::string_view suitLetters = BidKeyLetters[language].substr(0, 4);
  const auto suit = suitLetters.find(letter);
  if (!typed.TypedLevel.empty() && suit != std::string_view::npos) {
    typed.TypedStrain = std::string(StrainLetters[suit]);
  } else {
    GetPlayCard(typed, letter);
  }
  if (typed.TypedLevel.empty() || typed.TypedStrain.empty()) return {};
  return TypedCard(game);
}

}  // namespace tavlo
