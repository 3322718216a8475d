#include "handfile/lesson_progress.h"

#include <charconv>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/comma_text.h"
#include "model/file_replace.h"

namespace tavlo {

namespace {

constexpr std::string_view FirstLine = "# Tavlo lesson progress";
constexpr std::string_view NotKnown = "-";
// Ends the key of a hand's line of its latest try.
constexpr std::string_view LatestSuffix = " latest";

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

std::string LineText(const std::string& key, const TryMarks& marks, const std::optional<int>& par) {
  return key + "\t" + (marks.CleanAuction ? "clean" : "helped") + "\t" +
         std::string(PlayWord(marks.Play)) + "\t" + ScoreText(marks.Score) + "\t" + ScoreText(par) +
         "\n";
}

// One line of the file: its key, a try's marks and par.
struct Line {
  std::string Key;
  TryMarks Marks;
  std::optional<int> Par;
};

// The marks of one line of the file, or nothing when it holds none.
std::optional<Line> ReadLine(std::string_view text) {
  const std::vector<std::string_view> fields = SplitText(text, '\t');
  if (fields.size() != 5 || fields[0].find('/') == std::string_view::npos) return std::nullopt;
  Line line{.Key = std::string(fields[0])};
  if (fields[1] != "clean" && fields[1] != "helped") return std::nullopt;
  line.Marks.CleanAuction = fields[1] == "clean";
  if (fields[2] == "made") {
    line.Marks.Play = PlayMark::Made;
  } else if (fields[2] == "down") {
    line.Marks.Play = PlayMark::Down;
  } else if (fields[2] != NotKnown) {
    return std::nullopt;
  }
  if (!ReadScore(fields[3], line.Marks.Score) || !ReadScore(fields[4], line.Par))
    return std::nullopt;
  return line;
}

// Takes the line's marks into progress; false when it is a latest try of a
// hand whose best has no line before it.
bool TakeLine(LessonProgress& progress, Line line) {
  if (!line.Key.ends_with(LatestSuffix)) {
    progress[line.Key] = {.Best = line.Marks, .Latest = line.Marks, .Par = line.Par};
    return true;
  }
  const auto hand = progress.find(line.Key.substr(0, line.Key.size() - LatestSuffix.size()));
  if (hand == progress.end()) return false;
  hand->second.Latest = line.Marks;
  if (!hand->second.Par) hand->second.Par = line.Par;
  return true;
}

}  // namespace

bool BetterTry(const TryMarks& challenger, const TryMarks& holder) {
  const bool played = challenger.Play != PlayMark::NotPlayed;
  if (played != (holder.Play != PlayMark::NotPlayed)) return played;
  if (challenger.Score != holder.Score)
    return challenger.Score.value_or(INT_MIN) > holder.Score.value_or(INT_MIN);
  return challenger.CleanAuction && !holder.CleanAuction;
}

std::string PackHandKey(std::string_view pack, int hand) {
  return std::string(pack) + "/" + std::to_string(hand);
}

std::string WriteLessonProgress(const LessonProgress& progress) {
  std::string text = std::string(FirstLine) + "\n";
  for (const auto& [key, marks] : progress) {
    text += LineText(key, marks.Best, marks.Par);
    if (marks.Latest != marks.Best)
      text += LineText(key + std::string(LatestSuffix), marks.Latest, marks.Par);
  }
  return text;
}

Result<LessonProgress> ParseLessonProgress(std::string_view text) {
  const std::vector<std::string_view> lines = SplitText(text, '\n');
  if (lines.front() != FirstLine) return Reason{"it is no lesson progress file"};
  LessonProgress progress;
  for (std::size_t at = 1; at < lines.size(); ++at) {
    if (lines[at].empty()) continue;
    std::optional<Line> line = ReadLine(lines[at]);
    if (!line || !TakeLine(progress, std::move(*line)))
      return Reason{"line " + std::to_string(at + 1) + " is damaged"};
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
  const bool tried = progress.contains(key);
  HandMarks& marks = progress[key];
  marks.Latest = TryMarks{.CleanAuction = clean};
  if (!tried || BetterTry(marks.Latest, marks.Best)) marks.Best = marks.Latest;
}

void MarkPlay(LessonProgress& progress, const std::string& key, bool made, int score) {
  HandMarks& marks = progress[key];
  marks.Latest.Play = made ? PlayMark::Made : PlayMark::Down;
  marks.Latest.Score = score;
  // The best may be this try's auction alone; the whole try beats it.
  if (BetterTry(marks.Latest, marks.Best)) marks.Best = marks.Latest;
}

void MarkPar(LessonProgress& progress, const std::string& key, int par) {
  if (const auto hand = progress.find(key); hand != progress.end()) hand->second.Par = par;
}

std::optional<PackHand> NextUntriedHand(const std::vector<LessonPack>& packs,
                                        const LessonProgress& progress) {
  for (std::size_t pack = 0; pack < packs.size(); ++pack)
    for (int hand = 1; hand <= static_cast<int>(packs[pack].Hands.size()); ++hand)
      if (!progress.contains(PackHandKey(packs[pack].Name, hand))) return PackHand{pack, hand};
  return std::nullopt;
}

}  // namespace tavlo
