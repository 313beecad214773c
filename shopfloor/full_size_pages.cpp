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

// Where a sheet's window lies, in the sheets' coordinates (mm, y down).
struct Window {
  double left, top, width, height;
};

Window WindowOf(const SheetPlan::Sheet& sheet) {
  return {sheet.left, sheet.top, sheet.width, sheet.height};
}

bool Neighbours(const SheetPlan::Sheet& a, const SheetPlan::Sheet& b) {
  return (a.row == b.row && b.column == a.column + 1) ||
         (a.column == b.column && b.row == a.row + 1);
}

// The seams: where neighbouring windows overlap, with a mark in the middle of
// the overlap of each two printed neighbours (the part of it within the
// drawing), which both sheets show in the same place.
std::string Seams(const SheetPlan& plan) {
  const TileGrid& grid = plan.grid;
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
  }
  for (int r = 0; r + 1 < grid.rows; ++r) {
    const double y = grid.top(r + 1);
    svg += line(0, y, grid.width, y) + line(0, y + kTileOverlapMm, grid.width, y + kTileOverlapMm);
  }
  // Printed sheets come row by row: a neighbour follows within one row's worth.
  const std::vector<SheetPlan::Sheet>& sheets = plan.printed;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    for (std::size_t j = i + 1; j < sheets.size() && sheets[j].row <= sheets[i].row + 1; ++j) {
      const SheetPlan::Sheet& a = sheets[i];
      const SheetPlan::Sheet& b = sheets[j];
      if (!Neighbours(a, b)) continue;
      const double left = std::max(a.left, b.left);
      const double right = std::min({a.left + a.width, b.left + b.width, grid.width});
      const double top = std::max(a.top, b.top);
      const double bottom = std::min({a.top + a.height, b.top + b.height, grid.height});
      if (right >= left && bottom >= top) {
        svg += AlignmentMark((left + right) / 2, (top + bottom) / 2);
      }
    }
  }
  return svg;
}

// A label at 1:1, running along its line from `start`: up the page beside a
// vertical line (its baseline a millimetre left of it), left to right under a
// level one (its top a millimetre below it).
constexpr double kLabelSize = 2.5;
constexpr double kInset = 1;  // labels keep this far from a sheet's edge

struct PlacedLabel {
  const LineLabel* label;
  bool vertical;
  double across;  // the baseline: a page x for a vertical label, a page y for a level one
  double start;   // where the text begins: a page y (its lowest) or x (its leftmost)
  double length;
  double Left() const { return vertical ? across - 0.9 * kLabelSize : start; }
  double Right() const { return vertical ? across + 0.3 * kLabelSize : start + length; }
  double Top() const { return vertical ? start - length : across - 0.9 * kLabelSize; }
  double Bottom() const { return vertical ? start : across + 0.3 * kLabelSize; }
};

// Glyphs of these labels (digits, signs, x, y, blanks) are at most 0.6 of
// the font size wide.
double LabelLength(const std::string& text) {
  return 0.6 * kLabelSize * static_cast<double>(text.size());
}

bool Holds(const Window& w, const PlacedLabel& p) {
  return p.Left() >= w.left + kInset && p.Right() <= w.left + w.width - kInset &&
         p.Top() >= w.top + kInset && p.Bottom() <= w.top + w.height - kInset;
}

// Halfway along its line where that fits on a printed sheet, else as near to
// it as fits on one: no label is left cut by the edges of every sheet.
PlacedLabel Place(const LineLabel& label, const SheetPlan& plan) {
  const SvgFrame& f = plan.frame;
  const bool vertical = label.Vertical();
  const double length = LabelLength(label.text);
  PlacedLabel best{&label, vertical, 0, 0, length};
  double wanted = 0;
  if (vertical) {
    best.across = f.X(label.from.x) - 1;
    wanted = (f.Y(label.from.y) + f.Y(label.to.y)) / 2 + length / 2;
  } else {
    best.across = f.Y(label.from.y) + 1 + 0.9 * kLabelSize;
    wanted = (f.X(label.from.x) + f.X(label.to.x)) / 2 - length / 2;
  }
  best.start = wanted;
  double best_shift = std::numeric_limits<double>::infinity();
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    const Window w = WindowOf(sheet);
    // The range of starts that keeps the text inside the window along its run.
    const double lowest = vertical ? w.top + kInset + length : w.left + kInset;
    const double highest =
        vertical ? w.top + w.height - kInset : w.left + w.width - kInset - length;
    if (lowest > highest) continue;
    PlacedLabel candidate = best;
    candidate.start = std::clamp(wanted, lowest, highest);
    if (!Holds(w, candidate)) continue;
    const double shift = std::fabs(candidate.start - wanted);
    if (shift < best_shift) best = candidate, best_shift = shift;
  }
  return best;
}

std::string LabelSvg(const PlacedLabel& p) {
  const std::string head = "<text font-size=\"" + SvgNumber(kLabelSize) + "\" fill=\"#333\" ";
  if (!p.vertical) {
    return head + "x=\"" + SvgNumber(p.start) + "\" y=\"" + SvgNumber(p.across) + "\">" +
           EscapeXml(p.label->text) + "</text>\n";
  }
  return head + "transform=\"translate(" + SvgNumber(p.across) + " " + SvgNumber(p.start) +
         ") rotate(-90)\">" + EscapeXml(p.label->text) + "</text>\n";
}

// A division's number, centred on its point.
struct PlacedNumber {
  const PointLabel* label;
  double x, y;  // the centre, on the page
  double HalfWidth() const { return 0.3 * kLabelSize * static_cast<double>(label->text.size()); }
};

bool Holds(const Window& w, const PlacedNumber& n) {
  return n.x - n.HalfWidth() >= w.left + kInset &&
         n.x + n.HalfWidth() <= w.left + w.width - kInset &&
         n.y - kLabelSize / 2 >= w.top + kInset &&
         n.y + kLabelSize / 2 <= w.top + w.height - kInset;
}

std::string NumberSvg(const PlacedNumber& n) {
  return "<text font-size=\"" + SvgNumber(kLabelSize) +
         "\" fill=\"#c00\" text-anchor=\"middle\" x=\"" + SvgNumber(n.x) + "\" y=\"" +
         SvgNumber(n.y + kLabelSize / 3) + "\">" + EscapeXml(n.label->text) + "</text>\n";
}

// A roll's strips are pages of their own lengths, each a named page.
std::string StripPages(const SheetPlan& plan) {
  if (!plan.paper.roll) return {};
  std::string css = "<style>\n";
  for (const SheetPlan::Sheet& sheet : plan.printed) {
    const double length = sheet.height + kSheetHeadMm + kSheetSpareMm + 2 * kPageMarginMm;
    css += "@page strip-" + std::to_string(sheet.column + 1) +
           " { size: " + PlainNumber(plan.paper.width, 2) + "mm " + PlainNumber(length, 2) +
           "mm; }\n";
  }
  return css + "</style>\n";
}

std::string SectionStart(const SheetPlan& plan, const SheetPlan::Sheet& sheet) {
  if (!plan.paper.roll) return "<section class=\"sheet\">\n";
  return "<section class=\"sheet\" style=\"page: strip-" + std::to_string(sheet.column + 1) +
         "; height: " + PlainNumber(sheet.height + kSheetHeadMm, 2) + "mm\">\n";
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
  out << StripPages(plan)
      << "<svg class=\"defs\" width=\"0\" height=\"0\" aria-hidden=\"true\"><defs>\n"
         "<pattern id=\"grid\" width=\"10\" height=\"10\" patternUnits=\"userSpaceOnUse\">"
         "<path d=\"M 10 0 L 0 0 0 10\" fill=\"none\" stroke=\"#ccc\" stroke-width=\"0.1\"/>"
         "</pattern>\n<g id=\"fullsize\">\n<rect x=\"0\" y=\"0\" width=\""
      << SvgNumber(grid.width) << "\" height=\"" << SvgNumber(grid.height)
      << "\" fill=\"url(#grid)\"/>\n"
      << DrawingSvg(drawing, plan.frame, 2 * plan.frame.scale) << Seams(plan)
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
    const Window w = WindowOf(sheet);
    out << SectionStart(plan, sheet) << "<div class=\"sheet-head\">\n<div class=\"tile-label\">"
        << "拼接页 第 " << sheet.row + 1 << " 行 · 第 " << sheet.column + 1 << " 列 <b>"
        << SheetLabel(sheet) << "</b>(共 " << grid.rows << " 行 × " << grid.columns << " 列中的 "
        << count << " 张,第 " << i + 1 << " 张)</div>\n"
        << check_bar << "<div class=\"hint\">蓝条打印后应量得 100 mm,否则打印比例不对。相邻页重叠 "
        << PlainNumber(kTileOverlapMm, 2) << " mm,对准十字标记后粘贴。</div>\n</div>\n"
        << "<svg class=\"tile\" width=\"" << SvgNumber(w.width) << "mm\" height=\""
        << SvgNumber(w.height) << "mm\" viewBox=\"" << SvgNumber(w.left) << " " << SvgNumber(w.top)
        << " " << SvgNumber(w.width) << " " << SvgNumber(w.height)
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

}  // namespace segcalc
