#include "engine/card_rule.h"

#include <algorithm>
#include <cctype>

#include "engine/analyse_position.h"
#include "engine/card_choice.h"
#include "engine/suit_notation.h"
#include "model/clock.h"
#include "model/hand_data.h"

namespace tavlo {

namespace {

constexpr std::array<std::string_view, AllCardRules.size()> Names{
    "only_card",
    "look_ahead",
    "lead_partners_suit",
    "lead_top_of_sequence",
    "lead_top_of_nothing",
    "lead_low_from_length",
    "lead_low_from_honour",
    "lead_short_suit",
    "lead_trump",
    "draw_trumps",
    "cash_winner",
    "give_partner_ruff",
    "return_partners_suit",
    "lead_toward_honour",
    "lead_to_partners_winner",
    "lead_high",
    "second_hand_low",
    "second_hand_wins",
    "cover_honour",
    "split_honours",
    "third_hand_high",
    "finesse",
    "win_cheaply",
    "low_to_partners_trick",
    "hold_up",
    "unblock",
    "cannot_win_low",
    "count_signal",
    "spare_card",
    "ruff",
    "overruff",
    "discard",
};

constexpr Holding RankOf(Card card) { return static_cast<Holding>(card & 0x7FFC); }

// The suit from the chair of the seat to play.
SuitNotation SuitFromSeat(const HandSet& hands, SeatCode seat, int suit) {
  const THands& own = hands[seat];
  return NoteSuit(own.Suits[suit].Cards, hands[own.Partner].Suits[suit].Cards,
                  hands[own.Lho].Suits[suit].Cards, hands[own.Rho].Suits[suit].Cards);
}

// The card heads a run of two or more touching cards of ours, ten or
// higher: the honours below it are ours too.
bool HeadsSequence(const SuitNotation& s, Holding card) {
  return card >= TenBit && (s.O & (card >> 1)) != 0 && (s.O & (card << 1)) == 0;
}

bool DirectorNames(std::string_view director, int suit) {
  return std::any_of(director.begin(), director.end(), [suit](char c) {
    return std::toupper(static_cast<unsigned char>(c)) == StrainLetters[suit][0];
  });
}

// Partner led this suit to an earlier trick.
bool PartnerLedIt(const PlayState& play, int suit) {
  const SeatCode partner = PartnerOf(play.ToPlay);
  for (int at = 0; at + 4 <= play.CardsPlayed; at += 4) {
    const PlayRecordEntry& lead = play.PlayRecord[at];
    if (lead.Seat == partner && CardSuit(lead.Card) == suit) return true;
  }
  return false;
}

CardRule OpeningLeadRule(const SuitNotation& s, const PlayState& play,
                         const OpeningLeadFacts& facts, Card card) {
  const int suit = CardSuit(card);
  const Holding rank = RankOf(card);
  const bool suited = play.Trump != NoTrump;
  if (suited && suit == play.Trump) return CardRule::LeadTrump;
  if (DirectorNames(facts.LeadDirector, suit)) return CardRule::LeadPartnersSuit;
  if (HeadsSequence(s, rank)) return CardRule::LeadTopOfSequence;
  if (suited && s.nO <= 2) return CardRule::LeadShortSuit;
  if (rank != HighestCard(s.O))
    return s.nO >= 4 ? CardRule::LeadLowFromLength : CardRule::LeadLowFromHonour;
  return rank < TenBit ? CardRule::LeadTopOfNothing : CardRule::LeadHigh;
}

CardRule LeadRule(const HandSet& hands, const SuitNotation& s, const PlayState& play, Card card) {
  const int suit = CardSuit(card);
  const Holding rank = RankOf(card);
  const bool suited = play.Trump != NoTrump;
  const bool defending = DefenderToPlay(play.ToPlay, play.Declarer) == 1;
  if (suited && suit == play.Trump) return defending ? CardRule::LeadTrump : CardRule::DrawTrumps;
  const THands& partner = hands[PartnerOf(play.ToPlay)];
  if (defending && suited && s.nP == 0 && partner.Suits[play.Trump].Cards != 0)
    return CardRule::GivePartnerRuff;
  if (rank > s.T) return CardRule::CashWinner;
  if (defending && PartnerLedIt(play, suit)) return CardRule::ReturnPartnersSuit;
  if (s.P > s.T) return CardRule::LeadToPartnersWinner;
  if (s.P > rank && HighestCard(s.P) >= JackBit) return CardRule::LeadTowardHonour;
  if (rank != HighestCard(s.O)) {
    return s.nO >= 4 || HighestCard(s.O) < JackBit ? CardRule::LeadLowFromLength
                                                   : CardRule::LeadLowFromHonour;
  }
  if (HeadsSequence(s, rank)) return CardRule::LeadTopOfSequence;
  return rank < TenBit ? CardRule::LeadTopOfNothing : CardRule::LeadHigh;
}

CardRule FollowRule(const SuitNotation& s, const PlayState& play, Card card) {
  const Holding rank = RankOf(card);
  const Holding winning = RankOf(play.WinningCard);
  const int position = play.TrickPosition;
  // Partner's card takes the trick unless we overtake it: last to play, or
  // third with a card the fourth hand cannot beat.
  const bool partnerHolds = play.WinningSeat == PartnerOf(play.ToPlay) &&
                            play.WinningSuit == play.SuitLed && (position == 4 || winning > s.L);
  const bool canWin = play.WinningSuit == play.SuitLed && s.O > winning;
  if (!canWin || rank < winning) {
    const bool lowest = rank == LowestCard(s.O);
    // A defender's card above the lowest that takes nothing tells partner
    // something: the count, or the last cards of a suit partner runs.
    // Declarer plays both hands of his side, so nobody reads his.
    if (!lowest && (partnerHolds || !canWin))
      return DefenderToPlay(play.ToPlay, play.Declarer) == 1 ? CardRule::CountSignal
                                                             : CardRule::SpareCard;
    if (partnerHolds) return CardRule::LowToPartnersTrick;
    if (!canWin) return CardRule::CannotWinLow;
    return position == 2 ? CardRule::SecondHandLow : CardRule::HoldUp;
  }
  if (partnerHolds) return CardRule::Unblock;
  switch (position) {
    case 2:
      if (winning >= TenBit) return CardRule::CoverHonour;
      if (rank >= TenBit && rank != HighestCard(s.O) && (s.O & (rank << 1)) != 0)
        return CardRule::SplitHonours;
      // Third hand can beat a low card: it is second hand low all the same.
      return rank > s.L ? CardRule::SecondHandWins : CardRule::SecondHandLow;
    case 3: {
      // Between the card and our top lies a card of the fourth hand: the
      // card takes the trick only when that card is elsewhere.
      const Holding between = (HighestCard(s.O) - 1) & ~(rank | (rank - 1));
      return (between & s.L) != 0 ? CardRule::Finesse : CardRule::ThirdHandHigh;
    }
    default:
      return CardRule::WinCheaply;
  }
}

CardRule VoidRule(const PlayState& play, Card card) {
  if (play.Trump == NoTrump || CardSuit(card) != play.Trump) return CardRule::Discard;
  return play.WinningSuit == play.Trump ? CardRule::Overruff : CardRule::Ruff;
}

}  // namespace

std::string_view CardRuleName(CardRule rule) { return Names[static_cast<std::size_t>(rule)]; }

std::optional<CardRule> CardRuleNamed(std::string_view name) {
  const auto* found = std::find(Names.begin(), Names.end(), name);
  if (found == Names.end()) return std::nullopt;
  return AllCardRules[static_cast<std::size_t>(found - Names.begin())];
}

CardRule CardRuleOf(const HandSet& hands, const PlayState& play, const OpeningLeadFacts& facts,
                    Card card) {
  const int suit = CardSuit(card);
  const SuitNotation s = SuitFromSeat(hands, play.ToPlay, suit);
  if (play.TrickPosition == 1) {
    return play.CardsPlayed == 0 ? OpeningLeadRule(s, play, facts, card)
                                 : LeadRule(hands, s, play, card);
  }
  if (suit != play.SuitLed) return VoidRule(play, card);
  if (s.nO == 1) return CardRule::OnlyCard;
  return FollowRule(s, play, card);
}

CardRule CardRuleInRecord(const HandSet& hands, const PlayState& play, int position) {
  HandSet before = hands;
  PlayState at = play;
  SearchState search;
  const SystemClock clock;
  PlayContext context{before, at, search, clock, nullptr};
  RestorePosition(context, position);
  return CardRuleOf(before, at, OpeningLeadFacts{}, play.PlayRecord[position].Card);
}

CardReason ReasonFor(PlayContext& context, EngineState& engine, Card card) {
  if (ForcedCard(context) == card) return {CardRule::OnlyCard, false};
  AnalysePosition(context, engine);
  const std::array<Card, 4>& candidates = engine.Analysis.Candidates;
  const auto* found = std::find(candidates.begin(), candidates.end(), card);
  if (found == candidates.end()) return {CardRule::LookAhead, true};
  return {CardRuleOf(context.Hands, context.Play, engine.Lead, card), found != candidates.begin()};
}

}  // namespace tavlo
