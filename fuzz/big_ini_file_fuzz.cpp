// The INI store of the hand file, opened on any bytes: it reads without an
// error, a key answers with at most 255 characters, and what it writes back
// to disk opens again as the same store, in file order and sorted alike.

#include "fuzz_support.h"
#include "handfile/big_ini_file.h"

using namespace tavlo;

namespace {

std::vector<std::string> Image(const TBigIniFile& store) {
  std::vector<std::string> lines;
  store.WriteToStrings(lines);
  return lines;
}

// Writes a change through the disk and opens the file again: the store read
// back holds what the store in memory held.
template <class Store>
void CheckRoundTrip(const std::string& file) {
  Store store(file);
  fuzz::Check(store.Loaded().Ok(), "a readable file opens without an error");
  std::vector<std::string> sections;
  store.ReadSections(sections);
  for (const auto& section : sections) {
    std::vector<std::string> keys;
    store.ReadSection(section, keys);
    for (const auto& key : keys) {
      const std::string value = store.ReadString(section, key, "");
      fuzz::Check(FirstCharacters(value, TBigIniFile::MaxLineLength) == value,
                  "a value holds at most 255 characters");
    }
  }
  // A change of our own makes the store write the whole file.
  store.WriteString("\x01", "Saved", "1");
  const auto image = Image(store);
  fuzz::Check(store.UpdateFile().Ok(), "the store writes its file");
  Store again(file);
  fuzz::Check(Image(again) == image, "the file written opens as the same store");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  CheckRoundTrip<TBigIniFile>(fuzz::ScratchFile("plain.ini", text));
  CheckRoundTrip<TINI>(fuzz::ScratchFile("sorted.ini", text));
  return 0;
}
