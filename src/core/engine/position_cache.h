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
  std::int16_t Chosen = -1;                   // the card chosen when the search last finished
  std::int8_t BestIndex = 0;
  std::int8_t NextIndex = 0;  // the next candidate to try
  // Tricks declarer's side is projected to take in the whole hand under the
  // best candidate; -1 while none is known.
  std::int8_t Projection = -1;
  std::int8_t BestLosers = 14;  // fewest losers found for the side to move
  std::int8_t Position = 0;     // cards played before it
  std::int8_t DecidedAt = -1;   // the table's position when the search last finished
  std::int8_t Width = 3;        // the highest candidate index this entry tries
  std::int8_t LastResult = 14;  // losers of the candidate tried last
  bool Defending = false;       // the side to move is the defence
};
static_assert(sizeof(PositionEntry) <= 20, "entries stay small fixed records");

// A position named exactly as by its text key (PositionKey): the trick's
// prefix and the cards still out in each suit, packed into two words.
struct PackedKey {
  std::uint32_t Prefix = 0;  // kind, seat or suit led, winning card
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
  PositionEntry& operator[](int index) { return RecordAt(index).Entry; }
  const PositionEntry& operator[](int index) const { return RecordAt(index).Entry; }
  int Size() const { return size_; }
  // Forgets every entry; the room of the usual hand stays.
  void Clear();

 private:
  // The key beside its entry, in 32 bytes: a look-up that finds its
  // position reads one place in memory for both.
  struct Record {
    std::uint64_t CardsOut;
    std::uint32_t Prefix;
    PositionEntry Entry;
  };
  static_assert(sizeof(Record) == 32, "a record is half a cache line");
  // Records come in chunks of 2^15 (a megabyte), each made once and never
  // moved: a big hand's look-ahead grows without copying what it holds.
  static constexpr int ChunkBits = 15;
  static constexpr int ChunkSize = 1 << ChunkBits;

  Record& RecordAt(int index) { return chunks_[index >> ChunkBits][index & (ChunkSize - 1)]; }
  const Record& RecordAt(int index) const {
    return chunks_[index >> ChunkBits][index & (ChunkSize - 1)];
  }
  void Grow();
  // Puts entry number (index + 1) into the first free slot from the hash's.
  void Place(std::uint64_t hash, std::size_t entryNumber);

  std::vector<std::vector<Record>> chunks_;
  int size_ = 0;
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
