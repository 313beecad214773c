#include "geometry/station_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "geometry/option_numbers.h"
#include "geometry/ordinates.h"

namespace segcalc {
namespace {

std::string Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  std::string name(text.substr(first, last - first + 1));
  std::transform(name.begin(), name.end(), name.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return name;
}

constexpr std::string_view kForms =
    "测点方式应为 from-end:间距、from-middle:间距、divide:份数 或 list:间距,间距,…"
    "(也可写 从左端按间距:、从中点按间距:、弦长等分:、间距表:)";

// Each way by its name, in English or as the page says it.
std::optional<StationRule> RuleOf(std::string_view name) {
  if (name == "from-end" || name == "从左端按间距" || name == "自左端" || name == "从左端") {
    return StationRule::FromEnd;
  }
  if (name == "from-middle" || name == "centred" || name == "从中点按间距" || name == "自中点" ||
      name == "从中点") {
    return StationRule::Centred;
  }
  if (name == "divide" || name == "弦长等分" || name == "等分") return StationRule::Divide;
  if (name == "list" || name == "间距表") return StationRule::List;
  return std::nullopt;
}

Checked<StationPlan> ReadRule(std::string_view name, std::string_view value) {
  StationPlan plan;
  const std::optional<StationRule> rule = RuleOf(name);
  const std::string called(name);
  if (rule == StationRule::FromEnd || rule == StationRule::Centred) {
    const Checked<double> step = ReadOptionNumber(value);
    if (!step.ok()) return Refused(called + " 的间距" + step.error);
    plan.rule = *rule;
    plan.step = *step.value;
  } else if (rule == StationRule::Divide) {
    const Checked<double> parts = ReadOptionNumber(value);
    const double most = static_cast<double>(kMaxOrdinateRows - 1);
    if (!parts.ok() || !(*parts.value >= 1 && *parts.value <= most) ||
        *parts.value != std::floor(*parts.value)) {
      return Refused(called + " 的份数应为 1 到 " + std::to_string(kMaxOrdinateRows - 1) +
                     " 之间的整数");
    }
    plan.rule = StationRule::Divide;
    plan.parts = static_cast<std::size_t>(*parts.value);
  } else if (rule == StationRule::List) {
    Checked<std::vector<double>> spacings = ReadOptionList(value);
    if (!spacings.ok()) return Refused(called + " 的间距:" + spacings.error);
    plan.rule = StationRule::List;
    plan.spacings = std::move(*spacings.value);
  } else {
    return Refused(std::string(kForms));
  }
  return Accepted(std::move(plan));
}

}  // namespace

Checked<StationPlan> ReadStationPlan(std::string_view text) {
  // The first colon, ASCII or full-width, ends the name.
  constexpr std::string_view kWideColon = "\uff1a";
  const std::size_t colon = std::min(text.find(':'), text.find(kWideColon));
  if (colon == std::string_view::npos) return Refused(std::string(kForms));
  const std::size_t width = text.substr(colon, 1) == ":" ? 1 : kWideColon.size();
  Checked<StationPlan> plan = ReadRule(Trimmed(text.substr(0, colon)), text.substr(colon + width));
  if (!plan.ok()) return plan;
  if (std::string problem = StationPlanProblem(*plan.value); !problem.empty()) {
    return Refused(problem);
  }
  return plan;
}

}  // namespace segcalc
