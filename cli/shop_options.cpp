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
    "                            计算器无解而精确圆弧存在的行也有\n"
    "\n"
    "下料(用真 π,长度为 --unit 的单位,角度为度;成批计算时附在每行之后):\n"
    "  --profile 深度 --face inner|centre|outer\n"
    "                            按给定深度的型材弯弧;--face 说明所给尺寸是型材的\n"
    "                            内侧,中心线还是外侧。输出 内侧,中心线,外侧 各自的\n"
    "                            半径,弧长,弦长,弦高,以及 中性层半径,中性层弧长,下料长度\n"
    "  --neutral K               中性层在距内侧 K × 深度 处(默认 0.5)\n"
    "  --tails A[,B]             两端留的直段长度(默认 0;只给一个即两端相同)\n"
    "  --trim X                  切割余量(默认 0);下料长度 = 中性层弧长 + A + B + X\n"
    "  --pieces N                把圆弧等分为 N 段:每段夹角,弧长,弦长,斜切角(每段\n"
    "                            两端各斜切半个每段夹角),折角(相邻两块平板之间的夹角),\n"
    "                            最大偏差(平板到圆弧的最大距离),有型材时还有板料宽度;\n"
    "                            单个计算另有每个分点一行 分点<TAB>i<TAB>x<TAB>y<TAB>s\n"
    "  --max-deviation S         分段数取平板偏差不超过 S 的最少段数\n"
    "  --max-panel W             分段数取外侧每段弦长不超过 W 的最少段数\n"
    "  --stations 方式           放样点:from-end:间距(自左端起),divide:N(弦长 N 等分),\n"
    "                            list:a,b,c(自左端起依次的间距);每点一行\n"
    "                            放样<TAB>x<TAB>y<TAB>s,s 为自左端沿弧的长度;\n"
    "                            成批计算时只用于 --dxf-dir 的图\n"
    "  --area                    弓形面积,扇形面积,周长\n"
    "  --fit 文件 [--target R]   由实测点(每行 x<TAB>y,至少三点)拟合圆:拟合半径,\n"
    "                            最大残差;给出 --target 时另有 与目标差\n"
    "列表中的数(--tails,--stations)一律以句点为小数点,以逗号分隔。\n";

namespace {

std::optional<std::string>* TextTarget(std::string_view name, ShopOptions& shop) {
  const struct {
    std::string_view name;
    std::optional<std::string> ShopOptions::*target;
  } options[] = {{"--ordinates", &ShopOptions::ordinate_step},
                 {"--report", &ShopOptions::report_file},
                 {"--dxf", &ShopOptions::dxf_file},
                 {"--radius", &ShopOptions::radius},
                 {"--angle", &ShopOptions::angle},
                 {"--dxf-dir", &ShopOptions::dxf_dir},
                 {"--profile", &ShopOptions::profile_depth},
                 {"--face", &ShopOptions::face},
                 {"--neutral", &ShopOptions::neutral},
                 {"--tails", &ShopOptions::tails},
                 {"--trim", &ShopOptions::trim},
                 {"--pieces", &ShopOptions::pieces},
                 {"--max-deviation", &ShopOptions::max_deviation},
                 {"--max-panel", &ShopOptions::max_panel},
                 {"--stations", &ShopOptions::stations},
                 {"--fit", &ShopOptions::fit_file},
                 {"--target", &ShopOptions::target}};
  for (const auto& option : options) {
    if (option.name == name) return &(shop.*option.target);
  }
  return nullptr;
}

}  // namespace

ShopOptionParse ParseShopOption(std::string_view name, std::optional<std::string_view> inline_value,
                                const std::vector<std::string_view>& args, std::size_t& i,
                                ShopOptions& shop) {
  const std::string quoted = "选项 " + std::string(name);
  if (name == "--exact" || name == "--area") {
    if (inline_value) return {true, quoted + " 不带值"};
    (name == "--exact" ? shop.exact : shop.area) = true;
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
  if (batch && (shop.ordinate_step || shop.report_file || shop.dxf_file || shop.radius ||
                shop.angle || shop.fit_file)) {
    return "--batch 不能与 --ordinates,--report,--dxf,--radius,--angle,--fit 同用";
  }
  if (!batch && shop.dxf_dir) return "--dxf-dir 只能与 --batch 同用";
  if (shop.profile_depth && !shop.face) {
    return "--profile 需要 --face inner|centre|outer,说明所给尺寸是型材的哪一面";
  }
  if (!shop.profile_depth && (shop.face || shop.neutral || shop.tails || shop.trim)) {
    return "--face,--neutral,--tails,--trim 只能与 --profile 同用";
  }
  if ((shop.pieces ? 1 : 0) + (shop.max_deviation ? 1 : 0) + (shop.max_panel ? 1 : 0) > 1) {
    return "--pieces,--max-deviation,--max-panel 只能给出其中一个";
  }
  if (shop.target && !shop.fit_file) return "--target 只能与 --fit 同用";
  return {};
}

}  // namespace segcalc
