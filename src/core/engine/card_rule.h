#pragma once
// Why the engine plays a card, in the words a teacher uses at the table:
// "second hand low", "cover an honour with an honour", "draw trumps". The
// rules are a closed list, each with a name that does not change (the key
// of its phrase in every language); a card's rule is read from the part
// the card plays in its position: who leads or follows, what it beats,
// what partner and the opponents still hold.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/play_state.h"
#include "model/codes.h"

namespace tavlo {

enum class CardRule : std::uint8_t {
  // Any position.
  OnlyCard,   // the seat has no choice
  LookAhead,  // the look-ahead chose it over the analysis's first card
  // The opening lead and later leads.
  LeadPartnersSuit,
  LeadTopOfSequence,
  LeadTopOfNothing,
  LeadLowFromLength,
  LeadLowFromHonour,
  LeadShortSuit,
  LeadTrump,
  DrawTrumps,
  CashWinner,
  GivePartnerRuff,
  ReturnPartnersSuit,
  LeadTowardHonour,
  LeadToPartnersWinner,
  LeadHigh,
  // Following suit.
  SecondHandLow,
  SecondHandWins,
  CoverHonour,
  SplitHonours,
  ThirdHandHigh,
  Finesse,
  WinCheaply,
  LowToPartnersTrick,
  HoldUp,
  Unblock,
  CannotWinLow,
  CountSignal,
  SpareCard,  // the declaring side's higher card that takes nothing: no partner reads it
  // Out of the suit led.
  Ruff,
  Overruff,
  Discard,
};

// Every rule the engine can give, in the order above.
inline constexpr std::array AllCardRules{
    CardRule::OnlyCard,
    CardRule::LookAhead,
    CardRule::LeadPartnersSuit,
    CardRule::LeadTopOfSequence,
    CardRule::LeadTopOfNothing,
    CardRule::LeadLowFromLength,
    CardRule::LeadLowFromHonour,
    CardRule::LeadShortSuit,
    CardRule::LeadTrump,
    CardRule::DrawTrumps,
    CardRule::CashWinner,
    CardRule::GivePartnerRuff,
    CardRule::ReturnPartnersSuit,
    CardRule::LeadTowardHonour,
    CardRule::LeadToPartnersWinner,
    CardRule::LeadHigh,
    CardRule::SecondHandLow,
    CardRule::SecondHandWins,
    CardRule::CoverHonour,
    CardRule::SplitHonours,
    CardRule::ThirdHandHigh,
    CardRule::Finesse,
    CardRule::WinCheaply,
    CardRule::LowToPartnersTrick,
    CardRule::HoldUp,
    CardRule::Unblock,
    CardRule::CannotWinLow,
    CardRule::CountSignal,
    CardRule::SpareCard,
    CardRule::Ruff,
    CardRule::Overruff,
    CardRule::Discard,
};

// The rule's name, "second_hand_low": the key of its phrase in the hint
// phrase table.
std::string_view CardRuleName(CardRule rule);
// The rule of a name; nothing for a name that is no rule.
std::optional<CardRule> CardRuleNamed(std::string_view name);

// The rule card follows when the seat to play plays it now; the card must
// be legal. The opening lead reads the lead director of the facts.
CardRule CardRuleOf(const HandSet& hands, const PlayState& play, const OpeningLeadFacts& facts,
                    Card card);

// The rule of the card the record holds at position, the hands and the
// play being at a later point of that play (the end of a line the
// look-ahead tried, say). The opening lead is read without a lead director.
CardRule CardRuleInRecord(const HandSet& hands, const PlayState& play, int position);

// Why the engine plays card here: the rule of the card, and whether the
// look-ahead chose it over the analysis's first candidate (then the rule
// is LookAhead when the card is none of the analysis's candidates).
struct CardReason {
  CardRule Rule = CardRule::LookAhead;
  bool LookedAhead = false;

  bool operator==(const CardReason&) const = default;
};

// The reason for card, which the engine chose in the context's position:
// analyses the position, so the context and the engine are working copies.
CardReason ReasonFor(PlayContext& context, EngineState& engine, Card card);

}  // namespace tavlo
