#pragma once
// The first card of the hand. The opening leader sees only its own cards and
// the auction, so the lead is not searched: every suit it holds is scored
// from its holding, the auction's length and the leader's strength, and the
// card within the chosen suit comes from the lead conventions of the bidding
// system in force, or from the system's default leads when they say nothing.

#include <array>
#include <cstddef>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/play_state.h"
#include "model/codes.h"

namespace tavlo {

// How far the leader goes for an attacking lead rather than a safe one, in
// tenths (0..10): bold after a short auction to game or higher, cautious
// with values of its own that a lead could give away.
int Aggression(const PlayContext& context, const OpeningLeadFacts& facts);

// A suit's score as the opening lead, and the card its holding proposes.
struct SuitChoice {
  int Score = 0;
  Holding SuitCard = 0;  // a rank bit
};
// The leader's suit, which it must hold; aggression in tenths.
SuitChoice ScoreSuit(const PlayContext& context, const OpeningLeadFacts& facts, int aggression,
                     int suit);

// The key of a suit in the lead tables: "N" at no trump or "S" in a suit
// contract, then the leader's top cards, for example "NAKT9" or "SXXXX".
class LeadKey {
 public:
  LeadKey(StrainCode trump, Holding cards);

  std::string_view Text() const { return {text_.data(), length_}; }
  // The key with a nine that follows the ten written as a low card
  // ("NAKT9" gives "NAKTX"), or an empty key when there is no such nine.
  LeadKey NineAsLowCard() const;

 private:
  LeadKey() = default;

  std::array<char, 12> text_{};
  std::size_t length_ = 0;
};

// The card to lead from the chosen suit, whose scoring proposed suitCard.
Card LeadCardInSuit(const PlayContext& context, OpeningLeadFacts& facts, int suit,
                    Holding suitCard);

// The opening lead of the seat to play. When the same contract was played
// by the same declarer before and led to differently, the look-ahead's
// positions from that play are forgotten.
Card OpeningLead(PlayContext& context, EngineState& engine);

}  // namespace tavlo
