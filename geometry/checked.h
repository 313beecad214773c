#pragma once

#include <optional>
#include <string>
#include <utility>

namespace segcalc {

// A value worked out from what the user gave, or the reason, in Chinese, why
// there is none. Nothing in geometry/ throws: every refusal is one of these,
// so that each program can show the reason its own way.
template <typename T>
struct Checked {
  std::optional<T> value;
  std::string error;  // empty when there is a value

  bool ok() const { return value.has_value(); }
};

template <typename T>
Checked<T> Accepted(T value) {
  return {std::move(value), {}};
}

// Converts to a refusal of any value type.
struct Refusal {
  std::string reason;

  template <typename T>
  operator Checked<T>() const {
    return {std::nullopt, reason};
  }
};

inline Refusal Refused(std::string reason) {
  return {std::move(reason)};
}

}  // namespace segcalc
