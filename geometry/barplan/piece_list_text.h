#pragma once

#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "geometry/barplan/plan_request.h"
#include "geometry/checked.h"

namespace segcalc::barplan {

// The plain lists the bar plan reads, as a spreadsheet saves them as text:
// one row a line, fields separated by tabs. A first row whose first field has
// no digit is a header and is skipped; so are empty lines. A UTF-8
// byte-order mark, CR before LF, blanks around a field and empty fields at
// the end of a row are allowed. The full stop is always a decimal point, and
// so is the user's own decimal separator; thousands separators are not read.
// A bad row is refused with its line number.

// Pieces: `length<TAB>quantity[<TAB>mark]`. The quantity is a whole number
// of at least 1; the mark, if any, is kept as written.
Checked<std::vector<PieceLine>> ReadPieceList(std::string_view text,
                                              const NumberSeparators& separators);

// The rack: `length<TAB>count`, a whole count of at least 0.
Checked<std::vector<RackLine>> ReadRackList(std::string_view text,
                                            const NumberSeparators& separators);

}  // namespace segcalc::barplan
