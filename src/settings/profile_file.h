#pragma once

#include <cstddef>
#include <filesystem>

#include "settings/profile_text.h"

namespace quorvane {

// Room for the settings keys at their longest, as a save may add them: the
// texts at the longest a read gives, the numbers, names, quotes, line ends
// and section headers (the settings store checks that they fit).
inline constexpr size_t kProfileRoomForOurKeys = 64 * 1024;

// A settings file is a few hundred bytes; anything larger than this is not
// ours. It is not read, so that a huge file cannot stall the start, and it is
// not replaced, so that it is not destroyed. A file grown by hand to 4 MiB
// is still read and saved, whatever keys the save adds to it; and no save
// writes a file larger than this, which the next start would refuse.
inline constexpr size_t kMaxProfileFileSize = 4 * 1024 * 1024 + kProfileRoomForOurKeys;

// The settings file on disk, read whole on construction and written back
// whole. Nothing stays open in between.
class ProfileFile {
 public:
  // A missing file reads as empty. So does anything we may not replace: a
  // file we cannot read, one larger than kMaxProfileFileSize, or something
  // that is not a regular file (a folder, a named pipe, a device). Opening
  // never blocks and reads nothing but a regular file.
  explicit ProfileFile(std::filesystem::path path);

  ProfileText& Text() { return text_; }
  const ProfileText& Text() const { return text_; }

  // Replaces the file by the text in one atomic step: a temporary file in
  // the same folder, flushed to the disk and renamed over the file, so that
  // a crash leaves the old file or the new one, never a mix. The file is
  // written only into a folder of the player's (the effective user's) that
  // nobody else may write to; a symbolic link is followed, even to a file
  // not made yet, only when it is the player's own, and only a file of the
  // player's is replaced. Missing folders are made, for the player alone;
  // the new file takes the old one's mode. Temporary files left by saves
  // that were killed (their process is gone) are removed. False, with the
  // file as it was and no temporary file left, when the file was not
  // readable as described above, has no write permission for anyone (this
  // holds for root too), lies anywhere else, cannot be written, or the text
  // is larger than kMaxProfileFileSize.
  bool Save() const;

 private:
  std::filesystem::path path_;
  ProfileText text_;
  bool mayReplace_ = true;
};

}  // namespace quorvane
