#pragma once
// Taking hands of the hand file to other programs as a Portable Bridge
// Notation file: each hand with its auction and alert texts, its play and
// result when it was played, and its double-dummy facts.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/big_ini_file.h"
#include "pbn/pbn_board.h"

namespace tavlo {

// The hand of one section as a board named after the section; the alert
// texts resolve the alert-table numbers of its alerts. Nothing, with the
// reason in problem, for a hand whose deal cannot be read. An auction that
// breaks the rules is left out (the reason goes to problem too).
std::optional<PbnBoard> BoardOfSection(TBigIniFile& store, std::string_view section,
                                       std::span<const std::string> alertTexts,
                                       std::string& problem);

struct PbnExportResult {
  int Count = 0;                      // boards written
  std::vector<std::string> Problems;  // hands left out, or written in part
  std::string Error;                  // why the file could not be written
};

// Writes the sections' hands to the file, replacing it whole. With analyse
// set each board carries its double-dummy table and par.
PbnExportResult ExportPbn(TBigIniFile& store, std::span<const std::string> sections,
                          std::span<const std::string> alertTexts, const std::string& fileName,
                          bool analyse);

}  // namespace tavlo
