#include "shopfloor/output_files.h"

#include <fstream>
#include <ostream>

#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"

namespace segcalc {

bool WriteFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  write(file);
  file.close();
  return !file.fail();
}

std::string CannotWriteMessage(const std::filesystem::path& path) {
  return "无法写入文件 " + Utf8FromPath(path);
}

std::string NoExactCircleMessage(const ExactChoice& exact) {
  return "无精确解: " + exact.reason;
}

bool WriteDxfFile(const std::filesystem::path& path, const ArcPart& part,
                  const OutputFormat& format) {
  const PartDrawing drawing = DrawPart(part, format);
  return WriteFile(path, [&](std::ostream& out) { WriteDxf(out, drawing); });
}

bool WriteReportFile(const std::filesystem::path& path, const ComputeRecord& record,
                     const ArcPart* part, const OutputFormat& format) {
  return WriteFile(path, [&](std::ostream& out) { WriteReport(out, record, part, format); });
}

}  // namespace segcalc

namespace segcalc {

bool WriteHeadReportFile(const std::filesystem::path& path, const std::vector<GivenText>& given,
                         const ArcPart& part, const OutputFormat& format) {
  return WriteFile(path, [&](std::ostream& out) { WriteHeadReport(out, given, part, format); });
}

}  // namespace segcalc
