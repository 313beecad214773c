#include "cli/shop_output.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "calc/exact_geometry.h"
#include "calc/ordinates.h"
#include "calc/outcome_message.h"
#include "cli/exit_status.h"
#include "shopfloor/compute_outputs.h"
#include "shopfloor/dxf_writer.h"
#include "shopfloor/html_report.h"

namespace segcalc {
namespace {

constexpr const char* kExactLabels[] = {"精确弧长", "精确弦长", "精确弦高", "精确半径", "精确夹角"};

std::vector<double> ExactValues(const ExactSegment& s) {
  return {s.arc, s.chord, s.height, s.radius, s.angle};
}

struct GivenQuantities {
  std::vector<std::pair<Quantity, std::string>> texts;
  std::string error;
};

// With a radius or an angle: exactly two of the five must be given.
GivenQuantities QuantitiesGiven(const CliOptions& options) {
  GivenQuantities given;
  const std::pair<Quantity, const std::string*> all[] = {
      {Quantity::Arc, &options.arc},
      {Quantity::Chord, &options.chord},
      {Quantity::Height, &options.height},
      {Quantity::Radius, options.shop.radius ? &*options.shop.radius : nullptr},
      {Quantity::Angle, options.shop.angle ? &*options.shop.angle : nullptr}};
  for (const auto& [quantity, text] : all) {
    if (text && !text->empty()) given.texts.emplace_back(quantity, *text);
  }
  if (given.texts.size() != 2) {
    given.error = "给定半径或夹角时,弧长,弦长,弦高,半径,夹角中应恰好给出两项";
  }
  return given;
}

struct SingleRun {
  const CliOptions& options;
  std::ostream& out;
  std::ostream& err;
  const NumberSeparators& separators;
  int status = kExitOk;

  void Fail(int code, const std::string& message) {
    err << "segcalc-cli: " << message << '\n';
    status = std::max(status, code);
  }
};

void WriteReportFile(SingleRun& run, const ComputeOutcome* outcome, const ExactChoice& exact,
                     double step, const OrdinateTable& ordinates) {
  const CliOptions& options = run.options;
  ShopReport report;
  if (outcome) {
    FillComputePart(report, {options.arc, options.chord, options.height, !options.major}, *outcome);
  } else {
    for (const auto& [quantity, text] : QuantitiesGiven(options).texts) {
      report.given.push_back({QuantityLabel(quantity), text});
    }
    report.given.push_back({"小于半圆", options.major ? "不勾选" : "勾选"});
    report.calculator_note = "给定了半径或夹角,计算器只接受弧长,弦长,弦高,未计算";
  }
  report.exact = exact;
  report.ordinate_step = step;
  report.ordinates = ordinates;
  report.unit = options.shop.unit;
  report.separators = run.separators;
  const std::string& file = *options.shop.report_file;
  if (!WriteFile(PathFromUtf8(file), [&](std::ostream& o) { WriteReport(o, report); })) {
    run.Fail(kExitWriteFailed, "无法写入文件 " + file);
  }
}

}  // namespace

int WriteShopOutputs(const CliOptions& options, const ComputeOutcome* outcome, std::ostream& out,
                     std::ostream& err, const NumberSeparators& separators) {
  const ShopOptions& shop = options.shop;
  if (!shop.WantsSingleOutput()) return kExitOk;
  SingleRun run{options, out, err, separators};
  const bool minor = !options.major;

  std::optional<double> step;
  if (shop.ordinate_step) {
    const NumberReading reading = StrictNumber(*shop.ordinate_step, separators);
    if (!reading.ok()) {
      run.Fail(kExitUsage, "--ordinates 的间距不是有效的数字");
      return run.status;
    }
    step = reading.value;
  }

  ExactChoice exact;
  if (outcome) {
    exact = ExactBeside(*outcome, minor);
  } else {
    const GivenQuantities given = QuantitiesGiven(options);
    if (!given.error.empty()) {
      run.Fail(kExitUsage, given.error);
      return run.status;
    }
    double values[2] = {};
    for (int i = 0; i < 2; ++i) {
      const NumberReading reading = StrictNumber(given.texts[i].second, separators);
      if (!reading.ok()) {
        run.Fail(kExitUsage,
                 std::string(QuantityLabel(given.texts[i].first)) + "中填入的不是有效的数字");
        return run.status;
      }
      values[i] = reading.value;
    }
    exact = ChooseExact(
        SolveExact(given.texts[0].first, values[0], given.texts[1].first, values[1]), minor);
  }

  if (!exact.segment) {
    // The calculator's own failure has been reported already.
    if (!outcome || outcome->solve) run.Fail(kExitFailed, "无精确解: " + exact.reason);
    if (shop.report_file) {
      WriteReportFile(run, outcome, exact, step.value_or(1), {});
    }
    return run.status;
  }
  const ExactSegment& segment = *exact.segment;
  if (exact.had_two) {
    run.err << "segcalc-cli: 给定的两项还确定另一个圆弧(夹角 "
            << FormatTwoPlaces(exact.other.angle, separators) << "),此处取夹角 "
            << FormatTwoPlaces(segment.angle, separators) << " 的一个\n";
  }
  if (shop.exact || !outcome) {
    const std::vector<double> values = ExactValues(segment);
    for (int i = 0; i < 5; ++i) {
      out << kExactLabels[i] << '\t' << FormatTwoPlaces(values[i], separators) << '\n';
    }
  }
  const double table_step = step.value_or(DefaultOrdinateStep(segment.chord));
  const OrdinateTable ordinates = Ordinates(segment, table_step);
  if (!ordinates.error.empty() && step) {
    run.Fail(kExitUsage, ordinates.error);
    return run.status;
  }
  if (step) {
    for (const Ordinate& row : ordinates.rows) {
      out << "放样\t" << FormatTwoPlaces(row.x, separators) << '\t'
          << FormatTwoPlaces(row.y, separators) << '\n';
    }
  }
  if (shop.report_file) WriteReportFile(run, outcome, exact, table_step, ordinates);
  if (shop.dxf_file) {
    const double scale = MillimetresPer(shop.unit);
    const bool written = WriteFile(PathFromUtf8(*shop.dxf_file), [&](std::ostream& o) {
      WriteDxf(o, segment, ordinates.rows, scale);
    });
    if (!written) run.Fail(kExitWriteFailed, "无法写入文件 " + *shop.dxf_file);
  }
  return run.status;
}

BatchLineHook ShopBatchHook(const ShopOptions& shop, const NumberSeparators& separators) {
  if (!shop.exact && !shop.dxf_dir) return {};
  std::optional<std::filesystem::path> folder;
  if (shop.dxf_dir) {
    folder = PathFromUtf8(*shop.dxf_dir);
    std::error_code ignored;  // a folder that cannot be made fails each write, line by line
    std::filesystem::create_directories(*folder, ignored);
  }
  const double scale = MillimetresPer(shop.unit);
  return [exact_columns = shop.exact, folder, scale, separators](long number, const BatchLine* line,
                                                                 const ComputeOutcome* outcome,
                                                                 BatchLineOutput& output) {
    std::optional<ExactSegment> segment;
    if (line && outcome && outcome->kind == OutcomeKind::Solved) {
      segment = ExactBeside(*outcome, line->check_value == 1).segment;
    }
    if (exact_columns) {
      // Every line keeps the same number of columns; the exact ones stay empty
      // where there is no exact circle.
      const std::vector<double> values = segment ? ExactValues(*segment) : std::vector<double>();
      for (int i = 0; i < 5; ++i) {
        output.result += '\t';
        if (segment) output.result += FormatTwoPlaces(values[i], separators);
      }
    }
    if (folder && segment) {
      const std::filesystem::path path = *folder / (std::to_string(number) + ".dxf");
      const OrdinateTable stations = Ordinates(*segment, DefaultOrdinateStep(segment->chord));
      if (!WriteFile(path, [&](std::ostream& o) { WriteDxf(o, *segment, stations.rows, scale); })) {
        output.message = "第 " + std::to_string(number) + " 行: 无法写入文件 " +
                         reinterpret_cast<const char*>(path.u8string().c_str());
      }
    }
  };
}

}  // namespace segcalc
