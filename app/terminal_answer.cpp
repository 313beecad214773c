#include "app/terminal_answer.h"

#include "version.h"

namespace segcalc {
namespace {

constexpr char kUsage[] =
    "用法: segcalc [--help | --version]\n"
    "\n"
    "求半径: 在弧长、弦长、弦高中填入任意两项, 按“确 定”求出其它三项: 缺的一项、半径和夹角。\n"
    "不带参数时打开窗口; 在命令行或脚本中计算请用 segcalc-cli (segcalc-cli --help)。\n"
    "\n"
    "  --help     显示本说明后退出\n"
    "  --version  显示版本后退出\n";

}  // namespace

std::optional<std::string> TerminalAnswer(const std::vector<std::string_view>& args) {
  for (const std::string_view arg : args) {
    if (arg == "--help" || arg == "-h") return std::string(kUsage);
  }
  for (const std::string_view arg : args) {
    if (arg == "--version") return std::string("segcalc ") + kVersion + "\n";
  }
  return std::nullopt;
}

}  // namespace segcalc
