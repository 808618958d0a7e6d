// Section extraction: symmetry expansion of the records onto the current
// section, the periodic section grid, its model coordinates and heights.
#pragma once

#include <cstdint>

#include "state/view_state.h"

namespace pyk {

// Axes of a plane's section: the normal (section count), u (rows) and v (columns).
struct PlaneAxes {
  int normal, u, v;
};
PlaneAxes AxesOf(int plane);

// Extracts the section, its geometry and heights and sets m_nStatus to 0.
// Does nothing while no complete map is held (m_bMapValid is 0). A section
// index at or beyond the count selects its periodic equal.
void ComputeSection(ViewState& s);
void ExtractSection(ViewState& s);
void ComputeSectionGeometry(ViewState& s);
void ComputeHeights(ViewState& s);

// The section grid in model space: grid point (u, v) lies at origin + u * a + v * b.
struct SectionFrame {
  double ox, oy;  // origin
  double ax, ay;  // one step along u
  double bx, by;  // one step along v
};
// Read off the computed section geometry; needs positive section counts.
SectionFrame SectionFrameOf(const ViewState& s);

// Whether a fractional position lies on the current section: within half a
// grid step of it along the normal, periodically. *u and *v are then its
// section grid coordinates, in [0, m_nGridU) and [0, m_nGridV) for a
// position reduced into the cell.
bool FractionOnSection(const ViewState& s, const double frac[3], double* u, double* v);

// Reduces (x, y, z) into the cell and appends it to the work lists when it
// lies on the current section. Needs positive grid counts.
void AddSectionPoint(ViewState& s, int64_t x, int64_t y, int64_t z, float density);

// The number of images the expansion walks: every record and all its images.
int64_t ImageCount(const MapRecord& m);

// The largest number of points that the expansion collects on any one
// section of any plane; needs positive grid counts.
int64_t MaxSectionPoints(const MapRecord& m);

// The height base 0.3 * m_fMaxEdge / m_fMaxDensity; 0 for a map whose maximum is 0.
float HeightBase(float maxEdge, float maxDensity);

}  // namespace pyk
