#pragma once
// The look-ahead's memory for one hand: every position searched, named by
// what is left of each suit and by the trick in progress, with the
// candidates compared there and the decision reached. A position met again,
// later in the look-ahead or at the table, is not searched again.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/play_state.h"

namespace tavlo {

// One searched position. Counts and indices are small, so the record is:
// a hand's look-ahead can hold a million of them.
struct PositionEntry {
  std::array<std::uint16_t, 4> Candidates{};  // 16-bit card codes, best first
  std::int32_t Chosen = -1;                   // the card chosen when the search last finished
  std::int16_t BestIndex = 0;
  std::int16_t NextIndex = 0;  // the next candidate to try
  // Tricks declarer's side is projected to take in the whole hand under the
  // best candidate; -1 while none is known.
  std::int16_t Projection = -1;
  std::int16_t BestLosers = 14;  // fewest losers found for the side to move
  std::int16_t Position = 0;     // cards played before it
  std::int16_t DecidedAt = -1;   // the table's position when the search last finished
  std::int16_t Width = 3;        // the highest candidate index this entry tries
  std::int16_t LastResult = 14;  // losers of the candidate tried last
  bool Defending = false;        // the side to move is the defence
};
static_assert(sizeof(PositionEntry) <= 32, "entries stay small fixed records");

// A position named exactly as by its text key (PositionKey): the trick's
// prefix and the cards still out in each suit, packed into two words.
struct PackedKey {
  std::uint64_t Prefix = 0;  // kind, seat or suit led, winning card
  std::uint64_t CardsOut = 0;

  bool operator==(const PackedKey&) const = default;
};

// Entries in the order they were made, and an open-addressed index of
// their keys. Room for the usual hand is made once, when the cache is made.
class PositionCache {
 public:
  PositionCache();

  // The index of the entry of the key, or -1.
  int Find(const PackedKey& key) const;
  // Adds an entry for a key not yet present and gives its index.
  int Add(const PackedKey& key, const PositionEntry& entry);
  PositionEntry& operator[](int index) { return records_[index].Entry; }
  const PositionEntry& operator[](int index) const { return records_[index].Entry; }
  int Size() const { return static_cast<int>(records_.size()); }
  // Forgets every entry; the room made stays.
  void Clear();

 private:
  void Grow();
  // Puts entry number (index + 1) into the first free slot from the hash's.
  void Place(std::uint64_t hash, std::size_t entryNumber);

  // The key beside its entry: a look-up that finds its position reads one
  // place in memory for both.
  struct Record {
    PackedKey Key;
    PositionEntry Entry;
  };
  std::vector<Record> records_;
  // A slot holds the entry's index + 1 in its low three bytes (0 = empty)
  // and the top byte of the key's hash: a look-up passes over other
  // positions without reading their records. The index of a big hand's
  // look-ahead outgrows the processor's nearer caches, so the slots are
  // kept small.
  std::vector<std::uint32_t> slots_;
};

// A fresh start for the hand's look-ahead: every entry forgotten, the
// trick count of the time budget from 0 and the full width again.
void ClearPositionCache(SearchState& search, PositionCache& cache);

// The key of the current position: the seat to play on a lead, else the
// suit led, "l" and the winning card; then "c", "d", "h", "s", each with
// the cards of that suit not yet played.
std::string PositionKey(const PlayContext& context);
PackedKey PackedPositionKey(const PlayContext& context);

}  // namespace tavlo
