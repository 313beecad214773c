#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace segcalc {

// The five quantities of a circular segment, in the order the window's five
// boxes show them (Text1 to Text5), and so does every output that lists them.
enum class Quantity { Arc, Chord, Height, Radius, Angle };

inline constexpr int kQuantityCount = 5;
inline constexpr std::array<Quantity, kQuantityCount> kQuantities = {
    Quantity::Arc, Quantity::Chord, Quantity::Height, Quantity::Radius, Quantity::Angle};

constexpr std::size_t QuantityIndex(Quantity quantity) {
  return static_cast<std::size_t>(quantity);
}

// Arc, chord and height: what a user measures and types into a measurement
// box. Radius and angle are the calculator's answers.
constexpr bool IsMeasurement(Quantity quantity) {
  return quantity == Quantity::Arc || quantity == Quantity::Chord || quantity == Quantity::Height;
}

// 弧长, 弦长, 弦高, 半径 or 夹角: the label beside the quantity's box.
std::string_view QuantityLabel(Quantity quantity);

// One text per quantity, indexed by QuantityIndex: the five boxes.
using BoxTexts = std::array<std::string, kQuantityCount>;

}  // namespace segcalc
