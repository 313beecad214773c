#pragma once

#include <cstddef>
#include <fstream>
#include <string>

namespace segcalc {

// Opens a batch file named in UTF-8 for reading. Returns why it cannot be
// read, in the user's words ("文件不存在", "没有读取权限", a folder), or an
// empty string when `file` is open.
std::string OpenBatchFile(const std::string& name, std::ifstream& file);

// A small text file whole, decoded as a batch list is (UTF-8, or UTF-16
// behind its mark), or why not: unreadable (exit status 2) or larger than
// `limit` bytes, which is then some other file, not read into memory to find
// that out (exit status 1). `what` names it in the message.
struct TextFile {
  std::string text;
  std::string error;
  int status = 0;
};
TextFile ReadTextFile(const std::string& name, std::size_t limit, const std::string& what);

}  // namespace segcalc
