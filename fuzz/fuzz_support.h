#pragma once
// What the fuzz targets share: a property that fails stops the run with a
// message (libFuzzer keeps the input), a scratch folder for the readers that
// read files, and the facts of a whole deal.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "model/codes.h"

// The targets ask what the readers make of the bytes, not whether they reach
// the disk; syncing every scratch file would take most of the run.
extern "C" int fsync(int) { return 0; }

namespace tavlo::fuzz {

inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// A folder of this process's own, in memory when the system offers it, so
// the readers that want a file cost no disk. It is never destroyed, so it is
// still there for the removal at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const auto* folder = [] {
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tavlo-fuzz-XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
    return new std::filesystem::path(pattern);
  }();
  static const bool removedAtExit = std::atexit([] {
                                      std::error_code ignored;
                                      std::filesystem::remove_all(*folder, ignored);
                                    }) == 0;
  (void)removedAtExit;
  return *folder;
}

inline std::string ScratchFile(std::string_view name, std::string_view bytes) {
  const std::string file = (ScratchFolder() / name).string();
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return file;
}

// Thirteen cards in every hand and every card of the pack exactly once.
inline bool IsWholeDeal(const DealHoldings& deal) {
  constexpr Holding WholeSuit = 0x7FFC;
  for (int suit = Clubs; suit <= Spades; ++suit) {
    Holding seen = 0;
    for (const auto& hand : deal) {
      if ((hand[suit] & ~WholeSuit) != 0 || (hand[suit] & seen) != 0) return false;
      seen |= hand[suit];
    }
    if (seen != WholeSuit) return false;
  }
  for (const auto& hand : deal) {
    int cards = 0;
    for (Holding holding : hand) cards += CountCards(holding);
    if (cards != 13) return false;
  }
  return true;
}

// A deal shuffled by the fuzzer's bytes.
inline DealHoldings ShuffledDeal(FuzzedDataProvider& data) {
  std::array<Card, 52> pack{};
  for (int i = 0; i < 52; ++i) pack[i] = MakeCard(2 + i % 13, i / 13);
  for (int i = 51; i > 0; --i) std::swap(pack[i], pack[data.ConsumeIntegralInRange(0, i)]);
  DealHoldings deal{};
  for (int i = 0; i < 52; ++i) deal[i / 13][CardSuit(pack[i])] |= pack[i] & RankBits;
  return deal;
}

}  // namespace tavlo::fuzz
