#pragma once

#include <string>

namespace quorvane {

// The name offered for a new hi score: the user's full name as the system
// records it (the first field of the account's comment), or "" if none.
std::string RegisteredOwnerName();

}  // namespace quorvane
