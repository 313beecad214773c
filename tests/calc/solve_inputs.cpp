#include "solve_inputs.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "calc/pair_rules.h"

namespace segcalc::testing_support {
namespace {

using Random = std::mt19937_64;

double Uniform(Random& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

std::uint64_t Below(Random& random, std::uint64_t bound) {
  return std::uniform_int_distribution<std::uint64_t>(0, bound - 1)(random);
}

double TwoDecimals(double x) {
  return std::round(x * 100.0) / 100.0;
}

// A real arch measured to the hundredth, with the true pi.
SolveInput RealisticInput(Random& random, InputPair pair, SolveMode mode) {
  const double radius = Uniform(random, 50.0, 20000.0);
  const double theta = Uniform(random, 1.0, 359.0) * std::numbers::pi / 180.0;
  const double arc = TwoDecimals(radius * theta);
  const double chord = TwoDecimals(2.0 * radius * std::sin(theta / 2.0));
  const double height = TwoDecimals(radius * (1.0 - std::cos(theta / 2.0)));
  switch (pair) {
    case InputPair::ArcAndChord:
      return {pair, mode, arc, chord};
    case InputPair::ArcAndHeight:
      return {pair, mode, arc, height};
    case InputPair::ChordAndHeight:
      break;
  }
  return {pair, mode, chord, height};
}

// Any finite double: random sign, exponent and mantissa bits.
double AnyMagnitude(Random& random) {
  const std::uint64_t exponent = Below(random, 2047);
  const std::uint64_t bits = (Below(random, 2) << 63) | (exponent << 52) | (random() >> 12);
  return std::bit_cast<double>(bits);
}

double SpecialValue(Random& random) {
  static constexpr std::array<double, 22> kValues = {0.0,     -0.0,
                                                     5e-324,  -5e-324,
                                                     1e-300,  1e-10,
                                                     0.004,   0.005,
                                                     0.015,   -0.01,
                                                     -1000.0, 1e13,
                                                     4.5e13,  1e100,
                                                     1e300,   3e303,
                                                     1e305,   5e305,
                                                     1e306,   -1e306,
                                                     1e308,   std::numeric_limits<double>::max()};
  return kValues[Below(random, kValues.size())];
}

// A second measurement that the given pass matches exactly, or nearly: a few
// doubles away, or a few thousandths off.
SolveInput BuiltToMatch(Random& random, InputPair pair, SolveMode mode, double first) {
  const std::vector<double>& angles = ScanAngles(mode);
  const double a = angles[Below(random, angles.size())];
  // The implied value is compared with half the chord for ArcAndChord.
  double second = scan::ImpliedValue(pair, mode, a, first, 0.0);
  if (pair == InputPair::ArcAndChord) second = second * 2.0;
  switch (Below(random, 3)) {
    case 0: {
      // A few doubles away: at large magnitudes distinct values can still
      // round to the same hundredths.
      const double direction = Below(random, 2) ? 1.0 : -1.0;
      for (std::uint64_t steps = 1 + Below(random, 4); steps > 0; --steps) {
        second = std::nextafter(second, direction * std::numeric_limits<double>::infinity());
      }
      break;
    }
    case 1:
      second = second + 0.005 * static_cast<double>(static_cast<int>(Below(random, 5)) - 2);
      break;
    default:
      break;
  }
  if (!std::isfinite(second)) second = first;
  return {pair, mode, first, second};
}

SolveInput HostileInput(Random& random, InputPair pair, SolveMode mode) {
  switch (Below(random, 6)) {
    case 0:
      return {pair, mode, SpecialValue(random), SpecialValue(random)};
    case 1:
      return {pair, mode, AnyMagnitude(random), AnyMagnitude(random)};
    case 2:
      return {pair, mode, SpecialValue(random), AnyMagnitude(random)};
    case 3:
      // Large enough that the radius overflows somewhere in the scan.
      return BuiltToMatch(
          random, pair, mode,
          std::ldexp(Uniform(random, 1.0, 2.0), 990 + static_cast<int>(Below(random, 34))));
    case 4:
      // Implied values around 2^52 hundredths and beyond.
      return BuiltToMatch(
          random, pair, mode,
          std::ldexp(Uniform(random, 1.0, 2.0), 36 + static_cast<int>(Below(random, 24))));
    default:
      return BuiltToMatch(random, pair, mode, AnyMagnitude(random));
  }
}

std::vector<double> AnglesOf(SolveMode mode) {
  std::vector<double> angles;
  scan::PlainArithmetic op;
  for (double a = scan::FirstAngle(mode); scan::ScanContinues(mode, a);
       a = scan::NextAngle(op, mode, a)) {
    angles.push_back(a);
  }
  return angles;
}

bool SameBits(double x, double y) {
  return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
}

std::string Hex(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%a", x);
  return text;
}

}  // namespace

const std::vector<double>& ScanAngles(SolveMode mode) {
  static const std::vector<double> minor = AnglesOf(SolveMode::MinorArc);
  static const std::vector<double> major = AnglesOf(SolveMode::MajorArc);
  return mode == SolveMode::MinorArc ? minor : major;
}

double AngleAt(SolveMode mode, int pass) {
  return ScanAngles(mode)[static_cast<std::size_t>(pass)];
}

SolveInput MakeSolveInput(std::uint64_t seed, std::uint64_t index, InputKind kind, InputPair pair,
                          SolveMode mode) {
  std::seed_seq sequence{seed, index, static_cast<std::uint64_t>(kind)};
  Random random(sequence);
  return kind == InputKind::Realistic ? RealisticInput(random, pair, mode)
                                      : HostileInput(random, pair, mode);
}

std::string DescribeDifference(const SolveOutcome& expected, const SolveOutcome& actual) {
  std::string difference;
  const auto field = [&](const char* name, double want, double got) {
    if (!SameBits(want, got))
      difference += std::string(name) + " " + Hex(want) + " vs " + Hex(got) + "; ";
  };
  if (expected.result.found != actual.result.found) difference += "found differs; ";
  field("angle", expected.result.angle, actual.result.angle);
  field("radius", expected.result.radius, actual.result.radius);
  field("missing", expected.result.missing, actual.result.missing);
  if (expected.arithmetic_error != actual.arithmetic_error)
    difference += "arithmetic_error differs; ";
  if (expected.fault_pass != actual.fault_pass) {
    difference += "fault_pass " + std::to_string(expected.fault_pass) + " vs " +
                  std::to_string(actual.fault_pass) + "; ";
  }
  return difference;
}

std::string Describe(const SolveInput& input) {
  static constexpr const char* kPairs[] = {"ArcAndChord", "ArcAndHeight", "ChordAndHeight"};
  return std::string(kPairs[static_cast<int>(input.pair)]) +
         (input.mode == SolveMode::MinorArc ? " MinorArc " : " MajorArc ") + Hex(input.first) +
         " " + Hex(input.second);
}

}  // namespace segcalc::testing_support
