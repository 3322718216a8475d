// The words of a hand in the learner's language: a numbered alert from the
// alert table of the language, English where it has none; a lesson's own
// explanation and its comment from the lessons' table while the hand file
// holds the English they translate; a saved hand's words as written.

#include "game/lesson_words.h"

#include <gtest/gtest.h>

#include "auction/auction.h"

namespace tavlo {
namespace {

constexpr int French = 3, German = 4;

LessonWords Words() {
  LessonWords words;
  words.Alerts["7"] = {"Jacoby transfer", "", "", "Texas", "Transfer", ""};
  words.Alerts["8"] = {"Limit raise", "", "", "", "", ""};
  words.Lessons["2.Alert.2"] = {"Five hearts", "", "", "Cinq cœurs", "Fünf Coeur", ""};
  words.Lessons["2.Comment"] = {"Transfer, then game", "", "", "Texas, puis manche", "", ""};
  return words;
}

// A hand of section with its alerts, two calls alerted so far.
Game HandWith(int section, std::vector<std::string> alerts, std::string comment) {
  Game game;
  game.Table.LessonNumber = section;
  game.Auction.AlertTexts = {"7=Jacoby transfer", "8=Limit raise"};
  game.Auction.Alerts = std::move(alerts);
  game.Auction.AlertLines = {"(!)=x", "(!)=y"};
  game.Record.Comment = std::move(comment);
  return game;
}

struct WordsCase {
  const char* name;
  int section;
  std::vector<std::string> alerts;
  int language;
  std::vector<std::string> explained;
};

class LessonWordsTest : public ::testing::TestWithParam<WordsCase> {};

TEST_P(LessonWordsTest, EachAlertSpeaksTheLanguageWhereTheTableHasIt) {
  Game game = HandWith(GetParam().section, GetParam().alerts, "-");
  game.Options.Language = static_cast<std::uint8_t>(GetParam().language);
  SpeakLanguage(game, Words());
  EXPECT_EQ(game.Auction.AlertWords, GetParam().explained);
  // The calls made show the same words behind their references.
  for (std::size_t at = 0; at < GetParam().explained.size(); ++at)
    EXPECT_EQ(game.Auction.AlertLines[at], "(!)=" + GetParam().explained[at]);
}

INSTANTIATE_TEST_SUITE_P(
    Alerts, LessonWordsTest,
    ::testing::Values(
        WordsCase{"NumberedInFrench", 2, {"7", "008"}, French, {"Texas", "Limit raise"}},
        WordsCase{"LessonsOwnWords", 2, {"7", "Five hearts"}, German, {"Transfer", "Fünf Coeur"}},
        WordsCase{"EditedWordsStand",
                  2,
                  {"7", "Five or six hearts"},
                  French,
                  {"Texas", "Five or six hearts"}},
        WordsCase{
            "SavedHandsWordsStand", 12, {"7", "Five hearts"}, French, {"Texas", "Five hearts"}},
        WordsCase{"English", 2, {"7", "Five hearts"}, 0, {"Jacoby transfer", "Five hearts"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LessonWords, TheLessonsPointSpeaksTheLanguageOnceShown) {
  Game game = HandWith(2, {}, "Transfer, then game");
  game.Options.Language = French;
  EXPECT_EQ(CommentInLanguage(game, Words()), "Texas, puis manche");
  SpeakLanguage(game, Words());
  EXPECT_EQ(game.Table.LessonPoint, "") << "not before the auction is over";
  game.Table.LessonPoint = game.Record.Comment;
  SpeakLanguage(game, Words());
  EXPECT_EQ(game.Table.LessonPoint, "Texas, puis manche");
  // No German in the table: the English stands.
  game.Options.Language = German;
  SpeakLanguage(game, Words());
  EXPECT_EQ(game.Table.LessonPoint, "Transfer, then game");
  // A comment the user changed is his own.
  game.Record.Comment = "My note";
  game.Options.Language = French;
  EXPECT_EQ(CommentInLanguage(game, Words()), "My note");
}

// A call made after the words of a language are set explains itself in it.
TEST(LessonWords, ACallMadeLaterTakesTheWordsOfTheLanguage) {
  Game game = HandWith(2, {"7"}, "-");
  game.Auction.AlertLines.clear();
  game.Auction.Dealer = South;
  game.Auction.ScriptedAuction = {"1N", "P", "2D(!)"};
  game.Options.Language = French;
  ResetBids(game.Auction);
  SpeakLanguage(game, Words());
  for (int call = 0; call < 3; ++call) BidForComputer(game.Auction);
  ASSERT_EQ(game.Auction.AlertLines.size(), 1u);
  EXPECT_EQ(game.Auction.AlertLines[0], "(!)=Texas");
}

}  // namespace
}  // namespace tavlo
