#include "shopfloor/full_size_pages.h"

#include <algorithm>
#include <ostream>
#include <string>

#include "shopfloor/arc_geometry.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {
namespace {

// Drawing coordinates of the full-size pages: mm, with the top left corner of
// the drawing (margins included) at 0, 0.
SvgFrame FullSizeFrame(const ArcLayout& arc) {
  return {1, kDrawingMarginMm - arc.min_x, kDrawingMarginMm + arc.height};
}

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
  for (int c = 0; c + 1 < grid.columns; ++c) {
    const double x = grid.left(c + 1);
    svg += "<line x1=\"" + SvgNumber(x) + "\" y1=\"0\" x2=\"" + SvgNumber(x) + "\" y2=\"" +
           SvgNumber(grid.height) + "\" " + edge + "/>\n";
    svg += "<line x1=\"" + SvgNumber(x + kTileOverlapMm) + "\" y1=\"0\" x2=\"" +
           SvgNumber(x + kTileOverlapMm) + "\" y2=\"" + SvgNumber(grid.height) + "\" " + edge +
           "/>\n";
    for (int r = 0; r < grid.rows; ++r) {
      svg += AlignmentMark(x + kTileOverlapMm / 2, Middle(grid.top(r), kTileHeightMm, grid.height));
    }
  }
  for (int r = 0; r + 1 < grid.rows; ++r) {
    const double y = grid.top(r + 1);
    svg += "<line x1=\"0\" y1=\"" + SvgNumber(y) + "\" x2=\"" + SvgNumber(grid.width) + "\" y2=\"" +
           SvgNumber(y) + "\" " + edge + "/>\n";
    svg += "<line x1=\"0\" y1=\"" + SvgNumber(y + kTileOverlapMm) + "\" x2=\"" +
           SvgNumber(grid.width) + "\" y2=\"" + SvgNumber(y + kTileOverlapMm) + "\" " + edge +
           "/>\n";
    for (int c = 0; c < grid.columns; ++c) {
      svg += AlignmentMark(Middle(grid.left(c), kTileWidthMm, grid.width), y + kTileOverlapMm / 2);
    }
  }
  return svg;
}

// Everything drawn at full size, once; every sheet shows it through its own
// window.
std::string FullSizeDrawing(const ExactSegment& segment, const std::vector<Ordinate>& stations,
                            double scale, const NumberSeparators& separators,
                            const TileGrid& grid) {
  const ArcLayout arc = LayOutArc(segment, scale);
  const SvgFrame frame = FullSizeFrame(arc);
  std::string svg = "<g id=\"fullsize\">\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + SvgNumber(grid.width) + "\" height=\"" +
         SvgNumber(grid.height) + "\" fill=\"url(#grid)\"/>\n";
  svg += SvgLine(frame, -arc.half_chord, 0, arc.half_chord, 0,
                 "stroke=\"#06c\" stroke-width=\"0.25\" stroke-dasharray=\"4 2\"");
  for (const Ordinate& station : stations) {
    if (station.y <= 0) continue;
    const double x = station.x * scale;
    const double y = station.y * scale;
    svg += SvgLine(frame, x, 0, x, y, "stroke=\"#555\" stroke-width=\"0.15\"");
    svg += "<text font-size=\"2.5\" fill=\"#333\" transform=\"translate(" +
           SvgNumber(frame.X(x) - 1) + " " + SvgNumber(frame.Y(y / 2)) + ") rotate(-90)\">x " +
           FormatTwoPlaces(station.x, separators) + " / y " +
           FormatTwoPlaces(station.y, separators) + "</text>\n";
  }
  if (arc.beyond_semicircle) {
    svg += "<circle fill=\"#000\" cx=\"" + SvgNumber(frame.X(0)) + "\" cy=\"" +
           SvgNumber(frame.Y(arc.centre_y)) + "\" r=\"2\"/>\n";
  }
  svg += SvgArc(arc, frame, "stroke=\"#000\" stroke-width=\"0.5\"");
  svg += Seams(grid);
  svg += "</g>\n";
  return svg;
}

}  // namespace

TileGrid FullSizeGrid(const ExactSegment& segment, double millimetres_per_unit) {
  const ArcLayout arc = LayOutArc(segment, millimetres_per_unit);
  return LayOutTiles(arc.max_x - arc.min_x + 2 * kDrawingMarginMm,
                     arc.height + 2 * kDrawingMarginMm);
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

void WriteFullSizePages(std::ostream& out, const ExactSegment& segment,
                        const std::vector<Ordinate>& stations, double millimetres_per_unit,
                        const NumberSeparators& separators) {
  const TileGrid grid = FullSizeGrid(segment, millimetres_per_unit);
  // The drawing and the grid pattern live in one hidden SVG; each sheet only
  // points at them, so a report of many sheets stays small.
  out << "<svg class=\"defs\" width=\"0\" height=\"0\" aria-hidden=\"true\"><defs>\n"
         "<pattern id=\"grid\" width=\"10\" height=\"10\" patternUnits=\"userSpaceOnUse\">"
         "<path d=\"M 10 0 L 0 0 0 10\" fill=\"none\" stroke=\"#ccc\" stroke-width=\"0.1\"/>"
         "</pattern>\n"
      << FullSizeDrawing(segment, stations, millimetres_per_unit, separators, grid)
      << "</defs></svg>\n";
  const std::string check_bar = CheckBarSvg();
  int sheet = 0;
  for (int r = 0; r < grid.rows; ++r) {
    for (int c = 0; c < grid.columns; ++c) {
      ++sheet;
      out << "<section class=\"sheet\">\n<div class=\"sheet-head\">\n<div class=\"tile-label\">"
          << "拼接页 第 " << r + 1 << " 行 · 第 " << c + 1 << " 列 <b>R" << r + 1 << "-C" << c + 1
          << "</b>(共 " << grid.rows << " 行 × " << grid.columns << " 列,第 " << sheet << " / "
          << grid.count() << " 张)</div>\n"
          << check_bar
          << "<div class=\"hint\">蓝条打印后应量得 100 mm,否则打印比例不对。"
             "相邻页重叠 10 mm,对准十字标记后粘贴。</div>\n</div>\n"
          << "<svg class=\"tile\" width=\"" << SvgNumber(kTileWidthMm) << "mm\" height=\""
          << SvgNumber(kTileHeightMm) << "mm\" viewBox=\"" << SvgNumber(grid.left(c)) << " "
          << SvgNumber(grid.top(r)) << " " << SvgNumber(kTileWidthMm) << " "
          << SvgNumber(kTileHeightMm)
          << "\" preserveAspectRatio=\"none\"><use href=\"#fullsize\"/></svg>\n</section>\n";
    }
  }
}

}  // namespace segcalc
