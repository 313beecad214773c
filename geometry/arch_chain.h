#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "geometry/arc_piece.h"
#include "geometry/checked.h"

namespace segcalc {

struct ArchPoint;

// What an arch of several circular pieces answers, from its pieces alone
// (left to right, each run clockwise from its end angle to its start).

PlanePoint ChainLeftEnd(const std::vector<ArcPiece>& pieces);
PlanePoint ChainRightEnd(const std::vector<ArcPiece>& pieces);
double ChainTop(const std::vector<ArcPiece>& pieces);

// The point above x, and its length from the left end (starts: each piece's
// own); none outside the chain.
std::optional<ArchPoint> ChainAbove(const std::vector<ArcPiece>& pieces,
                                    const std::vector<double>& starts, double x);

// The same centres, each radius d more; where a corner joins two pieces they
// are cut back or carried on to where the new pieces meet.
Checked<std::vector<ArcPiece>> ParallelChain(const std::vector<ArcPiece>& pieces,
                                             const std::vector<bool>& corners, double d);

// The polygon of the ends and joints down to the springing line, and each
// piece's segment beyond its chord.
double ChainArea(const std::vector<ArcPiece>& pieces);

// Why a parallel does not exist: a piece shrinks to nothing, or a parallel
// of an ellipse folds over itself where it is tightest.
std::string ClosesUpMessage(std::size_t piece, double radius, double d);
std::string EllipseFoldsMessage(double tightest_radius, double inward);

}  // namespace segcalc
