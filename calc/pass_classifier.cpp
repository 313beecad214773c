#include "calc/pass_classifier.h"

#include <bit>
#include <cmath>

#include "calc/pair_rules.h"

namespace segcalc::scan {
namespace {

#define SEGCALC_INLINE [[gnu::always_inline]] inline

// Tests on the bits rather than ordered comparisons: an ordered comparison may
// trap on NaN, and the compiler will not turn a loop holding one into vector
// selects.
constexpr std::uint64_t kExponentBits = 0x7ff0000000000000;
constexpr std::uint64_t kMagnitudeBits = 0x7fffffffffffffff;

SEGCALC_INLINE std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

// Not finite: an overflow, a division by zero or an invalid operation.
SEGCALC_INLINE std::uint64_t NotFinite(double x) {
  return (Bits(x) & kExponentBits) == kExponentBits;
}

SEGCALC_INLINE std::uint64_t IsInfinite(double x) {
  return (Bits(x) & kMagnitudeBits) == kExponentBits;
}

// when ? x : y, without a branch.
SEGCALC_INLINE double Select(std::uint64_t when, double x, double y) {
  const std::uint64_t mask = -when;
  return std::bit_cast<double>((Bits(x) & mask) | (Bits(y) & ~mask));
}

// Whether the implied value rounds to the target. With whole hundredths the
// quotient by 100 is skipped: below 2^52 distinct whole numbers stay distinct
// after division by 100, and an implied value whose product by 100 is at or
// above 2^52 in magnitude can match no target below it. std::nearbyint is one
// instruction from SSE4.1 on.
template <bool kWholeHundredths>
SEGCALC_INLINE std::uint64_t Matches(double implied, double target) {
  const double scaled = implied * 100.0;
  const double whole = std::nearbyint(scaled);
  if constexpr (kWholeHundredths) {
    return whole == target;
  } else {
    // RoundHalfEven2, including its pass-through of products that overflow.
    const double quotient = whole / 100.0;
    return Select(IsInfinite(scaled), implied, quotient) == target;
  }
}

SEGCALC_INLINE std::uint8_t Code(std::uint64_t match, std::uint64_t fault) {
  return static_cast<std::uint8_t>((match & ~fault) | (fault << 1));
}

// The pair's own operations (pair_rules.h), with the fault test of every
// result folded into a mask instead of a branch.
struct MaskedArithmetic {
  std::uint64_t fault = 0;
  SEGCALC_INLINE double Add(double x, double y) { return Note(x + y); }
  SEGCALC_INLINE double Sub(double x, double y) { return Note(x - y); }
  SEGCALC_INLINE double Mul(double x, double y) { return Note(x * y); }
  SEGCALC_INLINE double Div(double x, double y) { return Note(x / y); }
  SEGCALC_INLINE double Note(double result) {
    fault |= NotFinite(result);
    return result;
  }
};

template <class Rule, SolveMode kMode, bool kWholeHundredths>
SEGCALC_INLINE void ClassifyRange(const ClassifyInput& input, std::size_t begin, std::size_t end,
                                  std::uint8_t* __restrict codes) {
  const double* __restrict const first = input.first_column;
  const double* __restrict const second = input.second_column;
  const double numerator = input.radius_numerator;
  const double target = input.target;
  const std::size_t count = end - begin;
  for (std::size_t i = 0; i < count; ++i) {
    MaskedArithmetic op;
    const double radius = Rule::Radius(op, numerator, first[begin + i]);
    const double implied = Rule::template Implied<kMode>(op, radius, second[begin + i]);
    codes[i] = Code(Matches<kWholeHundredths>(implied, target), op.fault);
  }
}

template <class Rule, SolveMode kMode>
SEGCALC_INLINE void ClassifyWithRule(const ClassifyInput& input, std::size_t begin, std::size_t end,
                                     std::uint8_t* codes) {
  if (input.whole_hundredths) {
    ClassifyRange<Rule, kMode, true>(input, begin, end, codes);
  } else {
    ClassifyRange<Rule, kMode, false>(input, begin, end, codes);
  }
}

// A plain switch rather than WithRule: a lambda would not inherit the
// instruction set of the variant it is called from.
SEGCALC_INLINE void Classify(const ClassifyInput& input, std::size_t begin, std::size_t end,
                             std::uint8_t* codes) {
  constexpr SolveMode kMinor = SolveMode::MinorArc;
  constexpr SolveMode kMajor = SolveMode::MajorArc;
  const bool minor = input.mode == kMinor;
  switch (input.pair) {
    case InputPair::ArcAndChord:
      return minor ? ClassifyWithRule<ArcAndChordRule, kMinor>(input, begin, end, codes)
                   : ClassifyWithRule<ArcAndChordRule, kMajor>(input, begin, end, codes);
    case InputPair::ArcAndHeight:
      return minor ? ClassifyWithRule<ArcAndHeightRule, kMinor>(input, begin, end, codes)
                   : ClassifyWithRule<ArcAndHeightRule, kMajor>(input, begin, end, codes);
    case InputPair::ChordAndHeight:
      return minor ? ClassifyWithRule<ChordAndHeightRule, kMinor>(input, begin, end, codes)
                   : ClassifyWithRule<ChordAndHeightRule, kMajor>(input, begin, end, codes);
  }
}

#if defined(__x86_64__)

// Each variant is the same source compiled for its instruction set; none may
// fuse a multiplication into an addition (the build forbids contraction).
[[gnu::target("avx512f")]] void ClassifyAvx512(const ClassifyInput& input, std::size_t begin,
                                               std::size_t end, std::uint8_t* codes) {
  Classify(input, begin, end, codes);
}

[[gnu::target("avx2")]] void ClassifyAvx2(const ClassifyInput& input, std::size_t begin,
                                          std::size_t end, std::uint8_t* codes) {
  Classify(input, begin, end, codes);
}

#endif

// Any processor of the architecture. On x86-64 that means SSE2 alone, without
// a rounding instruction or 64-bit integer compares, so this one stays scalar.
void ClassifyBaseline(const ClassifyInput& input, std::size_t begin, std::size_t end,
                      std::uint8_t* codes) {
  Classify(input, begin, end, codes);
}

}  // namespace

bool IsSupported(InstructionSet set) {
#if defined(__x86_64__)
  __builtin_cpu_init();
  switch (set) {
    case InstructionSet::Avx512:
      return __builtin_cpu_supports("avx512f");
    case InstructionSet::Avx2:
      return __builtin_cpu_supports("avx2");
    case InstructionSet::Baseline:
      return true;
  }
  return false;
#else
  return set == InstructionSet::Baseline;
#endif
}

InstructionSet BestInstructionSet() {
  static const InstructionSet best = IsSupported(InstructionSet::Avx512) ? InstructionSet::Avx512
                                     : IsSupported(InstructionSet::Avx2) ? InstructionSet::Avx2
                                                                         : InstructionSet::Baseline;
  return best;
}

void ClassifyPasses(InstructionSet set, const ClassifyInput& input, std::size_t begin,
                    std::size_t end, std::uint8_t* codes) {
#if defined(__x86_64__)
  if (set == InstructionSet::Avx512) return ClassifyAvx512(input, begin, end, codes);
  if (set == InstructionSet::Avx2) return ClassifyAvx2(input, begin, end, codes);
#endif
  (void)set;
  ClassifyBaseline(input, begin, end, codes);
}

}  // namespace segcalc::scan
