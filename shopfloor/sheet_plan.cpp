#include "shopfloor/sheet_plan.h"

#include <algorithm>
#include <cmath>

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
DrawingBox WindowBox(const TileGrid& grid, const SvgFrame& f, int row, int column) {
  const double left = grid.left(column);
  const double top = grid.top(row);
  return {left - f.offset_x, f.offset_y - (top + grid.window_height),
          left + grid.window_width - f.offset_x, f.offset_y - top};
}

DrawingBox BoundsOf(const DrawnLine& line) {
  return {std::min(line.x1, line.x2), std::min(line.y1, line.y2), std::max(line.x1, line.x2),
          std::max(line.y1, line.y2)};
}

// The windows of the grid, row by row, each marked when it shows something
// worth printing.
class Marks {
 public:
  Marks(const TileGrid& grid, const SvgFrame& frame)
      : grid_(grid), frame_(frame), marked_(static_cast<std::size_t>(grid.count()), 0) {}

  // Marks the windows a part of the drawing with the given bounding box meets.
  template <typename Meets>
  void Mark(const DrawingBox& bounds, Meets meets) {
    const auto [first_column, last_column] = WindowsMeeting(
        frame_.X(bounds.min_x), frame_.X(bounds.max_x), grid_.window_width, grid_.columns);
    const auto [first_row, last_row] = WindowsMeeting(
        frame_.Y(bounds.max_y), frame_.Y(bounds.min_y), grid_.window_height, grid_.rows);
    for (int r = first_row; r <= last_row; ++r) {
      for (int c = first_column; c <= last_column; ++c) {
        char& mark = marked_[static_cast<std::size_t>(r) * grid_.columns + c];
        if (!mark && meets(WindowBox(grid_, frame_, r, c))) mark = 1;
      }
    }
  }

  bool operator()(int row, int column) const {
    return marked_[static_cast<std::size_t>(row) * grid_.columns + column] != 0;
  }

 private:
  const TileGrid& grid_;
  const SvgFrame& frame_;
  std::vector<char> marked_;
};

bool IsGuide(DrawingLayer layer) {
  return layer == DrawingLayer::Chord || layer == DrawingLayer::Height ||
         layer == DrawingLayer::Ordinates;
}

void MarkDrawing(const PartDrawing& drawing, Marks& marks) {
  // Ticks are drawn where the arch's sheets show them; a sheet holding only
  // a centre's mark could not be laid beside the others without the lines.
  const bool ticks = drawing.guides == GuideLines::Ticks;
  for (const DrawnLine& line : drawing.lines) {
    if (ticks && IsGuide(line.layer)) continue;
    marks.Mark(BoundsOf(line), [&](const DrawingBox& box) { return Touches(line, box); });
  }
  for (const DrawnArc& arc : drawing.arcs) {
    marks.Mark(drawing.extent, [&](const DrawingBox& box) { return Touches(arc, box); });
  }
  for (const DrawnPolyline& polyline : drawing.polylines) {
    for (std::size_t i = 1; i < polyline.points.size(); ++i) {
      const PlanePoint& p = polyline.points[i - 1];
      const PlanePoint& q = polyline.points[i];
      const DrawnLine piece{polyline.layer, p.x, p.y, q.x, q.y};
      marks.Mark(BoundsOf(piece), [&](const DrawingBox& box) { return Touches(piece, box); });
    }
  }
  if (ticks) return;
  for (const PlanePoint& centre : drawing.centres) {
    marks.Mark({centre.x, centre.y, centre.x, centre.y}, [](const DrawingBox&) { return true; });
  }
}

}  // namespace

SheetPlan PlanSheets(const PartDrawing& drawing, const SheetPaper& paper) {
  SheetPlan plan;
  plan.paper = paper;
  const DrawingBox& extent = drawing.extent;
  const double width = extent.max_x - extent.min_x + 2 * kDrawingMarginMm;
  const double height = extent.max_y - extent.min_y + 2 * kDrawingMarginMm;
  // A roll's strips are found as the windows of short rows that hold
  // something, then joined column by column.
  const TileGrid grid = LayOutTiles(width, height, paper.WindowWidth(),
                                    paper.roll ? kRollStepMm : paper.WindowHeight());
  plan.grid = grid;
  if (paper.roll) {
    plan.grid.rows = 1;
    plan.grid.window_height = height;
  }
  plan.frame = {1, kDrawingMarginMm - extent.min_x, kDrawingMarginMm + extent.max_y};
  if (grid.count() > kMaxWindowsExamined) return plan;
  plan.examined = true;

  Marks marks(grid, plan.frame);
  MarkDrawing(drawing, marks);
  if (!paper.roll) {
    for (int r = 0; r < grid.rows; ++r) {
      for (int c = 0; c < grid.columns; ++c) {
        if (marks(r, c)) {
          plan.printed.push_back(
              {r, c, grid.left(c), grid.top(r), grid.window_width, grid.window_height});
        }
      }
    }
    return plan;
  }
  for (int c = 0; c < grid.columns; ++c) {
    int first = -1, last = -1;
    for (int r = 0; r < grid.rows; ++r) {
      if (!marks(r, c)) continue;
      if (first < 0) first = r;
      last = r;
    }
    if (first < 0) continue;
    const double top = grid.top(first);
    plan.printed.push_back(
        {0, c, grid.left(c), top, grid.window_width, grid.top(last) + kRollStepMm - top});
  }
  return plan;
}

}  // namespace segcalc
