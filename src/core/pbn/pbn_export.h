#pragma once
// Taking hands of the hand file to other programs as a Portable Bridge
// Notation file: each hand with its auction and alert texts, its play and
// result when it was played, and its double-dummy facts.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/big_ini_file.h"
#include "model/job_control.h"
#include "model/result.h"
#include "pbn/pbn_writer.h"

namespace tavlo {

// The hand of one section as a board named after the section; the alert
// texts resolve the alert-table numbers of its alerts. A hand whose deal
// cannot be read gives the reason instead. An auction that breaks the rules
// is left out of the board, and why is added to problems.
Result<PbnBoard> BoardOfSection(TBigIniFile& store, std::string_view section,
                                std::span<const std::string> alertTexts,
                                std::vector<std::string>& problems);

struct PbnExportResult {
  // The number of boards written, or why the file could not be written.
  Result<int> Count = 0;
  std::vector<std::string> Problems;  // hands left out, or written in part
};

// Every section of the store, numbered boards first in the order of their
// numbers (2 before 10), then the others by name.
std::vector<std::string> SectionsInBoardOrder(const TBigIniFile& store);

// The boards of the sections, with their comments; hands that cannot be
// read go to problems.
std::vector<PbnExportBoard> ExportBoards(TBigIniFile& store, std::span<const std::string> sections,
                                         std::span<const std::string> alertTexts,
                                         std::vector<std::string>& problems);

// Writes the boards to the file, replacing it whole. With analyse set each
// board first gets its double-dummy table and par, which takes the solver
// a while; the hand file is not touched, so this may run aside from the
// window. A job counts the boards analysed; asked to stop, it gives up
// between boards and writes nothing.
PbnExportResult WritePbnFile(std::vector<PbnExportBoard> boards, const std::string& fileName,
                             bool analyse, JobControl* job = nullptr);

// What an export did, for the user: how many boards went to the file, then
// each problem on a line of its own.
std::string ExportReport(const PbnExportResult& result, std::string_view fileName);

// Both steps at once.
PbnExportResult ExportPbn(TBigIniFile& store, std::span<const std::string> sections,
                          std::span<const std::string> alertTexts, const std::string& fileName,
                          bool analyse);

}  // namespace tavlo
