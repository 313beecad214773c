// Plans a piece list the way segcalc-cli will, for the tests that check plans
// with programs of their own (CBC, a browser printing the saw sheet):
//
//   barplan_probe PIECES OUTPUT --bar L[,L2...] [--kerf K] [--ends A[,B]]
//                 [--min-offcut M] [--stock RACK]
//
// OUTPUT's extension chooses the writer. Exits 1 with the reason when the
// plan is refused.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "geometry/barplan/bar_plan_solver.h"
#include "geometry/barplan/piece_list_text.h"
#include "geometry/option_numbers.h"
#include "shopfloor/bar_plan_files.h"

using namespace segcalc;
using namespace segcalc::barplan;

namespace {

const NumberSeparators kSeparators{".", ","};

std::string ReadAll(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int Fail(const std::string& reason) {
  std::fprintf(stderr, "%s\n", reason.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: barplan_probe PIECES OUTPUT --bar L [options]");
  PlanRequest request;
  const Checked<std::vector<PieceLine>> pieces = ReadPieceList(ReadAll(argv[1]), kSeparators);
  if (!pieces.ok()) return Fail(pieces.error);
  request.pieces = *pieces.value;
  for (int i = 3; i + 1 < argc; i += 2) {
    const std::string_view option = argv[i];
    const char* value = argv[i + 1];
    const Checked<std::vector<double>> numbers = ReadOptionList(value);
    if (option == "--stock") {
      const Checked<std::vector<RackLine>> rack = ReadRackList(ReadAll(value), kSeparators);
      if (!rack.ok()) return Fail(rack.error);
      request.rack = *rack.value;
      continue;
    }
    if (!numbers.ok()) return Fail(std::string(option) + ": " + numbers.error);
    const std::vector<double>& list = *numbers.value;
    if (option == "--bar") {
      request.bar_lengths = list;
    } else if (option == "--kerf") {
      request.kerf = list.front();
    } else if (option == "--ends") {
      request.end_a = list.front();
      request.end_b = list.back();
    } else if (option == "--min-offcut") {
      request.min_offcut = list.front();
    } else {
      return Fail("unknown option " + std::string(option));
    }
  }
  const Checked<BarPlan> plan = SolveBarPlan(request);
  if (!plan.ok()) return Fail(plan.error);
  if (!WriteBarPlanFile(argv[2], *plan.value, kSeparators)) return Fail("cannot write the plan");
  return 0;
}
