#include "handfile/lesson_progress.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/comma_text.h"
#include "model/file_replace.h"

namespace tavlo {

namespace {

constexpr std::string_view FirstLine = "# Tavlo lesson progress";
constexpr std::string_view NotKnown = "-";

std::string_view PlayWord(PlayMark mark) {
  switch (mark) {
    case PlayMark::Made:
      return "made";
    case PlayMark::Down:
      return "down";
    case PlayMark::NotPlayed:
      break;
  }
  return NotKnown;
}

std::string ScoreText(const std::optional<int>& score) {
  return score ? std::to_string(*score) : std::string(NotKnown);
}

// Reads a score, "-" for none, into score; false when the text is neither.
bool ReadScore(std::string_view text, std::optional<int>& score) {
  score.reset();
  if (text == NotKnown) return true;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return false;
  score = value;
  return true;
}

// The marks of one line of the file, or nothing when it holds none.
std::optional<std::pair<std::string, HandMarks>> ReadLine(std::string_view line) {
  const std::vector<std::string_view> fields = SplitText(line, '\t');
  if (fields.size() != 5 || fields[0].find('/') == std::string_view::npos) return std::nullopt;
  HandMarks marks;
  if (fields[1] != "clean" && fields[1] != "helped") return std::nullopt;
  marks.CleanAuction = fields[1] == "clean";
  if (fields[2] == "made") {
    marks.Play = PlayMark::Made;
  } else if (fields[2] == "down") {
    marks.Play = PlayMark::Down;
  } else if (fields[2] != NotKnown) {
    return std::nullopt;
  }
  if (!ReadScore(fields[3], marks.Score) || !ReadScore(fields[4], marks.Par)) return std::nullopt;
  return std::pair{std::string(fields[0]), marks};
}

}  // namespace

std::string PackHandKey(std::string_view pack, int hand) {
  return std::string(pack) + "/" + std::to_string(hand);
}

std::string WriteLessonProgress(const LessonProgress& progress) {
  std::string text = std::string(FirstLine) + "\n";
  for (const auto& [key, marks] : progress) {
    text += key + "\t" + (marks.CleanAuction ? "clean" : "helped") + "\t" +
            std::string(PlayWord(marks.Play)) + "\t" + ScoreText(marks.Score) + "\t" +
            ScoreText(marks.Par) + "\n";
  }
  return text;
}

Result<LessonProgress> ParseLessonProgress(std::string_view text) {
  const std::vector<std::string_view> lines = SplitText(text, '\n');
  if (lines.front() != FirstLine) return Reason{"it is no lesson progress file"};
  LessonProgress progress;
  for (std::size_t at = 1; at < lines.size(); ++at) {
    if (lines[at].empty()) continue;
    auto marks = ReadLine(lines[at]);
    if (!marks) return Reason{"line " + std::to_string(at + 1) + " is damaged"};
    progress[marks->first] = marks->second;
  }
  return progress;
}

Result<LessonProgress> ReadLessonProgress(const std::string& fileName) {
  std::error_code error;
  if (!std::filesystem::exists(fileName, error)) return LessonProgress{};
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return Reason{"it cannot be read"};
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ParseLessonProgress(bytes);
}

Status SaveLessonProgress(const std::string& fileName, const LessonProgress& progress) {
  return ReplaceFile(fileName, WriteLessonProgress(progress));
}

void MarkAuction(LessonProgress& progress, const std::string& key, bool clean) {
  progress[key] = HandMarks{.CleanAuction = clean};
}

void MarkPlay(LessonProgress& progress, const std::string& key, bool made, int score,
              std::optional<int> par) {
  HandMarks& marks = progress[key];
  marks.Play = made ? PlayMark::Made : PlayMark::Down;
  marks.Score = score;
  marks.Par = par;
}

std::optional<PackHand> NextUntriedHand(const std::vector<LessonPack>& packs,
                                        const LessonProgress& progress) {
  for (std::size_t pack = 0; pack < packs.size(); ++pack)
    for (int hand = 1; hand <= static_cast<int>(packs[pack].Hands.size()); ++hand)
      if (!progress.contains(PackHandKey(packs[pack].Name, hand))) return PackHand{pack, hand};
  return std::nullopt;
}

}  // namespace tavlo
