#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

#include "geometry/arc_part.h"
#include "geometry/compute_record.h"
#include "shopfloor/html_report.h"
#include "shopfloor/output_format.h"
#include "shopfloor/utf8_path.h"

namespace segcalc {

// False when the file could not be opened or not all of it was written.
bool WriteFile(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write);

// "无法写入文件 <path>": what the user is told when WriteFile fails.
std::string CannotWriteMessage(const std::filesystem::path& path);

// "无精确解: <reason>".
std::string NoExactCircleMessage(const ExactChoice& exact);

// The part's drawing in millimetres, from lengths in the format's unit.
bool WriteDxfFile(const std::filesystem::path& path, const ArcPart& part,
                  const OutputFormat& format);

// The report of a compute; part is null when there is no exact circle.
bool WriteReportFile(const std::filesystem::path& path, const ComputeRecord& record,
                     const ArcPart* part, const OutputFormat& format);
// The report of a named head.
bool WriteHeadReportFile(const std::filesystem::path& path, const std::vector<GivenText>& given,
                         const ArcPart& part, const OutputFormat& format);

}  // namespace segcalc
