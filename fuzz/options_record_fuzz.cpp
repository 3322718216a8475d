// The options file of any bytes: a record with the check value is taken as it
// stands and the file is left alone; anything else gives the defaults, in
// memory and on disk. The record written back reads the same, and the bytes
// no field covers travel through unchanged.

#include <algorithm>
#include <cstring>

#include "fuzz_support.h"
#include "options/options_file.h"

using namespace tavlo;

namespace {

std::string FileBytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Bytes(const OptionsImage& image) {
  return {reinterpret_cast<const char*>(image.data()), image.size()};
}

// The player name field: its length byte and 26 characters.
constexpr std::size_t NameAt = 86, NameEnd = NameAt + 1 + PlayerNameLimit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const std::string file = fuzz::ScratchFile("Options.DAT", text);
  OptionsRecord options;
  const Status loaded = LoadOptions(options, file);
  const std::string stored = FileBytes(file);

  OptionsImage image{};
  std::memcpy(image.data(), bytes, std::min(size, image.size()));
  const bool taken =
      size >= OptionsRecordSize && DecodeOptions(image).OptionsMagic == OptionsCheckValue;
  if (taken) {
    fuzz::Check(EncodeOptions(options) == EncodeOptions(DecodeOptions(image)),
                "a record with the check value is taken as it stands");
    fuzz::Check(stored == text, "a good options file is left alone");
    fuzz::Check(loaded.Ok(), "a good options file is read without a reason");
  } else {
    OptionsRecord defaults = options;
    ApplyDefaults(defaults);
    fuzz::Check(EncodeOptions(options) == EncodeOptions(defaults),
                "a damaged options file gives the defaults");
    fuzz::Check(stored == Bytes(EncodeOptions(options)), "the defaults are written");
    fuzz::Check(!loaded.Ok(), "a damaged options file gives its reason");
  }
  fuzz::Check(options.OptionsMagic == OptionsCheckValue,
              "the record in memory has the check value");

  // Written and read again: the same record, and every byte outside the
  // player name as it came.
  const OptionsImage written = EncodeOptions(options);
  fuzz::Check(SaveOptions(options, file).Ok(), "the options are saved");
  OptionsRecord again;
  fuzz::Check(LoadOptions(again, file).Ok(), "saved options are read without a reason");
  fuzz::Check(EncodeOptions(again) == written, "saved options read back the same");
  fuzz::Check(FileBytes(file) == Bytes(written), "reading saved options leaves the file alone");
  if (taken) {
    for (std::size_t i = 0; i < OptionsRecordSize; ++i) {
      if (i < NameAt || i >= NameEnd)
        fuzz::Check(written[i] == image[i], "unused bytes travel through");
    }
  }
  return 0;
}
