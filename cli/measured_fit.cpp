#include "cli/measured_fit.h"

#include <ostream>

#include "cli/batch_file.h"
#include "cli/exit_status.h"
#include "geometry/circle_fit.h"
#include "geometry/points_text.h"
#include "shopfloor/fit_values.h"

namespace segcalc {
namespace {

// A points file of kMaxFitPoints lines is a few megabytes; anything much
// larger is some other file, not read into memory to find that out.
constexpr std::size_t kMaxPointsFileBytes = 16 * 1024 * 1024;

int Fail(std::ostream& err, int status, const std::string& message) {
  err << "segcalc-cli: " << message << '\n';
  return status;
}

}  // namespace

int WriteMeasuredFit(const ShopOptions& shop, const OutputFormat& format, std::ostream& out,
                     std::ostream& err) {
  std::optional<double> target;
  if (shop.target) {
    const NumberReading reading = StrictNumber(*shop.target, format.separators);
    if (!reading.ok()) return Fail(err, kExitUsage, "--target 的值不是有效的数字");
    target = reading.value;
  }
  const std::string& name = *shop.fit_file;
  // Excel's Unicode text too, as a batch list.
  const TextFile file = ReadTextFile(name, kMaxPointsFileBytes, "测量点文件");
  if (!file.error.empty()) {
    return Fail(err, file.status,
                file.status == kExitFailed ? file.error + ",不像是测量点" : file.error);
  }
  const Checked<std::vector<PlanePoint>> points = ReadPoints(file.text, format.separators);
  if (!points.ok()) return Fail(err, kExitFailed, "测量点文件 " + name + ": " + points.error);
  const Checked<CircleFit> fit = FitCircle(*points.value, target);
  if (!fit.ok()) return Fail(err, kExitFailed, "无法拟合圆: " + fit.error);
  for (const SectionValue& value : FitValues(*fit.value, format)) {
    out << value.label << '\t' << value.text << '\n';
  }
  return kExitOk;
}

}  // namespace segcalc
