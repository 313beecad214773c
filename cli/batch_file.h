#pragma once

#include <fstream>
#include <string>

namespace segcalc {

// Opens a batch file named in UTF-8 for reading. Returns why it cannot be
// read, in the user's words ("文件不存在", "没有读取权限", a folder), or an
// empty string when `file` is open.
std::string OpenBatchFile(const std::string& name, std::ifstream& file);

}  // namespace segcalc
