// Saving a new hand file must leave the process's umask alone: setting it,
// even for a moment, would let a file that another thread creates meanwhile
// be made without a mask. This program counts every call of umask.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

#include "handfile/big_ini_file.h"
#include "temporary_folder.h"

namespace {
std::atomic<int> umaskCalls{0};
}

extern "C" mode_t umask(mode_t mask) noexcept {
  ++umaskCalls;
  return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace tavlo {
namespace {

// The umask as the kernel reports it, read without setting it.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word && word != "Umask:") {
  }
  unsigned mask = 0;
  status >> std::oct >> mask;
  return static_cast<mode_t>(mask);
}

TEST(FileMode, CountingIsInForce) {
  const int before = umaskCalls;
  ::umask(CurrentUmask());
  EXPECT_EQ(umaskCalls, before + 1);
}

TEST(FileMode, ANewFileTakesTheUmaskWithoutTouchingIt) {
  TemporaryFolder folder;
  const int before = umaskCalls;
  for (const char* name : {"first.ini", "second.ini"}) {
    TBigIniFile store(folder.File(name));
    store.WriteString("1", "Dealer", "S");
    ASSERT_EQ(store.UpdateFile().Error(), "");
    const auto mode = std::filesystem::status(folder.File(name)).permissions();
    EXPECT_EQ(static_cast<mode_t>(mode), 0666 & ~CurrentUmask()) << name;
  }
  EXPECT_EQ(umaskCalls, before);
}

}  // namespace
}  // namespace tavlo
