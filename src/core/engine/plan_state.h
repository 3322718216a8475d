#pragma once
// The hand plan's whole-hand counters: what the suit estimates of the seat
// on lead add up to (sure tricks, losers, entries into each hand, ruffing
// chances, threats). The plan writes them; the suit scores and the lead
// analysis read them until the next plan.

#include <array>
#include <string_view>

namespace tavlo {

struct PlanState {
  // Entries into each hand, summed over the suits.
  int OwnEntries = 0;
  int PartnerEntries = 0;
  int LhoEntries = 0;
  int RhoEntries = 0;
  // Suits in which the hand to play, or partner, can ruff.
  int OwnRuffSuits = 0;
  int PartnerRuffSuits = 0;
  int SureTricks = 0;
  int SideTricks = 0;  // the part of SureTricks outside trumps
  int Losers = 0;
  int Needed = 0;  // tricks the side to play still needs
  // Tricks in suits the hand to play is void in: partner must get in to
  // cash them.
  int StrandedTricks = 0;
  int TrumpTricks = 0;
  int TrumpLosers = 0;
  // The longer trump holding of each side, both 0 at no trump. The
  // opponents' count of one plan is what the next plan's estimates start
  // from.
  int TheirLongestTrumps = 0;
  int OurLongestTrumps = 0;
  // The shortest side suit of the hand to play (of partner) whose lowest
  // card can lose a trick; 13 when there is none.
  int OwnShortLoser = 13;
  int PartnerShortLoser = 13;
  int ShorterOpponent = 0;  // fewer cards of the two opponents, last suit visited
  bool RaceFlag = false;    // we can win the race to run our tricks
  bool ShortRuffFlag = false;
  bool RuffThreat = false;
  bool DangerFlag = false;  // some suit is dangerous for us to open
  bool BlockFlag = false;   // a suit we should lead cannot be run by us
  bool FinesseFlag = false;
  // A trump over the opponent on the right (left) and the other's second.
  bool OwnTopTrump = false;
  bool PartnerTopTrump = false;
  int SuitFlag = 0;  // 100 when the suit just scored would be better led by partner
  // Our trump length over theirs, as the declaring side's trump score last
  // found it.
  int TrumpSurplus = 0;
  // The rule that gave each suit's base score, for tracing a plan.
  std::array<std::string_view, 4> ScoreRule{};
};

}  // namespace tavlo
