#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <regex>
#include <set>
#include <sstream>

#include "geometry/exact_geometry.h"
#include "geometry/ordinates.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/full_size_pages.h"
#include "shopfloor/html_report.h"
#include "shopfloor/plain_number.h"
#include "shopfloor/tile_layout.h"

namespace segcalc {
namespace {

TEST(PlainNumber, NeverUsesExponentsOrTheUsersSeparators) {
  EXPECT_EQ(PlainNumber(1e20), "100000000000000000000");
  EXPECT_EQ(PlainNumber(-0.0), "0");
  EXPECT_EQ(PlainNumber(0.1234567, 4), "0.1235");
  EXPECT_EQ(PlainNumber(2.5, 6), "2.5");
  EXPECT_EQ(PlainNumber(1200.0), "1200");
  EXPECT_EQ(PlainNumber(NAN), "0");
  // Shortest form reads back as the same double.
  for (const double value : {0.1, 89.91405729169786, 1e-7, 123456.789012345}) {
    EXPECT_EQ(std::stod(PlainNumber(value)), value) << value;
  }
}

TEST(TileLayout, CoversTheDrawingWithTheFewestWindows) {
  // A4's window and A0's.
  for (const auto& [across, down] : {std::pair{190.0, 250.0}, std::pair{821.0, 1142.0}}) {
    for (const double width : {1.0, 190.0, 190.5, 370.0, 370.01, 2087.63, 12345.6}) {
      for (const double height : {1.0, 250.0, 250.01, 490.0, 610.72, 2273.0}) {
        const TileGrid grid = LayOutTiles(width, height, across, down);
        const int last_column = grid.columns - 1;
        const int last_row = grid.rows - 1;
        // The last window reaches the far edge, and the one before does not.
        EXPECT_GE(grid.left(last_column) + across, width) << width;
        EXPECT_GE(grid.top(last_row) + down, height) << height;
        if (last_column > 0) {
          EXPECT_LT(grid.left(last_column - 1) + across, width);
        }
        if (last_row > 0) {
          EXPECT_LT(grid.top(last_row - 1) + down, height);
        }
        // Neighbours overlap by exactly the overlap.
        EXPECT_DOUBLE_EQ(grid.left(0) + across - grid.left(1), kTileOverlapMm);
        EXPECT_DOUBLE_EQ(grid.top(0) + down - grid.top(1), kTileOverlapMm);
      }
    }
  }
}

TEST(DefaultOrdinateStep, GivesAboutTenStationsAtARoundStep) {
  for (const double chord : {0.37, 1.0, 9.99, 100.0, 2067.63, 34567.0}) {
    const double step = DefaultOrdinateStep(chord);
    const double stations = chord / step;
    EXPECT_GE(stations, 4) << chord;
    EXPECT_LE(stations, 10) << chord;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                std::abs(mantissa - 5) < 1e-9)
        << step;
  }
}

// The group code / value pairs of a DXF text.
std::vector<std::pair<int, std::string>> DxfPairs(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::pair<int, std::string>> pairs;
  std::string code, value;
  while (std::getline(in, code) && std::getline(in, value)) {
    pairs.emplace_back(std::stoi(code), value);
  }
  return pairs;
}

TEST(Dxf, IsWellFormedAndScalesToMillimetres) {
  const ExactSegment segment = SolveExact(Quantity::Chord, 10, Quantity::Radius, 5.5).segments[0];
  const ArcPart part = MakePart(segment, {1});
  const OrdinateTable& stations = part.ordinates;
  const auto pairs = DxfPairs(DxfText(DrawPart(part, {LengthUnit::Inch, {}})));
  ASSERT_FALSE(pairs.empty());
  EXPECT_EQ(pairs.back(), std::make_pair(0, std::string("EOF")));
  int sections = 0, ends = 0, arcs = 0, ordinate_lines = 0;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i] == std::make_pair(0, std::string("SECTION"))) ++sections;
    if (pairs[i] == std::make_pair(0, std::string("ENDSEC"))) ++ends;
    if (pairs[i] == std::make_pair(0, std::string("ARC"))) {
      ++arcs;
      for (std::size_t j = i + 1; j < pairs.size() && pairs[j].first != 0; ++j) {
        if (pairs[j].first == 40) {
          EXPECT_NEAR(std::stod(pairs[j].second), 5.5 * 25.4, 1e-9);
        }
      }
    }
    if (pairs[i] == std::make_pair(8, std::string(LayerName(DrawingLayer::Ordinates))))
      ++ordinate_lines;
  }
  EXPECT_EQ(sections, 3);
  EXPECT_EQ(ends, 3);
  EXPECT_EQ(arcs, 1);
  // The two end stations lie on the chord: no line there; the middle one is
  // the rise's line, not drawn twice.
  EXPECT_EQ(ordinate_lines, static_cast<int>(stations.rows.size()) - 3);
}

struct Report {
  ComputeRecord record;
  std::optional<ArcPart> part;
  OutputFormat format;
};

Report ReportOf(const char* arc, const char* chord, const char* height, double step) {
  TypedInput typed;
  typed.text(Quantity::Arc) = arc;
  typed.text(Quantity::Chord) = chord;
  typed.text(Quantity::Height) = height;
  Report report{RecordCompute(typed, {}), std::nullopt, {}};
  if (report.record.exact.segment) report.part = MakePart(*report.record.exact.segment, {step});
  return report;
}

// The start-up example, with markup typed into the box the compute ignores.
Report StartupReport() {
  return ReportOf("2491.78", "2067.63", "<b>&\"x\"", 200);
}

std::string ReportText(const Report& report) {
  std::ostringstream out;
  WriteReport(out, report.record, report.part ? &*report.part : nullptr, report.format);
  return out.str();
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
    ++count;
  }
  return count;
}

TEST(Report, IsSelfContainedAndEscapesWhatWasTyped) {
  const std::string html = ReportText(StartupReport());
  EXPECT_EQ(html.find("<script"), std::string::npos);
  for (const char* fetch : {"src=\"http", "href=\"http", "src=\"//", "href=\"//", "url(http"}) {
    EXPECT_EQ(html.find(fetch), std::string::npos) << fetch;
  }
  EXPECT_EQ(html.find("<b>&\""), std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;&amp;&quot;x&quot;"), std::string::npos);
  EXPECT_NE(html.find("@page { size: A4"), std::string::npos);
}

// The sheets a report prints, by their labels.
std::set<std::string> PrintedSheets(const std::string& html) {
  std::set<std::string> labels;
  const std::regex label("拼接页 第 \\d+ 行 · 第 \\d+ 列 <b>(R\\d+-C\\d+)</b>");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), label);
       it != std::sregex_iterator(); ++it) {
    labels.insert((*it)[1]);
  }
  return labels;
}

// A paper's window of the drawing, as the README gives it for A4 (and its
// A0 counterpart: 841 x 1189 less 10 mm margins and the 26 mm heading).
struct Window {
  const char* paper;
  double across, down;
};
constexpr Window kA4{"A4", 190, 250}, kA0{"A0", 821, 1142};

// Which windows of the paper, overlapping by 10 mm, over the drawing with
// its 10 mm margins, hold a point of the arc, or with full lines of the
// chord or an ordinate line or the centre beyond a semicircle: found by
// walking along each at a fifth of a millimetre, not by intersecting. A
// window grown by `slack` on every side takes points on its edges, which the
// report's rounding may put either side, for sure; shrunk by it, for sure not.
std::set<std::string> SheetsHoldingDrawing(const ExactSegment& s, const OrdinateTable& table,
                                           double mm_per_unit, const Window& window,
                                           bool full_lines, double slack, long long* windows) {
  const double r = s.radius * mm_per_unit, half = s.chord / 2 * mm_per_unit;
  const double h = s.height * mm_per_unit, centre = h - r;
  const double half_angle = s.angle / 2 * std::numbers::pi / 180;
  const double min_x = s.angle > 180 ? -r : -half;
  const double width = -2 * min_x + 20, tall = h + 20;
  const auto count = [](double length, double window) {
    return length <= window ? 1
                            : 1 + static_cast<int>(std::ceil((length - window) / (window - 10)));
  };
  const int columns = count(width, window.across), rows = count(tall, window.down);
  *windows = static_cast<long long>(columns) * rows;
  std::set<std::string> held;
  const auto mark = [&](double x, double y) {
    const double px = 10 + x - min_x, py = 10 + h - y;
    for (int c = 0; c < columns; ++c) {
      for (int row = 0; row < rows; ++row) {
        const double left = c * (window.across - 10), top = row * (window.down - 10);
        if (px >= left - slack && px <= left + window.across + slack && py >= top - slack &&
            py <= top + window.down + slack) {
          held.insert("R" + std::to_string(row + 1) + "-C" + std::to_string(c + 1));
        }
      }
    }
  };
  const int steps = static_cast<int>(r * 2 * half_angle / 0.2) + 2;
  for (int i = 0; i <= steps; ++i) {
    const double phi = -half_angle + 2 * half_angle * i / steps;
    mark(r * std::sin(phi), centre + r * std::cos(phi));
  }
  if (!full_lines) return held;
  for (double x = -half; x <= half; x += 0.2) mark(x, 0);
  for (const Ordinate& o : table.rows) {
    for (double y = 0; y <= o.y * mm_per_unit; y += 0.2) mark(o.x * mm_per_unit, y);
  }
  if (s.angle > 180) mark(0, centre);
  return held;
}

// Every window that holds something of the drawing is printed, and no other:
// by default those the arch passes through, with --full-lines also those
// the chord and the ordinates cross; each printed sheet has its check bar,
// and the first page its map of them.
TEST(Report, PrintsTheSheetsThatHoldDrawingAndNoOthers) {
  const struct {
    const char* name;
    Report report;
    LengthUnit unit;
    bool drops;  // with full lines on A4, some windows of the grid are empty
  } cases[] = {
      {"OneSheet", ReportOf("", "100", "20", 10), LengthUnit::Millimetre, false},
      {"StartUp", StartupReport(), LengthUnit::Millimetre, true},
      {"InCentimetres", ReportOf("", "200", "30", 10), LengthUnit::Centimetre, true},
      {"BeyondASemicircle", ReportOf("", "300", "700", 100), LengthUnit::Millimetre, true},
      // Curtain walls, which the calculator's scan finds no match for.
      {"CurtainWall", ReportOf("", "8000", "1000", 1000), LengthUnit::Millimetre, true},
      {"LongWall", ReportOf("", "18000", "1500", 2000), LengthUnit::Millimetre, true},
  };
  for (const auto& c : cases) {
    std::set<std::string> full_on_a4;
    for (const auto& mode : {std::pair{kA4, true}, std::pair{kA4, false}, std::pair{kA0, false}}) {
      // Named, not bound: the lambda below takes them.
      const Window& window = mode.first;
      const bool full_lines = mode.second;
      Report report = c.report;
      report.format.unit = c.unit;
      report.format.sheets = {*ParsePaper(window.paper), full_lines};
      ASSERT_TRUE(report.part) << c.name;
      const std::string html = ReportText(report);
      const std::string name =
          std::string(c.name) + " on " + window.paper + (full_lines ? " with full lines" : "");
      long long windows = 0;
      const auto holding = [&](double slack) {
        return SheetsHoldingDrawing(*report.part->circle(), report.part->ordinates,
                                    MillimetresPer(c.unit), window, full_lines, slack, &windows);
      };
      const std::set<std::string> surely = holding(-1e-6), maybe = holding(1e-6);
      const std::set<std::string> printed = PrintedSheets(html);
      EXPECT_TRUE(std::includes(printed.begin(), printed.end(), surely.begin(), surely.end()))
          << name;
      EXPECT_TRUE(std::includes(maybe.begin(), maybe.end(), printed.begin(), printed.end()))
          << name;
      if (full_lines) {
        full_on_a4 = printed;
        EXPECT_EQ(static_cast<long long>(printed.size()) < windows, c.drops)
            << name << ": " << printed.size() << " of " << windows;
      } else if (window.paper == kA4.paper) {
        EXPECT_TRUE(
            std::includes(full_on_a4.begin(), full_on_a4.end(), printed.begin(), printed.end()))
            << name;
      }
      EXPECT_EQ(Count(html, "class=\"check-bar\""), printed.size() + 1) << name;
      EXPECT_GE(Count(html, "<svg class=\"assembly\""), 1u) << name;
      for (const std::string& label : printed) {
        EXPECT_NE(html.find(">" + label + "</text>"), std::string::npos)
            << name << " map " << label;
      }
    }
  }
  // An arc of 2 km: no sheets, and the report says so.
  Report report = StartupReport();
  report.format.unit = LengthUnit::Metre;
  const std::string html = ReportText(report);
  EXPECT_EQ(Count(html, "<section class=\"sheet\">"), 0u);
  EXPECT_EQ(Count(html, "<svg class=\"assembly\""), 0u);
  EXPECT_NE(html.find("超过"), std::string::npos);
}

// No label is cut by a sheet's edge: each shown on a sheet lies wholly in that
// sheet's window (its glyphs at most 0.6 of the 2.5 mm font wide), and every
// ordinate's label is shown on some sheet.
TEST(Report, LabelsStandWhollyOnTheirSheets) {
  for (const Report& report :
       {StartupReport(), ReportOf("", "300", "700", 50), ReportOf("", "1000", "240", 100)}) {
    const std::string html = ReportText(report);
    const std::regex sheet(
        "viewBox=\"([-\\d.]+) ([-\\d.]+) 190 250\"[^>]*><use href=\"#fullsize\"/>\n"
        "((?:<text[^\n]*\n)*)</svg>");
    const std::regex label("translate\\(([-\\d.]+) ([-\\d.]+)\\) rotate\\(-90\\)\">([^<]*)</text>");
    std::set<std::string> shown;
    int sheets = 0;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), sheet);
         it != std::sregex_iterator(); ++it, ++sheets) {
      const double left = std::stod((*it)[1]), top = std::stod((*it)[2]);
      const std::string labels = (*it)[3];
      for (auto l = std::sregex_iterator(labels.begin(), labels.end(), label);
           l != std::sregex_iterator(); ++l) {
        const double x = std::stod((*l)[1]), start = std::stod((*l)[2]);
        const std::string text = (*l)[3];
        const double length = 0.6 * 2.5 * static_cast<double>(text.size());
        EXPECT_GE(x - 2.5, left) << text;
        EXPECT_LE(x + 1, left + 190) << text;
        EXPECT_GE(start - length, top) << text;
        EXPECT_LE(start, top + 250) << text;
        shown.insert(text);
      }
    }
    EXPECT_GT(sheets, 1);
    int stations = 0;
    for (const Ordinate& o : report.part->ordinates.rows) {
      if (o.y <= 0) continue;
      ++stations;
      const std::string text =
          "x " + report.format.Length(o.x) + " / y " + report.format.Length(o.y);
      EXPECT_TRUE(shown.count(text)) << text;
    }
    EXPECT_GT(stations, 2);
  }
}

TEST(Report, WithoutAnExactCircleGivesTheReasonAndNoDrawing) {
  const Report report = ReportOf("100", "200", "", 1);
  ASSERT_FALSE(report.part);
  const std::string html = ReportText(report);
  EXPECT_NE(html.find(report.record.exact.reason), std::string::npos);
  EXPECT_EQ(html.find("class=\"overview\""), std::string::npos);
  EXPECT_EQ(html.find("class=\"sheet\""), std::string::npos);
}

}  // namespace
}  // namespace segcalc
