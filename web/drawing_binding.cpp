#include "web/drawing_binding.h"

#include <optional>
#include <utility>

#include "shopfloor/calculator_picture.h"
#include "shopfloor/part_drawing.h"
#include "shopfloor/part_picture.h"
#include "web/part_job.h"

namespace segcalc {
namespace {

struct Calculation {
  ComputeRecord record;
  OutputFormat format;
};

std::optional<Calculation>& LastCalculation() {
  static std::optional<Calculation> last;
  return last;
}

}  // namespace

void KeepCalculation(const ComputeRecord& record, const OutputFormat& format) {
  LastCalculation() = Calculation{record, format};
}

std::string CalculatorPicture(double width, double height) {
  const std::optional<Calculation>& last = LastCalculation();
  if (!last) return {};
  return CalculatorPictureSvg(last->record, last->format, width, height);
}

std::string ExactPicture(const emscripten::val& job, const NumberSeparators& separators,
                         double width, double height) {
  const PartJob& work = JobOf(job, separators);
  if (!work.part || !work.error.empty()) return {};
  return PartPictureSvg(*work.part, DrawPart(*work.part, work.format), work.format, width, height,
                        "part-picture");
}

}  // namespace segcalc
