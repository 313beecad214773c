#pragma once

#include <filesystem>
#include <iosfwd>

#include "shopfloor/cutting_sheet.h"

namespace segcalc {

// The sheet as a printable page (A4 landscape, the rows, the totals and the
// identical parts) and as a spreadsheet (UTF-8 with its mark).
void WriteSheetHtml(std::ostream& out, const CuttingSheet& sheet, const OutputFormat& format);
void WriteSheetCsv(std::ostream& out, const CuttingSheet& sheet, const OutputFormat& format);

// By the name's extension, .html (.htm) or .csv; false for another name or a
// file not written whole.
bool IsSheetFileName(const std::filesystem::path& path);
bool WriteSheetFile(const std::filesystem::path& path, const CuttingSheet& sheet,
                    const OutputFormat& format);

}  // namespace segcalc
