#pragma once

namespace segcalc {

// segcalc-cli's exit statuses, as its usage text and the README list them.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;       // a warning, an error or an invalid batch line
inline constexpr int kExitUsage = 2;        // a usage error or a file that cannot be read
inline constexpr int kExitWriteFailed = 3;  // results or files that could not be written

}  // namespace segcalc
