#include "options/options_file.h"

#include <fstream>

#include "model/file_replace.h"

namespace tavlo {

bool SetDefaults(OptionsRecord& options, const std::filesystem::path& file) {
  ApplyDefaults(options);
  return SaveOptions(options, file);
}

bool SaveOptions(const OptionsRecord& options, const std::filesystem::path& file) {
  const OptionsImage image = EncodeOptions(options);
  return ReplaceFile(file.string(), {reinterpret_cast<const char*>(image.data()), image.size()})
      .empty();
}

void LoadOptions(OptionsRecord& options, const std::filesystem::path& file) {
  RemoveInterruptedSave(file.string());
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    SetDefaults(options, file);
    return;
  }
  OptionsImage image{};
  in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
  if (in.gcount() != static_cast<std::streamsize>(image.size())) {
    SetDefaults(options, file);
    return;
  }
  // A foreign record keeps what it read in the fields without a default,
  // as the defaults are laid over the record just read.
  options = DecodeOptions(image);
  if (options.OptionsMagic != OptionsCheckValue) SetDefaults(options, file);
}

}  // namespace tavlo
