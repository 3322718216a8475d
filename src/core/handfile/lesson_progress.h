#pragma once
// The learner's progress through the lesson packs: for every pack hand
// tried, whether the auction was bid without a refused call, and, once the
// hand was played to its end, whether the contract made, its score and par.
// It lives in a small file of its own in the user's folder, never in the
// hand file or the options file, so a damaged one costs the marks alone.
//
// The file is text: a first line that names it, then one line per hand of
// a pack hand's key ("03_notrump/2"), the auction's mark ("clean" or
// "helped"), the play's ("made", "down" or "-" when not played out), the
// score and par from North-South's side ("-" when not known), separated by
// tabs.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/lesson_pack.h"
#include "model/result.h"

namespace tavlo {

// The name of the progress file in the user's folder.
inline constexpr std::string_view LessonProgressFileName = "Lesson Progress.txt";

enum class PlayMark { NotPlayed, Made, Down };

struct HandMarks {
  // The learner made every call of the auction without a refused call and
  // without Make Bid.
  bool CleanAuction = false;
  PlayMark Play = PlayMark::NotPlayed;
  std::optional<int> Score{};  // North-South's duplicate score, once played
  std::optional<int> Par{};    // North-South's par score, when it was worked out

  bool operator==(const HandMarks&) const = default;
};

// The marks of the hands tried, by pack hand key; a hand never tried has none.
using LessonProgress = std::map<std::string, HandMarks>;

// The key of hand number hand (from 1) of the pack named pack: "03_notrump/2".
std::string PackHandKey(std::string_view pack, int hand);

std::string WriteLessonProgress(const LessonProgress& progress);
// A file that is not a progress file, or a line that is no hand's marks,
// gives the reason with the line's number.
Result<LessonProgress> ParseLessonProgress(std::string_view text);

// The progress in the file; a missing file is a learner who has tried no
// pack hand yet.
Result<LessonProgress> ReadLessonProgress(const std::string& fileName);
// Writes the whole progress through a temporary file, as the hand file is.
Status SaveLessonProgress(const std::string& fileName, const LessonProgress& progress);

// A new try of the hand: its auction's mark, the play not yet played out.
void MarkAuction(LessonProgress& progress, const std::string& key, bool clean);
// The try's play played out, with par when it is known.
void MarkPlay(LessonProgress& progress, const std::string& key, bool made, int score,
              std::optional<int> par);

// The first hand, in pack order and hand order, the learner has not tried;
// none when every hand was tried.
struct PackHand {
  std::size_t Pack = 0;  // index into the packs
  int Hand = 0;          // from 1
  bool operator==(const PackHand&) const = default;
};
std::optional<PackHand> NextUntriedHand(const std::vector<LessonPack>& packs,
                                        const LessonProgress& progress);

}  // namespace tavlo
