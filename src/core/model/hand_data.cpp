#include "model/hand_data.h"

#include <bit>

namespace tavlo {

namespace {

// The trump fields of a view at no trump point here: no trumps, no length.
const TSuitData& NoTrumps() {
  static const TSuitData none(NoTrump);
  return none;
}

}  // namespace

TSuitData::TSuitData(int suit) : Letter(StrainLetters[suit]), Suit(static_cast<StrainCode>(suit)) {}

int TSuitData::HighCardPoints() const {
  int points = 0;
  for (int rank = Jack; rank <= Ace; ++rank)
    if (Holds(rank)) points += rank - 10;
  return points;
}

double TSuitData::HonourCount() const {
  double count = Cards & TenBit ? 0.5 : 0.0;
  for (int rank = Jack; rank <= Ace; ++rank)
    if (Holds(rank)) count += 1.0;
  return count;
}

int TSuitData::CountCards() const { return tavlo::CountCards(Cards); }

bool TSuitData::Holds(int rank) const { return (Cards >> rank) & 1; }

int TSuitData::LowestRank() const { return tavlo::LowestRank(Cards); }

Holding TSuitData::LowestCard() const { return tavlo::LowestCard(Cards); }

int TSuitData::NthHighestRank(int n) const {
  if (n < 1) return Ace;
  const Holding card = NthHighestCard(n, Cards);
  return card ? std::countr_zero(card) : 2;
}

bool TSuitData::IsTenace() const {
  if (Length <= 1) return false;
  if (Holds(King) && !Holds(Ace) && !Holds(Queen)) return true;
  return NthHighestRank(1) - NthHighestRank(2) == 2;
}

THands::THands(SeatCode seat)
    : Partner(PartnerOf(seat)),
      Rho(PartnerOf(NextSeat(seat))),
      Lho(NextSeat(seat)),
      SeatName(SeatNames[seat]),
      Suits{TSuitData(Clubs), TSuitData(Diamonds), TSuitData(Hearts), TSuitData(Spades)},
      Side(SideOfSeat(seat)),
      Seat(seat) {}

int THands::CardCount() const {
  int count = 0;
  for (const TSuitData& suit : Suits) count += suit.Length;
  return count;
}

int THands::ShortestSuit() const {
  int shortest = 0;
  int length = 4;
  for (int suit = 0; suit < 4; ++suit) {
    if (Suits[suit].Length < length) {
      length = Suits[suit].Length;
      shortest = suit;
    }
  }
  return shortest;
}

void THands::Recount() {
  HighCardPoints = 0;
  LengthPoints = 0;
  for (TSuitData& suit : Suits) {
    suit.Length = suit.CountCards();
    HighCardPoints += suit.HighCardPoints();
    if (suit.Length > 4) LengthPoints += suit.Length - 4;
  }
  // A void is worth at least two distribution points.
  if (Suits[ShortestSuit()].Length == 0 && LengthPoints < 2) LengthPoints = 2;
}

HandSet::HandSet() : hands_{THands(North), THands(East), THands(South), THands(West)} {
  BindSuitViews(NoTrump);
}

HandSet::HandSet(const HandSet& other)
    : hands_{other.hands_[0], other.hands_[1], other.hands_[2], other.hands_[3]},
      trump_(other.trump_) {
  PointViews();
}

HandSet& HandSet::operator=(const HandSet& other) {
  for (int seat = 0; seat < 4; ++seat) hands_[seat] = other.hands_[seat];
  trump_ = other.trump_;
  PointViews();
  return *this;
}

void HandSet::Deal(const DealHoldings& deal) {
  for (int seat = 0; seat < 4; ++seat) {
    for (int suit = 0; suit < 4; ++suit) {
      hands_[seat].Suits[suit].Cards = deal[seat][suit];
      hands_[seat].Suits[suit].Dealt = deal[seat][suit];
    }
  }
  for (THands& hand : hands_) hand.Recount();
}

void HandSet::RestoreDeal() {
  for (THands& hand : hands_) {
    for (TSuitData& suit : hand.Suits) suit.Cards = suit.Dealt;
    hand.Recount();
  }
}

void HandSet::BindSuitViews(int trump) {
  trump_ = trump;
  for (THands& hand : hands_) {
    for (TSuitData& suit : hand.Suits) suit.StartLength = suit.Length;
    // A new binding starts from a blank record, so no refresh or estimate
    // of an earlier hand or contract is taken for this one.
    for (SuitView& view : hand.SuitViews) view = SuitView{};
  }
  PointViews();
  if (trump_ >= NoTrump) return;
  for (THands& hand : hands_) {
    for (SuitView& view : hand.SuitViews) {
      view.TrumpsOut = *view.OwnTrumps | *view.PartnerTrumps | *view.LhoTrumps | *view.RhoTrumps;
      view.OwnCanRuff = *view.OwnLength == 0 && *view.OwnTrumps != 0;
      view.PartnerCanRuff = *view.PartnerLength == 0 && *view.PartnerTrumps != 0;
      view.LhoCanRuff = *view.LhoLength == 0 && *view.LhoTrumps != 0;
      view.RhoCanRuff = *view.RhoLength == 0 && *view.RhoTrumps != 0;
      view.TheyCanRuff = view.LhoCanRuff || view.RhoCanRuff;
    }
  }
}

void HandSet::PointViews() {
  const bool suited = trump_ < NoTrump;
  for (THands& hand : hands_) {
    for (int suit = 0; suit < 4; ++suit) {
      const TSuitData& own = hand.Suits[suit];
      const TSuitData& partner = hands_[hand.Partner].Suits[suit];
      const TSuitData& lho = hands_[hand.Lho].Suits[suit];
      const TSuitData& rho = hands_[hand.Rho].Suits[suit];
      const TSuitData& ownTrumps = suited ? hand.Suits[trump_] : NoTrumps();
      const TSuitData& partnerTrumps = suited ? hands_[hand.Partner].Suits[trump_] : NoTrumps();
      const TSuitData& lhoTrumps = suited ? hands_[hand.Lho].Suits[trump_] : NoTrumps();
      const TSuitData& rhoTrumps = suited ? hands_[hand.Rho].Suits[trump_] : NoTrumps();

      SuitView& view = hand.SuitViews[suit];
      view.OwnSuit = &own;
      view.OwnLength = &own.Length;
      view.PartnerLength = &partner.Length;
      view.LhoLength = &lho.Length;
      view.RhoLength = &rho.Length;
      view.OwnCards = &own.Cards;
      view.PartnerCards = &partner.Cards;
      view.LhoCards = &lho.Cards;
      view.RhoCards = &rho.Cards;
      view.OwnDealt = &own.Dealt;
      view.OwnTrumps = &ownTrumps.Cards;
      view.OwnTrumpLength = &ownTrumps.Length;
      view.PartnerTrumps = &partnerTrumps.Cards;
      view.PartnerTrumpLength = &partnerTrumps.Length;
      view.LhoTrumps = &lhoTrumps.Cards;
      view.LhoTrumpLength = &lhoTrumps.Length;
      view.RhoTrumps = &rhoTrumps.Cards;
      view.RhoTrumpLength = &rhoTrumps.Length;
    }
  }
}

void HandSet::ClearUserSeats() {
  for (THands& hand : hands_) hand.UserPlays = false;
}

void HandSet::ApplySeatOptions(std::uint32_t userSeats, std::uint32_t faceUpSeats) {
  for (THands& hand : hands_) {
    hand.UserPlays = (userSeats >> (hand.Seat + 1)) & 1;
    hand.FaceUp = (faceUpSeats >> (hand.Seat + 1)) & 1;
  }
}

bool HandSet::DealLoaded() const {
  for (const TSuitData& suit : hands_[North].Suits)
    if (suit.Cards != 0) return true;
  return false;
}

bool HandSet::UserHandFaceDown(int seat) const {
  return hands_[seat].UserPlays && !hands_[seat].FaceUp;
}

StrainCode SuitAtDisplayPosition(int seat, int position, int trump, int suitOrderOption) {
  // Rows: clubs, diamonds, hearts trumps, then spades trumps, no trump or a
  // fixed order; columns: the two halves of the option.
  static constexpr StrainCode order[4][2][4] = {
      {{Clubs, Hearts, Spades, Diamonds}, {Clubs, Spades, Hearts, Diamonds}},
      {{Diamonds, Spades, Hearts, Clubs}, {Diamonds, Spades, Hearts, Clubs}},
      {{Hearts, Spades, Diamonds, Clubs}, {Hearts, Spades, Diamonds, Clubs}},
      {{Spades, Hearts, Clubs, Diamonds}, {Spades, Hearts, Diamonds, Clubs}}};
  const int row = suitOrderOption > 1 ? 3 : Minimum(3, trump);
  const int half = suitOrderOption % 2;
  return order[row][half][seat == West ? 3 - position : position];
}

}  // namespace tavlo
