#include "cli/shop_options.h"

namespace segcalc {

const char* const kShopUsageText =
    "\n"
    "放样与图纸(均可省略,省略时输出不变):\n"
    "  --exact                   另起五行给出用真 π 求得的 精确弧长,精确弦长,精确弦高,\n"
    "                            精确半径,精确夹角;成批计算时附在每行之后(无精确圆弧时为空)\n"
    "  --ordinates 间距          放样表:自弦中点起每隔该间距一行 放样<TAB>x<TAB>y\n"
    "  --report 文件             可打印的报告(HTML),含 1:1 的 A4 拼接页\n"
    "  --dxf 文件                DXF 图(R12,毫米):圆弧,弦,弦高和放样线\n"
    "  --radius 半径, --angle 夹角\n"
    "                            给定半径或夹角(度),与另一个量一起求精确解;\n"
    "                            此时不用计算器的扫描,只输出精确结果\n"
    "  --unit mm|cm|m|in         输入尺寸的单位(默认 mm),用于实物尺寸页和 DXF\n"
    "  --dxf-dir 目录            成批计算:每个有精确圆弧的行写一个 DXF,以行号命名;\n"
    "                            计算器无解而精确圆弧存在的行也有\n";

namespace {

std::optional<std::string>* TextTarget(std::string_view name, ShopOptions& shop) {
  if (name == "--ordinates") return &shop.ordinate_step;
  if (name == "--report") return &shop.report_file;
  if (name == "--dxf") return &shop.dxf_file;
  if (name == "--radius") return &shop.radius;
  if (name == "--angle") return &shop.angle;
  if (name == "--dxf-dir") return &shop.dxf_dir;
  return nullptr;
}

}  // namespace

ShopOptionParse ParseShopOption(std::string_view name, std::optional<std::string_view> inline_value,
                                const std::vector<std::string_view>& args, std::size_t& i,
                                ShopOptions& shop) {
  const std::string quoted = "选项 " + std::string(name);
  if (name == "--exact") {
    if (inline_value) return {true, quoted + " 不带值"};
    shop.exact = true;
    return {true, {}};
  }
  std::optional<std::string>* target = TextTarget(name, shop);
  if (!target && name != "--unit") return {};
  std::optional<std::string_view> value = inline_value;
  if (!value && i + 1 < args.size()) value = args[++i];
  if (!value) return {true, quoted + " 缺少值"};
  if (target) {
    // An empty file name is no place to write to, and an empty radius would be
    // an empty box that still switches the calculator off.
    if (value->empty()) return {true, quoted + " 的值不能为空"};
    *target = std::string(*value);
    return {true, {}};
  }
  const std::optional<LengthUnit> unit = ParseLengthUnit(*value);
  if (!unit) return {true, quoted + " 只能是 mm,cm,m 或 in"};
  shop.unit = *unit;
  return {true, {}};
}

std::string CheckShopOptions(const ShopOptions& shop, bool batch) {
  if (batch &&
      (shop.ordinate_step || shop.report_file || shop.dxf_file || shop.radius || shop.angle)) {
    return "--batch 不能与 --ordinates,--report,--dxf,--radius,--angle 同用";
  }
  if (!batch && shop.dxf_dir) return "--dxf-dir 只能与 --batch 同用";
  return {};
}

}  // namespace segcalc
