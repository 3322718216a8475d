#pragma once
// The small integer codes every part of Tavlo speaks in: seats, sides, suits
// and strains, ranks, holdings, card codes, bid codes and vulnerability, with
// their fixed text tables and conversions.

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavlo {

using SeatCode = std::uint8_t;    // 0 North, 1 East, 2 South, 3 West
using SideCode = std::uint8_t;    // 1 North-South, 2 East-West
using StrainCode = std::uint8_t;  // 0 clubs .. 3 spades, 4 no trump
using Holding = std::uint32_t;    // bit r set when rank r (2..14) is held
using Card = std::uint32_t;       // rank bit OR suit; 0 = no card
using Bid = std::uint8_t;         // 0 XX, 1 X, 2 pass, 3..37 contracts, 38 empty slot

inline constexpr SeatCode North = 0, East = 1, South = 2, West = 3;
inline constexpr SideCode NorthSouth = 1, EastWest = 2;
inline constexpr StrainCode Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3, NoTrump = 4;
inline constexpr Bid Redouble = 0, Double = 1, Pass = 2, NoBid = 38;
inline constexpr int Jack = 11, Queen = 12, King = 13, Ace = 14;
inline constexpr Holding AceBit = 0x4000, KingBit = 0x2000, QueenBit = 0x1000, JackBit = 0x0800,
                         TenBit = 0x0400, TwoBit = 0x0004;
// The rank part of a card code: all but the two suit bits.
inline constexpr Holding RankBits = 0xFFFC;

// The cards of a deal as holdings, [seat][suit].
using DealHoldings = std::array<std::array<Holding, 4>, 4>;

inline constexpr std::array<std::string_view, 4> SeatLetters{"N", "E", "S", "W"};
inline constexpr std::array<std::string_view, 4> SeatNames{"North", "East", "South", "West"};
inline constexpr std::array<std::string_view, 5> StrainLetters{"C", "D", "H", "S", "N"};
inline constexpr std::array<std::string_view, 5> StrainNames{"Club", "Diamond", "Heart", "Spade",
                                                             "No trump"};
inline constexpr std::array<std::string_view, 4> VulnerabilityNames{"NONE", "NS", "EW", "BOTH"};
// Character at index r is the character of rank r; 0 and 1 are no ranks.
inline constexpr std::string_view RankLetters = "VX23456789TJQKA";

// Seats and sides.
SeatCode SeatOfLetter(std::string_view text);
constexpr SeatCode NextSeat(int seat) { return static_cast<SeatCode>((seat + 1) % 4); }
constexpr SeatCode PartnerOf(int seat) { return static_cast<SeatCode>((seat + 2) % 4); }
constexpr SideCode SideOfSeat(int seat) { return seat % 2 ? EastWest : NorthSouth; }
int VulnerabilityOfText(std::string_view text);
// Side codes share their values with the one-side vulnerability codes.
constexpr bool IsVulnerable(int vulnerability, int side) {
  return vulnerability == 3 || (vulnerability != 0 && vulnerability == side);
}

// Suits and ranks.
constexpr StrainCode NextSuit(int suit) { return static_cast<StrainCode>((suit + 1) % 4); }
constexpr StrainCode PreviousSuit(int suit) { return static_cast<StrainCode>((suit + 3) % 4); }
// The suit of the text's first letter, upper case only; no trump for any
// other letter and for an empty text.
StrainCode SuitOfLetter(std::string_view text);
int RankOfLetter(char letter);
Holding RankBitOfLetter(char letter);

// Cards and holdings.
constexpr StrainCode CardSuit(Card card) { return static_cast<StrainCode>(card & 3); }
// The rank of the card, 2..14; 0 for a code that holds no rank.
int CardRank(Card card);
// Rank then suit, "AS", "TD"; "??" for a code that is no card.
std::string CardText(Card card);
constexpr Card MakeCard(int rank, int suit) {
  return (Holding{1} << rank) | static_cast<Card>(suit);
}
// One of the thirteen ranks and a suit, nothing else: a code read from a
// file or handed over by another program may be anything.
constexpr bool IsCard(Card card) {
  return (card & ~Card{0x7FFF}) == 0 && std::has_single_bit(card & 0x7FFC);
}
// Rank bit of the highest card, 0 when there is none. Inline, as are the
// lowest card and the count: the engine's look-ahead asks them in its
// innermost rules.
constexpr Holding HighestCard(Holding holding) {
  const Holding ranks = holding & 0x7FFC;
  return ranks ? Holding{1} << (31 - std::countl_zero(ranks)) : 0;
}
// Rank of the lowest card, 0 when there is none.
int LowestRank(Holding holding);
constexpr Holding LowestCard(Holding holding) {
  const Holding ranks = holding & 0x7FFC;
  return ranks ? Holding{1} << std::countr_zero(ranks) : 0;
}
// The n-th highest card present (n = 1 the highest); 0 when there is none.
// Inline: the suit estimate asks for it in its innermost rules.
constexpr Holding NthHighestCard(int n, Holding holding) {
  holding &= 0x7FFC;
  for (; n > 0 && holding != 0; --n) {
    const Holding top = Holding{1} << (31 - std::countl_zero(holding));
    if (n == 1) return top;
    holding &= ~top;
  }
  return 0;
}
// Counted by halves of bits, without a library call on processors that
// lack a count instruction.
constexpr int CountCards(Holding holding) {
  Holding x = holding & 0x7FFC;
  x -= (x >> 1) & 0x5555;
  x = (x & 0x3333) + ((x >> 2) & 0x3333);
  x = (x + (x >> 4)) & 0x0F0F;
  return static_cast<int>((x + (x >> 8)) & 0x1F);
}
// Would the card take over the trick now won by winningCard of winningSuit?
constexpr bool CardBeatsWinner(Card card, Card winningCard, int winningSuit, int trump) {
  const int suit = CardSuit(card);
  return (suit == winningSuit && card > winningCard) || (suit == trump && winningSuit != trump);
}
// The seat that wins the four cards of a trick led by leader.
constexpr SeatCode TrickWinner(std::span<const Card, 4> trick, int leader, int trump) {
  int winner = 0;
  for (int at = 1; at < 4; ++at)
    if (CardBeatsWinner(trick[at], trick[winner], CardSuit(trick[winner]), trump)) winner = at;
  return static_cast<SeatCode>((leader + winner) % 4);
}

// Bids.
constexpr bool IsContractBid(int code) { return code >= 3 && code <= 37; }
constexpr StrainCode BidStrain(int code) {
  return IsContractBid(code) ? static_cast<StrainCode>((code - 3) % 5) : NoTrump;
}
constexpr int BidLevel(int code) { return IsContractBid(code) ? (code - 3) / 5 + 1 : 0; }
constexpr Bid ContractBidCode(int level, int strain) {
  return static_cast<Bid>(3 + 5 * (level - 1) + strain);
}

// One entry of the record of cards played: the card and the seat that played it.
struct PlayRecordEntry {
  std::uint16_t Card = 0;
  SeatCode Seat = 0;

  bool operator==(const PlayRecordEntry&) const = default;
};

// Small shared helpers.
constexpr int PositiveDifference(int a, int b) { return a > b ? a - b : 0; }
constexpr int Minimum(int a, int b) { return a < b ? a : b; }
constexpr int Maximum(int a, int b) { return a > b ? a : b; }
std::string TrimTrailingSpaces(std::string_view text);
std::string TrimLeadingSpaces(std::string_view text);
std::string TrimTrailingSpacesKeepOne(std::string_view text);
int LeadingNumber(std::string_view text);
// The first count characters of a UTF-8 text, a character being a whole
// sequence, so a text cut to its length limit never ends in half a letter.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// Colours are Windows colour values: red + 256 * green + 65536 * blue.
using Colour = std::uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}

}  // namespace tavlo
