#include "auction/bidding_system.h"

#include <vector>

#include "model/hand_data.h"

namespace tavlo {

namespace {

enum class TokenKind : std::uint8_t { OpeningPasses, AnyCalls, AnyCall, Call, Bid, Bad };

struct Token {
  TokenKind Kind = TokenKind::Bad;
  Bid Call = Pass;  // TokenKind::Call
  char Level = 0;   // '1'..'7', 'c', 'j' or '?'
  char Strain = 0;  // C D H S N or a suit letter of SuitLetters
};

struct Pattern {
  std::vector<Token> Tokens;
  // "z<x" as the pair of letters; "passed" and "unpassed" as flags.
  std::vector<std::pair<char, char>> Below;
  bool Passed = false;
  bool Unpassed = false;
  bool Valid = true;
};

constexpr std::string_view FixedStrains = "CDHSN";

Token ReadToken(std::string_view word) {
  if (word == "...") return {TokenKind::OpeningPasses};
  if (word == "&") return {TokenKind::AnyCalls};
  if (word == "*") return {TokenKind::AnyCall};
  if (word == "P") return {TokenKind::Call, Pass};
  if (word == "X") return {TokenKind::Call, Double};
  if (word == "XX") return {TokenKind::Call, Redouble};
  if (word.size() != 2) return {};
  const char level = word[0];
  const char strain = word[1];
  const bool levelOk =
      (level >= '1' && level <= '7') || level == 'c' || level == 'j' || level == '?';
  const bool strainOk = FixedStrains.find(strain) != std::string_view::npos ||
                        SuitLetters.find(strain) != std::string_view::npos;
  if (!levelOk || !strainOk) return {};
  return {TokenKind::Bid, Pass, level, strain};
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const auto end = text.find(' ');
    words.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  }
  return words;
}

Pattern ReadPattern(std::string_view text) {
  Pattern pattern;
  const auto bar = text.find('|');
  for (const std::string_view word : Words(text.substr(0, bar))) {
    pattern.Tokens.push_back(ReadToken(word));
    const Token& token = pattern.Tokens.back();
    if (token.Kind == TokenKind::Bad) pattern.Valid = false;
    if (token.Kind == TokenKind::OpeningPasses && pattern.Tokens.size() != 1) pattern.Valid = false;
  }
  if (pattern.Tokens.empty()) pattern.Valid = false;
  if (bar == std::string_view::npos) return pattern;
  for (const std::string_view word : Words(text.substr(bar + 1))) {
    if (word == "passed") {
      pattern.Passed = true;
    } else if (word == "unpassed") {
      pattern.Unpassed = true;
    } else if (word.size() == 3 && word[1] == '<' &&
               SuitLetters.find(word[0]) != std::string_view::npos &&
               SuitLetters.find(word[2]) != std::string_view::npos) {
      pattern.Below.emplace_back(word[0], word[2]);
    } else {
      pattern.Valid = false;
    }
  }
  return pattern;
}

int LetterIndex(char letter) {
  const auto at = SuitLetters.find(letter);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

bool LetterTakesSuit(char letter, int suit) {
  if (letter == 'M' || letter == 'O') return suit == Hearts || suit == Spades;
  if (letter == 'm' || letter == 'q') return suit == Clubs || suit == Diamonds;
  return true;
}

// The cheapest level at which strain can be bid over contract.
int CheapestLevel(Bid contract, int strain) {
  if (!IsContractBid(contract)) return 1;
  return BidLevel(contract) + (strain > BidStrain(contract) ? 0 : 1);
}

class Matcher {
 public:
  Matcher(const Pattern& pattern, std::span<const Bid> calls, int index)
      : pattern_(pattern), calls_(calls.first(index + 1)), index_(index) {
    contractBefore_.resize(calls_.size());
    Bid contract = Pass;
    for (std::size_t at = 0; at < calls_.size(); ++at) {
      contractBefore_[at] = contract;
      if (IsContractBid(calls_[at])) contract = calls_[at];
    }
  }

  bool Match(std::array<int, 8>& bound) {
    bound.fill(-1);
    return Step(0, 0, bound);
  }

 private:
  bool Step(std::size_t token, std::size_t call, std::array<int, 8>& bound) {
    if (token == pattern_.Tokens.size()) return call == calls_.size() && ConditionsHold(bound);
    const Token& t = pattern_.Tokens[token];
    switch (t.Kind) {
      case TokenKind::OpeningPasses:
        for (std::size_t passes = 0; passes <= 3; ++passes) {
          if (passes > 0 && (call + passes > calls_.size() || calls_[call + passes - 1] != Pass))
            break;
          if (Step(token + 1, call + passes, bound)) return true;
        }
        return false;
      case TokenKind::AnyCalls:
        for (std::size_t next = call; next <= calls_.size(); ++next)
          if (Step(token + 1, next, bound)) return true;
        return false;
      case TokenKind::AnyCall:
        return call < calls_.size() && Step(token + 1, call + 1, bound);
      case TokenKind::Call:
        return call < calls_.size() && calls_[call] == t.Call && Step(token + 1, call + 1, bound);
      case TokenKind::Bid:
        return call < calls_.size() && BidStep(t, token, call, bound);
      case TokenKind::Bad:
        return false;
    }
    return false;
  }

  bool BidStep(const Token& t, std::size_t token, std::size_t call, std::array<int, 8>& bound) {
    const Bid bid = calls_[call];
    if (!IsContractBid(bid)) return false;
    const int strain = BidStrain(bid);
    const int cheapest = CheapestLevel(contractBefore_[call], strain);
    const bool levelOk = (t.Level == '?') || (t.Level == 'c' && BidLevel(bid) == cheapest) ||
                         (t.Level == 'j' && BidLevel(bid) == cheapest + 1) ||
                         (t.Level == '0' + BidLevel(bid));
    if (!levelOk) return false;
    const auto fixed = FixedStrains.find(t.Strain);
    if (fixed != std::string_view::npos)
      return static_cast<int>(fixed) == strain && Step(token + 1, call + 1, bound);
    if (strain == NoTrump || !LetterTakesSuit(t.Strain, strain)) return false;
    const int letter = LetterIndex(t.Strain);
    if (bound[letter] >= 0) return bound[letter] == strain && Step(token + 1, call + 1, bound);
    for (const int other : bound)
      if (other == strain) return false;
    bound[letter] = strain;
    if (Step(token + 1, call + 1, bound)) return true;
    bound[letter] = -1;
    return false;
  }

  bool ConditionsHold(const std::array<int, 8>& bound) const {
    for (const auto& [low, high] : pattern_.Below) {
      const int a = bound[LetterIndex(low)];
      const int b = bound[LetterIndex(high)];
      if (a < 0 || b < 0 || a >= b) return false;
    }
    bool passedBefore = false;
    for (int at = index_ - 4; at >= 0; at -= 4)
      if (calls_[at] == Pass) passedBefore = true;
    if (pattern_.Passed && !passedBefore) return false;
    if (pattern_.Unpassed && passedBefore) return false;
    return true;
  }

  const Pattern& pattern_;
  std::span<const Bid> calls_;
  int index_;
  std::vector<Bid> contractBefore_;
};

// The cards of one hand as the tests of a rule read them.
struct HandFacts {
  std::array<int, 4> Length{};
  std::array<Holding, 4> Cards{};
  int Hcp = 0;
  int Aces = 0;
  int Kings = 0;
  bool Balanced = false;
  bool ShortSuit = false;
};

HandFacts FactsOf(const std::array<Holding, 4>& hand) {
  HandFacts facts;
  int doubletons = 0;
  bool shortSuit = false;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    const Holding cards = hand[suit];
    facts.Cards[suit] = cards;
    facts.Length[suit] = CountCards(cards);
    TSuitData held(suit);
    held.Cards = cards;
    facts.Hcp += held.HighCardPoints();
    if (cards & AceBit) ++facts.Aces;
    if (cards & KingBit) ++facts.Kings;
    if (facts.Length[suit] == 2) ++doubletons;
    if (facts.Length[suit] < 2) shortSuit = true;
  }
  facts.Balanced = !shortSuit && doubletons <= 1;
  facts.ShortSuit = shortSuit;
  return facts;
}

// The suit a letter of a rule stands for; -1 when the auction leaves it open.
int SuitOfRuleLetter(char letter, const std::array<int, 8>& bound) {
  switch (letter) {
    case 'S':
      return Spades;
    case 'H':
      return Hearts;
    case 'D':
      return Diamonds;
    case 'C':
      return Clubs;
    default:
      break;
  }
  const int index = LetterIndex(letter);
  if (index < 0) return -1;
  if (bound[index] >= 0) return bound[index];
  // The other major or minor follows from the one the auction named.
  const auto other = [&](char named, int first, int second) {
    const int suit = bound[LetterIndex(named)];
    return suit < 0 ? -1 : first + second - suit;
  };
  if (letter == 'O') return other('M', Hearts, Spades);
  if (letter == 'M') return other('O', Hearts, Spades);
  if (letter == 'q') return other('m', Clubs, Diamonds);
  if (letter == 'm') return other('q', Clubs, Diamonds);
  return -1;
}

std::string RangeText(int low, int high, int top) {
  if (low == high) return std::to_string(low);
  if (high >= top) return std::to_string(low) + "+";
  if (low == 0) return "at most " + std::to_string(high);
  return std::to_string(low) + "-" + std::to_string(high);
}

int HonourCount(Holding cards) {
  return CountCards(cards & (AceBit | KingBit | QueenBit | JackBit | TenBit));
}

bool HoldsStopper(Holding cards) {
  const int length = CountCards(cards);
  return (cards & AceBit) || ((cards & KingBit) && length >= 2) ||
         ((cards & QueenBit) && length >= 3) || ((cards & JackBit) && length >= 4);
}

std::string SuitName(int suit) { return "~" + std::string(StrainLetters[suit]); }

std::string SuitMisfit(const SuitCondition& condition, int suit, const HandFacts& facts,
                       const std::array<int, 8>& bound) {
  const int length = facts.Length[suit];
  const Holding cards = facts.Cards[suit];
  switch (condition.Test) {
    case SuitTest::Length:
      if (length >= condition.Low && length <= condition.High) return {};
      return std::to_string(length) + " " + SuitName(suit) + ", not " +
             RangeText(condition.Low, condition.High, 13);
    case SuitTest::Honours:
      if (HonourCount(cards) >= condition.Low && HonourCount(cards) <= condition.High) return {};
      return std::to_string(HonourCount(cards)) + " of the top five honours in " + SuitName(suit);
    case SuitTest::Stopper:
      return HoldsStopper(cards) ? std::string() : "no stopper in " + SuitName(suit);
    case SuitTest::FirstControl:
      return (cards & AceBit) || length == 0 ? std::string()
                                             : "neither the ace nor a void in " + SuitName(suit);
    case SuitTest::LongerThan:
    case SuitTest::AsLongAs: {
      const int other = SuitOfRuleLetter(condition.Other, bound);
      if (other < 0) return "the rule's suit " + std::string(1, condition.Other) + " is not bid";
      const bool fits = condition.Test == SuitTest::LongerThan ? length > facts.Length[other]
                                                               : length >= facts.Length[other];
      if (fits) return {};
      return std::to_string(length) + " " + SuitName(suit) + " against " +
             std::to_string(facts.Length[other]) + " " + SuitName(other);
    }
    case SuitTest::None:
      break;
  }
  return {};
}

std::string RuleMisfit(const CallRule& rule, const CallMeaning& meaning, const HandFacts& facts) {
  std::string why;
  const auto add = [&](const std::string& text) {
    if (text.empty()) return;
    why += (why.empty() ? "" : ", ") + text;
  };
  if (facts.Hcp < rule.Hcp.Low || facts.Hcp > rule.Hcp.High)
    add(std::to_string(facts.Hcp) + " HCP, not " + RangeText(rule.Hcp.Low, rule.Hcp.High, 37));
  if (rule.Shape == HandShape::Balanced && !facts.Balanced) add("not balanced");
  if (rule.Shape == HandShape::Unbalanced && facts.Balanced) add("balanced");
  if (rule.Shape == HandShape::NoShortSuit && facts.ShortSuit) add("a singleton or void");
  if (facts.Aces < rule.Aces.Low || facts.Aces > rule.Aces.High)
    add(std::to_string(facts.Aces) + " aces, not " + RangeText(rule.Aces.Low, rule.Aces.High, 4));
  if (facts.Kings < rule.Kings.Low || facts.Kings > rule.Kings.High)
    add(std::to_string(facts.Kings) + " kings, not " +
        RangeText(rule.Kings.Low, rule.Kings.High, 4));
  for (const SuitCondition& condition : rule.Suits) {
    if (condition.Test == SuitTest::None) continue;
    if (condition.Suit == '*') {
      for (int suit = Clubs; suit <= Spades; ++suit)
        if (!(meaning.NamedSuits & (1u << suit)))
          add(SuitMisfit(condition, suit, facts, meaning.Bound));
      continue;
    }
    const int suit = SuitOfRuleLetter(condition.Suit, meaning.Bound);
    if (suit < 0) {
      add("the rule's suit " + std::string(1, condition.Suit) + " is not bid");
      continue;
    }
    add(SuitMisfit(condition, suit, facts, meaning.Bound));
  }
  return why;
}

}  // namespace

std::optional<CallMeaning> MeaningOfCall(std::span<const Bid> calls, int index) {
  if (index < 0 || index >= static_cast<int>(calls.size())) return std::nullopt;
  const std::span<const CallRule> rules = SystemRules();
  for (std::size_t at = 0; at < rules.size(); ++at) {
    const Pattern pattern = ReadPattern(rules[at].Auction);
    if (!pattern.Valid) continue;
    CallMeaning meaning;
    if (!Matcher(pattern, calls, index).Match(meaning.Bound)) continue;
    std::size_t end = at + 1;
    while (end < rules.size() && rules[end].Name == rules[at].Name &&
           rules[end].Auction == rules[at].Auction)
      ++end;
    meaning.Rules = rules.subspan(at, end - at);
    for (int before = 0; before < index; ++before)
      if (IsContractBid(calls[before]) && BidStrain(calls[before]) != NoTrump)
        meaning.NamedSuits |= 1u << BidStrain(calls[before]);
    return meaning;
  }
  return std::nullopt;
}

std::string MisfitOfHand(const CallMeaning& meaning, const std::array<Holding, 4>& hand) {
  const HandFacts facts = FactsOf(hand);
  std::string why;
  for (const CallRule& rule : meaning.Rules) {
    const std::string misfit = RuleMisfit(rule, meaning, facts);
    if (misfit.empty()) return {};
    why += (why.empty() ? "" : "; or ") + misfit;
  }
  return why;
}

bool AuctionPatternIsValid(std::string_view pattern) { return ReadPattern(pattern).Valid; }

}  // namespace tavlo
