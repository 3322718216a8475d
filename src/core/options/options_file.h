#pragma once
// Reading and writing "Options.DAT". A missing, short, unreadable or foreign
// file never stops the program: the defaults take its place and are written.

#include <filesystem>

#include "options/options_record.h"

namespace tavlo {

inline constexpr const char* OptionsFileName = "Options.DAT";

// The defaults, then SaveOptions. Returns whether the file was written.
bool SetDefaults(OptionsRecord& options, const std::filesystem::path& file);
// Writes the whole record to a temporary file and renames it over the old
// one, so a crash never leaves half a record. Returns whether it succeeded.
bool SaveOptions(const OptionsRecord& options, const std::filesystem::path& file);
// Reads the record; falls back to the defaults (and writes them) when the
// file is missing, shorter than a record, unreadable or has the wrong check value.
void LoadOptions(OptionsRecord& options, const std::filesystem::path& file);

}  // namespace tavlo
