// segcalc-cli's options for what the shop makes from the arc: the profile, the
// divisions, the stations, the area and the check of a bent piece.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/cli/in_process_cli.h"
#include "tests/support/text_lines.h"

namespace segcalc {
namespace {

using testing::Fields;
using testing::Lines;

// The 'label<TAB>value' lines, by label; rows that repeat a label (分点,
// 放样) are counted instead.
struct Printed {
  std::map<std::string, double> values;
  std::map<std::string, std::vector<std::vector<double>>> rows;
};

Printed Parse(const std::string& out) {
  Printed printed;
  for (const std::string& line : Lines(out)) {
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() == 2) {
      printed.values[fields[0]] = std::stod(fields[1]);
      continue;
    }
    std::vector<double> numbers;
    for (std::size_t i = 1; i < fields.size(); ++i) numbers.push_back(std::stod(fields[i]));
    printed.rows[fields[0]].push_back(numbers);
  }
  return printed;
}

class Scratch {
 public:
  Scratch() {
    path_ = std::filesystem::temp_directory_path() /
            (std::string("segcalc-part-") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~Scratch() { std::filesystem::remove_all(path_); }
  std::string Write(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

// A 70 mm window-frame profile measured on its outer face: the faces share
// the angle, their radii differ by the depth, and the cut length adds up.
TEST(PartCli, ProfileFacesAndCutLength) {
  const CliRun run = Invoke({"--chord", "1200", "--height", "300", "--profile", "70", "--face",
                             "outer", "--tails", "150,120", "--trim", "20"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Printed p = Parse(run.out);
  // R = (600^2 + 300^2) / 600 = 750 on the outer face, as given.
  EXPECT_EQ(p.values.at("外侧半径"), 750);
  EXPECT_EQ(p.values.at("外侧弦长"), 1200);
  EXPECT_EQ(p.values.at("内侧半径"), 680);
  EXPECT_EQ(p.values.at("中心线半径"), 715);
  const double angle = 2 * std::asin(600.0 / 750);
  EXPECT_NEAR(p.values.at("内侧弧长"), 680 * angle, 0.005);
  EXPECT_NEAR(p.values.at("内侧弦长"), 2 * 680 * std::sin(angle / 2), 0.005);
  EXPECT_EQ(p.values.at("中性层半径"), 715);
  EXPECT_NEAR(p.values.at("下料长度"), p.values.at("中性层弧长") + 150 + 120 + 20, 0.0101);
  // The calculator's own five lines come first, as without the options.
  EXPECT_TRUE(run.out.starts_with(Invoke({"--chord", "1200", "--height", "300"}).out));
}

TEST(PartCli, DivisionsAndTheirPoints) {
  const CliRun run = Invoke({"--chord", "12000", "--height", "1500", "--pieces", "12", "--exact"});
  ASSERT_EQ(run.status, 1) << run.err;  // the scan finds no match; the exact circle does
  const Printed p = Parse(run.out);
  EXPECT_EQ(p.values.at("段数"), 12);
  const auto& points = p.rows.at("分点");
  ASSERT_EQ(points.size(), 13u);
  // R = (6000^2 + 1500^2) / 3000 = 12750; every point on the circle.
  for (const auto& point : points) {
    EXPECT_NEAR(std::hypot(point[1], point[2] - (1500 - 12750)), 12750, 0.01) << point[0];
  }
  EXPECT_EQ(points.back()[3], p.values.at("精确弧长"));
  EXPECT_NEAR(p.values.at("折角"), 180 - p.values.at("每段夹角"), 0.0101);
  EXPECT_NEAR(p.values.at("斜切角") * 2, p.values.at("每段夹角"), 0.0101);
}

TEST(PartCli, StationsBesideTheOrdinatesAndTheArea) {
  const CliRun run = Invoke({"--chord", "300", "--height", "80", "--exact", "--ordinates", "50",
                             "--stations", "list:100,100", "--area"});
  ASSERT_EQ(run.status, 0) << run.err;
  const Printed p = Parse(run.out);
  const auto& rows = p.rows.at("放样");
  // Today's seven ordinate rows (x, y), then the stations (x, y, s): the left
  // end, 100, 200 and the right end.
  ASSERT_EQ(rows.size(), 11u);
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(rows[i].size(), 2u);
  EXPECT_EQ(rows[3], (std::vector<double>{0, 80}));
  EXPECT_EQ(rows[7], (std::vector<double>{-150, 0, 0}));
  EXPECT_EQ(rows[8][0], -50);
  EXPECT_EQ(rows[8][1], rows[2][1]);  // the ordinate at -50
  EXPECT_EQ(rows[10][2], p.values.at("精确弧长"));
  EXPECT_NEAR(p.values.at("周长"), p.values.at("精确弧长") + 300, 0.0101);
  EXPECT_LT(p.values.at("弓形面积"), p.values.at("扇形面积"));
}

// Values that do not fit the arc are the geometry's to refuse (1); values
// that are no numbers or options that need others are usage errors (2).
TEST(PartCli, RefusesWithAReason) {
  const std::vector<std::string_view> arc = {"--chord", "1200", "--height", "300"};
  const struct {
    std::vector<std::string_view> options;
    int status;
    const char* reason;
  } cases[] = {
      {{"--profile", "800", "--face", "outer"}, 1, "内侧半径"},
      {{"--profile", "1e308", "--face", "inner"}, 1, "超出"},
      {{"--profile", "70", "--face", "outer", "--neutral", "1.5"}, 1, "0 到 1"},
      {{"--profile", "70", "--face", "outer", "--tails", "-5"}, 2, "--tails"},
      {{"--profile", "70", "--face", "outer", "--trim", "-1"}, 1, "切割余量"},
      {{"--profile", "70"}, 2, "--face"},
      {{"--profile", "70", "--face", "middle"}, 2, "--face"},
      {{"--profile", "seventy", "--face", "outer"}, 2, "--profile"},
      {{"--neutral", "0.4"}, 2, "--profile"},
      {{"--pieces", "1000000000"}, 1, "10000"},
      {{"--pieces", "0"}, 1, "段数"},
      {{"--max-deviation", "1e-12"}, 1, "10000"},
      {{"--max-deviation", "NaN"}, 2, "--max-deviation"},
      {{"--pieces", "4", "--max-panel", "100"}, 2, "只能给出其中一个"},
      {{"--stations", "list:100,1e308"}, 2, "--stations"},
      {{"--stations", "list:100,2000"}, 1, "超出弦长"},
      {{"--stations", "divide:"}, 2, "--stations"},
      {{"--stations", "sideways:3"}, 2, "--stations"},
      {{"--target", "5"}, 2, "--fit"},
  };
  for (const auto& c : cases) {
    std::vector<std::string_view> args = arc;
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = Invoke(args);
    EXPECT_EQ(run.status, c.status)
        << c.options.front() << " " << c.options.back() << ": " << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("segcalc-cli: "), std::string::npos) << run.err;
  }
}

// Points measured on a bent piece: the fit recovers the circle they lie on,
// with or without the arc beside it, and refuses what fixes no circle.
TEST(PartCli, FitsTheCircleOfMeasuredPoints) {
  Scratch scratch;
  std::string points;
  for (int i = 0; i <= 8; ++i) {
    const double t = -0.4 + 0.1 * i;  // radians around the top of a circle of 750
    std::ostringstream line;
    line.precision(17);
    line << 750 * std::sin(t) << '\t' << 750 * std::cos(t) - 450 << "\r\n";
    points += line.str();
  }
  const std::string file = scratch.Write("points.txt", "\xEF\xBB\xBF" + points);
  const CliRun alone = Invoke({"--fit", file, "--target", "752"});
  ASSERT_EQ(alone.status, 0) << alone.err;
  const Printed p = Parse(alone.out);
  EXPECT_NEAR(p.values.at("拟合半径"), 750, 0.01);
  EXPECT_NEAR(p.values.at("与目标差"), -2, 0.01);
  EXPECT_LE(p.values.at("最大残差"), 0.01);
  const CliRun beside = Invoke({"--chord", "1200", "--height", "300", "--fit", file});
  EXPECT_EQ(beside.status, 0) << beside.err;
  EXPECT_TRUE(beside.out.find("拟合半径\t750\n") != std::string::npos) << beside.out;
  EXPECT_EQ(beside.out.find("与目标差"), std::string::npos);

  const struct {
    const char* name;
    std::string text;
    int status;
    const char* reason;
  } refused[] = {
      {"line.txt", "0\t0\n1\t1\n2\t2\n3\t3\n", 1, "直线"},
      {"two.txt", "0\t0\n1\t1\n", 1, "3 个"},
      {"bad.txt", "0\t0\nx\t1\n2\t0\n", 1, "第 2 行"},
  };
  for (const auto& r : refused) {
    const CliRun run = Invoke({"--fit", scratch.Write(r.name, r.text)});
    EXPECT_EQ(run.status, r.status) << r.name << run.err;
    EXPECT_NE(run.err.find(r.reason), std::string::npos) << r.name << ": " << run.err;
  }
  EXPECT_EQ(Invoke({"--fit", "/no/such/points.txt"}).status, 2);
}

// Every line of a cutting list gets the same columns, after today's and the
// exact ones, named in the header; a line the calculator finds no match for
// still gets them from its exact circle.
TEST(PartCli, BatchAppendsThePartsColumns) {
  const std::string list =
      "弧长\t弦长\t弦高\n2491.78\t2067.63\t\n\t8000\t1000\n100\t200\t\n\t100\t50\n";
  const CliRun run = Invoke(
      {"--batch", "--exact", "--profile", "70", "--face", "outer", "--pieces", "4", "--area"},
      list);
  // The last line's radius of 50 leaves the 70 mm profile no inner face.
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find("segcalc-cli: 第 5 行: "), std::string::npos) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u);
  const std::vector<std::string> header = Fields(lines[0]);
  // 6 + 5 exact + 15 profile + 12 divisions (with three faces and the stock) + 3 area.
  ASSERT_EQ(header.size(), 41u);
  EXPECT_EQ(header[11], "内侧半径");
  EXPECT_EQ(header[26], "段数");
  EXPECT_EQ(header[40], "周长");
  for (const std::string& line : lines) EXPECT_EQ(Fields(line).size(), header.size()) << line;
  EXPECT_EQ(Fields(lines[2])[0], "no-solution");
  EXPECT_EQ(Fields(lines[2])[11], "8430");  // 8500 - 70
  EXPECT_EQ(Fields(lines[3])[11], "");      // no circle at all
  EXPECT_EQ(Fields(lines[1])[11], "1130");
  EXPECT_EQ(Fields(lines[4])[0], "solved");
  EXPECT_EQ(Fields(lines[4])[11], "");
}

}  // namespace
}  // namespace segcalc
