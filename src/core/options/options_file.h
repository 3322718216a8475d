#pragma once
// Reading and writing "Options.DAT". A missing, short, unreadable or foreign
// file never stops the program: the defaults take its place and are written.

#include <filesystem>

#include "options/options_record.h"

namespace tavlo {

inline constexpr const char* OptionsFileName = "Options.DAT";

// The defaults, then SaveOptions. Returns whether the file was written.
bool SetDefaults(OptionsRecord& options, const std::filesystem::path& file);
// Replaces the file with the whole record (ReplaceFile), so a crash never
// leaves half a record. Returns whether it succeeded.
bool SaveOptions(const OptionsRecord& options, const std::filesystem::path& file);
// Reads the record, first removing what a save cut short left behind; falls back to the defaults
// (and writes them) when the file is missing, shorter than a record, unreadable or has the wrong
// check value.
void LoadOptions(OptionsRecord& options, const std::filesystem::path& file);

}  // namespace tavlo
