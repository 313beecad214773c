#pragma once

#include "calc/number_text.h"
#include "cli/shop_options.h"
#include "geometry/arc_part.h"
#include "geometry/checked.h"

namespace segcalc {

// What each option is called where the user typed it: segcalc-cli's options,
// or the web page's fields.
struct PartOptionNames {
  const char* ordinates = "--ordinates";
  const char* profile = "--profile";
  const char* face = "--face";
  const char* neutral = "--neutral";
  const char* tails = "--tails";
  const char* trim = "--trim";
  const char* pieces = "--pieces";
  const char* max_deviation = "--max-deviation";
  const char* max_panel = "--max-panel";
  const char* stations = "--stations";
};

// The shop options read into what the geometry is asked to work out. Single
// numbers are read like the chord and height, in the user's locale; lists
// (--tails, --stations) with the full stop. A value that cannot be read is a
// usage error, refused here under the option's name; whether the values fit
// the arc is the geometry's to say.
Checked<PartRequest> ReadPartRequest(const ShopOptions& shop, const NumberSeparators& separators,
                                     const PartOptionNames& names = {});

}  // namespace segcalc
