#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "geometry/checked.h"

namespace segcalc {

// Numbers typed into an option (a station list, the tails, a piece count) are
// read with the full stop as the decimal point whatever the locale, because
// the comma separates the items of a list. Full-width digits, stops and commas
// are taken as their ASCII forms; blanks around a number are allowed.

// Beyond this magnitude a length is a slip of the keyboard, and the sums and
// counts made from it would lose every digit.
inline constexpr double kMaxOptionNumber = 1e15;

// No option list has more items than a layout table has rows.
inline constexpr std::size_t kMaxOptionListItems = 20'001;

// One number, finite and at most kMaxOptionNumber in magnitude.
Checked<double> ReadOptionNumber(std::string_view text);

// Numbers separated by commas: "300,450.5,450.5". An empty item, or more items
// than max_items, is refused before any number is read.
Checked<std::vector<double>> ReadOptionList(std::string_view text,
                                            std::size_t max_items = kMaxOptionListItems);

// The straight lengths left at the two ends of a bent piece: "A,B", or one
// length for both ends. Neither may be negative.
struct Tails {
  double a = 0.0;
  double b = 0.0;
};
Checked<Tails> ReadTails(std::string_view text);

}  // namespace segcalc
