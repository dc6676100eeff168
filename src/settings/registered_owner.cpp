#include "settings/registered_owner.h"

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace quorvane {

std::string RegisteredOwnerName() {
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(static_cast<size_t>(size > 0 ? size : 16384));
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_gecos) return {};
  std::string name = found->pw_gecos;
  // The comment may go on with office and telephone fields after commas.
  name = name.substr(0, name.find(','));
  return name;
}

}  // namespace quorvane
