#include "analysis/claim.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>

#include "analysis/double_dummy.h"

namespace tavlo {

namespace {

constexpr std::int64_t LayoutCountCap = 1'000'000'000;

std::int64_t Combinations(int from, int chosen) {
  if (chosen < 0 || chosen > from) return 0;
  std::int64_t count = 1;
  for (int k = 1; k <= chosen; ++k) {
    count = count * (from - chosen + k) / k;
    if (count > LayoutCountCap) return LayoutCountCap;
  }
  return count;
}

// The suits each seat has shown out of: it played another suit to a trick
// that suit was led to.
std::array<std::uint8_t, 4> ShownOut(const PlayOut& play) {
  std::array<std::uint8_t, 4> voids{};
  const auto record = play.Record().first(static_cast<std::size_t>(play.CardsPlayed()));
  for (std::size_t at = 0; at < record.size(); ++at) {
    const StrainCode led = CardSuit(record[at - at % 4].Card);
    if (CardSuit(record[at].Card) != led) voids[record[at].Seat] |= 1 << led;
  }
  return voids;
}

// The play as it stands, with the hands now holding what the layout gives
// them: the cards each seat played were in its hand, the rest is the
// layout's.
Result<PlayOut> PlayOnLayout(const PlayOut& play, const DealHoldings& layout) {
  const auto record = play.Record().first(static_cast<std::size_t>(play.CardsPlayed()));
  DealHoldings dealt = layout;
  for (const PlayRecordEntry& entry : record)
    dealt[entry.Seat][CardSuit(entry.Card)] |= entry.Card & RankBits;
  const SeatCode leader = record.empty() ? play.ToPlay() : record.front().Seat;
  return ReplayCards(dealt, play.Trump(), leader, record);
}

// The position's own seed: the same claim at the same point of the same
// play is always tried on the same layouts.
std::uint32_t SeedOf(const PlayOut& play, SeatCode claimer) {
  std::uint32_t hash = 2166136261u;
  const auto mix = [&hash](std::uint32_t value) {
    hash ^= value;
    hash *= 16777619u;
  };
  for (const Holding suit : play.LeftBefore(0)[claimer]) mix(suit);
  for (const PlayRecordEntry& entry : play.Record()) mix(entry.Card);
  mix(claimer);
  return hash;
}

// How many tricks the claiming side takes on the layout's play against
// the best defence: whether at least need, and the exact count.
Result<bool> ClaimerTakes(const PlayOut& play, SideCode side, int need) {
  if (need <= 0) return true;
  if (SideOfSeat(play.ToPlay()) == side) return SideToPlayTakes(play, need);
  const Result<bool> defenceBeats = SideToPlayTakes(play, TricksLeft(play) - need + 1);
  if (!defenceBeats) return defenceBeats.Why();
  return !*defenceBeats;
}

Result<int> ClaimerTricks(const PlayOut& play, SideCode side) {
  const Result<int> tricks = TricksOfSideToPlay(play);
  if (!tricks) return tricks.Why();
  return SideOfSeat(play.ToPlay()) == side ? *tricks : TricksLeft(play) - *tricks;
}

// Best play by both sides from the layout's position up to the end of the
// trick that gives the defence more than the claim left it.
Result<std::vector<PlayRecordEntry>> DefenceLine(PlayOut play, SideCode claimingSide,
                                                 int defenceTricksToBeat) {
  const SideCode defence = claimingSide == NorthSouth ? EastWest : NorthSouth;
  const int before = play.TricksOf(defence);
  std::vector<PlayRecordEntry> line;
  while (TricksLeft(play) > 0) {
    Card card = play.Legal().LowestCard();
    if (play.Legal().Count() > 1) {
      const Result<Card> best = BestCard(play);
      if (!best) return best.Why();
      card = *best;
    }
    line.push_back({static_cast<std::uint16_t>(card), play.ToPlay()});
    if (Status played = play.Play(card); !played) return played.Why();
    if (play.CardsPlayed() % 4 == 0 && play.TricksOf(defence) - before >= defenceTricksToBeat)
      break;
  }
  return line;
}

// The last few tricks of a claimed play: every legal order of their cards
// is tried until one gives the claiming side the tricks still claimed, or
// else the order nearest to it.
constexpr int TricksPlayedOutInFull = 4;

struct Ending {
  SideCode Side;
  int Need;
  int BestDistance = 1000;
  std::vector<Card> Line{};
  std::vector<Card> BestLine{};
  int Start = -1;

  bool Search(const PlayOut& play) {
    if (Start < 0) Start = play.TricksOf(Side);
    if (TricksLeft(play) == 0) {
      const int distance = std::abs(play.TricksOf(Side) - Start - Need);
      if (distance < BestDistance) {
        BestDistance = distance;
        BestLine = Line;
      }
      return distance == 0;
    }
    const SuitHoldings legal = play.Legal();
    for (int at = 0; at < legal.Count(); ++at) {
      PlayOut next = play;
      const Card card = legal.NthCard(at);
      if (!next.Play(card)) continue;
      Line.push_back(card);
      const bool exact = Search(next);
      Line.pop_back();
      if (exact) return true;
    }
    return false;
  }
};

const Reason CalledOff{"The claim was not judged: it was called off"};

}  // namespace

std::array<SeatCode, 2> ClaimingSeats::Hidden() const {
  const bool declaring = SideOfSeat(Claimer) == SideOfSeat(Declarer);
  const SeatCode seen = declaring ? PartnerOf(Claimer) : PartnerOf(Declarer);
  std::array<SeatCode, 2> hidden{};
  int found = 0;
  for (SeatCode seat = North; seat <= West; ++seat)
    if (seat != Claimer && seat != seen && found < 2) hidden[found++] = seat;
  return hidden;
}

ClaimLayouts::ClaimLayouts(const PlayOut& play, const ClaimingSeats& seats)
    : left_(play.Left()), hidden_(seats.Hidden()) {
  const std::array<std::uint8_t, 4> voids = ShownOut(play);
  for (int suit = Clubs; suit <= Spades; ++suit) {
    const Holding pool = left_[hidden_[0]][suit] | left_[hidden_[1]][suit];
    if (voids[hidden_[0]] & (1 << suit)) {
      forced_[1][suit] = pool;
    } else if (voids[hidden_[1]] & (1 << suit)) {
      forced_[0][suit] = pool;
    } else {
      for (int rank = 2; rank <= Ace; ++rank)
        if (pool & (Holding{1} << rank)) free_.push_back(MakeCard(rank, suit));
    }
  }
  toFirst_ = SuitHoldings{left_[hidden_[0]]}.Count() - SuitHoldings{forced_[0]}.Count();
  count_ = Combinations(static_cast<int>(free_.size()), toFirst_);
}

DealHoldings ClaimLayouts::Layout(std::span<const int> toFirst) const {
  DealHoldings layout = left_;
  layout[hidden_[0]] = forced_[0];
  layout[hidden_[1]] = forced_[1];
  std::vector<bool> first(free_.size());
  for (const int at : toFirst) first[static_cast<std::size_t>(at)] = true;
  for (std::size_t at = 0; at < free_.size(); ++at)
    layout[hidden_[first[at] ? 0 : 1]][CardSuit(free_[at])] |= free_[at] & RankBits;
  return layout;
}

std::vector<DealHoldings> ClaimLayouts::Every() const {
  std::vector<DealHoldings> layouts;
  if (count_ == 0) return layouts;
  const int n = static_cast<int>(free_.size());
  std::vector<int> chosen(static_cast<std::size_t>(toFirst_));
  std::iota(chosen.begin(), chosen.end(), 0);
  while (true) {
    layouts.push_back(Layout(chosen));
    // The next choice in lexicographic order.
    int at = toFirst_ - 1;
    while (at >= 0 && chosen[at] == n - toFirst_ + at) --at;
    if (at < 0) return layouts;
    ++chosen[at];
    for (int next = at + 1; next < toFirst_; ++next) chosen[next] = chosen[next - 1] + 1;
  }
}

std::vector<DealHoldings> ClaimLayouts::Drawn(int draws, std::uint32_t seed) const {
  // The generator's output is fixed by the standard, the library's
  // distributions are not: the indices are drawn here.
  std::mt19937 engine(seed);
  const auto below = [&engine](std::uint32_t bound) {
    const std::uint32_t limit = 0xFFFFFFFFu - 0xFFFFFFFFu % bound;
    std::uint32_t draw = engine();
    while (draw >= limit) draw = engine();
    return static_cast<int>(draw % bound);
  };
  std::vector<DealHoldings> layouts;
  std::vector<int> order(free_.size());
  for (int draw = 0; draw < draws; ++draw) {
    std::iota(order.begin(), order.end(), 0);
    // The first toFirst_ places of a shuffle go to the first hidden seat.
    for (int at = 0; at < toFirst_; ++at)
      std::swap(order[at], order[at + below(static_cast<std::uint32_t>(order.size()) - at)]);
    layouts.push_back(Layout(std::span(order).first(static_cast<std::size_t>(toFirst_))));
  }
  return layouts;
}

Result<ClaimVerdict> CheckClaim(const PlayOut& play, const ClaimingSeats& seats, int tricks,
                                JobControl* job) {
  const int left = TricksLeft(play);
  if (left == 0) return Reason{"The hand is over: there is nothing left to claim"};
  if (tricks < 0 || tricks > left)
    return Reason{"A claim of " + std::to_string(tricks) + " of the " + std::to_string(left) +
                  " tricks left"};
  ClaimVerdict verdict;
  if (tricks == 0) {
    verdict.Accepted = true;
    return verdict;
  }

  const ClaimLayouts layouts(play, seats);
  verdict.EveryLayout = layouts.Count() <= MostLayoutsTried || left <= TricksLeftForEveryLayout;
  std::vector<DealHoldings> tried =
      verdict.EveryLayout ? layouts.Every()
                          : layouts.Drawn(SampledLayouts, SeedOf(play, seats.Claimer));
  // The real layout goes last: a refusal shows the defence on another
  // layout where one fails as badly, so it gives away no more of the
  // hidden cards than the claimer may know.
  std::erase(tried, play.Left());
  tried.push_back(play.Left());
  if (job != nullptr) job->SetTotal(static_cast<int>(tried.size()));

  const SideCode side = SideOfSeat(seats.Claimer);
  int worst = tricks;
  std::optional<PlayOut> worstPlay;
  for (const DealHoldings& layout : tried) {
    if (Stopped(job)) return CalledOff;
    const Result<PlayOut> atLayout = PlayOnLayout(play, layout);
    if (!atLayout) return atLayout.Why();
    const Result<bool> takes = ClaimerTakes(*atLayout, side, worst);
    if (!takes) return takes.Why();
    if (!*takes) {
      const Result<int> taken = ClaimerTricks(*atLayout, side);
      if (!taken) return taken.Why();
      worst = *taken;
      worstPlay = *atLayout;
      verdict.Layout = layout;
    }
    ++verdict.LayoutsTried;
    if (job != nullptr) job->Advance();
  }
  verdict.Shortfall = tricks - worst;
  verdict.Accepted = verdict.Shortfall == 0;
  if (verdict.Accepted) return verdict;
  Result<std::vector<PlayRecordEntry>> line = DefenceLine(*worstPlay, side, left - tricks + 1);
  if (!line) return line.Why();
  verdict.Defence = std::move(*line);
  // The line was played on this play: replaying it cannot be refused.
  PlayOut after = *worstPlay;
  for (const PlayRecordEntry& entry : verdict.Defence) (void)after.Play(entry.Card);
  verdict.Beater = after.TrickLeader();
  return verdict;
}

Result<std::vector<Card>> ClaimedPlay(const PlayOut& play, SideCode claimingSide, int tricks,
                                      JobControl* job) {
  PlayOut rest = play;
  const int before = rest.TricksOf(claimingSide);
  std::vector<Card> cards;
  while (TricksLeft(rest) > TricksPlayedOutInFull) {
    if (Stopped(job)) return CalledOff;
    Card card = rest.Legal().LowestCard();
    if (rest.Legal().Count() > 1) {
      const Result<PlayValues> values = ValuesOfCards(rest);
      if (!values) return values.Why();
      // Each card keeps the claiming side's best result from here as near
      // the claim as it can, from above: the side to play is then never
      // forced past it, and a claimer that has tricks to spare gives them
      // away.
      const int need = tricks - (rest.TricksOf(claimingSide) - before);
      const bool claimerToPlay = SideOfSeat(rest.ToPlay()) == claimingSide;
      int nearest = -1;
      for (const CardValue& value : values->Cards) {
        const int taken = claimerToPlay ? value.Tricks : TricksLeft(rest) - value.Tricks;
        const int distance = taken >= need ? taken - need : 100 + need - taken;
        if (nearest < 0 || distance < nearest) {
          nearest = distance;
          card = value.Played;
        }
      }
    }
    if (Status played = rest.Play(card); !played) return played.Why();
    cards.push_back(card);
  }
  // The last tricks are tried every way, all four seats playing towards
  // the claim, for an order that ends exactly on it.
  Ending ending{.Side = claimingSide, .Need = tricks - (rest.TricksOf(claimingSide) - before)};
  ending.Search(rest);
  cards.insert(cards.end(), ending.BestLine.begin(), ending.BestLine.end());
  return cards;
}

}  // namespace tavlo
