#pragma once
// An INI file held wholly in memory: read once when opened, answered from
// memory, written back as a whole when asked and when closed. Lines are kept
// exactly as read (comments, blanks around "=", long lines), so a rewrite
// never changes a section the program did not touch.
//
// File errors never lose what is in memory: the operations that touch the disk
// return their status, whose reason names the file, for the caller to show,
// and a file that could not be read is never overwritten.

#include <string>
#include <string_view>
#include <vector>

#include "handfile/section_list.h"
#include "model/result.h"

namespace tavlo {

class TBigIniFile {
 public:
  // Opens the named file (an empty name gives a store without a file),
  // removing the temporary file of a save that was cut short. A read error
  // leaves the store empty; Loaded() tells why.
  explicit TBigIniFile(std::string fileName);
  // Writes pending changes; an error here can no longer be shown, so owners
  // call UpdateFile() themselves before letting go of a changed store.
  virtual ~TBigIniFile();
  TBigIniFile(const TBigIniFile&) = delete;
  TBigIniFile& operator=(const TBigIniFile&) = delete;

  // Values are cut to 255 characters (whole UTF-8 sequences), the longest
  // text a hand key may hold.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue);
  // An empty key erases the section; with everything empty the file is
  // written as UpdateFile writes it, and a write that fails leaves Modified
  // set, so the next UpdateFile gives the reason.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  void ReadSection(std::string_view section, std::vector<std::string>& names);
  void ReadSections(std::vector<std::string>& names) const;
  void ReadSectionValues(std::string_view section, std::vector<std::string>& lines);
  void EraseSection(std::string_view section);
  void DeleteKey(std::string_view section, std::string_view key);
  void WriteToStrings(std::vector<std::string>& lines) const;

  // Writes the whole store to a temporary file beside the old one and renames
  // it over it (ReplaceFile), so a crash or a full disk leaves the old file whole. On
  // failure Modified stays set and the reason is returned.
  Status UpdateFile();
  // Writes pending changes of the old file, then opens the new one and gives
  // how its reading went. When the old file cannot be written, nothing
  // changes and the reason of that write is returned.
  Status SetFileName(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  // Whether the file was read when it was opened (a missing file counts as
  // read: it is an empty store), or why not.
  const Status& Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  int CurrentSection() const { return currentSection_; }
  TSectionList& Sections() { return sections_; }
  const TSectionList& Sections() const { return sections_; }

  static constexpr int TextBufferSize = 28672;
  static constexpr std::size_t MaxLineLength = 255;

 private:
  Status LoadFile(const std::string& fileName);
  // Index of the section, searching from CurrentSection; a missing section
  // is created when create is set, else the result is -1.
  int FindSection(std::string_view section, bool create);
  static int FindKey(const std::vector<std::string>& lines, std::string_view key);

  std::string fileName_;
  Status loaded_;
  TSectionList sections_;
  int currentSection_ = 0;
  bool modified_ = false;
};

// The store the program keeps on its hand file: sections sorted by name
// without regard to case, so numbered hands come as 1, 10, 11, 2, ...
class TINI : public TBigIniFile {
 public:
  explicit TINI(std::string fileName);
};

}  // namespace tavlo
