#pragma once

#include <string>

namespace segcalc {

// Why the window cannot be shown here, or empty when it can: Qt aborts the
// process when no platform can start, so this is checked first.
std::string MissingDisplayReason(const char* qpa_platform, const char* display,
                                 const char* wayland_display);

}  // namespace segcalc
