#include "shopfloor/assembly_map.h"

#include <algorithm>
#include <cmath>

#include "shopfloor/full_size_pages.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

// A whole map in one piece is at most this tall (mm), as a page's first
// third can hold it.
constexpr double kWholeMapHeight = 100;

struct Region {
  double left, top, right, bottom;  // in the sheets' coordinates
};

// Glyphs of the labels (R, C, digits, the hyphen) are at most 0.6 of the
// font size wide; a cell keeps a millimetre clear on either side.
double LabelWidth(std::size_t characters, double font) {
  return 0.6 * font * static_cast<double>(characters);
}

// The curve as the map shows it: no two points nearer than a quarter of a
// millimetre at its scale, so a long ellipse does not swell every piece.
DrawnPolyline Thinned(const DrawnPolyline& polyline, double least) {
  DrawnPolyline thin{polyline.layer, {}};
  for (std::size_t i = 0; i < polyline.points.size(); ++i) {
    const PlanePoint& p = polyline.points[i];
    const bool last = i + 1 == polyline.points.size();
    if (!thin.points.empty() && !last &&
        std::hypot(p.x - thin.points.back().x, p.y - thin.points.back().y) < least) {
      continue;
    }
    thin.points.push_back(p);
  }
  return thin;
}

// One piece of the map: the region of the sheets' plane at `scale` mm of
// map per mm, with the arch and the printed sheets inside it.
std::string Piece(const PartDrawing& drawing, const SheetPlan& plan, const Region& region,
                  double scale, double font, const std::string& caption) {
  const double user = 1 / scale;  // one millimetre of the map in the plane's units
  const double w = region.right - region.left, h = region.bottom - region.top;
  std::string html = "<div class=\"keep map-piece\">\n";
  if (!caption.empty()) html += "<p class=\"note\">" + caption + "</p>\n";
  html += "<svg class=\"assembly\" width=\"" + SvgNumber(w * scale) + "mm\" height=\"" +
          SvgNumber(h * scale) + "mm\" viewBox=\"" + SvgNumber(region.left) + " " +
          SvgNumber(region.top) + " " + SvgNumber(w) + " " + SvgNumber(h) + "\">\n";
  const std::string stroke = "stroke=\"#000\" stroke-width=\"" + SvgNumber(0.4 * user) + "\"";
  for (const DrawnArc& arc : drawing.arcs) html += SvgArc(arc, plan.frame, stroke);
  for (const DrawnPolyline& polyline : drawing.polylines) {
    html += SvgPolyline(Thinned(polyline, 0.25 * user), plan.frame, stroke);
  }
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    if (sheet.left + sheet.width <= region.left || sheet.left >= region.right ||
        sheet.top + sheet.height <= region.top || sheet.top >= region.bottom) {
      continue;
    }
    html += "<rect x=\"" + SvgNumber(sheet.left) + "\" y=\"" + SvgNumber(sheet.top) +
            "\" width=\"" + SvgNumber(sheet.width) + "\" height=\"" + SvgNumber(sheet.height) +
            "\" fill=\"#06c\" fill-opacity=\"0.06\" stroke=\"#06c\" stroke-width=\"" +
            SvgNumber(0.2 * user) + "\"/>\n";
    // In the middle of the part of the sheet this piece shows.
    const double top = std::max(sheet.top, region.top);
    const double bottom = std::min(sheet.top + sheet.height, region.bottom);
    html += "<text x=\"" + SvgNumber(sheet.left + sheet.width / 2) + "\" y=\"" +
            SvgNumber((top + bottom) / 2 + font * user / 3) + "\" font-size=\"" +
            SvgNumber(font * user) + "\" text-anchor=\"middle\" fill=\"#06c\">" +
            SheetLabel(sheet) + "</text>\n";
  }
  return html + "</svg>\n</div>\n";
}

}  // namespace

std::vector<std::string> AssemblyMap(const PartDrawing& drawing, const SheetPlan& plan,
                                     double width, double height) {
  const TileGrid& grid = plan.grid;
  if (plan.printed.empty()) return {};
  std::size_t longest = 0;
  Region whole{0, 0, grid.left(grid.columns - 1) + grid.window_width, 0};
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    longest = std::max(longest, SheetLabel(sheet).size());
    whole.bottom = std::max(whole.bottom, sheet.top + sheet.height);
  }
  if (!plan.paper.roll) whole.bottom = grid.top(grid.rows - 1) + grid.window_height;
  // The font a cell of the given width on the map holds; a cell is always
  // taller than its label (a roll's strip may be shorter, but its label has
  // no neighbour above or below to run into).
  const auto font_for = [&](double scale) {
    return std::min(kMapLargestFontMm, (grid.window_width * scale - 2) / LabelWidth(longest, 1));
  };
  const double fitting =
      std::min(width / whole.right, std::min(height, kWholeMapHeight) / whole.bottom);
  if (font_for(fitting) >= kMapReadableFontMm) {
    return {Piece(drawing, plan, whole, fitting, font_for(fitting), "")};
  }
  // Cells just wide enough for readable labels, as many whole columns and
  // rows to a piece as its width and height allow.
  const double scale = (LabelWidth(longest, kMapReadableFontMm) + 2) / grid.window_width;
  const double across = grid.window_width - kTileOverlapMm;
  const int columns =
      std::max(1, static_cast<int>((width / scale - grid.window_width) / across) + 1);
  const double down = grid.window_height - kTileOverlapMm;
  const int rows =
      plan.paper.roll
          ? 1
          : std::max(1, static_cast<int>((height / scale - grid.window_height) / down) + 1);
  std::vector<std::string> pieces;
  for (int c0 = 0; c0 < grid.columns; c0 += columns) {
    const int c1 = std::min(grid.columns, c0 + columns) - 1;
    for (int r0 = 0; r0 < grid.rows; r0 += rows) {
      const int r1 = std::min(grid.rows, r0 + rows) - 1;
      // The printed sheets of this block, and the rows they need.
      Region region{grid.left(c0), 0, grid.left(c1) + grid.window_width, 0};
      bool any = false;
      int first_row = r1, last_row = r0;
      for (const SheetPlan::Sheet& sheet : plan.printed) {
        if (sheet.column < c0 || sheet.column > c1 || sheet.row < r0 || sheet.row > r1) continue;
        region.top = any ? std::min(region.top, sheet.top) : sheet.top;
        region.bottom = std::max(region.bottom, sheet.top + sheet.height);
        first_row = std::min(first_row, sheet.row);
        last_row = std::max(last_row, sheet.row);
        any = true;
      }
      if (!any) continue;
      std::string caption = "第 " + std::to_string(c0 + 1) + "–" + std::to_string(c1 + 1) + " 列";
      if (!plan.paper.roll) {
        caption +=
            ",第 " + std::to_string(first_row + 1) + "–" + std::to_string(last_row + 1) + " 行";
      }
      pieces.push_back(Piece(drawing, plan, region, scale, kMapReadableFontMm, caption));
    }
  }
  return pieces;
}

}  // namespace segcalc
