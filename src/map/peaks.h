// Peaks of a map: local maxima (and, for a difference map, minima) of the
// current section or of the whole cell, refined between grid points and
// listed once per set of symmetry equivalents.
#pragma once

#include <cstdio>
#include <vector>

#include "state/view_state.h"

namespace pyk {

// Maxima highest first, then (map type 1 only) minima deepest first. A peak
// is a grid point above (below) all its neighbours, refined along each axis
// by the parabola through it and its two neighbours. Empty without a map.
std::vector<Peak> FindPeaks(const ViewState& s, const PeakSearch& search);

// The peak list: '#' comment lines (map, search, threshold, mean and sigma,
// the columns), then a line a peak: N x y z height height/sigma. With a
// model shown, a "# model" line, and each line ends with the nearest atom's
// label and its distance in Angstrom.
void WritePeakList(const ViewState& s, const PeakSearch& search, const std::vector<Peak>& peaks, FILE* out);

}  // namespace pyk
