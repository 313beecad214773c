#include "cli/cli_options.h"

#include "cli/shop_option_table.h"

#include <set>

namespace segcalc {

const char* const kUsageText =
    "用法: segcalc-cli [--major] [--arc 弧长] [--chord 弦长] [--height 弦高]\n"
    "      segcalc-cli --shape 拱形 --span 跨度 [--rise 拱高]\n"
    "      segcalc-cli --batch [-j 线程数] [文件]\n"
    "\n"
    "填入弧长,弦长,弦高中任意二项,求出夹角,半径和第三项。\n"
    "\n"
    "  --arc, --chord, --height  各输入框中的文字,原样照录;省略即为空框\n"
    "  --major                   不勾选\"小于半圆\"(默认为勾选)\n"
    "  --batch [文件]            成批计算:每行 弧长<TAB>弦长<TAB>弦高[<TAB>勾选值[<TAB>数量]],\n"
    "                            勾选值为 1 或空即为勾选,0 为不勾选;数量为 1 到 1000000 的整数;\n"
    "                            不给文件则读标准输入;也可为逗号或分号分隔的 CSV;\n"
    "                            每行输出 结果<TAB>弧长<TAB>弦长<TAB>弦高<TAB>半径<TAB>夹角,\n"
    "                            空行照样输出空行;首行为标题行时按列名读取(编号,弧长,弦长,\n"
    "                            弦高,小于半圆或勾选,数量,拱形,跨度,拱高,次序不限,\n"
    "                            其他列照抄在每行之后),输出的首行即为输出各列的标题\n"
    "  -j, --jobs 线程数         成批计算所用的线程数,默认为本机的硬件线程数;\n"
    "                            输出仍按输入的次序逐行写出\n"
    "  --help                    显示本说明\n"
    "  --version                 显示版本\n"
    "\n"
    "退出码: 0 已求解,或成批计算的每一行都有效(某行无解不算错误);\n"
    "        1 警告或错误(输入不完整,无法求解,数字无效,溢出),或成批计算中有无效行;\n"
    "        2 用法错误或文件无法读取; 3 无法写出结果或文件(报告,DXF)\n";

namespace {

bool IsTextOption(std::string_view name) {
  return name == "--arc" || name == "--chord" || name == "--height";
}

// A whole number from 1 to kMaxJobs, digits only.
std::optional<unsigned> JobCount(std::string_view text) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != text.npos) {
    return std::nullopt;
  }
  unsigned count = 0;
  for (const char digit : text) count = count * 10 + static_cast<unsigned>(digit - '0');
  if (count < 1 || count > kMaxJobs) return std::nullopt;
  return count;
}

}  // namespace

ParsedOptions ParseCliOptions(const std::vector<std::string_view>& args) {
  CliOptions options;
  std::set<std::string> seen;
  std::vector<std::string_view> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    std::optional<std::string_view> inline_value;
    if (arg.starts_with("--") && arg.find('=') != std::string_view::npos) {
      inline_value = arg.substr(arg.find('=') + 1);
      arg = arg.substr(0, arg.find('='));
    } else if (arg.starts_with("-j") && arg.size() > 2) {
      // The count attached, as make and most tools take it: -j2.
      inline_value = arg.substr(2);
      arg = arg.substr(0, 2);
    }
    const std::string_view name = arg == "-j" ? "--jobs" : arg;
    if (arg.starts_with("-") && arg != "-" && !seen.insert(std::string(name)).second) {
      return {std::nullopt, "选项 " + std::string(arg) + " 重复"};
    }
    const ShopOptionParse shop = ParseShopOption(name, inline_value, args, i, options.shop);
    if (!shop.error.empty()) return {std::nullopt, shop.error};
    if (shop.taken) continue;
    if (name == "--jobs") {
      std::optional<std::string_view> value = inline_value;
      if (!value && i + 1 < args.size()) value = args[++i];
      options.jobs = value ? JobCount(*value) : std::nullopt;
      if (!options.jobs) {
        return {std::nullopt,
                "选项 " + std::string(arg) + " 需要 1 到 " + std::to_string(kMaxJobs) + " 的整数"};
      }
      continue;
    }
    if (IsTextOption(arg)) {
      std::string_view value;
      if (inline_value) {
        value = *inline_value;
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        return {std::nullopt, "选项 " + std::string(arg) + " 缺少文字"};
      }
      std::string& target = arg == "--arc"     ? options.arc
                            : arg == "--chord" ? options.chord
                                               : options.height;
      target = value;
      continue;
    }
    if (inline_value) return {std::nullopt, "选项 " + std::string(arg) + " 不带值"};
    if (arg == "--major") {
      options.mode = SolveMode::MajorArc;
    } else if (arg == "--batch") {
      options.action = CliOptions::Action::Batch;
    } else if (arg == "--help" || arg == "-h") {
      options.action = CliOptions::Action::Help;
      return {options, {}};
    } else if (arg == "--version") {
      options.action = CliOptions::Action::Version;
      return {options, {}};
    } else if (arg.starts_with("-") && arg != "-") {
      return {std::nullopt, "未知选项 " + std::string(arg)};
    } else {
      positional.push_back(arg);
    }
  }
  const bool batch = options.action == CliOptions::Action::Batch;
  if (batch && (seen.count("--major") || seen.count("--arc") || seen.count("--chord") ||
                seen.count("--height"))) {
    return {std::nullopt, "--batch 不能与 --major,--arc,--chord,--height 同用"};
  }
  if (options.shop.NamesShape() && !options.arc.empty()) {
    return {std::nullopt, "给定拱形时不用 --arc:用 --span、--rise(或 --chord、--height)"};
  }
  const ShopOptions& shop = options.shop;
  if (shop.plan_file && !batch && !shop.plan_from) {
    return {std::nullopt, "--plan 需要 --batch(零件取自下料单)或 --plan-from(零件清单)"};
  }
  if (shop.plan_from && (batch || !options.arc.empty() || !options.chord.empty() ||
                         !options.height.empty() || shop.WantsSingleOutput())) {
    return {std::nullopt, "--plan-from 只与 --plan 和原料、锯切的选项同用"};
  }
  if (shop.plan_file && *shop.plan_file == "-" && batch) {
    return {std::nullopt, "成批计算时结果已写到标准输出,--plan 应给出文件名"};
  }
  if (options.shop.NamesShape() && options.shop.exact) {
    return {std::nullopt, "--exact 只用于弓形的五个量,不能与 --shape 同用"};
  }
  if (const std::string error = CheckShopOptions(options.shop, batch); !error.empty()) {
    return {std::nullopt, error};
  }
  if (!batch && options.jobs) return {std::nullopt, "-j,--jobs 只能与 --batch 同用"};
  if (positional.size() > (batch ? 1u : 0u)) {
    return {std::nullopt, "多余的参数 " + std::string(positional.back())};
  }
  if (batch && !positional.empty() && positional.front() != "-") {
    options.batch_file = std::string(positional.front());
  }
  return {options, {}};
}

}  // namespace segcalc
