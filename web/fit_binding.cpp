#include "web/fit_binding.h"

#include <optional>

#include "geometry/circle_fit.h"
#include "geometry/points_text.h"
#include "shopfloor/fit_picture.h"
#include "shopfloor/fit_values.h"
#include "shopfloor/output_format.h"

namespace segcalc {

using emscripten::val;

val MeasuredFit(const std::string& text, const std::string& target, const std::string& unit,
                double width, double height, const NumberSeparators& separators) {
  const OutputFormat format{ParseLengthUnit(unit).value_or(LengthUnit::Millimetre), separators};
  val result = val::object();
  result.set("error", "");
  result.set("values", val::array());
  result.set("residuals", val::array());
  result.set("picture", "");
  std::optional<double> radius;
  if (target.find_first_not_of(' ') != std::string::npos) {
    const NumberReading reading = StrictNumber(target, separators);
    if (!reading.ok()) {
      result.set("error", std::string("目标半径不是有效的数字"));
      return result;
    }
    radius = reading.value;
  }
  const Checked<std::vector<PlanePoint>> points = ReadPoints(text, separators);
  if (!points.ok()) {
    result.set("error", "测量点:" + points.error);
    return result;
  }
  const Checked<CircleFit> fit = FitCircle(*points.value, radius);
  if (!fit.ok()) {
    result.set("error", "无法拟合圆:" + fit.error);
    return result;
  }
  const CircleFit& circle = *fit.value;
  for (const SectionValue& value : FitValues(circle, format)) {
    val row = val::array();
    row.call<void>("push", value.label);
    row.call<void>("push", value.text);
    result["values"].call<void>("push", row);
  }
  const std::vector<PlanePoint>& read = *points.value;
  for (std::size_t i = 0; i < read.size(); ++i) {
    const PlanePoint& p = read[i];
    const double residual = circle.residuals.at(i);
    val row = val::array();
    for (const std::string& cell :
         {std::to_string(i + 1), format.Length(p.x), format.Length(p.y), format.Length(residual)}) {
      row.call<void>("push", cell);
    }
    result["residuals"].call<void>("push", row);
  }
  result.set("picture", FitPictureSvg(read, circle, radius, format, width, height));
  return result;
}

}  // namespace segcalc
