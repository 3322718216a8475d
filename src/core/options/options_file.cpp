#include "options/options_file.h"

#include <fstream>
#include <string_view>

#include "model/file_replace.h"

namespace tavlo {

namespace {

// The defaults in place of a damaged file, and why it was not used.
Status ReplaceDamaged(OptionsRecord& options, const std::filesystem::path& file,
                      std::string_view damage) {
  std::string why = "The options file \"" + file.string() + "\" " + std::string(damage) +
                    "; the default options take its place.";
  if (const Status written = SetDefaults(options, file); !written) why += "\n" + written.Error();
  return Reason{why};
}

}  // namespace

Status SetDefaults(OptionsRecord& options, const std::filesystem::path& file) {
  ApplyDefaults(options);
  return SaveOptions(options, file);
}

Status SaveOptions(const OptionsRecord& options, const std::filesystem::path& file) {
  const OptionsImage image = EncodeOptions(options);
  return ReplaceFile(file.string(), {reinterpret_cast<const char*>(image.data()), image.size()});
}

Status LoadOptions(OptionsRecord& options, const std::filesystem::path& file) {
  RemoveInterruptedSave(file.string());
  std::error_code error;
  if (!std::filesystem::exists(file, error) && !error) return SetDefaults(options, file);
  std::ifstream in(file, std::ios::binary);
  if (!in) return ReplaceDamaged(options, file, "could not be read");
  OptionsImage image{};
  in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
  if (in.gcount() != static_cast<std::streamsize>(image.size()))
    return ReplaceDamaged(options, file, "is shorter than one record");
  // A foreign record keeps what it read in the fields without a default,
  // as the defaults are laid over the record just read.
  options = DecodeOptions(image);
  if (options.OptionsMagic != OptionsCheckValue)
    return ReplaceDamaged(options, file, "does not hold the options of this program");
  return {};
}

}  // namespace tavlo
