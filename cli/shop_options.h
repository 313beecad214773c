#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shopfloor/length_unit.h"

namespace segcalc {

// The shop-floor outputs beside the calculator's results: exact values, the
// ordinate table, the printable report and the drawing.
struct ShopOptions {
  bool exact = false;
  std::optional<std::string> ordinate_step;  // as typed; read like the chord and height
  std::optional<std::string> report_file;
  std::optional<std::string> dxf_file;
  std::optional<std::string> radius;  // with radius or angle the calculator's
  std::optional<std::string> angle;   // scan does not run, only the exact solve
  LengthUnit unit = LengthUnit::Millimetre;
  std::optional<std::string> dxf_dir;  // batch: one drawing per solved line

  bool GivesRadiusOrAngle() const { return radius || angle; }
  bool WantsSingleOutput() const {
    return exact || ordinate_step || report_file || dxf_file || GivesRadiusOrAngle();
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

// Which shop options go with a batch and which with a single compute; empty
// when the combination is fine.
std::string CheckShopOptions(const ShopOptions& shop, bool batch);

extern const char* const kShopUsageText;

}  // namespace segcalc
