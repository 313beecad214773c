#include "cli/batch_file.h"

#include <cerrno>
#include <filesystem>
#include <iterator>
#include <system_error>

#include "cli/exit_status.h"
#include "cli/input_encoding.h"
#include "shopfloor/utf8_path.h"

namespace segcalc {
namespace {

std::string Reason(std::error_code error) {
  if (error == std::errc::no_such_file_or_directory) return "文件不存在";
  if (error == std::errc::permission_denied) return "没有读取权限";
  if (error == std::errc::is_a_directory) return "这是文件夹,不是文件";
  return error.message();
}

}  // namespace

std::string OpenBatchFile(const std::string& name, std::ifstream& file) {
  const std::filesystem::path path = PathFromUtf8(name);
  std::error_code error;
  // A folder opens as a stream on some systems and then reads as empty: a
  // failure that would pass for an empty list.
  if (std::filesystem::is_directory(path, error))
    return Reason(std::make_error_code(std::errc::is_a_directory));
  errno = 0;
  file.open(path, std::ios::binary);
  if (file) return {};
  const int cause = errno;
  if (cause != 0) return Reason(std::error_code(cause, std::generic_category()));
  return Reason(error ? error : std::make_error_code(std::errc::no_such_file_or_directory));
}

TextFile ReadTextFile(const std::string& name, std::size_t limit, const std::string& what) {
  std::ifstream file;
  if (const std::string why = OpenBatchFile(name, file); !why.empty()) {
    return {{}, "无法读取文件 " + name + ":" + why, kExitUsage};
  }
  DecodedInput decoded(file);
  TextFile result;
  std::istreambuf_iterator<char> it(decoded.stream()), end;
  for (; it != end && result.text.size() <= limit; ++it) result.text += *it;
  if (result.text.size() > limit) return {{}, what + " " + name + " 太大", kExitFailed};
  return result;
}

}  // namespace segcalc
