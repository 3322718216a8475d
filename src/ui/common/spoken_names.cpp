#include "common/spoken_names.h"

#include <array>

namespace tavlo {

namespace {

constexpr std::array<const char*, 15> RankWords{"",     "",     "Two",   "Three", "Four",
                                                "Five", "Six",  "Seven", "Eight", "Nine",
                                                "Ten",  "Jack", "Queen", "King",  "Ace"};
constexpr std::array<const char*, 8> LevelWords{"",     "One",  "Two", "Three",
                                                "Four", "Five", "Six", "Seven"};
// A bid at the one level names its suit in the singular, as players say
// it: one heart, two hearts.
constexpr std::array<const char*, 5> SuitWordsOne{"club", "diamond", "heart", "spade", "no trump"};
constexpr std::array<const char*, 5> SuitWordsMany{"clubs", "diamonds", "hearts", "spades",
                                                   "no trump"};

}  // namespace

QString SpokenCard(int suit, int rank) {
  if (suit < Clubs || suit > Spades || rank < 2 || rank > Ace) return {};
  return QString("%1 of %2").arg(RankWords[rank], SuitWordsMany[suit]);
}

QString SpokenCall(Bid call) {
  if (call == Pass) return "Pass";
  if (call == Double) return "Double";
  if (call == Redouble) return "Redouble";
  if (!IsContractBid(call)) return {};
  const int level = BidLevel(call);
  const int strain = BidStrain(call);
  return QString("%1 %2").arg(LevelWords[level],
                              level == 1 ? SuitWordsOne[strain] : SuitWordsMany[strain]);
}

}  // namespace tavlo
