#include "options/options_file.h"

#include <fstream>
#include <system_error>

namespace tavlo {

bool SetDefaults(OptionsRecord& options, const std::filesystem::path& file) {
  ApplyDefaults(options);
  return SaveOptions(options, file);
}

bool SaveOptions(const OptionsRecord& options, const std::filesystem::path& file) {
  const OptionsImage image = EncodeOptions(options);
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, file, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

void LoadOptions(OptionsRecord& options, const std::filesystem::path& file) {
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
