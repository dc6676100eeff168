#pragma once

namespace quorvane {

// Who we are, in every window title, message, the About box, the intro and
// the banner: one home for each name and for the version the build sets.
inline constexpr char ProductName[] = "Quorvane Sinuvar";
inline constexpr char StudioName[] = "Tolvenix";
inline constexpr char ProductVersion[] = QUORVANE_VERSION;

}  // namespace quorvane
