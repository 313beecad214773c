#include "geometry/barplan/plan_request.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "calc/number_text.h"

namespace segcalc::barplan {
namespace {

// Every power of ten up to 1e6 is a double exactly.
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// Marks are printed on every bar of the saw sheet: a mark longer than this is
// a pasted paragraph, not a mark.
constexpr std::size_t kMaxMarkBytes = 200;

const NumberSeparators kPlain{".", ""};

std::string Number(double value) {
  return FormatNumber(value, kPlain);
}

// The length on the grid, or nothing when it is not a finite length of at
// most kMaxGridLength steps. Rounded to the nearest step: what the user typed
// to `places` decimals lands on its own step exactly.
std::optional<std::int64_t> ToGrid(double value, int places) {
  if (!std::isfinite(value) || value < 0) return std::nullopt;
  const double scaled = std::nearbyint(value * kPowersOfTen[places]);
  if (!(scaled <= static_cast<double>(kMaxGridLength))) return std::nullopt;
  return static_cast<std::int64_t>(scaled);
}

std::string Where(std::size_t line, std::size_t index) {
  if (line > 0) return "第 " + std::to_string(line) + " 行";
  return "第 " + std::to_string(index + 1) + " 项零件";
}

std::string TooLong(const BarInstance& instance) {
  return "太长,应不超过 " + Number(instance.Length(kMaxGridLength));
}

// A length field that may be 0 (kerf, ends, minimum offcut).
Checked<std::int64_t> RuleLength(double value, int places, const char* name) {
  if (std::isnan(value) || value < 0) {
    return Refused(std::string(name) + "应为不小于 0 的数");
  }
  const std::optional<std::int64_t> grid = ToGrid(value, places);
  if (!grid) return Refused(std::string(name) + "太大");
  return Accepted(*grid);
}

// A length that must be more than 0 on the grid: a piece, a bar.
std::string PositiveLengthProblem(double value, const std::optional<std::int64_t>& grid,
                                  const BarInstance& instance) {
  if (std::isnan(value) || value <= 0) return "长度应为大于 0 的数";
  if (!grid) return "长度" + TooLong(instance);
  if (*grid == 0) return "长度不足 " + Number(instance.Length(1));
  return {};
}

Checked<std::vector<PieceType>> GroupPieces(const std::vector<PieceLine>& pieces,
                                            const BarInstance& instance) {
  if (pieces.empty()) return Refused("没有要切的零件");
  // By length, longest first; the lines of one length in the order they came.
  std::map<std::int64_t, PieceType, std::greater<>> by_length;
  long long total = 0;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const PieceLine& piece = pieces[i];
    const std::string where = Where(piece.line, i);
    const std::optional<std::int64_t> grid = ToGrid(piece.length, instance.places);
    if (const std::string problem = PositiveLengthProblem(piece.length, grid, instance);
        !problem.empty()) {
      return Refused(where + ":" + problem);
    }
    if (piece.quantity < 1) return Refused(where + ":数量应为正整数");
    if (piece.quantity > kMaxPieces - total) {
      return Refused(where + ":零件太多,一次最多切 " + std::to_string(kMaxPieces) + " 根");
    }
    if (piece.mark.size() > kMaxMarkBytes) {
      return Refused(where + ":标记太长,最多 " + std::to_string(kMaxMarkBytes) + " 字节");
    }
    total += piece.quantity;
    PieceType& type = by_length[*grid];
    if (type.marks.empty()) {
      type.length = *grid;
      type.first_line = piece.line;
    }
    if (by_length.size() > kMaxPieceLengths) {
      return Refused("不同长度的零件太多,最多 " + std::to_string(kMaxPieceLengths) + " 种");
    }
    type.demand += piece.quantity;
    if (!type.marks.empty() && type.marks.back().mark == piece.mark) {
      type.marks.back().count += piece.quantity;
    } else {
      type.marks.push_back({piece.mark, piece.quantity, piece.line});
    }
  }
  std::vector<PieceType> types;
  types.reserve(by_length.size());
  for (auto& entry : by_length) types.push_back(std::move(entry.second));
  return Accepted(std::move(types));
}

Checked<std::vector<StockKind>> GroupStock(const PlanRequest& request,
                                           const BarInstance& instance) {
  if (request.bar_lengths.size() > kMaxStockLengths) {
    return Refused("原料长度太多,最多 " + std::to_string(kMaxStockLengths) + " 种");
  }
  const std::int64_t ends = instance.end_a + instance.end_b;
  std::map<std::int64_t, StockKind> bought;
  for (std::size_t i = 0; i < request.bar_lengths.size(); ++i) {
    const double length = request.bar_lengths[i];
    const std::optional<std::int64_t> grid = ToGrid(length, instance.places);
    const std::string where = "原料长度第 " + std::to_string(i + 1) + " 项:";
    if (const std::string problem = PositiveLengthProblem(length, grid, instance);
        !problem.empty()) {
      return Refused(where + problem);
    }
    if (*grid <= ends) {
      return Refused(where + Number(instance.Length(*grid)) + " 不够切去两端的端头");
    }
    bought[*grid] = {*grid, *grid - ends, 0, false};
  }
  std::map<std::int64_t, StockKind> rack;
  long long bars = 0;
  for (std::size_t i = 0; i < request.rack.size(); ++i) {
    const RackLine& line = request.rack[i];
    const std::string where =
        "库存" + (line.line > 0 ? Where(line.line, i) : "第 " + std::to_string(i + 1) + " 项") +
        ":";
    const std::optional<std::int64_t> grid = ToGrid(line.length, instance.places);
    if (const std::string problem = PositiveLengthProblem(line.length, grid, instance);
        !problem.empty()) {
      return Refused(where + problem);
    }
    if (line.count < 0) return Refused(where + "根数应为不小于 0 的整数");
    if (line.count > kMaxRackBars - bars) {
      return Refused(where + "库存料太多,最多 " + std::to_string(kMaxRackBars) + " 根");
    }
    bars += line.count;
    // A bar too short for its two ends holds nothing: it stays on the rack.
    if (line.count == 0 || *grid <= ends) continue;
    StockKind& kind = rack[*grid];
    kind = {*grid, *grid - ends, kind.available + line.count, true};
    if (rack.size() > kMaxRackLengths) {
      return Refused("库存料的长度太多,最多 " + std::to_string(kMaxRackLengths) + " 种");
    }
  }
  if (bought.empty() && rack.empty()) return Refused("未给出原料长度,库存也没有可用的料");
  std::vector<StockKind> stock;
  for (const auto& entry : bought) stock.push_back(entry.second);
  for (const auto& entry : rack) stock.push_back(entry.second);
  return Accepted(std::move(stock));
}

}  // namespace

double BarInstance::Length(std::int64_t grid) const {
  return static_cast<double>(grid) / kPowersOfTen[places];
}

std::int64_t BarInstance::TotalPieces() const {
  std::int64_t total = 0;
  for (const PieceType& type : types) total += type.demand;
  return total;
}

Checked<BarInstance> PrepareInstance(const PlanRequest& request) {
  BarInstance instance;
  if (request.places < 0 || request.places > kMaxPlaces) {
    return Refused("长度的小数位数应在 0 到 " + std::to_string(kMaxPlaces) + " 之间");
  }
  instance.places = request.places;
  const struct {
    double value;
    const char* name;
    std::int64_t* grid;
  } rules[] = {{request.kerf, "锯缝", &instance.kerf},
               {request.end_a, "端头", &instance.end_a},
               {request.end_b, "端头", &instance.end_b},
               {request.min_offcut, "余料最短长度", &instance.min_offcut}};
  for (const auto& rule : rules) {
    const Checked<std::int64_t> grid = RuleLength(rule.value, instance.places, rule.name);
    if (!grid.ok()) return Refused(grid.error);
    *rule.grid = *grid.value;
  }
  Checked<std::vector<StockKind>> stock = GroupStock(request, instance);
  if (!stock.ok()) return Refused(stock.error);
  instance.stock = std::move(*stock.value);
  Checked<std::vector<PieceType>> types = GroupPieces(request.pieces, instance);
  if (!types.ok()) return Refused(types.error);
  instance.types = std::move(*types.value);

  std::int64_t widest = 0;
  for (const StockKind& kind : instance.stock) widest = std::max(widest, kind.capacity);
  // The longest piece decides: it is the first type.
  const PieceType& longest = instance.types.front();
  if (longest.length + instance.kerf > widest) {
    const std::string where =
        longest.first_line > 0 ? Where(longest.first_line, 0) : std::string("最长的零件");
    return Refused(where + ":零件长 " + Number(instance.Length(longest.length)) + ",加锯缝 " +
                   Number(instance.Length(instance.kerf)) + " 后比任何原料去掉两端端头后的长度 " +
                   Number(instance.Length(widest)) + " 都长");
  }
  return Accepted(std::move(instance));
}

}  // namespace segcalc::barplan
