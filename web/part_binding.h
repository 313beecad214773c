#pragma once

#include <emscripten/val.h>

#include <string>

#include "calc/number_text.h"

namespace segcalc {

// 精确与放样 for the page's script: the exact circle or the named head, the
// ordinates and the part's sections; the report and the drawing of the same
// job; the fields the option table gives the page.
emscripten::val ExactPart(const emscripten::val& job, const NumberSeparators& separators);
std::string PartReport(const emscripten::val& job, const NumberSeparators& separators);
std::string PartDxf(const emscripten::val& job, const NumberSeparators& separators);
emscripten::val ShopFields();

}  // namespace segcalc
