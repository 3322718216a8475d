#include "model/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tavlo {

namespace {

Reason WriteError(const std::string& fileName, int error) {
  return {"Could not write the file \"" + fileName + "\": " + std::strerror(error) + "."};
}

// Writes all of bytes to fd, however many calls that takes, in pieces of
// the size the files were always written in.
bool WriteAll(int fd, std::string_view bytes) {
  constexpr std::size_t Piece = 28672;
  while (!bytes.empty()) {
    const auto written = ::write(fd, bytes.data(), std::min(bytes.size(), Piece));
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The user's umask, read while the program starts. Reading it means setting
// it and setting it back; done later, a file another thread creates in
// between would get no mask at all.
const mode_t StartUmask = [] {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}();

// The mode a new file gets: the old file's, or what the user's umask allows.
mode_t ModeForReplacement(const std::string& fileName) {
  struct stat old {};
  if (::stat(fileName.c_str(), &old) == 0) return old.st_mode & 07777;
  return 0666 & ~StartUmask;
}

}  // namespace

std::string TemporaryFileOf(const std::string& fileName) { return fileName + ".tmp"; }

Status ReplaceFile(const std::string& fileName, std::string_view bytes) {
  const std::string temporary = TemporaryFileOf(fileName);
  // A temporary left by a save cut short goes first; creating the new one
  // exclusively never writes through whatever else stands under its name.
  RemoveInterruptedSave(fileName);
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return WriteError(fileName, errno);
  int error = 0;
  if (::fchmod(fd, ModeForReplacement(fileName)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0)
    error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), fileName.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return WriteError(fileName, error);
  }
  return {};
}

void RemoveInterruptedSave(const std::string& fileName) {
  ::unlink(TemporaryFileOf(fileName).c_str());
}

}  // namespace tavlo
