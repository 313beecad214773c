#pragma once

#include <string>
#include <vector>

#include "calc/compute_request.h"
#include "calc/number_text.h"

namespace segcalc::testing {

// The chord lengths the hostile texts are computed against: as the arc length
// (read leniently) with the start-up chord, and as the chord height (read
// strictly) with a chord of 10, where a height of 0.01 solves.
inline constexpr const char* kChordWithArc = "2067.63";
inline constexpr const char* kChordWithHeight = "10";

// A text a user can type or paste, and what each reading and each compute of
// it gives under the full-stop locale.
struct HostileText {
  std::string name;
  std::string text;
  NumberReading lenient;
  NumberReading strict;
  OutcomeKind as_arc;     // Compute({text, kChordWithArc, ""}, ticked)
  OutcomeKind as_height;  // Compute({"", kChordWithHeight, text}, ticked)
};

const std::vector<HostileText>& HostileTexts();

inline const NumberSeparators kFullStopLocale{".", ","};

}  // namespace segcalc::testing
