#pragma once
// An INI file held wholly in memory: read once when opened, answered from
// memory, written back as a whole when asked and when closed. Lines are kept
// exactly as read (comments, blanks around "=", long lines), so a rewrite
// never changes a section the program did not touch.
//
// File errors never lose what is in memory: the operations that touch the disk
// return an error text naming the file (empty on success) for the caller to
// show, and a file that could not be read is never overwritten.

#include <string>
#include <string_view>
#include <vector>

#include "handfile/section_list.h"

namespace tavlo {

class TBigIniFile {
 public:
  // Opens the named file (an empty name gives a store without a file),
  // removing the temporary file of a save that was cut short. A read error
  // leaves the store empty; LoadError() tells why.
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
  // An empty key erases the section (or, with everything empty, writes the
  // file and returns the error text of that write).
  std::string WriteString(std::string_view section, std::string_view key, std::string_view value);
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
  // failure Modified stays set and the error text is returned.
  [[nodiscard]] std::string UpdateFile();
  // Writes pending changes of the old file, then opens the new one. When the
  // old file cannot be written, nothing changes and its error is returned.
  [[nodiscard]] std::string SetFileName(std::string fileName);

  const std::string& FileName() const { return fileName_; }
  const std::string& LoadError() const { return loadError_; }
  bool Modified() const { return modified_; }
  int CurrentSection() const { return currentSection_; }
  TSectionList& Sections() { return sections_; }
  const TSectionList& Sections() const { return sections_; }

  static constexpr int TextBufferSize = 28672;
  static constexpr std::size_t MaxLineLength = 255;

 private:
  std::string LoadFile(const std::string& fileName);
  // Index of the section, searching from CurrentSection; a missing section
  // is created when create is set, else the result is -1.
  int FindSection(std::string_view section, bool create);
  static int FindKey(const std::vector<std::string>& lines, std::string_view key);

  std::string fileName_;
  std::string loadError_;
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
