#pragma once
// A lesson pack: a hand file of its own in the program's lessons folder,
// "NN_topic.ini", whose [Topic] section names the topic in the six
// languages and whose sections "1", "2", ... are its hands, each with a
// scripted auction the learner bids. Beside it, "NN_topic.tsv" gives every
// text a hand shows the learner (its comment and the explanations of its
// alerts) in the six languages: a "#" comment line, then rows of a key
// ("2.Comment", "2.Alert.1"), a tab and the texts of English, Danish,
// Norwegian, French, German and Swedish, tab-separated. A text is one line,
// as the hand file's values are, and stands as it is written.

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "handfile/hand_record.h"
#include "model/result.h"

namespace tavlo {

// The languages of a pack, in the order of its topic and its table.
inline constexpr std::array<std::string_view, 6> LessonLanguages{"English", "Danish", "Norwegian",
                                                                 "French",  "German", "Swedish"};

// The texts of hands by key ("2.Comment", "2.Alert.1"), one per language.
using LessonTexts = std::map<std::string, std::array<std::string, LessonLanguages.size()>>;

struct LessonPack {
  std::string Name;  // the file name without folder and extension: "03_notrump"
  std::array<std::string, LessonLanguages.size()> Topic;
  std::vector<HandRecord> Hands;  // hand n of the pack is Hands[n - 1]
  LessonTexts Texts;              // empty when the pack has no table beside it
};

// The packs of a folder, by name ("01_major_raises", ...) in name order.
Result<std::vector<std::string>> LessonPackNames(const std::string& folder);

// Reads the pack of that name in the folder with its table. A pack that is
// no pack (no such file, no topic, hands not numbered 1, 2, ..., a deal that
// is no deal, an auction that cannot be bid to its end, alerts or lights
// that do not match the calls, a table row without its six texts) gives the
// reason.
Result<LessonPack> ReadLessonPack(const std::string& folder, const std::string& name);

// Reads a table in six languages from its bytes, shown named shown in a
// reason; with hands, every key must name a text of those hands.
Result<LessonTexts> ParseLessonTexts(std::string_view bytes, std::string_view shown,
                                     const std::vector<HandRecord>* hands = nullptr);

// Reads a table of the texts of hands (a pack's, or the one of the ten
// lessons of the hand file), hand n being hands[n - 1]. A missing file gives
// no texts; a row without its six texts, or with a key that names no text of
// the hands, gives the reason.
Result<LessonTexts> ReadLessonTexts(const std::string& file, const std::vector<HandRecord>& hands);

// The topic in the language (0 English .. 5 Swedish); English where the
// language has none.
std::string TopicInLanguage(const LessonPack& pack, int language);

// The comment of hand n (from 1) in the language; the hand's own comment
// where the table has none.
std::string LessonComment(const LessonPack& pack, int hand, int language);

// The explanation of the alert-th alerted call (from 1) of hand n in the
// language; the hand's own alert item where the table has none (a number
// there names a line of the alert table).
std::string LessonAlert(const LessonPack& pack, int hand, int alert, int language);

}  // namespace tavlo
