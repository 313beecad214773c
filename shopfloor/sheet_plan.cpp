#include <algorithm>
#include <cmath>

#include "shopfloor/full_size_pages.h"

namespace segcalc {
namespace {

// Windows whose span along one axis meets [from, to]: window k spans
// [k * stride, k * stride + window].
std::pair<int, int> WindowsMeeting(double from, double to, double window, int count) {
  const double stride = window - kTileOverlapMm;
  const double first = std::ceil((from - window) / stride);
  const double last = std::floor(to / stride);
  return {static_cast<int>(std::clamp(first, 0.0, count - 1.0)),
          static_cast<int>(std::clamp(last, 0.0, count - 1.0))};
}

// A window of the grid in the drawing's own coordinates.
DrawingBox WindowBox(const SheetPlan& plan, int row, int column) {
  const SvgFrame& f = plan.frame;
  const double left = plan.grid.left(column);
  const double top = plan.grid.top(row);
  return {left - f.offset_x, f.offset_y - (top + kTileHeightMm), left + kTileWidthMm - f.offset_x,
          f.offset_y - top};
}

// Marks the windows a part of the drawing with the given bounding box meets.
template <typename Meets>
void MarkWindows(const SheetPlan& plan, const DrawingBox& bounds, std::vector<char>& marked,
                 Meets meets) {
  const SvgFrame& f = plan.frame;
  const auto [first_column, last_column] =
      WindowsMeeting(f.X(bounds.min_x), f.X(bounds.max_x), kTileWidthMm, plan.grid.columns);
  const auto [first_row, last_row] =
      WindowsMeeting(f.Y(bounds.max_y), f.Y(bounds.min_y), kTileHeightMm, plan.grid.rows);
  for (int r = first_row; r <= last_row; ++r) {
    for (int c = first_column; c <= last_column; ++c) {
      char& mark = marked[static_cast<std::size_t>(r) * plan.grid.columns + c];
      if (!mark && meets(WindowBox(plan, r, c))) mark = 1;
    }
  }
}

}  // namespace

SheetPlan PlanSheets(const PartDrawing& drawing) {
  SheetPlan plan;
  const DrawingBox& extent = drawing.extent;
  plan.grid = LayOutTiles(extent.max_x - extent.min_x + 2 * kDrawingMarginMm,
                          extent.max_y - extent.min_y + 2 * kDrawingMarginMm);
  plan.frame = {1, kDrawingMarginMm - extent.min_x, kDrawingMarginMm + extent.max_y};
  if (plan.grid.count() > kMaxWindowsExamined) return plan;
  plan.examined = true;

  std::vector<char> marked(static_cast<std::size_t>(plan.grid.count()), 0);
  for (const DrawnLine& line : drawing.lines) {
    PartDrawing one;
    one.lines = {line};
    MarkWindows(plan,
                {std::min(line.x1, line.x2), std::min(line.y1, line.y2), std::max(line.x1, line.x2),
                 std::max(line.y1, line.y2)},
                marked, [&](const DrawingBox& box) { return one.Touches(box); });
  }
  for (const DrawnArc& arc : drawing.arcs) {
    PartDrawing one;
    one.arcs = {arc};
    MarkWindows(plan, extent, marked, [&](const DrawingBox& box) { return one.Touches(box); });
  }
  for (const DrawnPolyline& polyline : drawing.polylines) {
    for (std::size_t i = 1; i < polyline.points.size(); ++i) {
      const PlanePoint& p = polyline.points[i - 1];
      const PlanePoint& q = polyline.points[i];
      PartDrawing one;
      one.lines = {{polyline.layer, p.x, p.y, q.x, q.y}};
      MarkWindows(plan,
                  {std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)},
                  marked, [&](const DrawingBox& box) { return one.Touches(box); });
    }
  }
  for (const PlanePoint& centre : drawing.centres) {
    MarkWindows(plan, {centre.x, centre.y, centre.x, centre.y}, marked,
                [](const DrawingBox&) { return true; });
  }
  for (int r = 0; r < plan.grid.rows; ++r) {
    for (int c = 0; c < plan.grid.columns; ++c) {
      if (marked[static_cast<std::size_t>(r) * plan.grid.columns + c])
        plan.printed.push_back({r, c});
    }
  }
  return plan;
}

}  // namespace segcalc
