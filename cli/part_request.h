#pragma once

#include <string>

#include "calc/number_text.h"
#include "cli/shop_option_table.h"
#include "geometry/arc_part.h"
#include "geometry/arch_shapes.h"
#include "geometry/checked.h"
#include "shopfloor/sheet_paper.h"

namespace segcalc {

// The shop options read into what the geometry is asked to work out. Single
// numbers are read like the chord and height, in the user's locale; lists
// (--tails, --legs, --stations) with the full stop. A value that cannot be
// read is a usage error, refused here under the option's name (as the voice
// names it); whether the values fit the arch is the geometry's to say.
Checked<PartRequest> ReadPartRequest(const ShopOptions& shop, const NumberSeparators& separators,
                                     OptionVoice voice = OptionVoice::Cli);

// The head the shop options name (--shape), its span and rise given as
// --span and --rise or as the chord and height; absent without --shape.
struct HeadTexts {
  std::string span;  // the chord's text when --span is not given
  std::string rise;  // the height's
};
Checked<HeadRequest> ReadHeadRequest(const ShopOptions& shop, const HeadTexts& texts,
                                     const NumberSeparators& separators,
                                     OptionVoice voice = OptionVoice::Cli);

// How the report prints its full-size sheets (--paper, --full-lines); a
// paper that is none of those named is refused under the option's name.
Checked<SheetSetup> ReadSheetSetup(const ShopOptions& shop, OptionVoice voice = OptionVoice::Cli);

// The face words: inner, centre (center), outer, 内侧, 中心线, 外侧.
std::optional<ProfileFace> FaceOf(std::string_view text);

}  // namespace segcalc
