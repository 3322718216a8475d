#pragma once
// The marker that refuses a second running copy of the program. It is a lock
// file named "PROGRAM_RUNNING" in the user folder (or the temporary folder
// when that cannot be written). The lock names the process that
// holds it, so a copy that crashed leaves a stale lock that the next start
// takes over instead of locking the user out.

#include <QLockFile>
#include <QString>
#include <memory>

namespace tavlo {

inline constexpr char RunningMarkerName[] = "PROGRAM_RUNNING";
inline constexpr char AlreadyRunningMessage[] = "You have the program running all ready!!";

class RunningMarker {
 public:
  // Takes the marker in userFolder. Check Held() before going on.
  explicit RunningMarker(const QString& userFolder);
  RunningMarker(const RunningMarker&) = delete;
  RunningMarker& operator=(const RunningMarker&) = delete;
  // Removes the marker.
  ~RunningMarker();

  bool Held() const { return held_; }
  QString Path() const { return lock_->fileName(); }

 private:
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
};

}  // namespace tavlo
