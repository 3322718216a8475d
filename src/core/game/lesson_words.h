#pragma once
// The words a hand shows the learner, in the language of the table: the
// explanations of its alerted calls and a lesson's point. A numbered alert
// reads the alert table of the language (English where it has no text); a
// lesson's own explanations and its comment come from the lessons' table,
// as long as the hand file still holds the English words that table
// translates; anything else (a hand the user saved, a note of an imported
// file) stands as it was written.

#include <string>

#include "game/game.h"
#include "game/hand_lifecycle.h"
#include "handfile/lesson_pack.h"

namespace tavlo {

// The tables of the program's own words in six languages.
struct LessonWords {
  LessonTexts Alerts;   // by alert number ("7")
  LessonTexts Lessons;  // by "<section>.Comment" and "<section>.Alert.<k>"
  // The texts of the lesson pack whose hand is on the table, by
  // "<hand>.Comment" and "<hand>.Alert.<k>".
  LessonTexts Pack;
};

// The explanations of the hand's alerts and the explanations already given
// to calls made, in the language of the options; the lesson's point too,
// once it is shown.
void SpeakLanguage(Game& game, const LessonWords& words);

// The words of a lesson's table under key ("3.Comment") in the language,
// when the table translates exactly english, the words the hand file
// holds; english otherwise, so words a user wrote stand as written.
std::string LessonTextInLanguage(const LessonTexts& table, const std::string& key,
                                 const std::string& english, int language);

// The comment of the hand on the table in the language of the options.
std::string CommentInLanguage(const Game& game, const LessonWords& words);

}  // namespace tavlo
