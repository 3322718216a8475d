#pragma once
// The hand records that the table and the card-play engine share: per seat the
// cards still held and dealt in each suit, the point counts, and the per-suit
// views through which the engine sees a suit from that seat's chair.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/codes.h"

namespace tavlo {

// One seat's cards in one suit.
struct TSuitData {
  explicit TSuitData(int suit);

  Holding Cards = 0;    // still held
  int Length = 0;       // number of cards in Cards
  Holding Dealt = 0;    // as dealt; Cards is reset from it when a hand is replayed
  int StartLength = 0;  // Length when the play started
  std::string_view Letter;
  StrainCode Suit;

  // Ace 4, king 3, queen 2, jack 1.
  int HighCardPoints() const;
  // Ten 0.5, each higher honour 1.
  double HonourCount() const;
  int CountCards() const;
  bool Holds(int rank) const;
  // Rank of the lowest card, 0 when void.
  int LowestRank() const;
  // Rank bit of the lowest card, 0 when void.
  Holding LowestCard() const;
  // n = 1 gives the highest rank; past the length 2, below 1 the ace (14).
  int NthHighestRank(int n) const;
  // A top card with a gap of one rank under it (A-Q, K-J), or a king
  // without ace and queen: a holding that wants to be led up to.
  bool IsTenace() const;
};

// One suit as seen by one seat. The first eighteen fields point into the
// TSuitData of the four seats, so they always show the current cards; the
// rest are derived by the refresh and by the suit estimate. Trump pointers
// at no trump point to an empty suit, never to nothing.
struct SuitView {
  const TSuitData* OwnSuit = nullptr;
  const int* OwnLength = nullptr;
  const int* PartnerLength = nullptr;
  const int* LhoLength = nullptr;
  const int* RhoLength = nullptr;
  const int* PartnerTrumpLength = nullptr;
  const int* OwnTrumpLength = nullptr;
  const int* RhoTrumpLength = nullptr;
  const int* LhoTrumpLength = nullptr;
  const Holding* OwnCards = nullptr;
  const Holding* PartnerCards = nullptr;
  const Holding* LhoCards = nullptr;
  const Holding* RhoCards = nullptr;
  const Holding* OwnDealt = nullptr;
  const Holding* OwnTrumps = nullptr;
  const Holding* PartnerTrumps = nullptr;
  const Holding* LhoTrumps = nullptr;
  const Holding* RhoTrumps = nullptr;

  Holding OwnLowest = 0;
  Holding OwnSecond = 0;
  Holding OurSecond = 0;
  Holding TheirSecond = 0;
  Holding OurCards = 0;
  Holding TheirCards = 0;
  Holding CardsOut = 0;  // all four holdings: the refresh's key
  Holding TrumpsOut = 0;
  int OurLength = 0;
  int TheirLength = 0;
  bool OwnCanRuff = false;
  bool PartnerCanRuff = false;
  bool LhoCanRuff = false;
  bool RhoCanRuff = false;
  bool TheyCanRuff = false;
  int TopWinners = 0;
  int Tricks = 0;
  int NextRun = 0;
  int LastRun = 0;
  int NetTricks = 0;
  int PlayScore = 0;
  Holding PartnerLowest = 0;
  int PartnerTricks = 0;
  int OwnTricks = 0;
  int LhoTricks = 0;
  int RhoTricks = 0;
  Holding AnalysedCards = 0;
  Holding OwnThird = 0;
  Holding PartnerThird = 0;
  Holding TheirThird = 0;
  Holding LhoSecond = 0;
  Holding RhoSecond = 0;
  Holding PartnerSecond = 0;
  int LeadTiming = 0;
  int LeadVerdict = 0;
  Holding AnalysedTrumps = 0;
  int Surplus = 0;
  bool RunsAll = false;
  bool PartnerTops = false;
};

// One seat's hand. The views of all four seats point into its suit records,
// so a hand is copied only with its set, which points the copy's views at
// the copy.
class THands {
 public:
  explicit THands(SeatCode seat);

  std::array<SuitView, 4> SuitViews;
  int HighCardPoints = 0;
  bool Highlight = false;
  bool UserPlays = false;
  bool FaceUp = false;
  int LengthPoints = 0;
  SeatCode Partner;
  SeatCode Rho;
  SeatCode Lho;
  std::string_view SeatName;
  std::array<TSuitData, 4> Suits;
  SideCode Side;
  SeatCode Seat;

  int CardCount() const;
  // The lowest-numbered shortest suit among those below four cards; clubs
  // when every suit has four or more.
  int ShortestSuit() const;
  // Lengths from the cards, then high-card and length points.
  void Recount();

 private:
  friend class HandSet;
  THands(const THands&) = default;
  THands& operator=(const THands&) = default;
};

// The four hands of the table, index = seat. Owns them in place, so the views
// bound between them stay valid for the life of the set.
class HandSet {
 public:
  // Views start bound at no trump, so a view is never read unbound.
  HandSet();
  // A copy holds the same cards and views, bound for the same trump strain
  // but pointing into the copy; the refreshed and estimated results of the
  // views travel with it. Those results are keyed by the engine's estimate
  // cache, so a search on the copy takes a copy of that cache along: a
  // fresh cache would trust a stored result whatever ruffs or lead it was
  // made for.
  HandSet(const HandSet& other);
  HandSet& operator=(const HandSet& other);

  THands& operator[](int seat) { return hands_[seat]; }
  const THands& operator[](int seat) const { return hands_[seat]; }

  // A new deal: held and dealt cards of every suit, then the recount.
  void Deal(const DealHoldings& deal);
  // Every suit's held cards := dealt cards, every hand recounted.
  void RestoreDeal();
  // Points every seat's views at the four seats' suits for this trump
  // strain and notes each suit's starting length. Done when the play starts.
  void BindSuitViews(int trump);
  void ClearUserSeats();
  // Seat masks hold bit (seat + 1): North 2, East 4, South 8, West 16.
  void ApplySeatOptions(std::uint32_t userSeats, std::uint32_t faceUpSeats);
  // North still holds a card.
  bool DealLoaded() const;
  bool UserHandFaceDown(int seat) const;

 private:
  // Points every seat's views at the four seats' suits for trump_.
  void PointViews();

  std::array<THands, 4> hands_;
  int trump_ = NoTrump;
};

// 0 when the declaring side is to play, 1 when a defender is.
constexpr int DefenderToPlay(int toPlay, int declarer) { return (toPlay + declarer) % 2; }

// The suit shown at display position 0..3 of a seat's hand, for the trump
// strain and the suit order option 0..3. West reads the row from the right:
// its hand faces East's across the table, so the order is mirrored.
StrainCode SuitAtDisplayPosition(int seat, int position, int trump, int suitOrderOption);

}  // namespace tavlo
