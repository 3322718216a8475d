#pragma once
// Reading and writing "Options.DAT". A missing, short, unreadable or foreign
// file never stops the program: the defaults take its place and are written.

#include <filesystem>

#include "model/result.h"
#include "options/options_record.h"

namespace tavlo {

inline constexpr const char* OptionsFileName = "Options.DAT";

// The defaults, then SaveOptions.
Status SetDefaults(OptionsRecord& options, const std::filesystem::path& file);
// Replaces the file with the whole record (ReplaceFile), so a crash never
// leaves half a record.
Status SaveOptions(const OptionsRecord& options, const std::filesystem::path& file);
// Reads the record, first removing what a save cut short left behind. A
// missing file is a first start: the defaults are written. A file shorter
// than a record, unreadable or with the wrong check value is damaged: the
// defaults take its place and are written, and the result says why the
// file was not used. The options are usable afterwards either way; a
// failure to write the defaults is the result's reason too.
Status LoadOptions(OptionsRecord& options, const std::filesystem::path& file);

}  // namespace tavlo
