#include "cli/shop_option_table.h"

#include <algorithm>
#include <map>

#include "shopfloor/sheet_paper.h"

namespace segcalc {
namespace {

using S = ShopOptions;

std::string SetUnit(std::string_view value, ShopOptions& shop) {
  const std::optional<LengthUnit> unit = ParseLengthUnit(value);
  if (!unit) return "只能是 mm,cm,m 或 in";
  shop.unit = *unit;
  return {};
}

// Checked as it is read, kept as typed.
std::string SetPaper(std::string_view value, ShopOptions& shop) {
  if (!ParsePaper(value)) return kPaperChoices;
  shop.paper = std::string(value);
  return {};
}

struct Entry {
  ShopOptionRow row;
  std::string (*set)(std::string_view value, ShopOptions& shop) = nullptr;
};

constexpr std::string_view kDrawings = "放样与图纸(均可省略,省略时输出不变)";
constexpr std::string_view kShapes =
    "拱形(给出 --shape 时不用计算器的扫描,按真 π 计算;尺寸为 --face 所指的面)";
constexpr std::string_view kPlan = "下料单与下料优化";
constexpr std::string_view kPart =
    "下料(用真 π,长度为 --unit 的单位,角度为度;成批计算时附在每行之后)";

const Entry kEntries[] = {
    {{"--exact", "",
      "另起五行给出用真 π 求得的 "
      "精确弧长,精确弦长,精确弦高,\n精确半径,精确夹角;成批计算时附在每行之后"
      "(无精确圆弧时为空)",
      kDrawings, "", "", nullptr, &S::exact}},
    {{"--ordinates",
      "间距",
      "放样表:自弦中点起每隔该间距一行 放样<TAB>x<TAB>y",
      kDrawings,
      "step",
      "纵距间距",
      &S::ordinate_step,
      nullptr,
      {},
      false,
      true}},
    {{"--report",
      "文件",
      "可打印的报告(HTML),含 1:1 的拼接页(纸张见 --paper)",
      kDrawings,
      "",
      "",
      &S::report_file,
      nullptr,
      {},
      false,
      true}},
    {{"--dxf",
      "文件",
      "DXF 图(R12,毫米):圆弧,弦,弦高和放样线",
      kDrawings,
      "",
      "",
      &S::dxf_file,
      nullptr,
      {},
      false,
      true}},
    {{"--paper",
      "A4|A3|A2|A1|A0|roll:宽度",
      "--report 的实物尺寸页用的纸张(默认 A4);roll:914 为 914 毫米宽的\n"
      "卷筒纸,每列一条,各按所需长度出纸",
      kDrawings,
      "paper",
      "纸张",
      &S::paper,
      nullptr,
      {},
      false,
      true},
     SetPaper},
    {{"--full-lines",
      "",
      "实物尺寸页上画出完整的弦和纵距线(默认只在它们与圆弧相交处\n"
      "和弦的两端画短标记并注明数值,只打印圆弧经过的页)",
      kDrawings,
      "",
      "",
      nullptr,
      &S::full_lines,
      {},
      false,
      true}},
    {{"--radius",
      "半径",
      "给定半径,与另一个量一起求精确解,此时不用计算器的扫描,\n只输出精确结果;尖拱:圆弧的半径",
      kDrawings,
      "",
      "",
      &S::radius,
      nullptr,
      {},
      false,
      true}},
    {{"--angle",
      "夹角",
      "给定夹角(度),与另一个量一起求精确解",
      kDrawings,
      "",
      "",
      &S::angle,
      nullptr,
      {},
      false,
      true}},
    {{"--unit", "mm|cm|m|in", "输入尺寸的单位(默认 mm),用于实物尺寸页和 DXF", kDrawings, "unit",
      "单位"},
     SetUnit},
    {{"--dxf-dir",
      "目录",
      "成批计算:每个有精确圆弧的行写一个 DXF,以行号命名;\n计算器无解而精确圆弧存在的行也有",
      kDrawings,
      "",
      "",
      &S::dxf_dir,
      nullptr,
      {},
      true}},
    {{"--shape", "拱形",
      "segment(弓形,默认,即计算器的圆弧),semicircle(半圆),\npointed(尖拱),three-centred(三心拱),"
      "ellipse(椭圆);\n也可写中文名。输出 拱形,跨度,拱高,拱长,拱形面积 和每段圆弧\n"
      "圆弧段<TAB>i<TAB>半径<TAB>弧长<TAB>夹角<TAB>圆心x<TAB>圆心y",
      kShapes, "shape", "拱形", &S::shape}},
    {{"--span", "跨度", "拱的跨度(也可用 --chord);成批计算时为每行的弦长一栏", kShapes, "span",
      "跨度", &S::span, nullptr, "--shape", false, true}},
    {{"--rise", "拱高", "拱高(也可用 --height);尖拱的拱高大于跨度之半,三心拱的小于;\n半圆不需要",
      kShapes, "rise", "拱高", &S::rise, nullptr, "--shape", false, true}},
    {{"--small-radius", "r", "三心拱两端小圆的半径(默认按经典作图法)", kShapes, "smallRadius",
      "小圆半径", &S::small_radius, nullptr, "--shape"}},
    {{"--legs", "H[,H2]", "拱脚下的直腿长(两腿不等时给两个);另输出 洞口面积,总高,左腿长,右腿长",
      kShapes, "legs", "腿长", &S::legs, nullptr, "--shape"}},
    {{"--quarter", "left|right",
      "只取对称拱的左半或右半(四分之一圆,四分之一椭圆,半个尖拱);\n此时 --span 为这一半的宽度",
      kShapes, "quarter", "取半", &S::quarter, nullptr, "--shape"}},
    {{"--bend-arcs", "N", "椭圆用 N 段相切的圆弧弯制(整个椭圆拱为奇数)", kShapes, "bendArcs",
      "弯弧段数", &S::bend_arcs, nullptr, "--shape"}},
    {{"--bend-tolerance", "偏差",
      "不给 --bend-arcs 时取偏离椭圆不超过该值的最少段数(默认 0.5 毫米)", kShapes, "bendTolerance",
      "弯弧允许偏差", &S::bend_tolerance, nullptr, "--shape"}},
    {{"--profile", "深度",
      "按给定深度的型材弯弧;输出 内侧,中心线,外侧 各面的尺寸,\n中性层和下料长度;"
      "多段圆弧的拱另有弯弧程序\n弯弧段<TAB>i<TAB>半径<TAB>起点<TAB>终点(中性层上自下料左端量起,\n"
      "左端先留半个切割余量和直段 A)",
      kPart, "profile", "型材深度", &S::profile_depth}},
    {{"--face", "inner|centre|outer",
      "所给尺寸是型材的内侧,中心线还是外侧(也可写 内侧,中心线,外侧)", kPart, "face", "所量的面",
      &S::face, nullptr, "--profile"}},
    {{"--neutral", "K", "中性层在距内侧 K × 深度 处(默认 0.5)", kPart, "neutral", "中性层系数 K",
      &S::neutral, nullptr, "--profile"}},
    {{"--tails", "A[,B]", "两端留的直段长度(默认 0;只给一个即两端相同)", kPart, "tails", "两端直段",
      &S::tails, nullptr, "--profile"}},
    {{"--trim", "X", "切割余量(默认 0);下料长度 = 中性层弧长 + A + B + X", kPart, "trim",
      "切割余量", &S::trim, nullptr, "--profile"}},
    {{"--pieces", "N",
      "把拱等分为 N 段:每段夹角,弧长,弦长,斜切角(每段\n两端各斜切半个每段夹角),"
      "折角(相邻两块平板之间的夹角),\n最大偏差(平板到圆弧的最大距离),有型材时还有板料宽度;\n"
      "单个计算另有每个分点一行 "
      "分点<TAB>i<TAB>x<TAB>y<TAB>s;\n多段圆弧和椭圆的拱沿所给的面等长分段,"
      "每段一行 分段,\n每个接点一行 接点",
      kPart, "pieces", "段数", &S::pieces}},
    {{"--max-deviation", "S", "分段数取平板偏差不超过 S 的最少段数", kPart, "max-deviation",
      "最大偏差", &S::max_deviation}},
    {{"--max-panel", "W", "分段数取外侧每段弦长不超过 W 的最少段数", kPart, "max-panel", "最大板宽",
      &S::max_panel}},
    {{"--stations", "方式",
      "放样点:from-end:间距(自左端起),divide:N(弦长 N 等分),\nlist:a,b,c(自左端起依次的间距),"
      "也可写 从左端按间距:,\n弦长等分:,间距表:,从中点按间距:;每点一行\n"
      "放样<TAB>x<TAB>y<TAB>s,s 为自左端沿弧的长度;\n成批计算时只用于 --dxf-dir 的图",
      kPart, "stations", "放样点", &S::stations}},
    {{"--area", "", "面积:弓形面积,扇形面积,周长;其他拱形为周长", kPart, "area", "面积", nullptr,
      &S::area}},
    {{"--fit",
      "文件",
      "由实测点(每行 x 与 y,至少三点)拟合圆:拟合半径,\n最大残差;给出 --target 时另有 与目标差",
      kPart,
      "",
      "",
      &S::fit_file,
      nullptr,
      {},
      false,
      true}},
    {{"--target", "R", "工件应有的半径,与 --fit 同用", kPart, "", "", &S::target, nullptr, "--fit",
      false, true}},
    {{"--sheet",
      "文件",
      "成批计算:给人看的下料单,.html 可打印(A4 横向),.csv 给 Excel;每行一行,\n结果用中文,"
      "编号,数量,半径,下料长度在前,数字照读出的值写;\n下面是零件数,总下料长度和相同零件的合计",
      kPlan,
      "",
      "",
      &S::sheet_file,
      nullptr,
      {},
      true}},
    {{"--plan", "文件",
      "下料优化:原料怎样锯,.txt(标签<TAB>值),.html(可打印的锯切图),\n.csv;“-” 即写到标准输出。"
      "零件取自 --batch 的每一行(有 --profile\n时为下料长度,否则为精确弧长,--shape "
      "时为拱长)乘以数量,"
      "或取自\n--plan-from;先用新料总长最少的方案,再求根数最少,再求最长的余料",
      kPlan, "", "", &S::plan_file}},
    {{"--plan-from", "文件", "零件清单:每行 长度<TAB>数量[<TAB>编号],首行可为标题行", kPlan, "", "",
      &S::plan_from, nullptr, "--plan", false, true}},
    {{"--bar", "L[,L2...]", "原料长度(按需购买),可给几种", kPlan, "bars", "原料长度", &S::bars,
      nullptr, "--plan"}},
    {{"--stock", "文件", "库存的料和余料:每行 长度<TAB>根数,先用库存再买新料", kPlan, "", "",
      &S::stock_file, nullptr, "--plan"}},
    {{"--kerf", "K", "锯缝:每个零件占去它的长度再加 K", kPlan, "kerf", "锯缝", &S::kerf, nullptr,
      "--plan"}},
    {{"--bar-ends", "A[,B]", "每根料两端切去不用的长度(只给一个即两端相同)", kPlan, "barEnds",
      "料头", &S::bar_ends, nullptr, "--plan"}},
    {{"--min-offcut", "M", "剩下不短于 M 的料回库存(余料),更短的为废料", kPlan, "minOffcut",
      "最短余料", &S::min_offcut, nullptr, "--plan"}},
};

const Entry* EntryOf(std::string_view name) {
  for (const Entry& entry : kEntries) {
    if (entry.row.name == name) return &entry;
  }
  return nullptr;
}

bool Given(const ShopOptionRow& row, const ShopOptions& shop) {
  if (row.text) return (shop.*row.text).has_value();
  if (row.flag) return shop.*row.flag;
  return false;
}

std::vector<ShopOptionRow> Rows() {
  std::vector<ShopOptionRow> rows;
  for (const Entry& entry : kEntries) rows.push_back(entry.row);
  return rows;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    if (!text.empty()) text += ',';
    text += name;
  }
  return text;
}

}  // namespace

std::span<const ShopOptionRow> ShopOptionTable() {
  static const std::vector<ShopOptionRow> rows = Rows();
  return rows;
}

const ShopOptionRow& RowOf(std::optional<std::string> ShopOptions::*text) {
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (row.text == text) return row;
  }
  return ShopOptionTable().front();
}

std::string OptionName(const ShopOptionRow& row, OptionVoice voice) {
  return std::string(voice == OptionVoice::Page && !row.page_name.empty() ? row.page_name
                                                                          : row.name);
}

ShopOptionParse ParseShopOption(std::string_view name, std::optional<std::string_view> inline_value,
                                const std::vector<std::string_view>& args, std::size_t& i,
                                ShopOptions& shop) {
  const Entry* entry = EntryOf(name);
  if (!entry) return {};
  const ShopOptionRow& row = entry->row;
  const std::string quoted = "选项 " + std::string(name);
  if (row.flag) {
    if (inline_value) return {true, quoted + " 不带值"};
    shop.*row.flag = true;
    return {true, {}};
  }
  std::optional<std::string_view> value = inline_value;
  if (!value && i + 1 < args.size()) value = args[++i];
  if (!value) return {true, quoted + " 缺少值"};
  if (entry->set) {
    const std::string problem = entry->set(*value, shop);
    return {true, problem.empty() ? problem : quoted + " " + problem};
  }
  // An empty file name is no place to write to, and an empty radius would be
  // an empty box that still switches the calculator off.
  if (value->empty()) return {true, quoted + " 的值不能为空"};
  shop.*row.text = std::string(*value);
  return {true, {}};
}

std::string CheckShopOptions(const ShopOptions& shop, bool batch, OptionVoice voice) {
  const auto name = [voice](std::string_view option) {
    return OptionName(EntryOf(option)->row, voice);
  };
  std::vector<std::string> single, batch_only;
  std::map<std::string_view, std::vector<std::string>> wanting;  // needed -> needing
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (!Given(row, shop)) continue;
    if (batch && row.single_only) single.push_back(OptionName(row, voice));
    if (!batch && row.batch_only) batch_only.push_back(OptionName(row, voice));
    if (!row.needs.empty() && !Given(EntryOf(row.needs)->row, shop)) {
      wanting[row.needs].push_back(OptionName(row, voice));
    }
  }
  if (!single.empty()) return "--batch 不能与 " + Joined(single) + " 同用";
  if (!batch_only.empty()) return Joined(batch_only) + " 只能与 --batch 同用";
  if (shop.profile_depth && !shop.face) {
    return name("--profile") + " 需要 " + name("--face") +
           (voice == OptionVoice::Cli ? " inner|centre|outer" : "") + ",说明所给尺寸是型材的哪一面";
  }
  for (const auto& [needed, needing] : wanting) {
    return Joined(needing) + " 只能与 " + name(needed) + " 同用";
  }
  if ((shop.pieces ? 1 : 0) + (shop.max_deviation ? 1 : 0) + (shop.max_panel ? 1 : 0) > 1) {
    return Joined({name("--pieces"), name("--max-deviation"), name("--max-panel")}) +
           " 只能给出其中一个";
  }
  if (shop.shape && shop.angle) return "给定拱形时不用 " + name("--angle");
  return {};
}

std::string ShopUsageText() {
  constexpr std::size_t kColumn = 28;  // where the help starts
  std::string text;
  std::string_view group;
  for (const ShopOptionRow& row : ShopOptionTable()) {
    if (row.group != group) {
      group = row.group;
      text += '\n';
      text += group;
      text += ":\n";
    }
    std::string left = "  ";
    left += row.name;
    if (!row.value_name.empty()) {
      left += ' ';
      left += row.value_name;
    }
    // Widths as a terminal shows them: a Chinese character takes two columns.
    std::size_t width = 0;
    for (const char c : left) {
      const auto byte = static_cast<unsigned char>(c);
      width += byte < 0x80 ? 1 : (byte & 0xC0) == 0xC0 ? 2 : 0;
    }
    std::string help(row.help);
    std::size_t start = 0;
    for (bool first = true; start <= help.size(); first = false) {
      const std::size_t end = std::min(help.find('\n', start), help.size());
      const std::string line = help.substr(start, end - start);
      if (first && width + 1 < kColumn) {
        text += left;
        text.append(kColumn - width, ' ');
      } else {
        if (first) text += left + '\n';
        text.append(kColumn, ' ');
      }
      text += line;
      text += '\n';
      start = end + 1;
    }
  }
  text += "列表中的数(--tails,--legs,--stations,--bar,--bar-ends)一律以句点为小数点,以逗号分隔。\n";
  return text;
}

}  // namespace segcalc
