#include "pad/wake_descriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

namespace quorvane {
namespace {

// Only a character device is waited on; anything else leaves the pad polled.
TEST(WakeDescriptor, OnlyACharacterDeviceIsWaitedOn) {
  const std::string file = "/dev/shm/quorvane-pad-" + std::to_string(::getpid());
  ::close(::open(file.c_str(), O_CREAT | O_WRONLY, 0600));
  const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  const std::string outside = "/proc/self/fd/" + std::to_string(null);
  const struct {
    const char* path;
    bool opened;
  } rows[] = {
      {nullptr, false},          // SDL's virtual pads have no node
      {"/dev/null", true},       // a character device
      {file.c_str(), false},     // a plain file under /dev
      {outside.c_str(), false},  // a character device reached from outside /dev
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path ? row.path : "no path");
    const int descriptor = OpenWakeDescriptor(row.path);
    EXPECT_EQ(descriptor >= 0, row.opened);
    if (descriptor >= 0) ::close(descriptor);
  }
  ::unlink(file.c_str());
  ::close(null);
}

// Draining reads what is there and keeps the descriptor; a device that has
// gone is closed, so it cannot wake the game for ever.
TEST(WakeDescriptor, DrainingKeepsALiveDeviceAndClosesAGoneOne) {
  for (const bool gone : {false, true}) {
    SCOPED_TRACE(gone ? "gone" : "live");
    int ends[2];
    ASSERT_EQ(::pipe2(ends, O_NONBLOCK | O_CLOEXEC), 0);
    ASSERT_EQ(::write(ends[1], "reports", 7), 7);
    if (gone) ::close(ends[1]);
    EXPECT_EQ(DrainWakeDescriptor(ends[0]), gone ? -1 : ends[0]);
    char rest;
    EXPECT_EQ(::read(ends[0], &rest, 1), -1) << "neither read empty nor closed";
    if (!gone) ::close(ends[0]), ::close(ends[1]);
  }
}

}  // namespace
}  // namespace quorvane
