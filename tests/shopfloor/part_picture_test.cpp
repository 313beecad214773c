// The part's drawing with its tails, its picture (the report's overview and
// the page's), the summary read first, the calculator's picture and the
// picture of a fit.

#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
#include <functional>
#include <map>
#include <random>
#include <regex>
#include <sstream>

#include "geometry/circle_fit.h"
#include "shopfloor/calculator_picture.h"
#include "shopfloor/fit_picture.h"
#include "shopfloor/html_report.h"
#include "shopfloor/part_picture.h"
#include "shopfloor/part_sections.h"
#include "shopfloor/part_summary.h"
#include "tests/support/head_of.h"

namespace segcalc {
namespace {

constexpr double kPi = 3.141592653589793;

// Every element of an SVG text with its attributes.
using Attributes = std::map<std::string, std::string>;
std::vector<Attributes> Elements(const std::string& svg) {
  std::vector<Attributes> elements;
  static const std::regex element(R"(<(\w+)((?:\s+[\w-]+="[^"]*")*)\s*/?>)");
  static const std::regex attribute(R"re(([\w-]+)="([^"]*)")re");
  for (std::sregex_iterator it(svg.begin(), svg.end(), element), end; it != end; ++it) {
    Attributes a{{"tag", (*it)[1]}};
    const std::string list = (*it)[2];
    for (std::sregex_iterator at(list.begin(), list.end(), attribute); at != end; ++at) {
      a[(*at)[1]] = (*at)[2];
    }
    elements.push_back(std::move(a));
  }
  return elements;
}

std::vector<Attributes> OnLayer(const std::string& svg, const std::string& layer) {
  std::vector<Attributes> found;
  for (Attributes& a : Elements(svg)) {
    if (a["data-layer"] == layer) found.push_back(a);
  }
  return found;
}

double Number(const Attributes& a, const std::string& name) {
  return std::stod(a.at(name));
}

// "M x1 y1 A r r 0 large 1 x2 y2": the radius and both ends.
struct PathArc {
  double x1, y1, r, x2, y2;
};
PathArc ArcOf(const Attributes& path) {
  std::istringstream d(path.at("d"));
  std::string m, a;
  PathArc arc{};
  double ry, rotation, large, sweep;
  d >> m >> arc.x1 >> arc.y1 >> a >> arc.r >> ry >> rotation >> large >> sweep >> arc.x2 >> arc.y2;
  return arc;
}

ExactSegment Frame() {
  return SolveExact(Quantity::Chord, 1200, Quantity::Height, 300).segments[0];
}

// The README's window frame: a 70 mm profile measured outside, tails of 150
// and 90, four pieces, stations every 250 from the left end.
ArcPart FramePart(double pieces = 4) {
  PartRequest request;
  request.profile = ProfileRequest{70, ProfileFace::Outer, 0.5, 150, 90, 20};
  request.divisions = DivisionRequest{DivisionRule::Count, pieces};
  request.stations = StationPlan{StationRule::FromEnd, 250, 0, {}};
  return MakePart(Frame(), request);
}

using testing_heads::HeadOf;

ArcPart Head(HeadRequest head, std::optional<ProfileRequest> profile,
             std::optional<double> pieces = std::nullopt) {
  PartRequest request;
  request.profile = profile;
  if (pieces) request.divisions = DivisionRequest{DivisionRule::Count, *pieces};
  return MakePart(*MakeHead(head).value, request);
}

struct TailCase {
  const char* name;
  std::function<ArcPart()> part;
  LengthUnit unit;
};

std::ostream& operator<<(std::ostream& out, const TailCase& c) {
  return out << c.name;
}

class Tails : public testing::TestWithParam<TailCase> {};

// Each face runs on straight from its ends: a line tangent to the end's
// circle, so that its far end lies sqrt(r² + L²) from the centre, going
// away from the arch, A at the left and B at the right.
TEST_P(Tails, RunOnFromEachFaceAlongItsTangent) {
  const ArcPart part = GetParam().part();
  const OutputFormat format{GetParam().unit, {}};
  const PartDrawing drawing = DrawPart(part, format);
  const double mm = MillimetresPer(format.unit);
  const ProfileBend& bend = *part.profile->value;
  for (const DrawingLayer layer : {DrawingLayer::Inner, DrawingLayer::Outer}) {
    std::vector<DrawnArc> arcs;
    std::vector<DrawnLine> lines;
    for (const DrawnArc& arc : drawing.arcs) {
      if (arc.layer == layer) arcs.push_back(arc);
    }
    for (const DrawnLine& line : drawing.lines) {
      if (line.layer == layer) lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 2u) << LayerName(layer);
    const Arch& face = layer == DrawingLayer::Inner ? bend.inner : bend.outer;
    const PlanePoint middle = face.At(face.Length() / 2).point;
    for (const auto& [line, arc, degrees, length] :
         {std::tuple{lines[0], arcs.front(), arcs.front().end_degrees, bend.tail_a},
          std::tuple{lines[1], arcs.back(), arcs.back().start_degrees, bend.tail_b}}) {
      const double a = degrees * kPi / 180;
      EXPECT_NEAR(line.x1, arc.centre_x + arc.radius * std::cos(a), 1e-9 * arc.radius);
      EXPECT_NEAR(line.y1, arc.centre_y + arc.radius * std::sin(a), 1e-9 * arc.radius);
      const double run = length * mm;
      EXPECT_NEAR(std::hypot(line.x2 - line.x1, line.y2 - line.y1), run, 1e-9 * run);
      EXPECT_NEAR(std::hypot(line.x2 - arc.centre_x, line.y2 - arc.centre_y),
                  std::hypot(arc.radius, run), 1e-9 * arc.radius);
      EXPECT_GT(std::hypot(line.x2 - middle.x * mm, line.y2 - middle.y * mm),
                std::hypot(line.x1 - middle.x * mm, line.y1 - middle.y * mm));
      EXPECT_GE(line.y1, drawing.extent.min_y);
      EXPECT_GE(line.y2, drawing.extent.min_y);
    }
  }
}

const ProfileRequest kTailed{60, ProfileFace::Inner, 0.5, 150, 90, 0};

INSTANTIATE_TEST_SUITE_P(
    Heads, Tails,
    testing::Values(
        TailCase{"frame", [] { return FramePart(); }, LengthUnit::Millimetre},
        TailCase{"major_arc_in_cm",
                 [] {
                   const ExactSegment major =
                       SolveExact(Quantity::Chord, 100, Quantity::Radius, 80).segments[1];
                   return MakePart(major, {std::nullopt, kTailed});
                 },
                 LengthUnit::Centimetre},
        TailCase{"semicircle",
                 [] { return Head(HeadOf(ArchShape::Semicircle, 1200, std::nullopt), kTailed); },
                 LengthUnit::Millimetre},
        TailCase{"pointed",
                 [] { return Head(HeadOf(ArchShape::Pointed, 900, std::nullopt, 900), kTailed); },
                 LengthUnit::Millimetre},
        TailCase{"three_centred",
                 [] { return Head(HeadOf(ArchShape::ThreeCentred, 2400, 700), kTailed); },
                 LengthUnit::Millimetre},
        TailCase{"ellipse", [] { return Head(HeadOf(ArchShape::Ellipse, 1600, 450), kTailed); },
                 LengthUnit::Millimetre}));

TEST(Tails, AreDrawnOnlyWhereThereAreAny) {
  const OutputFormat mm;
  for (const ArcPart& part :
       {MakePart(Frame(), {}),
        MakePart(Frame(), {std::nullopt, ProfileRequest{70, ProfileFace::Inner, 0.5, 0, 0, 0}})}) {
    for (const DrawnLine& line : DrawPart(part, mm).lines) {
      EXPECT_NE(line.layer, DrawingLayer::Inner);
      EXPECT_NE(line.layer, DrawingLayer::Outer);
    }
  }
  // A semicircle's tails hang straight down from its springing.
  const PartDrawing semicircle =
      DrawPart(Head(HeadOf(ArchShape::Semicircle, 1200, std::nullopt), kTailed), mm);
  for (const DrawnLine& line : semicircle.lines) {
    if (line.layer != DrawingLayer::Inner) continue;
    EXPECT_NEAR(line.x2, line.x1, 1e-9);
    EXPECT_NEAR(line.y1 - line.y2, line.x1 < 0 ? 150 : 90, 1e-9);
  }
}

// The page's phone-sized box and the report's.
struct Box {
  double width, height;
};
constexpr Box kPhone{94.4, 70.8}, kReport{180, 110};

// The arc as drawn maps to the computed one through the picture's own
// scale and origin, and everything stays inside the box.
TEST(Picture, DrawsThePartToScaleWithItsFacesTailsNumbersAndStations) {
  const ArcPart part = FramePart();
  const OutputFormat format;
  for (const Box box : {kPhone, kReport}) {
    const std::string svg =
        PartPictureSvg(part, DrawPart(part, format), format, box.width, box.height, "x");
    const Attributes root = Elements(svg).front();
    const double scale = Number(root, "data-scale"), x0 = Number(root, "data-x"),
                 y0 = Number(root, "data-y");
    std::istringstream view(root.at("viewBox"));
    double left, top, width, height;
    view >> left >> top >> width >> height;
    EXPECT_EQ(width, box.width);
    EXPECT_LE(height, box.height);
    // The measured face, outside, stands for the arch: no arc on ARC too.
    EXPECT_TRUE(OnLayer(svg, "ARC").empty());
    const std::vector<Attributes> outer = OnLayer(svg, "OUTER");
    const auto drawn = std::find_if(outer.begin(), outer.end(),
                                    [](const Attributes& e) { return e.at("tag") == "path"; });
    ASSERT_NE(drawn, outer.end());
    const PathArc arc = ArcOf(*drawn);
    EXPECT_NEAR(arc.r, 750 * scale, 1e-3);
    EXPECT_NEAR(arc.x1, x0 - 600 * scale, 1e-3);
    EXPECT_NEAR(arc.x2, x0 + 600 * scale, 1e-3);
    EXPECT_NEAR(arc.y1, y0, 1e-3);
    EXPECT_GE(std::min(arc.x1, arc.x2), 0);
    EXPECT_LE(std::max(arc.x1, arc.x2), width);
    // The inner face, and the tails of both faces.
    EXPECT_EQ(OnLayer(svg, "INNER").size(), 3u);
    EXPECT_EQ(OnLayer(svg, "OUTER").size(), 3u);
    EXPECT_EQ(OnLayer(svg, "DIVISIONS").size(), 5u);
    EXPECT_EQ(OnLayer(svg, "NUMBERS").size(), 5u);
    EXPECT_EQ(OnLayer(svg, "STATIONS").size(), part.stations->value->size());
    for (const Attributes& line : OnLayer(svg, "INNER")) {
      if (line.at("tag") != "line") continue;
      for (const char* x : {"x1", "x2"}) EXPECT_GE(Number(line, x), 0);
      for (const char* y : {"y1", "y2"}) EXPECT_LE(Number(line, y), height);
    }
  }
}

TEST(Picture, WritesOnlyTheNumbersThereIsRoomFor) {
  const ArcPart part = FramePart(400);
  const std::string svg =
      PartPictureSvg(part, DrawPart(part, {}), {}, kPhone.width, kPhone.height, "x");
  const std::vector<Attributes> numbers = OnLayer(svg, "NUMBERS");
  EXPECT_GT(numbers.size(), 2u);
  EXPECT_LT(numbers.size(), 401u);
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    EXPECT_GE(std::hypot(Number(numbers[i], "x") - Number(numbers[i - 1], "x"),
                         Number(numbers[i], "y") - Number(numbers[i - 1], "y")),
              1.6 * 2.8 - 1e-9);
  }
}

TEST(Picture, IsTheReportsOverview) {
  const ArcPart part = FramePart();
  TypedInput typed;
  typed.text(Quantity::Chord) = "1200";
  typed.text(Quantity::Height) = "300";
  std::ostringstream report;
  WriteReport(report, RecordCompute(typed, {}), &part, {});
  const std::string html = report.str();
  EXPECT_NE(html.find(PartPictureSvg(part, DrawPart(part, {}), {}, 180, 110, "overview")),
            std::string::npos);
}

}  // namespace
}  // namespace segcalc
