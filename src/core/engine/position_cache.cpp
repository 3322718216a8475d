#include "engine/position_cache.h"

#include <algorithm>

namespace tavlo {

namespace {

// The index of a usual hand's positions keeps at most half its slots in
// use; the first chunk of records holds them.
constexpr std::size_t FirstSlots = 65536;

constexpr std::uint32_t LeadKind = 1;
constexpr std::uint32_t FollowKind = 2;

// Every card out must reach the low bits the slot is taken from: a product
// only carries bits upwards, so the spades (the top of the key) would never
// tell two positions apart without the shifts folding the high bits down.
std::uint64_t HashOf(std::uint32_t prefix, std::uint64_t cardsOut) {
  std::uint64_t h = cardsOut ^ prefix * 0x9E3779B97F4A7C15ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

// A slot holds entry numbers up to 16 million, far more than any hand's
// look-ahead makes; an entry past them is kept but never found again.
constexpr std::uint32_t EntryBits = 0x00FFFFFF;

// The slot's mark of the key: the top byte of its hash.
constexpr std::uint32_t MarkOf(std::uint64_t hash) {
  return static_cast<std::uint32_t>(hash >> 56) << 24;
}

}  // namespace

PositionCache::PositionCache() : chunks_(1), slots_(FirstSlots, 0) {
  chunks_[0].reserve(ChunkSize);
}

int PositionCache::Find(const PackedKey& key) const {
  const std::uint64_t hash = HashOf(key.Prefix, key.CardsOut);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const std::uint32_t held = slots_[slot];
    if (held == 0) return -1;
    const auto at = static_cast<int>(held & EntryBits) - 1;
    if ((held & ~EntryBits) != MarkOf(hash)) continue;
    const Record& record = RecordAt(at);
    if (record.CardsOut == key.CardsOut && record.Prefix == key.Prefix) return at;
  }
}

int PositionCache::Add(const PackedKey& key, const PositionEntry& entry) {
  if (2 * (static_cast<std::size_t>(size_) + 1) > slots_.size()) Grow();
  if (chunks_.back().size() == ChunkSize) chunks_.emplace_back().reserve(ChunkSize);
  chunks_.back().push_back({key.CardsOut, key.Prefix, entry});
  ++size_;
  Place(HashOf(key.Prefix, key.CardsOut), static_cast<std::size_t>(size_));
  return size_ - 1;
}

void PositionCache::Place(std::uint64_t hash, std::size_t entryNumber) {
  if (entryNumber > EntryBits) return;
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = hash & mask;
  while (slots_[slot] != 0) slot = (slot + 1) & mask;
  slots_[slot] = MarkOf(hash) | static_cast<std::uint32_t>(entryNumber);
}

void PositionCache::Grow() {
  slots_.assign(2 * slots_.size(), 0);
  for (int k = 0; k < size_; ++k) {
    const Record& record = RecordAt(k);
    Place(HashOf(record.Prefix, record.CardsOut), static_cast<std::size_t>(k) + 1);
  }
}

void PositionCache::Clear() {
  chunks_.resize(1);
  chunks_[0].clear();
  size_ = 0;
  std::fill(slots_.begin(), slots_.end(), 0);
}

void ClearPositionCache(SearchState& search, PositionCache& cache) {
  cache.Clear();
  search.Totplay = 0;
  search.Testwidth = 3;
}

PackedKey PackedPositionKey(const PlayContext& context) {
  const PlayState& play = context.Play;
  PackedKey key;
  if (play.TrickPosition == 1)
    key.Prefix = LeadKind << 30 | play.ToPlay;
  else
    key.Prefix =
        FollowKind << 30 | static_cast<std::uint32_t>(play.SuitLed) << 16 | play.WinningCard;
  for (int suit = 0; suit < 4; ++suit) {
    Holding out = 0;
    for (int seat = 0; seat < 4; ++seat) out |= context.Hands[seat].Suits[suit].Cards;
    key.CardsOut |= static_cast<std::uint64_t>(out) << (16 * suit);
  }
  return key;
}

std::string PositionKey(const PlayContext& context) {
  const PlayState& play = context.Play;
  std::string key = play.TrickPosition == 1
                        ? std::to_string(play.ToPlay)
                        : std::to_string(play.SuitLed) + "l" + std::to_string(play.WinningCard);
  static constexpr char SuitLetters[] = "cdhs";
  for (int suit = 0; suit < 4; ++suit) {
    Holding out = 0;
    for (int seat = 0; seat < 4; ++seat) out |= context.Hands[seat].Suits[suit].Cards;
    key += SuitLetters[suit];
    key += std::to_string(out);
  }
  return key;
}

}  // namespace tavlo
