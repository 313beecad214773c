#pragma once

#include <span>
#include <string>
#include <string_view>

#include "geometry/arc_part.h"
#include "geometry/plane_point.h"
#include "shopfloor/output_format.h"
#include "shopfloor/part_drawing.h"
#include "shopfloor/svg_shapes.h"

namespace segcalc {

// The words written on a picture of a drawing: under its springing line,
// beside its rise, over its top, and one line at the bottom.
struct PictureWords {
  std::string across;
  std::string rise;
  std::string along;
  std::string summary;
  // Added to the bottom line where the box is wide enough for it.
  std::string aside;
};

// A drawing scaled to fit a box of the given width (in SVG user units) and
// at most the given height: the picture is as tall as the drawing needs at
// that width, up to it. Every layer is drawn as at 1:1, with the division
// numbers and the stations (points in mm, marked on the arch). The text is
// 3.5 units high, so a box in mm suits paper and one in units of about
// 3.6 px a screen. The <svg> carries data-scale (units per mm) and data-x,
// data-y (where the drawing's origin lands), and each shape data-layer.
std::string PictureSvg(const PartDrawing& drawing, const PictureWords& words,
                       std::span<const PlanePoint> stations, double width, double height,
                       std::string_view css_class);

// The part's drawing with its main measurements written on it (the span or
// chord, the rise, the length along the arch, the radii), its division
// numbers and its stations: the report's overview and the page's picture.
std::string PartPictureSvg(const ArcPart& part, const PartDrawing& drawing,
                           const OutputFormat& format, double width, double height,
                           std::string_view css_class);

// The height of a picture's text, in the box's units.
inline constexpr double kPictureTextSize = 3.5;

// Where a drawing of the given extent lands in a box of the given width and
// at most the given height, with room beside, over and under it: as large
// as fits, the box then as tall as the drawing needs.
struct PictureFrame {
  SvgFrame frame;
  double height = 0;
};
PictureFrame FitPicture(const DrawingBox& extent, double width, double height, double side,
                        double top, double bottom);
// The <svg> start tag of such a picture, with its data-scale, data-x, data-y
// and any further attributes.
std::string PictureStart(std::string_view css_class, double width, const PictureFrame& fit,
                         std::string_view attributes = {});
// A line of text at a point of the box.
std::string PictureText(double x, double y, std::string_view words, const char* anchor,
                        double size = kPictureTextSize, std::string_view attributes = {});

// Roughly how wide a line of text is at a font size: a Chinese character
// is a square, anything else about 0.6 of one.
double TextWidth(std::string_view text, double size);

}  // namespace segcalc
