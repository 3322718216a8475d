#include "common/running_marker.h"

#include <QDir>
#include <QFileInfo>

namespace tavlo {

RunningMarker::RunningMarker(const QString& userFolder) {
  const QFileInfo folder(userFolder);
  const QDir place = folder.isDir() && folder.isWritable() ? QDir(userFolder) : QDir::temp();
  lock_ = std::make_unique<QLockFile>(place.filePath(RunningMarkerName));
  // Only a lock whose process is gone is stale: a copy that has been running
  // for hours still holds its marker.
  lock_->setStaleLockTime(0);
  held_ = lock_->tryLock(0);
}

RunningMarker::~RunningMarker() {
  if (held_) lock_->unlock();
}

}  // namespace tavlo
