#include "shopfloor/full_size_pages.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "shopfloor/plain_number.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

std::string AlignmentMark(double x, double y) {
  return "<g fill=\"none\" stroke=\"#000\" stroke-width=\"0.2\"><circle cx=\"" + SvgNumber(x) +
         "\" cy=\"" + SvgNumber(y) + "\" r=\"3\"/><line x1=\"" + SvgNumber(x - 4) + "\" y1=\"" +
         SvgNumber(y) + "\" x2=\"" + SvgNumber(x + 4) + "\" y2=\"" + SvgNumber(y) +
         "\"/><line x1=\"" + SvgNumber(x) + "\" y1=\"" + SvgNumber(y - 4) + "\" x2=\"" +
         SvgNumber(x) + "\" y2=\"" + SvgNumber(y + 4) + "\"/></g>\n";
}

// The middle of the part of a window that holds drawing: the last window in
// a row or column is usually only partly filled.
double Middle(double start, double window, double drawing_end) {
  return start + std::min(window, drawing_end - start) / 2;
}

// The seams: where neighbouring windows overlap, with a mark in the middle of
// each overlap that both sheets show in the same place.
std::string Seams(const TileGrid& grid) {
  std::string svg;
  // Styles are attributes, not classes: the sheets show this through <use>.
  const char* edge = "stroke=\"#f60\" stroke-width=\"0.2\" stroke-dasharray=\"2 2\"";
  const auto line = [&](double x1, double y1, double x2, double y2) {
    return "<line x1=\"" + SvgNumber(x1) + "\" y1=\"" + SvgNumber(y1) + "\" x2=\"" + SvgNumber(x2) +
           "\" y2=\"" + SvgNumber(y2) + "\" " + edge + "/>\n";
  };
  for (int c = 0; c + 1 < grid.columns; ++c) {
    const double x = grid.left(c + 1);
    svg +=
        line(x, 0, x, grid.height) + line(x + kTileOverlapMm, 0, x + kTileOverlapMm, grid.height);
    for (int r = 0; r < grid.rows; ++r) {
      svg += AlignmentMark(x + kTileOverlapMm / 2, Middle(grid.top(r), kTileHeightMm, grid.height));
    }
  }
  for (int r = 0; r + 1 < grid.rows; ++r) {
    const double y = grid.top(r + 1);
    svg += line(0, y, grid.width, y) + line(0, y + kTileOverlapMm, grid.width, y + kTileOverlapMm);
    for (int c = 0; c < grid.columns; ++c) {
      svg += AlignmentMark(Middle(grid.left(c), kTileWidthMm, grid.width), y + kTileOverlapMm / 2);
    }
  }
  return svg;
}

// A label at 1:1: the text runs up the page, its baseline a millimetre left
// of its line, from `start` (the page y of its first character) upwards.
constexpr double kLabelSize = 2.5;
constexpr double kInset = 1;  // labels keep this far from a sheet's edge

struct PlacedLabel {
  const LineLabel* label;
  double x;      // of the baseline, on the page
  double start;  // page y where the text begins
  double length;
  double Left() const { return x - 0.9 * kLabelSize; }
  double Right() const { return x + 0.3 * kLabelSize; }
};

// Glyphs of these labels (digits, signs, x, y, blanks) are at most 0.6 of
// the font size wide.
double LabelLength(const std::string& text) {
  return 0.6 * kLabelSize * static_cast<double>(text.size());
}

struct Window {
  double left, top;
};

Window WindowOf(const TileGrid& grid, const SheetPlan::Sheet& sheet) {
  return {grid.left(sheet.column), grid.top(sheet.row)};
}

bool Holds(const Window& w, const PlacedLabel& p) {
  return p.Left() >= w.left + kInset && p.Right() <= w.left + kTileWidthMm - kInset &&
         p.start - p.length >= w.top + kInset && p.start <= w.top + kTileHeightMm - kInset;
}

// Halfway up its line where that fits on a printed sheet, else as near to it
// as fits on one: no label is left cut by the edges of every sheet.
PlacedLabel Place(const LineLabel& label, const SheetPlan& plan) {
  const double x = plan.frame.X(label.x) - 1;
  const double length = LabelLength(label.text);
  const double wanted = (plan.frame.Y(label.bottom) + plan.frame.Y(label.top)) / 2 + length / 2;
  PlacedLabel best{&label, x, wanted, length};
  double best_shift = std::numeric_limits<double>::infinity();
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    const Window w = WindowOf(plan.grid, sheet);
    const double lowest = w.top + kTileHeightMm - kInset;
    const double highest = w.top + kInset + length;
    if (highest > lowest) continue;
    PlacedLabel candidate{&label, x, std::clamp(wanted, highest, lowest), length};
    if (!Holds(w, candidate)) continue;
    const double shift = std::fabs(candidate.start - wanted);
    if (shift < best_shift) best = candidate, best_shift = shift;
  }
  return best;
}

// A division's number, centred on its point.
struct PlacedNumber {
  const PointLabel* label;
  double x, y;  // the centre, on the page
  double HalfWidth() const { return 0.3 * kLabelSize * static_cast<double>(label->text.size()); }
};

bool Holds(const Window& w, const PlacedNumber& n) {
  return n.x - n.HalfWidth() >= w.left + kInset &&
         n.x + n.HalfWidth() <= w.left + kTileWidthMm - kInset &&
         n.y - kLabelSize / 2 >= w.top + kInset &&
         n.y + kLabelSize / 2 <= w.top + kTileHeightMm - kInset;
}

std::string NumberSvg(const PlacedNumber& n) {
  return "<text font-size=\"" + SvgNumber(kLabelSize) +
         "\" fill=\"#c00\" text-anchor=\"middle\" x=\"" + SvgNumber(n.x) + "\" y=\"" +
         SvgNumber(n.y + kLabelSize / 3) + "\">" + EscapeXml(n.label->text) + "</text>\n";
}

std::string LabelSvg(const PlacedLabel& p) {
  return "<text font-size=\"" + SvgNumber(kLabelSize) + "\" fill=\"#333\" transform=\"translate(" +
         SvgNumber(p.x) + " " + SvgNumber(p.start) + ") rotate(-90)\">" + EscapeXml(p.label->text) +
         "</text>\n";
}

}  // namespace

std::string SheetLabel(const SheetPlan::Sheet& sheet) {
  std::string label = "R";
  label += std::to_string(sheet.row + 1);
  label += "-C";
  label += std::to_string(sheet.column + 1);
  return label;
}

// Browsers size an SVG box in fractions of a CSS pixel, which a length in mm
// never is exactly; with the aspect ratio kept, the rounded height of a flat
// box would set the scale and shrink the bar by 0.04 %. Each axis is scaled on
// its own instead.
std::string CheckBarSvg() {
  std::string svg =
      "<svg class=\"check-bar\" width=\"104mm\" height=\"10mm\" viewBox=\"-2 0 104 10\"\n"
      "preserveAspectRatio=\"none\">\n"
      "<rect x=\"0\" y=\"0\" width=\"100\" height=\"3\" fill=\"#0000ff\"/>\n";
  for (int mm = 0; mm <= 100; mm += 10) {
    const double length = mm % 50 == 0 ? 3 : 1.5;
    svg += "<line x1=\"" + std::to_string(mm) + "\" y1=\"3.5\" x2=\"" + std::to_string(mm) +
           "\" y2=\"" + SvgNumber(3.5 + length) + "\" stroke=\"#000\" stroke-width=\"0.2\"/>\n";
  }
  svg += "<text x=\"50\" y=\"9.5\" font-size=\"3\" text-anchor=\"middle\">100 mm</text>\n";
  svg += "</svg>\n";
  return svg;
}

void WriteFullSizePages(std::ostream& out, const PartDrawing& drawing, const SheetPlan& plan) {
  const TileGrid& grid = plan.grid;
  // The drawing and the grid pattern live in one hidden SVG; each sheet only
  // points at them, so a report of many sheets stays small.
  out << "<svg class=\"defs\" width=\"0\" height=\"0\" aria-hidden=\"true\"><defs>\n"
         "<pattern id=\"grid\" width=\"10\" height=\"10\" patternUnits=\"userSpaceOnUse\">"
         "<path d=\"M 10 0 L 0 0 0 10\" fill=\"none\" stroke=\"#ccc\" stroke-width=\"0.1\"/>"
         "</pattern>\n<g id=\"fullsize\">\n<rect x=\"0\" y=\"0\" width=\""
      << SvgNumber(grid.width) << "\" height=\"" << SvgNumber(grid.height)
      << "\" fill=\"url(#grid)\"/>\n"
      << DrawingSvg(drawing, plan.frame, 2 * plan.frame.scale) << Seams(grid)
      << "</g>\n</defs></svg>\n";
  std::vector<PlacedLabel> labels;
  for (const LineLabel& label : drawing.labels) labels.push_back(Place(label, plan));
  // Short and within the margins: each stands whole on a sheet, the sheets
  // overlapping by more than any of them is wide.
  std::vector<PlacedNumber> numbers;
  for (const PointLabel& number : drawing.numbers) {
    numbers.push_back({&number, plan.frame.X(number.x), plan.frame.Y(number.y)});
  }

  const std::string check_bar = CheckBarSvg();
  const std::size_t count = plan.printed.size();
  for (std::size_t i = 0; i < count; ++i) {
    const SheetPlan::Sheet& sheet = plan.printed[i];
    const Window w = WindowOf(grid, sheet);
    out << "<section class=\"sheet\">\n<div class=\"sheet-head\">\n<div class=\"tile-label\">"
        << "拼接页 第 " << sheet.row + 1 << " 行 · 第 " << sheet.column + 1 << " 列 <b>"
        << SheetLabel(sheet) << "</b>(共 " << grid.rows << " 行 × " << grid.columns << " 列中的 "
        << count << " 张,第 " << i + 1 << " 张)</div>\n"
        << check_bar << "<div class=\"hint\">蓝条打印后应量得 100 mm,否则打印比例不对。相邻页重叠 "
        << PlainNumber(kTileOverlapMm, 2) << " mm,对准十字标记后粘贴。</div>\n</div>\n"
        << "<svg class=\"tile\" width=\"" << SvgNumber(kTileWidthMm) << "mm\" height=\""
        << SvgNumber(kTileHeightMm) << "mm\" viewBox=\"" << SvgNumber(w.left) << " "
        << SvgNumber(w.top) << " " << SvgNumber(kTileWidthMm) << " " << SvgNumber(kTileHeightMm)
        << "\" preserveAspectRatio=\"none\"><use href=\"#fullsize\"/>\n";
    for (const PlacedLabel& label : labels) {
      if (Holds(w, label)) out << LabelSvg(label);
    }
    for (const PlacedNumber& number : numbers) {
      if (Holds(w, number)) out << NumberSvg(number);
    }
    out << "</svg>\n</section>\n";
  }
}

std::string AssemblyMapSvg(const PartDrawing& drawing, const SheetPlan& plan) {
  const TileGrid& grid = plan.grid;
  constexpr double kWidth = 180, kMostHeight = 100;
  // The windows reach past the drawing on the last row and column.
  const double across = grid.left(grid.columns - 1) + kTileWidthMm;
  const double down = grid.top(grid.rows - 1) + kTileHeightMm;
  const double scale = std::min(kWidth / across, kMostHeight / down);
  const double height = down * scale;
  // The sheets' frame, scaled into the map.
  const SvgFrame frame{scale, plan.frame.offset_x * scale, plan.frame.offset_y * scale};
  std::string svg = "<svg class=\"assembly\" width=\"" + SvgNumber(kWidth) + "mm\" height=\"" +
                    SvgNumber(height) + "mm\" viewBox=\"0 0 " + SvgNumber(kWidth) + " " +
                    SvgNumber(height) + "\">\n";
  svg += "<g stroke-width=\"0.4\">";
  for (const DrawnArc& arc : drawing.arcs) svg += SvgArc(arc, frame, "stroke=\"#000\"");
  for (const DrawnPolyline& polyline : drawing.polylines) {
    svg += SvgPolyline(polyline, frame, "stroke=\"#000\"");
  }
  svg += "</g>\n";
  const double cell_w = kTileWidthMm * scale, cell_h = kTileHeightMm * scale;
  const double font = std::min(3.0, std::min(cell_w / 4, cell_h / 2));
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    const double x = grid.left(sheet.column) * scale, y = grid.top(sheet.row) * scale;
    svg += "<rect x=\"" + SvgNumber(x) + "\" y=\"" + SvgNumber(y) + "\" width=\"" +
           SvgNumber(cell_w) + "\" height=\"" + SvgNumber(cell_h) +
           "\" fill=\"#06c\" fill-opacity=\"0.06\" stroke=\"#06c\" stroke-width=\"0.2\"/>\n";
    svg += "<text x=\"" + SvgNumber(x + cell_w / 2) + "\" y=\"" +
           SvgNumber(y + cell_h / 2 + font / 3) + "\" font-size=\"" + SvgNumber(font) +
           "\" text-anchor=\"middle\" fill=\"#06c\">" + SheetLabel(sheet) + "</text>\n";
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace segcalc
