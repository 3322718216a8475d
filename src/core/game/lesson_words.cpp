#include "game/lesson_words.h"

#include "auction/auction.h"

namespace tavlo {

namespace {

int LanguageOf(const Game& game) {
  return game.Options.Language < LessonLanguages.size() ? game.Options.Language : 0;
}

// The table of the lesson on the table: the pack's, or the ten lessons';
// none for a hand the user saved.
const LessonTexts* TableOfLesson(const Game& game, const LessonWords& words) {
  if (!game.Table.PackHand.empty()) return &words.Pack;
  return IsLesson(game.Table) ? &words.Lessons : nullptr;
}

std::string AlertInLanguage(const Game& game, const LessonWords& words, std::size_t at) {
  const std::string& item = game.Auction.Alerts[at];
  const int language = LanguageOf(game);
  if (IsAlertNumber(item)) {
    const std::string english = AlertExplanation(game.Auction.AlertTexts, item);
    const std::string number = item.substr(std::min(item.find_first_not_of('0'), item.size()));
    return LessonTextInLanguage(words.Alerts, number, english, language);
  }
  const LessonTexts* table = TableOfLesson(game, words);
  if (!table) return item;
  const std::string key =
      std::to_string(game.Table.LessonNumber) + ".Alert." + std::to_string(at + 1);
  return LessonTextInLanguage(*table, key, item, language);
}

}  // namespace

std::string LessonTextInLanguage(const LessonTexts& table, const std::string& key,
                                 const std::string& english, int language) {
  if (language < 0 || language >= static_cast<int>(LessonLanguages.size())) return english;
  const auto found = table.find(key);
  if (found == table.end() || found->second[0] != english) return english;
  const std::string& text = found->second[language];
  return text.empty() ? english : text;
}

std::string CommentInLanguage(const Game& game, const LessonWords& words) {
  const std::string& comment = game.Record.Comment;
  const LessonTexts* table = TableOfLesson(game, words);
  if (!table) return comment;
  return LessonTextInLanguage(*table, std::to_string(game.Table.LessonNumber) + ".Comment", comment,
                              LanguageOf(game));
}

void SpeakLanguage(Game& game, const LessonWords& words) {
  AuctionState& auction = game.Auction;
  auction.AlertWords.clear();
  for (std::size_t at = 0; at < auction.Alerts.size(); ++at)
    auction.AlertWords.push_back(AlertInLanguage(game, words, at));
  // The calls made keep their references; their explanations speak anew.
  for (std::size_t at = 0; at < auction.AlertLines.size() && at < auction.AlertWords.size(); ++at) {
    std::string& line = auction.AlertLines[at];
    line = line.substr(0, line.find('=')) + "=" + auction.AlertWords[at];
  }
  if (!game.Table.LessonPoint.empty()) game.Table.LessonPoint = CommentInLanguage(game, words);
}

}  // namespace tavlo
