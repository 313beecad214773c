// The part of each head the shop builds (its faces of a 60 mm profile, 12
// pieces, stations every 100 mm), against the segment's, which the arch of
// one piece must not make slow; and the heads themselves, an ellipse's
// bending arcs included. A summary of the ratios follows the usual report.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_summary.h"
#include "geometry/arc_part.h"

namespace segcalc::bench {
namespace {

struct Shape {
  const char* name;
  HeadRequest head;
};

HeadRequest Request(ArchShape shape, double span, std::optional<double> rise) {
  HeadRequest r;
  r.shape = shape;
  r.span = span;
  r.rise = rise;
  return r;
}

const Shape kShapes[] = {
    {"segment", Request(ArchShape::Segment, 1800, 450)},
    {"semicircle", Request(ArchShape::Semicircle, 1800, std::nullopt)},
    {"pointed", Request(ArchShape::Pointed, 1800, 1600)},
    {"three-centred", Request(ArchShape::ThreeCentred, 1800, 450)},
    {"ellipse", Request(ArchShape::Ellipse, 1800, 450)},
};

PartRequest Asked() {
  PartRequest request;
  request.profile = ProfileRequest{60, ProfileFace::Outer, 0.5, 100, 100, 10};
  request.divisions = DivisionRequest{DivisionRule::Count, 12};
  request.stations = StationPlan{StationRule::FromEnd, 100, 0, {}};
  request.area = true;
  return request;
}

std::string PartName(const Shape& s) {
  return std::string("Part/") + s.name;
}

std::string HeadName(const Shape& s) {
  return std::string("Head/") + s.name;
}

void Register() {
  // The calculator's segment: the exact circle its measurements fix,
  // made into a part as every compute does.
  const ExactSegment segment =
      *ChooseExact(SolveExact(Quantity::Chord, 1800, Quantity::Height, 450), SolveMode::MinorArc)
           .segment;
  benchmark::RegisterBenchmark("Part/segment-of-the-calculator", [segment](
                                                                     benchmark::State& state) {
    const PartRequest request = Asked();
    for (auto _ : state) benchmark::DoNotOptimize(MakePart(segment, request));
  })->Unit(benchmark::kMicrosecond);
  for (const Shape& s : kShapes) {
    const ArchHead head = *MakeHead(s.head).value;
    benchmark::RegisterBenchmark(PartName(s).c_str(), [head](benchmark::State& state) {
      const PartRequest request = Asked();
      for (auto _ : state) benchmark::DoNotOptimize(MakePart(head, request));
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(HeadName(s).c_str(), [s](benchmark::State& state) {
      for (auto _ : state) benchmark::DoNotOptimize(MakeHead(s.head));
    })->Unit(benchmark::kMicrosecond);
  }
}

void PrintSummary(const SummaryReporter& report) {
  const double segment = report.Seconds("Part/segment-of-the-calculator");
  if (segment == 0) return;
  std::printf("\nthe part of each head (60 mm profile, 12 pieces, stations every 100 mm):\n");
  std::printf("%-16s %12s %10s %14s\n", "head", "part (us)", "x segment", "head made (us)");
  std::printf("%-16s %12.2f %10.2f %14s\n", "calculator arc", segment * 1e6, 1.0, "-");
  for (const Shape& s : kShapes) {
    const double part = report.Seconds(PartName(s));
    const double head = report.Seconds(HeadName(s));
    std::printf("%-16s %12.2f %10.2f %14.2f\n", s.name, part * 1e6, part / segment, head * 1e6);
  }
}

}  // namespace
}  // namespace segcalc::bench

int main(int argc, char** argv) {
  using namespace segcalc::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Register();
  SummaryReporter report;
  benchmark::RunSpecifiedBenchmarks(&report);
  PrintSummary(report);
  benchmark::Shutdown();
  return 0;
}
