// Contour tracing of a section: the levels, the crossing points of each cell
// and the segments (line type) or polygons (gradient type) they give, sent to
// a sink. No OpenGL here; the renderer and the tests are sinks.
#pragma once

#include "state/view_state.h"

namespace pyk {

// More levels than this are not traced; the lowest are kept. A step of a
// 20000th of the density range gives exactly this many, and its frame is the
// slowest the renderer is measured for (bench/render_bench.cpp).
constexpr int kMaxContourLevels = 20001;

struct Point2 {
  float x, y;
};

// The levels of one draw, k = 0 .. count-1, ascending: L(k) = min + k * step;
// or, symmetric about zero, the nonzero multiples m * step within (min, max],
// m counted from `first` with zero passed over.
struct ContourLevels {
  int count;  // 0 when the quotient range / step is not finite or beyond a 32-bit integer
  float min;
  float step;
  float nudge;  // (max - min) * epsilon: a corner exactly on a level counts as above it
  float epsilon;
  bool capped = false;  // the step gives more than kMaxContourLevels levels; count is the cap
  bool symmetric = false;
  int64_t first = 0;  // symmetric: the multiple of the lowest level
};

ContourLevels ComputeContourLevels(float minDensity, float maxDensity, float step, float epsilon,
                                   bool symmetric = false);
// The levels the view's section is drawn with.
ContourLevels LevelsOf(const ViewState& s);
// Whether the current step gives more levels than are drawn.
bool ContourLevelsCapped(const ViewState& s);
// Level k in single precision.
float ContourLevel(const ContourLevels& levels, int k);

// The crossing of level on the edge from a to b, interpolated from the
// endpoint with the smaller value; (0, 0) when the values differ by less than epsilon.
Point2 ContourCrossing(float xa, float ya, float va, float xb, float yb, float vb, float level, float epsilon);

class ContourSink {
 public:
  virtual ~ContourSink() = default;
  // A contour segment of level k (line type).
  virtual void Segment(Point2 a, Point2 b, int k) = 0;
  // The part of a cell below level k, 3 to 6 vertices in boundary order (gradient type).
  virtual void Polygon(const Point2* v, int n, int k) = 0;
};

// One cell: corner positions and values counter-clockwise from [u][v].
struct ContourCell {
  Point2 p[4];
  float value[4];
};

// Each corner's value less the level, a corner exactly on it counted as above by the nudge.
void CornerSides(const ContourCell& c, float level, float nudge, float d[4]);

// Traces one cell at level k: segments in line type, the fill below the level in gradient type.
void TraceCell(const ContourCell& cell, const ContourLevels& levels, int k, bool gradient, ContourSink& sink);

// Corners of cell (u, v) of the current section.
ContourCell CellOf(const ViewState& s, int u, int v);

// Every cell (v outer, u inner) at every level in ascending order. Returns the level count.
int TraceSection(const ViewState& s, bool gradient, ContourSink& sink);

// The same picture with less work: per cell only the levels that can reach
// the screen. Below the cell's minimum a level draws nothing; above its
// maximum a line level draws nothing and a band level repeats the whole-cell
// fill of the first such level, which the strict depth test then rejects.
int TraceVisible(const ViewState& s, bool gradient, ContourSink& sink);
// The levels first..last-1 that TraceVisible traces in a cell.
void VisibleLevels(const ContourCell& cell, const ContourLevels& levels, bool gradient, int* first, int* last);

// The first level above x (levels.count when none is).
int FirstLevelAbove(const ContourLevels& levels, float x);

}  // namespace pyk
