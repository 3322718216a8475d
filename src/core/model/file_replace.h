#pragma once
// Writing the files the user keeps (the hand file, the options file) so that
// a crash, a kill or a power cut in the middle of a save never leaves half a
// file: the new content goes to a temporary file beside the old one, reaches
// the disk, and only then is renamed over it.

#include <string>
#include <string_view>

#include "model/result.h"

namespace tavlo {

// The temporary file a save of fileName writes first.
std::string TemporaryFileOf(const std::string& fileName);

// Replaces the file whole with bytes, keeping the old file's permissions (a
// new file takes the user's umask). A failure names the file; the old file is
// then untouched and no temporary file is left.
Status ReplaceFile(const std::string& fileName, std::string_view bytes);

// Removes the temporary file of a save that was cut short. Until the rename
// the old file is the whole truth, so what the temporary holds is never
// needed; left in place it would only pile up beside the user's files.
void RemoveInterruptedSave(const std::string& fileName);

}  // namespace tavlo
