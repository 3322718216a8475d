#include "handfile/big_ini_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "model/codes.h"
#include "model/file_replace.h"

namespace tavlo {

namespace {

Reason ReadError(const std::string& fileName, int error) {
  return {"Could not read the file \"" + fileName + "\": " + std::strerror(error) + "."};
}

std::string_view KeyOf(std::string_view line) {
  const auto equals = line.find('=');
  return equals == std::string_view::npos ? std::string_view{} : line.substr(0, equals);
}

}  // namespace

TBigIniFile::TBigIniFile(std::string fileName) { (void)SetFileName(std::move(fileName)); }

TBigIniFile::~TBigIniFile() { (void)UpdateFile(); }

Status TBigIniFile::SetFileName(std::string fileName) {
  if (Status written = UpdateFile(); !written) return written;
  sections_.Clear();
  currentSection_ = 0;
  fileName_ = std::move(fileName);
  loaded_ = fileName_.empty() ? Status() : LoadFile(fileName_);
  modified_ = false;
  return loaded_;
}

Status TBigIniFile::LoadFile(const std::string& fileName) {
  RemoveInterruptedSave(fileName);
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) {
    // A file we may not even look at is not a missing file.
    if (error) return ReadError(fileName, error.value());
    return {};
  }

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return ReadError(fileName, errno);
  std::string text;
  std::string buffer(TextBufferSize, '\0');
  for (;;) {
    const auto got = std::fread(buffer.data(), 1, buffer.size(), file.get());
    text.append(buffer.data(), got);
    if (got < buffer.size()) break;
  }
  if (std::ferror(file.get())) return ReadError(fileName, errno);

  struct Section {
    std::string Name;
    std::vector<std::string> Lines;
  };
  std::vector<Section> read;
  std::string_view rest = text;
  // Editors that save with a byte-order mark would otherwise hide the first
  // section header, and its hand would be lost at the next rewrite.
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  while (!rest.empty()) {
    const auto end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    // Every carriage return at the end belongs to the line end: a file whose
    // line ends were converted twice ends its lines in two of them, and a
    // header so ended would otherwise hide its hand among the lines of the
    // hand before, until a rewrite brought it back.
    while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line == "\x1a") continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      read.push_back({std::string(line.substr(1, line.size() - 2)), {}});
    } else if (!read.empty()) {
      read.back().Lines.emplace_back(line);
    }
  }

  // A name that appears twice keeps only its first section.
  std::vector<std::size_t> order(read.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return CompareText(read[a].Name, read[b].Name) < 0;
  });
  std::vector<bool> dropped(read.size(), false);
  for (std::size_t i = 1; i < order.size(); ++i) {
    if (SameText(read[order[i - 1]].Name, read[order[i]].Name)) dropped[order[i]] = true;
  }
  for (std::size_t i = 0; i < read.size(); ++i) {
    if (dropped[i]) continue;
    const int index = sections_.Add(std::move(read[i].Name));
    sections_.Lines(index) = std::move(read[i].Lines);
  }
  return {};
}

int TBigIniFile::FindSection(std::string_view section, bool create) {
  const int count = sections_.Count();
  if (currentSection_ < 0 || currentSection_ >= count) currentSection_ = 0;
  for (int step = 0; step < count; ++step) {
    const int index = (currentSection_ + step) % count;
    if (SameText(sections_.Name(index), section)) return currentSection_ = index;
  }
  if (!create) return -1;
  return currentSection_ = sections_.Add(std::string(section));
}

int TBigIniFile::FindKey(const std::vector<std::string>& lines, std::string_view key) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto equals = lines[i].find('=');
    if (equals != std::string::npos && SameText(std::string_view(lines[i]).substr(0, equals), key))
      return static_cast<int>(i);
  }
  return -1;
}

std::string TBigIniFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) {
  const int index = FindSection(section, false);
  if (index < 0) return std::string(defaultValue);
  const auto& lines = sections_.Lines(index);
  const int line = FindKey(lines, key);
  if (line < 0) return std::string(defaultValue);
  const std::string_view value = std::string_view(lines[line]).substr(lines[line].find('=') + 1);
  return std::string(FirstCharacters(value, MaxLineLength));
}

void TBigIniFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  if (key.empty()) {
    if (!section.empty() || !value.empty())
      EraseSection(section);
    else
      (void)UpdateFile();  // a failure stays Modified for the next UpdateFile
    return;
  }
  const std::string whole = std::string(key) + "=" + std::string(value);
  std::string line(FirstCharacters(whole, MaxLineLength));
  // A line break inside a value would start a line of its own on disk, or
  // even a section; a value is one line, so breaks become blanks.
  for (char& c : line)
    if (c == '\n' || c == '\r') c = ' ';
  auto& lines = sections_.Lines(FindSection(section, true));
  const int at = FindKey(lines, key);
  if (at < 0) {
    lines.push_back(std::move(line));
    modified_ = true;
  } else if (lines[at] != line) {
    lines[at] = std::move(line);
    modified_ = true;
  }
}

int TBigIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) {
  const std::string text = ReadString(section, key, "");
  std::string_view digits = text;
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    digits.remove_prefix(2);
    base = 16;
  }
  int value = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size())
    return defaultValue;
  return value;
}

void TBigIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  WriteString(section, key, std::to_string(value));
}

bool TBigIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TBigIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TBigIniFile::ReadSection(std::string_view section, std::vector<std::string>& names) {
  const int index = sections_.IndexOf(section);
  if (index < 0) return;
  for (const auto& line : sections_.Lines(index)) names.emplace_back(KeyOf(line));
}

void TBigIniFile::ReadSections(std::vector<std::string>& names) const {
  names.clear();
  for (int i = 0; i < sections_.Count(); ++i) names.push_back(sections_.Name(i));
}

void TBigIniFile::ReadSectionValues(std::string_view section, std::vector<std::string>& lines) {
  const int index = sections_.IndexOf(section);
  if (index < 0) return;
  const auto& own = sections_.Lines(index);
  lines.insert(lines.end(), own.begin(), own.end());
}

void TBigIniFile::EraseSection(std::string_view section) {
  const int index = sections_.IndexOf(section);
  if (index < 0) return;
  sections_.Delete(index);
  sections_.LastFound = 0;
  modified_ = true;
  if (currentSection_ >= sections_.Count()) currentSection_ = 0;
}

void TBigIniFile::DeleteKey(std::string_view section, std::string_view key) {
  auto& lines = sections_.Lines(FindSection(section, true));
  const int at = FindKey(lines, key);
  if (at < 0) return;
  lines.erase(lines.begin() + at);
  modified_ = true;
}

void TBigIniFile::WriteToStrings(std::vector<std::string>& lines) const {
  for (int i = 0; i < sections_.Count(); ++i) {
    const auto& own = sections_.Lines(i);
    if (own.empty()) continue;
    lines.push_back("[" + sections_.Name(i) + "]");
    lines.insert(lines.end(), own.begin(), own.end());
    lines.emplace_back();
  }
}

Status TBigIniFile::UpdateFile() {
  if (!modified_ || fileName_.empty()) return {};
  if (!loaded_) {
    return Reason{"The file \"" + fileName_ +
                  "\" could not be read when it was opened, so it is not overwritten."};
  }

  std::vector<std::string> lines;
  WriteToStrings(lines);
  std::string image;
  for (const auto& line : lines) image.append(line).push_back('\n');

  if (Status written = ReplaceFile(fileName_, image); !written) return written;
  modified_ = false;
  return {};
}

TINI::TINI(std::string fileName) : TBigIniFile("") {
  (void)SetFileName(std::move(fileName));
  Sections().SetSorted(true);
}

}  // namespace tavlo
