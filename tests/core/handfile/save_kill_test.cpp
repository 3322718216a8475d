// Sudden death while saving: a child process saves a hand to the hand file
// and the options to the options file in a loop, through the program's own
// writers, and is killed with SIGKILL after a random number of microseconds,
// again and again. After every kill the next start opens both files: each
// holds the content of the last save that finished, or of one after it,
// never a torn mix, and no temporary file of a save is left beside them.
//
// The number of kills is TAVLO_KILLS (200 unless set):
//   TAVLO_KILLS=1000 ctest --test-dir build-core -R SaveKill --output-on-failure

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>

#include "handfile/hand_record.h"
#include "options/options_file.h"
#include "temporary_folder.h"

namespace tavlo {
namespace {

constexpr const char* HandFile = "Saved Hands.INI";
constexpr const char* SavedSection = "11";
constexpr const char* FirstHands = "first.ini";

int KillCount() {
  const char* text = std::getenv("TAVLO_KILLS");
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 200;
}

std::string SaveName(int n) { return "save " + std::to_string(n); }

// One save of the loop: the hand saved last is replaced by hand n, and the
// player's name becomes the name of save n. Every save leaves a file that
// depends on n alone.
void Save(TBigIniFile& store, OptionsRecord& options, const std::string& optionsFile, int n) {
  store.EraseSection(SavedSection);
  const HandRecord hand = ReadHandRecord(store, "1");
  const PlayedHand played{ContractBidCode(4, Hearts), 1, "", -200};
  if (!SaveHand(store, hand, played, SaveName(n))) std::_Exit(1);
  options.PlayerName = SaveName(n);
  if (!SaveOptions(options, optionsFile)) std::_Exit(1);
}

// The save number a file's content names, -1 for the content before any save.
int SaveNumber(const std::string& text) {
  if (!text.starts_with("save ")) return -1;
  return std::atoi(text.c_str() + 5);
}

class SaveKillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string lessons = std::string(TAVLO_SOURCE_DIR) + "/resources/program/" + HandFile;
    std::filesystem::copy_file(lessons, folder.File(HandFile));
    std::filesystem::copy_file(lessons, reference.File(FirstHands));
    OptionsRecord options;
    ASSERT_TRUE(SetDefaults(options, OptionsFile()));
    firstHands = folder.Read(HandFile);
    firstOptions = folder.Read(OptionsFileName);
    ASSERT_EQ(firstOptions.size(), OptionsRecordSize);
  }

  std::string OptionsFile() const { return folder.File(OptionsFileName); }
  OptionsImage FirstOptions() const {
    OptionsImage image{};
    std::copy(firstOptions.begin(), firstOptions.end(), image.begin());
    return image;
  }
  static std::string Bytes(const OptionsImage& image) {
    return {reinterpret_cast<const char*>(image.data()), image.size()};
  }

  // The hand file as save n writes it, made by the same writer in a folder of
  // its own.
  const std::string& HandsAfterSave(int n) {
    if (const auto known = handsAfterSave.find(n); known != handsAfterSave.end())
      return known->second;
    std::filesystem::copy_file(reference.File(FirstHands), reference.File(HandFile),
                               std::filesystem::copy_options::overwrite_existing);
    {
      TINI store(reference.File(HandFile));
      OptionsRecord options;
      EXPECT_TRUE(LoadOptions(options, reference.File(OptionsFileName)));
      Save(store, options, reference.File(OptionsFileName), n);
    }
    return handsAfterSave[n] = reference.Read(HandFile);
  }

  TemporaryFolder folder, reference;
  std::string firstHands, firstOptions;
  std::map<int, std::string> handsAfterSave;
};

TEST_F(SaveKillTest, EveryKillLeavesTheOldOrTheNewContentAndNoTemporaryFile) {
  const unsigned seed = std::random_device{}();
  std::mt19937 random(seed);
  SCOPED_TRACE("random seed " + std::to_string(seed));
  // Kills land anywhere in the time of the child's first save or two: a
  // save, measured here, takes far longer on a loaded machine or under a
  // sanitizer.
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < 3; ++n) HandsAfterSave(n);
  const auto save = std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::steady_clock::now() - start) /
                    3;
  std::uniform_int_distribution<long> delay(0, std::max<long>(1000, 2 * save.count()));

  const int kills = KillCount();
  int lastHands = -1, lastOptions = -1, cutShort = 0;
  for (int kill = 0; kill < kills; ++kill) {
    const int next = std::max(lastHands, lastOptions) + 1;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(ready[0]);
      TINI store(folder.File(HandFile));
      OptionsRecord options;
      if (!LoadOptions(options, OptionsFile())) std::_Exit(1);
      // Started: the files are open and the saves begin.
      if (::write(ready[1], "s", 1) != 1) std::_Exit(1);
      for (int n = next;; ++n) Save(store, options, OptionsFile(), n);
    }
    ::close(ready[1]);
    char started = 0;
    ASSERT_EQ(::read(ready[0], &started, 1), 1) << "the saving child did not start";
    ::close(ready[0]);
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself, status " << status;

    const auto files = [&] {
      return std::distance(std::filesystem::directory_iterator(folder.Path()), {});
    };
    if (files() > 2) ++cutShort;

    // The next start.
    const std::string hands = folder.Read(HandFile);
    const std::string optionsBytes = folder.Read(OptionsFileName);
    TINI store(folder.File(HandFile));
    ASSERT_TRUE(store.Loaded()) << store.Loaded().Error();
    OptionsRecord options;
    const Status optionsRead = LoadOptions(options, OptionsFile());
    ASSERT_TRUE(optionsRead) << optionsRead.Error() << " after kill " << kill;
    ASSERT_EQ(files(), 2) << "a temporary file is left after kill " << kill;

    const int handsSave = SaveNumber(store.ReadString(SavedSection, "Comment", ""));
    ASSERT_GE(handsSave, lastHands) << "the hand file went back after kill " << kill;
    ASSERT_EQ(hands, handsSave < 0 ? firstHands : HandsAfterSave(handsSave))
        << "the hand file is torn after kill " << kill;
    const int optionsSave = SaveNumber(options.PlayerName);
    ASSERT_GE(optionsSave, lastOptions) << "the options file went back after kill " << kill;
    OptionsRecord expected = DecodeOptions(FirstOptions());
    if (optionsSave >= 0) expected.PlayerName = SaveName(optionsSave);
    ASSERT_EQ(optionsBytes, Bytes(EncodeOptions(expected)))
        << "the options file is torn after kill " << kill;
    // Each save writes the hand, then the options.
    ASSERT_LE(optionsSave, handsSave) << "after kill " << kill;
    lastHands = handsSave;
    lastOptions = optionsSave;
  }
  std::cout << kills << " kills up to " << delay.max() << " us after the start, " << cutShort
            << " in the middle of a save, " << lastHands + 1 << " saves finished\n";
  EXPECT_GT(lastHands, 0) << "no save ever finished: the kills came too early to test anything";
}

}  // namespace
}  // namespace tavlo
