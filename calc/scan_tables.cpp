#include "calc/scan_tables.h"

#include <cmath>
#include <new>

namespace segcalc {
namespace {

// Whole cache lines, so that the widest vector loads never straddle two.
constexpr std::align_val_t kColumnAlignment{64};

double* AllocateColumn(std::size_t size) {
  return static_cast<double*>(::operator new[](size * sizeof(double), kColumnAlignment));
}

// The accumulation of the plain scan, step for step: the rounding error of
// the additions decides some results, so the angle is never derived from the
// pass number.
std::size_t FillAngles(SolveMode mode, double* out) {
  const bool minor = mode == SolveMode::MinorArc;
  const double step = minor ? 0.001 : -0.001;
  double a = minor ? 0.001 : 360.0;
  std::size_t count = 0;
  for (; count < kScanPasses && (minor ? !(a > 360.0) : !(a < 0.001)); ++count) {
    out[count] = a;
    a = step + a;
  }
  return count;
}

// Degrees to radians with pi taken as 3.14, in the plain scan's order.
double Radians(double degrees) {
  return (degrees * 3.14) / 180.0;
}
double MinorHalf(double a) {
  return Radians(a / 2.0);
}
double MajorHalf(double a) {
  return Radians((360.0 - a) / 2.0);
}

double HalfAngleValue(ScanColumn column, double a) {
  switch (column) {
    case ScanColumn::SinMinorHalf:
      return std::sin(MinorHalf(a));
    case ScanColumn::CosMinorHalf:
      return std::cos(MinorHalf(a));
    case ScanColumn::SinMajorHalf:
      return std::sin(MajorHalf(a));
    case ScanColumn::CosMajorHalf:
      return std::cos(MajorHalf(a));
    case ScanColumn::Angle:
      break;
  }
  return a;
}

}  // namespace

void ScanTables::AlignedFree::operator()(double* values) const {
  ::operator delete[](values, kColumnAlignment);
}

int ScanTables::IndexOf(SolveMode mode, ScanColumn column) {
  return (mode == SolveMode::MinorArc ? 0 : kScanColumnCount) + static_cast<int>(column);
}

std::span<const double> ScanTables::Column(SolveMode mode, ScanColumn column) {
  Slot& slot = slots_[IndexOf(mode, column)];
  std::call_once(slot.once, [&] { Build(slot, mode, column); });
  return {slot.values.get(), slot.size};
}

void ScanTables::Build(Slot& slot, SolveMode mode, ScanColumn column) {
  slot.values.reset(AllocateColumn(kScanPasses));
  if (column == ScanColumn::Angle) {
    slot.size = FillAngles(mode, slot.values.get());
  } else {
    const std::span<const double> angles = Column(mode, ScanColumn::Angle);
    for (std::size_t i = 0; i < angles.size(); ++i) {
      slot.values[i] = HalfAngleValue(column, angles[i]);
    }
    slot.size = angles.size();
  }
  slot.built.store(true, std::memory_order_release);
}

bool ScanTables::IsBuilt(SolveMode mode, ScanColumn column) const {
  return slots_[IndexOf(mode, column)].built.load(std::memory_order_acquire);
}

std::size_t ScanTables::BytesBuilt() const {
  std::size_t bytes = 0;
  for (const Slot& slot : slots_) {
    if (slot.built.load(std::memory_order_acquire)) bytes += slot.size * sizeof(double);
  }
  return bytes;
}

ScanTables& SharedScanTables() {
  static ScanTables tables;
  return tables;
}

}  // namespace segcalc
