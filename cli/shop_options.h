#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shopfloor/length_unit.h"

namespace segcalc {

// The shop-floor outputs beside the calculator's results: exact values, the
// ordinate table, the printable report and the drawing, and what the shop
// makes from the arc. Values are kept as typed and read when used.
struct ShopOptions {
  bool exact = false;
  std::optional<std::string> ordinate_step;  // read like the chord and height
  std::optional<std::string> report_file;
  std::optional<std::string> dxf_file;
  std::optional<std::string> radius;  // with radius or angle the calculator's
  std::optional<std::string> angle;   // scan does not run, only the exact solve
  LengthUnit unit = LengthUnit::Millimetre;
  std::optional<std::string> dxf_dir;  // batch: one drawing per line with a circle

  // A profile bent to the arc.
  std::optional<std::string> profile_depth;
  std::optional<std::string> face;  // inner, centre or outer: which one was measured
  std::optional<std::string> neutral;
  std::optional<std::string> tails;  // A[,B], an option list
  std::optional<std::string> trim;
  // The arc in equal pieces: by count, or the least count for a deviation or
  // a panel width. At most one.
  std::optional<std::string> pieces;
  std::optional<std::string> max_deviation;
  std::optional<std::string> max_panel;
  std::optional<std::string> stations;  // from-end:STEP, divide:N or list:a,b,c
  bool area = false;
  std::optional<std::string> fit_file;  // measured points of a bent piece
  std::optional<std::string> target;    // the radius the piece should have

  bool GivesRadiusOrAngle() const { return radius || angle; }
  bool AsksForPart() const {
    return profile_depth || pieces || max_deviation || max_panel || stations || area;
  }
  bool WantsSingleOutput() const {
    return exact || ordinate_step || report_file || dxf_file || GivesRadiusOrAngle() ||
           AsksForPart();
  }
};

struct ShopOptionParse {
  bool taken = false;  // the argument was one of the shop options
  std::string error;   // why it was refused
};

// Takes args[i] (name, with any '=value' already split off) when it is a shop
// option, consuming its value from inline_value or args[i + 1].
ShopOptionParse ParseShopOption(std::string_view name, std::optional<std::string_view> inline_value,
                                const std::vector<std::string_view>& args, std::size_t& i,
                                ShopOptions& shop);

// Which shop options go with a batch and which with a single compute, and
// which need one another; empty when the combination is fine.
std::string CheckShopOptions(const ShopOptions& shop, bool batch);

extern const char* const kShopUsageText;

}  // namespace segcalc
