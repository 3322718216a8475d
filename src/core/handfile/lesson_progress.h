#pragma once
// The learner's progress through the lesson packs: for every pack hand
// tried, its best try and its latest, each with whether the auction was bid
// without a refused call and, once the hand was played to its end, whether
// the contract made and its score; and the deal's par. A hand dealt again
// and only bid keeps the result of its best try, so the lessons window
// never loses a hand the learner played well.
// It lives in a small file of its own in the user's folder, never in the
// hand file or the options file, so a damaged one costs the marks alone.
//
// The file is text: a first line that names it, then one line per hand of
// a pack hand's key ("03_notrump/2"), its best try's auction mark ("clean"
// or "helped") and play mark ("made", "down" or "-" when not played out),
// that try's score and the deal's par from North-South's side ("-" when not
// known), separated by tabs. When the latest try is not the best, a second
// line follows with the same fields for it, its key ending in " latest"
// ("03_notrump/2 latest"). Files of one line per hand, as the first
// versions wrote them, read as hands whose latest try is their best; those
// versions take a latest line for a hand of no pack: they keep it and never
// show it.

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

// The marks of one try of a hand.
struct TryMarks {
  // The learner made every call of the auction without a refused call and
  // without Make Bid.
  bool CleanAuction = false;
  PlayMark Play = PlayMark::NotPlayed;
  std::optional<int> Score{};  // North-South's duplicate score, once played

  bool operator==(const TryMarks&) const = default;
};

struct HandMarks {
  // The try the lessons window shows; the latest may be worse, or still
  // under way.
  TryMarks Best;
  TryMarks Latest;
  std::optional<int> Par{};  // North-South's par score of the deal, once worked out

  bool operator==(const HandMarks&) const = default;
};

// Whether challenger is a better try than holder, for the learner sitting
// South: a hand played to its end beats one only bid; then the higher
// North-South score (the deal and so its par stay the same, so this is the
// score against par: a made contract of North-South's, or a defeated one of
// East-West's, beats the other way round); then an auction bid without a
// mistake beats one bid with help.
bool BetterTry(const TryMarks& challenger, const TryMarks& holder);

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
// It is the latest try, and the best when it beats the best so far.
void MarkAuction(LessonProgress& progress, const std::string& key, bool clean);
// The latest try's play played out.
void MarkPlay(LessonProgress& progress, const std::string& key, bool made, int score);
// The deal's par, once worked out, for a hand tried.
void MarkPar(LessonProgress& progress, const std::string& key, int par);

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
