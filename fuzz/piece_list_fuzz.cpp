// The bar plan's list readers on any bytes, under every locale the platform
// can report, and the plan of whatever small list they read. Lines read are
// sound (a positive finite length, a whole count within the limits), a
// byte-order mark in front or empty lines after change nothing, a refusal
// names a line that exists, and a small list read gives a plan that cuts
// every piece exactly once.
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/separator_sets.h"
#include "geometry/barplan/bar_plan_solver.h"
#include "geometry/barplan/piece_list_text.h"

using namespace segcalc;
using namespace segcalc::barplan;

namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";
// Plans are made only of lists this small, to keep each run quick.
constexpr long long kMostPiecesPlanned = 60;

std::size_t NamedLine(const std::string& reason) {
  if (!reason.starts_with("第 ")) return 0;
  return std::stoul(reason.substr(std::string_view("第 ").size()));
}

bool SamePieces(const Checked<std::vector<PieceLine>>& x,
                const Checked<std::vector<PieceLine>>& y) {
  if (x.ok() != y.ok() || x.error != y.error) return false;
  if (!x.ok()) return true;
  if (x.value->size() != y.value->size()) return false;
  for (std::size_t i = 0; i < x.value->size(); ++i) {
    const PieceLine& a = (*x.value)[i];
    const PieceLine& b = (*y.value)[i];
    if (a.length != b.length || a.quantity != b.quantity || a.mark != b.mark || a.line != b.line) {
      return false;
    }
  }
  return true;
}

void CheckPlan(const std::vector<PieceLine>& pieces) {
  long long total = 0;
  double longest = 0;
  for (const PieceLine& piece : pieces) {
    total += piece.quantity;
    longest = std::max(longest, piece.length);
  }
  if (total > kMostPiecesPlanned || longest > 1e6) return;
  PlanRequest request;
  request.pieces = pieces;
  request.bar_lengths = {longest * 2.5 + 1, longest + 1};
  request.kerf = 0.5;
  SolveOptions options;
  options.work_limit = 2'000'000;
  const Checked<BarPlan> plan = SolveBarPlan(request, options);
  if (!plan.ok()) {
    // Only a length below the grid or marks too long are refused here.
    FUZZ_CHECK(!plan.error.empty());
    return;
  }
  std::map<std::string, long long> cut, wanted;
  for (const PieceLine& piece : pieces) wanted[piece.mark] += piece.quantity;
  for (const PlanPattern& pattern : plan.value->patterns) {
    FUZZ_CHECK(pattern.used <= pattern.stock_length);
    for (const CutRun& run : pattern.cuts) cut[run.mark] += run.count * pattern.bars;
  }
  FUZZ_CHECK(cut == wanted);
  FUZZ_CHECK(plan.value->new_length >= plan.value->bound_length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t lines = 1;
  for (const char c : text) lines += c == '\n';
  for (const NumberSeparators& separators : fuzz::kSeparatorSets) {
    const Checked<std::vector<PieceLine>> read = ReadPieceList(text, separators);
    if (!text.starts_with(kByteOrderMark)) {
      FUZZ_CHECK(SamePieces(ReadPieceList(std::string(kByteOrderMark) + text, separators), read));
    }
    FUZZ_CHECK(SamePieces(ReadPieceList(text + "\n\r\n \t\n", separators), read));
    const Checked<std::vector<RackLine>> rack = ReadRackList(text, separators);
    if (!rack.ok()) {
      FUZZ_CHECK(!rack.error.empty() && NamedLine(rack.error) <= lines);
    } else {
      for (const RackLine& line : *rack.value) {
        FUZZ_CHECK(line.length > 0 && line.count >= 0 && line.count <= kMaxRackBars);
      }
    }
    if (!read.ok()) {
      FUZZ_CHECK(!read.error.empty() && NamedLine(read.error) <= lines);
      continue;
    }
    long long total = 0;
    for (const PieceLine& piece : *read.value) {
      FUZZ_CHECK(piece.length > 0 && std::isfinite(piece.length) && piece.quantity >= 1);
      FUZZ_CHECK(piece.line >= 1 && piece.line <= lines);
      total += piece.quantity;
    }
    FUZZ_CHECK(total <= kMaxPieces);
    CheckPlan(*read.value);
  }
  return 0;
}
