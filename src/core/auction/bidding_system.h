#pragma once
// The bidding system the lessons teach, a natural system with five-card
// majors and a 15-17 notrump, as a table of calls: each rule names an
// auction in which a call has one meaning, the stop light and alert that
// meaning carries, and what the hand that makes the call holds. The same
// system in words is resources/lessons/SYSTEM.md; the two are kept together.
//
// An auction is written as the calls from the dealer, separated by blanks,
// the call the rule is about last:
//   P X XX 1C .. 7N   that call
//   1M 2x 3m ...      a level and a suit named by a letter: M and O are the
//                     majors, m and q the minors, x y z w any suit; different
//                     letters are different suits, the same letter the same
//   cM jx ?y          the cheapest level the strain can be bid at (c), one
//                     level above it (j, a jump), or any level (?)
//   *                 any one call
//   &                 any calls, none included
//   ...               (first only) the passes before the opening, if any
// and after a bar, conditions on the auction: "z<x" (z ranks below x),
// "passed" or "unpassed" (whether the caller has passed before).
//   "... 1x P 1y P 2z | z<x"   opener's new lower suit at the two level

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/codes.h"

namespace tavlo {

struct PointRange {
  int Low = 0;
  int High = 40;
};

enum class HandShape : std::uint8_t {
  Any,
  Balanced,     // 4-3-3-3, 4-4-3-2 or 5-3-3-2
  Unbalanced,   // anything else
  NoShortSuit,  // no singleton and no void
};

// A condition on one suit of the hand. The suit is a suit letter (S H D C), a
// letter of the rule's auction, or '*' for every suit nobody has named; O and
// q stand for the major and the minor M and m leave over even when the
// auction does not name them.
enum class SuitTest : std::uint8_t {
  None,
  Length,        // Low..High cards
  Honours,       // Low..High of the ace, king, queen, jack and ten
  Stopper,       // the ace, K-x, Q-x-x or J-x-x-x
  FirstControl,  // the ace or a void
  LongerThan,    // more cards than in Other
  AsLongAs,      // at least as many cards as in Other
};

struct SuitCondition {
  SuitTest Test = SuitTest::None;
  char Suit = 0;
  int Low = 0;
  int High = 13;
  char Other = 0;
};

constexpr SuitCondition Length(char suit, int low, int high = 13) {
  return {SuitTest::Length, suit, low, high, 0};
}
constexpr SuitCondition Honours(char suit, int low) { return {SuitTest::Honours, suit, low, 5, 0}; }
constexpr SuitCondition Stopper(char suit) { return {SuitTest::Stopper, suit, 0, 13, 0}; }
constexpr SuitCondition FirstControl(char suit) { return {SuitTest::FirstControl, suit, 0, 13, 0}; }
constexpr SuitCondition LongerThan(char suit, char other) {
  return {SuitTest::LongerThan, suit, 0, 13, other};
}
constexpr SuitCondition AsLongAs(char suit, char other) {
  return {SuitTest::AsLongAs, suit, 0, 13, other};
}

// One meaning of a call. Rules of the same name and auction that follow one
// another are the ways one meaning may be held (a take-out double: short in their suit
// with the others, or a strong hand of any shape); the hand fits when it
// fits one of them.
struct CallRule {
  std::string_view Name;
  std::string_view Auction;
  // R stop, Y invitation, G forcing, 0 no change (every pass).
  char Light = '0';
  bool Alerted = false;
  PointRange Hcp{};
  HandShape Shape = HandShape::Any;
  std::array<SuitCondition, 4> Suits{};
  PointRange Aces{0, 4};
  PointRange Kings{0, 4};
};

// Every rule of the system, the more particular auctions before the general.
std::span<const CallRule> SystemRules();

// The suit letters an auction pattern may bind, in the order of Bound.
inline constexpr std::string_view SuitLetters = "MOmqxyzw";
static_assert(SuitLetters.size() == 8, "one bound suit per letter");

struct CallMeaning {
  // The rules of the meaning: one name, one or more ways to hold it.
  std::span<const CallRule> Rules;
  // The suit each letter of SuitLetters stands for, -1 when unbound.
  std::array<int, 8> Bound{-1, -1, -1, -1, -1, -1, -1, -1};
  // Bit s set when suit s has been bid by anyone before the call.
  unsigned NamedSuits = 0;
};

// The meaning of call index of the calls made from the dealer: the first
// rule whose auction matches, with the rules of the same name and auction
// that follow it; nothing when the system has no rule for the call.
std::optional<CallMeaning> MeaningOfCall(std::span<const Bid> calls, int index);

// Why the hand (holdings by suit) does not fit the meaning, for a reader:
// "12 HCP, not 15-17"; empty when it fits one of the meaning's rules.
std::string MisfitOfHand(const CallMeaning& meaning, const std::array<Holding, 4>& hand);

// Whether an auction pattern is written as the table's words allow.
bool AuctionPatternIsValid(std::string_view pattern);

}  // namespace tavlo
