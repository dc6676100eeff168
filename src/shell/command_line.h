#pragma once

#include <optional>
#include <ostream>

namespace quorvane {

// The two questions the program answers on its command line, before it
// needs a display: --version prints "Quorvane Sinuvar <version>", --help a
// short usage naming the settings file. Either gives the status to end the
// program with (0); with neither it gives nothing, and every other argument
// is ignored, as the game takes none of its own (Qt's standard options,
// -platform and the like, are Qt's business).
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out);

}  // namespace quorvane
