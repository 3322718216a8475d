// The learner's marks on the lesson packs' hands: they read back as they
// were written, a damaged file says where, a new try keeps the best try and
// becomes the latest, a file of the first versions still reads, and the
// next hand to try follows pack and hand order.

#include "handfile/lesson_progress.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/comma_text.h"
#include "model/file_replace.h"
#include "temporary_folder.h"

namespace tavlo {
namespace {

TEST(LessonProgressTest, MarksReadBackAsWritten) {
  const TryMarks made{.CleanAuction = true, .Play = PlayMark::Made, .Score = 110};
  const LessonProgress progress{
      {"01_major_raises/1", {.Best = made, .Latest = made, .Par = 110}},
      {"01_major_raises/2",
       {.Best = {.CleanAuction = false, .Play = PlayMark::Down, .Score = -100},
        .Latest = {.CleanAuction = true},
        .Par = 140}},
      {"03_notrump/6", {.Best = {.CleanAuction = true}, .Latest = {.CleanAuction = true}}},
      {"12_play_notrump/2",
       {.Best = {.CleanAuction = false, .Play = PlayMark::Made, .Score = 400},
        .Latest = {.CleanAuction = true, .Play = PlayMark::Down, .Score = -50}}},
  };
  const std::string text = WriteLessonProgress(progress);
  const Result<LessonProgress> read = ParseLessonProgress(text);
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(*read, progress);
  EXPECT_EQ(text,
            "# Tavlo lesson progress\n"
            "01_major_raises/1\tclean\tmade\t110\t110\n"
            "01_major_raises/2\thelped\tdown\t-100\t140\n"
            "01_major_raises/2 latest\tclean\t-\t-\t140\n"
            "03_notrump/6\tclean\t-\t-\t-\n"
            "12_play_notrump/2\thelped\tmade\t400\t-\n"
            "12_play_notrump/2 latest\tclean\tdown\t-50\t-\n");
  // Every line has the five fields of the first versions' files, so they
  // read it too.
  for (const std::string_view line : SplitText(text, '\n'))
    if (!line.empty() && line.front() != '#') EXPECT_EQ(SplitText(line, '\t').size(), 5u) << line;
  // No marks at all is a file of its first line.
  EXPECT_EQ(ParseLessonProgress(WriteLessonProgress({}))->size(), 0u);
}

// A file the first versions wrote: one line per hand, the try then as good
// as it is the latest.
TEST(LessonProgressTest, AFileOfTheFirstVersionsReadsAsWritten) {
  const Result<LessonProgress> read = ParseLessonProgress(
      "# Tavlo lesson progress\n01_major_raises/1\thelped\tmade\t110\t140\n"
      "02_minor_openings/3\tclean\t-\t-\t-\n");
  ASSERT_TRUE(read) << read.Error();
  const TryMarks made{.CleanAuction = false, .Play = PlayMark::Made, .Score = 110};
  EXPECT_EQ(read->at("01_major_raises/1"), (HandMarks{.Best = made, .Latest = made, .Par = 140}));
  EXPECT_EQ(read->at("02_minor_openings/3").Best, TryMarks{.CleanAuction = true});
  EXPECT_EQ(read->at("02_minor_openings/3").Latest, TryMarks{.CleanAuction = true});
}

TEST(LessonProgressTest, ADamagedFileSaysWhere) {
  const std::string first = "# Tavlo lesson progress\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", "it is no lesson progress file"},
      {"[01_major_raises/1]\nBid=clean\n", "it is no lesson progress file"},
      {first + "01_major_raises/1\tclean\tmade\t110\n", "line 2 is damaged"},
      {first + "01_major_raises/1\tclean\tmade\t110\t110\textra\n", "line 2 is damaged"},
      {first + "\n01_major_raises/1\tgood\tmade\t110\t110\n", "line 3 is damaged"},
      {first + "01_major_raises/1\tclean\twon\t110\t110\n", "line 2 is damaged"},
      {first + "01_major_raises/1\tclean\tmade\t1x0\t110\n", "line 2 is damaged"},
      {first + "01_major_raises/1\tclean\tmade\t110\t\n", "line 2 is damaged"},
      {first + "major_raises\tclean\t-\t-\t-\n", "line 2 is damaged"},
      {first + std::string("01/1\tclean\t-\t-\t-\0\n", 19), "line 2 is damaged"},
      // A latest try belongs to a hand whose best stands above it.
      {first + "01_major_raises/1 latest\tclean\t-\t-\t-\n", "line 2 is damaged"},
      {first + "01_major_raises/2\tclean\t-\t-\t-\n01_major_raises/1 latest\tclean\t-\t-\t-\n",
       "line 3 is damaged"},
      {first + "01_major_raises/1\tclean\t-\t-\t-\n01_major_raises/1 latest\tclean\tup\t-\t-\n",
       "line 3 is damaged"},
  };
  for (const auto& [text, why] : cases) {
    const Result<LessonProgress> read = ParseLessonProgress(text);
    ASSERT_FALSE(read) << text;
    EXPECT_EQ(read.Error(), why) << text;
  }
}

// Tries of one hand in turn: each with its auction's mark and, when played
// out, whether the contract made and North-South's score.
struct Try {
  bool Clean = false;
  std::optional<std::pair<bool, int>> Played{};
};

TEST(LessonProgressTest, ANewTryKeepsTheBestTryAndBecomesTheLatest) {
  const TryMarks helpedMade110{.CleanAuction = false, .Play = PlayMark::Made, .Score = 110};
  const TryMarks cleanMade110{.CleanAuction = true, .Play = PlayMark::Made, .Score = 110};
  const TryMarks cleanMade140{.CleanAuction = true, .Play = PlayMark::Made, .Score = 140};
  const TryMarks cleanDown50{.CleanAuction = true, .Play = PlayMark::Down, .Score = -50};
  const struct {
    const char* Name;
    std::vector<Try> Tries;
    TryMarks Best, Latest;
  } cases[] = {
      {"one try is the best and the latest",
       {{false, {{true, 110}}}},
       helpedMade110,
       helpedMade110},
      {"only bid again: the play's result stays",
       {{false, {{true, 110}}}, {true}},
       helpedMade110,
       {.CleanAuction = true}},
      {"a higher score beats a lower",
       {{true, {{true, 110}}}, {true, {{true, 140}}}},
       cleanMade140,
       cleanMade140},
      {"a lower score does not",
       {{true, {{true, 140}}}, {true, {{true, 110}}}},
       cleanMade140,
       cleanMade110},
      {"made beats down when North-South declare",
       {{false, {{true, 110}}}, {true, {{false, -50}}}},
       helpedMade110,
       cleanDown50},
      {"down beats made when East-West declare",
       {{true, {{true, -420}}}, {true, {{false, 50}}}},
       {.CleanAuction = true, .Play = PlayMark::Down, .Score = 50},
       {.CleanAuction = true, .Play = PlayMark::Down, .Score = 50}},
      {"at the same score a clean auction beats a helped one",
       {{false, {{true, 110}}}, {true, {{true, 110}}}},
       cleanMade110,
       cleanMade110},
      {"and a helped one does not beat a clean one",
       {{true, {{true, 110}}}, {false, {{true, 110}}}},
       cleanMade110,
       helpedMade110},
      {"only bid twice: the clean auction",
       {{false}, {true}, {false}},
       {.CleanAuction = true},
       {.CleanAuction = false}},
      {"played out beats only bid, however bid",
       {{true}, {false, {{false, -50}}}},
       {.CleanAuction = false, .Play = PlayMark::Down, .Score = -50},
       {.CleanAuction = false, .Play = PlayMark::Down, .Score = -50}},
  };
  for (const auto& [name, tries, best, latest] : cases) {
    SCOPED_TRACE(name);
    LessonProgress progress;
    for (const Try& one : tries) {
      MarkAuction(progress, "02_minor_openings/3", one.Clean);
      if (one.Played)
        MarkPlay(progress, "02_minor_openings/3", one.Played->first, one.Played->second);
    }
    EXPECT_EQ(progress["02_minor_openings/3"].Best, best);
    EXPECT_EQ(progress["02_minor_openings/3"].Latest, latest);
  }
}

TEST(LessonProgressTest, TheDealsParOutlivesANewTry) {
  LessonProgress progress;
  MarkPar(progress, "02_minor_openings/3", 90);
  EXPECT_TRUE(progress.empty()) << "par of a hand never tried";
  MarkAuction(progress, "02_minor_openings/3", true);
  MarkPlay(progress, "02_minor_openings/3", false, -50);
  MarkPar(progress, "02_minor_openings/3", 90);
  MarkAuction(progress, "02_minor_openings/3", false);
  EXPECT_EQ(progress["02_minor_openings/3"].Par, 90);
}

TEST(LessonProgressTest, TheNextHandToTryFollowsPackAndHandOrder) {
  std::vector<LessonPack> packs(2);
  packs[0].Name = "01_a";
  packs[0].Hands.resize(2);
  packs[1].Name = "02_b";
  packs[1].Hands.resize(1);
  LessonProgress progress;
  EXPECT_EQ(NextUntriedHand(packs, progress), (PackHand{0, 1}));
  // A hand tried out of order is passed over, one before it is not.
  MarkAuction(progress, PackHandKey("01_a", 2), false);
  EXPECT_EQ(NextUntriedHand(packs, progress), (PackHand{0, 1}));
  MarkAuction(progress, PackHandKey("01_a", 1), true);
  EXPECT_EQ(NextUntriedHand(packs, progress), (PackHand{1, 1}));
  MarkAuction(progress, PackHandKey("02_b", 1), true);
  EXPECT_EQ(NextUntriedHand(packs, progress), std::nullopt);
}

TEST(LessonProgressTest, TheFileIsReadWrittenAndAFailedWriteKeepsTheOld) {
  TemporaryFolder folder;
  const std::string file = folder.File(std::string(LessonProgressFileName));
  // No file yet: nothing tried.
  ASSERT_TRUE(ReadLessonProgress(file));
  EXPECT_TRUE(ReadLessonProgress(file)->empty());
  LessonProgress progress;
  MarkAuction(progress, "05_responder_rebids/4", true);
  ASSERT_TRUE(SaveLessonProgress(file, progress));
  EXPECT_EQ(*ReadLessonProgress(file), progress);

  MarkPlay(progress, "05_responder_rebids/4", true, 420);
  // A folder where the new file is first written keeps it from being
  // made, as a folder the learner may not write into would.
  std::filesystem::create_directory(TemporaryFileOf(file));
  const Status refused = SaveLessonProgress(file, progress);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.Error().find(LessonProgressFileName), std::string::npos) << refused.Error();
  EXPECT_EQ(ReadLessonProgress(file)->at("05_responder_rebids/4").Best.Play, PlayMark::NotPlayed);
}

}  // namespace
}  // namespace tavlo
