// The learner's marks on the lesson packs' hands: they read back as they
// were written, a damaged file says where, a new try starts clean, and the
// next hand to try follows pack and hand order.

#include "handfile/lesson_progress.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "temporary_folder.h"

namespace tavlo {
namespace {

TEST(LessonProgressTest, MarksReadBackAsWritten) {
  const LessonProgress progress{
      {"01_major_raises/1",
       {.CleanAuction = true, .Play = PlayMark::Made, .Score = 110, .Par = 110}},
      {"01_major_raises/2",
       {.CleanAuction = false, .Play = PlayMark::Down, .Score = -100, .Par = 140}},
      {"03_notrump/6", {.CleanAuction = true}},
      {"12_play_notrump/2", {.CleanAuction = false, .Play = PlayMark::Made, .Score = 400}},
  };
  const std::string text = WriteLessonProgress(progress);
  const Result<LessonProgress> read = ParseLessonProgress(text);
  ASSERT_TRUE(read) << read.Error();
  EXPECT_EQ(*read, progress);
  EXPECT_EQ(
      text.substr(text.find('\n') + 1, text.find('\n', text.find('\n') + 1) - text.find('\n')),
      "01_major_raises/1\tclean\tmade\t110\t110\n");
  // No marks at all is a file of its first line.
  EXPECT_EQ(ParseLessonProgress(WriteLessonProgress({}))->size(), 0u);
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
  };
  for (const auto& [text, why] : cases) {
    const Result<LessonProgress> read = ParseLessonProgress(text);
    ASSERT_FALSE(read) << text;
    EXPECT_EQ(read.Error(), why) << text;
  }
}

TEST(LessonProgressTest, ANewTryOfAHandForgetsTheLastPlay) {
  LessonProgress progress;
  MarkAuction(progress, "02_minor_openings/3", true);
  MarkPlay(progress, "02_minor_openings/3", false, -50, 90);
  EXPECT_EQ(progress["02_minor_openings/3"],
            (HandMarks{.CleanAuction = true, .Play = PlayMark::Down, .Score = -50, .Par = 90}));
  MarkAuction(progress, "02_minor_openings/3", false);
  EXPECT_EQ(progress["02_minor_openings/3"], HandMarks{.CleanAuction = false});
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

  MarkPlay(progress, "05_responder_rebids/4", true, 420, 420);
  ::chmod(folder.Path().c_str(), 0500);
  const Status refused = SaveLessonProgress(file, progress);
  ::chmod(folder.Path().c_str(), 0700);
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into a read-only folder";
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.Error().find(LessonProgressFileName), std::string::npos) << refused.Error();
  EXPECT_EQ(ReadLessonProgress(file)->at("05_responder_rebids/4").Play, PlayMark::NotPlayed);
}

}  // namespace
}  // namespace tavlo
