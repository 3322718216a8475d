#include "engine/play_state.h"

#include <cstdio>
#include <cstdlib>

#include "engine/legal_cards.h"
#include "engine/play_out.h"

namespace tavlo {

namespace {

constexpr int TricksPerTimeCheck = 1000;

bool DeclaringSide(const PlayState& play, int seat) { return (seat + play.Declarer) % 2 == 0; }

// Every card is held by one seat at most, as many as the deal gave it less
// the ones played, and no card has come back from nowhere.
bool HoldingsAreOk(const HandSet& hands, int cardsPlayed) {
  int held = 0;
  for (int suit = 0; suit < 4; ++suit) {
    Holding all = 0;
    for (int seat = 0; seat < 4; ++seat) {
      const TSuitData& data = hands[seat].Suits[suit];
      if ((all & data.Cards) != 0 || (data.Cards & ~data.Dealt) != 0) return false;
      if (data.Length != CountCards(data.Cards)) return false;
      all |= data.Cards;
      held += data.Length;
    }
  }
  return held == 52 - cardsPlayed;
}

// The record replayed on the cards as dealt: each card was dealt to the
// seat that played it in turn, followed suit and was played once; the hands
// hold what the replay left them, each trick's winner leads the next, and
// declarer's side is credited with exactly its tricks.
bool RecordIsOk(const HandSet& hands, const PlayState& play) {
  const Result<PlayOut> replay = ReplayRecord(hands, play);
  if (!replay) return false;
  for (int seat = North; seat <= West; ++seat)
    for (int suit = Clubs; suit <= Spades; ++suit)
      if (hands[seat].Suits[suit].Cards != replay->Left()[seat][suit]) return false;
  if (replay->TricksOf(SideOfSeat(play.Declarer)) != play.DeclarerTricks) return false;
  if (replay->TrickLeader() != play.TrickLeader) return false;
  if (play.TrickPosition == 1) return true;
  // Within a trick: the suit led and the card winning it so far.
  const PlayRecordEntry winning = replay->Winning();
  return play.SuitLed == replay->Situation().SuitLed && play.WinningCard == winning.Card &&
         play.WinningSeat == winning.Seat && play.WinningSuit == CardSuit(winning.Card);
}

}  // namespace

void SelectSeatToPlay(PlayContext& context) {
  PlayState& play = context.Play;
  play.TrickPosition = play.CardsPlayed % 4 + 1;
}

void ResetPlay(PlayContext& context) {
  PlayState& play = context.Play;
  play.Dummy = PartnerOf(play.Declarer);
  play.TricksDone = 0;
  play.DeclarerTricks = 0;
  play.CardsPlayed = 0;
  play.ToPlay = NextSeat(play.Declarer);
  play.TrickLeader = play.ToPlay;
  SelectSeatToPlay(context);
}

void Replay(PlayContext& context, int n) {
  ResetPlay(context);
  // Only 52 cards exist; the record's spare entry is never a card.
  const int cards = Minimum(n, 52);
  for (int k = 0; k < cards; ++k) PlayCard(context, context.Play.PlayRecord[k].Card);
}

void PlayCard(PlayContext& context, Card card) {
  PlayState& play = context.Play;
  if (play.CardsPlayed >= 52) StopOnLogicError(context);
  const int suit = CardSuit(card);
  const Holding rank = card & RankBits;
  TSuitData& held = HandToPlay(context.Hands, play).Suits[suit];
  if (rank == 0 || (rank & (rank - 1)) != 0 || (held.Cards & rank) != rank ||
      Revokes(context.Hands, play, card)) {
    StopOnLogicError(context);
  }

  const int n = play.CardsPlayed;
  --held.Length;
  held.Cards &= ~rank;
  play.PlayRecord[n] = {static_cast<std::uint16_t>(card), play.ToPlay};

  if (play.TrickPosition == 1) {
    play.SuitLed = static_cast<StrainCode>(suit);
    play.TrickLeader = play.ToPlay;
    play.WinningCard = card;
    play.WinningSuit = static_cast<StrainCode>(suit);
    play.WinningSeat = play.ToPlay;
  } else if (CardBeatsWinner(card, play.WinningCard, play.WinningSuit, play.Trump)) {
    play.WinningCard = card;
    play.WinningSuit = static_cast<StrainCode>(suit);
    play.WinningSeat = play.ToPlay;
  }

  if (play.TrickPosition == 4) {
    if (DeclaringSide(play, play.WinningSeat)) ++play.DeclarerTricks;
    play.TrickLeader = play.WinningSeat;
    // Reading the clock costs more than a trick; look only now and then.
    SearchState& search = context.Search;
    if (++search.Totplay % TricksPerTimeCheck == 0 &&
        SecondsSince(context.TimeSource, search.StartTime) > search.TimeLimit) {
      search.Testwidth = 0;
    }
    if (n == 51) {
      play.LastTrickWinner = play.WinningSeat;
      // The record's spare entry names the winner of the last trick, as every
      // lead's entry names the winner of the trick before.
      play.PlayRecord[52].Seat = play.WinningSeat;
    }
  }

  play.CardsPlayed = n + 1;
  play.ToPlay = static_cast<SeatCode>((play.TrickLeader + play.CardsPlayed) % 4);
  play.TricksDone = play.CardsPlayed / 4;
  SelectSeatToPlay(context);
}

void TakeBack(PlayContext& context) {
  PlayState& play = context.Play;
  if (play.CardsPlayed == 0) return;
  // At a lead the trick just completed is taken back whole, and its leader
  // now is the seat that won it.
  if (play.TrickPosition == 1 && DeclaringSide(play, play.TrickLeader)) --play.DeclarerTricks;
  do {
    --play.CardsPlayed;
    const PlayRecordEntry& entry = play.PlayRecord[play.CardsPlayed];
    TSuitData& held = context.Hands[entry.Seat].Suits[CardSuit(entry.Card)];
    ++held.Length;
    held.Cards |= entry.Card & RankBits;
  } while (play.CardsPlayed % 4 != 0);
  play.TrickLeader = play.PlayRecord[play.CardsPlayed].Seat;
  play.ToPlay = play.TrickLeader;
  play.TricksDone = play.CardsPlayed / 4;
  SelectSeatToPlay(context);
}

int TricksOfSideToPlay(const PlayState& play) {
  return DeclaringSide(play, play.ToPlay) ? play.DeclarerTricks
                                          : play.TricksDone - play.DeclarerTricks;
}

int TricksStillNeeded(const PlayState& play) {
  if (DeclaringSide(play, play.ToPlay)) return play.ContractLevel + 6 - play.DeclarerTricks;
  return 8 - play.ContractLevel - TricksOfSideToPlay(play);
}

bool ComputerToPlay(const HandSet& hands, const PlayState& play) {
  return play.CardsPlayed < 52 && !HandToPlay(hands, play).UserPlays;
}

bool PartnerCanRuffSideSuit(const PlayContext& context) {
  const PlayState& play = context.Play;
  if (play.Trump == NoTrump) return false;
  const THands& partner = context.Hands[PartnerOf(play.ToPlay)];
  if (partner.Suits[play.Trump].Cards == 0) return false;
  const THands& hand = HandToPlay(context.Hands, play);
  for (int suit = NextSuit(play.Trump); suit != play.Trump; suit = NextSuit(suit)) {
    if (partner.Suits[suit].Cards == 0 && hand.Suits[suit].Cards != 0) return true;
  }
  return false;
}

bool PlayStateIsOk(const HandSet& hands, const PlayState& play) {
  const int n = play.CardsPlayed;
  if (n < 0 || n > 52) return false;
  if (play.TricksDone != n / 4 || play.TrickPosition != n % 4 + 1) return false;
  if (play.ToPlay != (play.TrickLeader + n) % 4) return false;
  return HoldingsAreOk(hands, n) && RecordIsOk(hands, play);
}

std::string LogicErrorMessage(const PlayState& play, const SearchState& search) {
  return "Logic Error! Play " + std::to_string(search.Totplay) + " round " +
         std::to_string(play.CardsPlayed) + " Hand Number " + std::to_string(play.HandNumber);
}

void StopOnLogicError(const PlayContext& context) {
  const std::string message = LogicErrorMessage(context.Play, context.Search);
  if (context.OnLogicError) {
    context.OnLogicError(message);
  } else {
    std::fputs((message + "\n").c_str(), stderr);
  }
  // Nothing is saved: the state that broke is not worth keeping.
  std::_Exit(EXIT_FAILURE);
}

}  // namespace tavlo
