#include "cli/plan_options.h"

#include "geometry/option_numbers.h"
#include "shopfloor/output_format.h"

namespace segcalc {
namespace {

using S = ShopOptions;

// A piece on the saw sheet shows this many of its marks or lines at most.
constexpr std::size_t kMarksOnAPiece = 3;

}  // namespace

Checked<barplan::PlanRequest> ReadPlanOptions(const ShopOptions& shop,
                                              const NumberSeparators& separators,
                                              OptionVoice voice) {
  barplan::PlanRequest request;
  request.places = LengthPlaces(shop.unit);
  const auto name = [voice](std::optional<std::string> ShopOptions::*member) {
    return OptionName(RowOf(member), voice);
  };
  if (shop.bars) {
    const Checked<std::vector<double>> bars = ReadOptionList(*shop.bars, barplan::kMaxStockLengths);
    if (!bars.ok()) return Refused(name(&S::bars) + ": " + bars.error);
    request.bar_lengths = *bars.value;
  }
  if (shop.bar_ends) {
    const Checked<std::vector<double>> ends = ReadOptionList(*shop.bar_ends, 2);
    if (!ends.ok()) return Refused(name(&S::bar_ends) + ": " + ends.error);
    request.end_a = ends.value->front();
    request.end_b = ends.value->back();
  }
  for (const auto& [member, target] :
       {std::pair{&S::kerf, &request.kerf}, std::pair{&S::min_offcut, &request.min_offcut}}) {
    if (!(shop.*member)) continue;
    const NumberReading reading = StrictNumber(*(shop.*member), separators);
    if (!reading.ok()) return Refused(name(member) + " 的值不是有效的数字");
    *target = reading.value;
  }
  if (request.bar_lengths.empty() && !shop.stock_file) {
    return Refused("下料优化需要原料长度(" + name(&S::bars) + ")或库存的料");
  }
  return Accepted(std::move(request));
}

std::vector<barplan::PieceLine> PiecesOf(const CuttingSheet& sheet) {
  // Identical parts are one piece to the saw, however many lines list them.
  std::vector<barplan::PieceLine> pieces;
  for (const SheetGroup& group : TotalsOf(sheet).groups) {
    const std::string marks = GroupMarks(group, kMarksOnAPiece);
    pieces.push_back({*group.first->cut_length, group.quantity,
                      marks.empty() ? GroupLines(group, kMarksOnAPiece) : marks,
                      static_cast<std::size_t>(group.lines.front())});
  }
  return pieces;
}

}  // namespace segcalc
