#include "cli/measured_fit.h"

#include <fstream>
#include <iterator>
#include <ostream>

#include "cli/batch_file.h"
#include "cli/exit_status.h"
#include "cli/input_encoding.h"
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
  std::ifstream file;
  const std::string& name = *shop.fit_file;
  if (const std::string why = OpenBatchFile(name, file); !why.empty()) {
    return Fail(err, kExitUsage, "无法读取文件 " + name + ":" + why);
  }
  // Excel's Unicode text too, as a batch list.
  DecodedInput decoded(file);
  std::string text;
  std::istreambuf_iterator<char> it(decoded.stream()), end;
  for (; it != end && text.size() <= kMaxPointsFileBytes; ++it) text += *it;
  if (text.size() > kMaxPointsFileBytes) {
    return Fail(err, kExitFailed, "测量点文件 " + name + " 太大,不像是测量点");
  }
  const Checked<std::vector<PlanePoint>> points = ReadPoints(text, format.separators);
  if (!points.ok()) return Fail(err, kExitFailed, "测量点文件 " + name + ": " + points.error);
  const Checked<CircleFit> fit = FitCircle(*points.value, target);
  if (!fit.ok()) return Fail(err, kExitFailed, "无法拟合圆: " + fit.error);
  for (const SectionValue& value : FitValues(*fit.value, format)) {
    out << value.label << '\t' << value.text << '\n';
  }
  return kExitOk;
}

}  // namespace segcalc
