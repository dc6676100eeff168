#include "pad/wake_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvane {

int OpenWakeDescriptor(const char* path) {
  if (!path || std::strncmp(path, "/dev/", 5) != 0) return -1;
  const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return -1;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISCHR(status.st_mode)) {
    ::close(descriptor);
    return -1;
  }
  return descriptor;
}

int DrainWakeDescriptor(int descriptor) {
  if (descriptor < 0) return -1;
  char buffer[4096];
  for (int reads = 0; reads < 64; ++reads) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got > 0 || (got < 0 && errno == EINTR)) continue;
    if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return descriptor;
    break;  // gone (ENODEV), or an end no device node gives
  }
  ::close(descriptor);
  return -1;
}

}  // namespace quorvane
