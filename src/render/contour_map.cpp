// The flat contour map of the current section: frame and labels, then the traced levels.
// Immediate-mode drawing of the traced contours: a colour (or material) per
// segment pair or polygon, one glBegin/glEnd each, levels in ascending order
// so that the depth test keeps each point's lowest level above its value.
#include "render/contour_map.h"

#include <cmath>
#include <vector>

#include "render/band_merge.h"
#include "render/colors.h"
#include "render/contour.h"
#include "render/dashes.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/material.h"

namespace pyk {

namespace {

class GlContourSink : public ContourSink {
 public:
  GlContourSink(const ViewState& s, const ContourLevels& levels) : s_(s), levels_(levels) {}

  void Segment(Point2 a, Point2 b, int k) override {
    SetLevelColour(k);
    glBegin(GL_LINES);
    glVertex2f(a.x, a.y);
    glVertex2f(b.x, b.y);
    glEnd();
  }

  void Polygon(const Point2* v, int n, int k) override {
    SetLevelColour(k);
    glBegin(GL_POLYGON);
    for (int i = 0; i < n; ++i) glVertex2f(v[i].x, v[i].y);
    glEnd();
  }

 private:
  void SetLevelColour(int k) {
    const float t = DensityRatio(ContourLevel(levels_, k), s_.m_fMaxDensity);
    if (s_.m_nViewMode == k3dContour) {
      SetDensityMaterial(s_, t);
    } else {
      SetDensityColor(s_, t);
    }
  }

  const ViewState& s_;
  const ContourLevels& levels_;
};

// Shapes gathered into vertex arrays and drawn in their order: lines as
// GL_LINES, polygons as the triangle fans GL_POLYGON is drawn as. Unlit, a
// vertex carries its level's colour; lit, its level's diffuse material,
// through the colour material. The arrays keep their capacity from frame to frame.
class BatchSink : public ContourSink {
 public:
  void Begin(const ViewState& s, const ContourLevels& levels, bool lit) {
    s_ = &s;
    levels_ = &levels;
    lit_ = lit;
    lines_ = false;
    vertices_.clear();
    colours_.clear();
    lastLevel_ = -1;
  }

  void Segment(Point2 a, Point2 b, int k) override {
    lines_ = true;
    Put(a, k);
    Put(b, k);
  }

  // Each fan triangle as (v[i], v[i + 1], v[0]), the order in which the
  // driver submits GL_POLYGON's triangles (the first vertex last, for flat
  // shading): the plane of a tilted map then gives the same depths.
  void Polygon(const Point2* v, int n, int k) override {
    for (int i = 1; i + 1 < n; ++i) {
      Put(v[i], k);
      Put(v[i + 1], k);
      Put(v[0], k);
    }
  }

  void Draw() {
    if (vertices_.empty()) return;
    if (lit_ && !BeginColorMaterial(*s_)) return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices_.data());
    glColorPointer(3, GL_FLOAT, 0, colours_.data());
    glDrawArrays(lines_ ? GL_LINES : GL_TRIANGLES, 0, static_cast<GLsizei>(vertices_.size() / 2));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    if (lit_) EndColorMaterial();
    lines_ = false;
  }

 private:
  void Put(Point2 p, int k) {
    if (k != lastLevel_) {
      lastLevel_ = k;
      const float t = DensityRatio(ContourLevel(*levels_, k), s_->m_fMaxDensity);
      colour_ = lit_ ? DensityDiffuse(*s_, t) : DensityColor(*s_, t);
    }
    vertices_.push_back(p.x);
    vertices_.push_back(p.y);
    colours_.push_back(colour_.r);
    colours_.push_back(colour_.g);
    colours_.push_back(colour_.b);
  }

  const ViewState* s_ = nullptr;
  const ContourLevels* levels_ = nullptr;
  std::vector<float> vertices_;
  std::vector<float> colours_;
  int lastLevel_ = -1;
  Rgb colour_{};
  bool lit_ = false;
  bool lines_ = false;
};

// The plane z = 0 in window pixels from the current matrices and viewport;
// false when the projection is not affine there or the plane is clipped in depth.
bool CurrentWindowMap(WindowMap* w) {
  double m[16], p[16];
  GLint vp[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, m);
  glGetDoublev(GL_PROJECTION_MATRIX, p);
  glGetIntegerv(GL_VIEWPORT, vp);
  // clip[r] = a[r] x + b[r] y + c[r] for the object point (x, y, 0, 1); matrices are column-major.
  double a[4], b[4], c[4];
  for (int r = 0; r < 4; ++r) {
    a[r] = b[r] = c[r] = 0.0;
    for (int j = 0; j < 4; ++j) {
      a[r] += p[j * 4 + r] * m[0 * 4 + j];
      b[r] += p[j * 4 + r] * m[1 * 4 + j];
      c[r] += p[j * 4 + r] * m[3 * 4 + j];
    }
  }
  const double cw = c[3];
  if (a[3] != 0.0 || b[3] != 0.0 || !(cw > 0.0) || a[2] != 0.0 || b[2] != 0.0 || !(std::fabs(c[2]) < cw)) return false;
  const double hx = vp[2] / 2.0 / cw, hy = vp[3] / 2.0 / cw;
  *w = {a[0] * hx,
        b[0] * hx,
        vp[0] + vp[2] / 2.0 + c[0] * hx,
        a[1] * hy,
        b[1] * hy,
        vp[1] + vp[3] / 2.0 + c[1] * hy,
        double(vp[0]),
        double(vp[1]),
        double(vp[0] + vp[2]),
        double(vp[1] + vp[3])};
  return true;
}

}  // namespace

void DrawContourMap(ViewState& s, ContourDrawing drawing) {
  if (s.m_nViewMode == kContour) glDisable(GL_LIGHTING);
  glLineWidth(s.m_fLineWidth);
  DrawMapFrame(s);
  const ContourLevels levels = LevelsOf(s);
  const bool gradient = s.m_bGradient == 1;
  const bool dashed = s.m_levelOptions.dashedNegatives && !gradient;
  // Every level or only the visible ones, the negative lines dashed when asked.
  auto trace = [&](ContourSink& sink, bool everyLevel) {
    DashedNegatives dashes(sink, levels, DashPeriod(s));
    ContourSink& to = dashed ? static_cast<ContourSink&>(dashes) : sink;
    const int count = everyLevel ? TraceSection(s, gradient, to) : TraceVisible(s, gradient, to);
    dashes.Flush();
    return count;
  };
  if (drawing == ContourDrawing::kEveryLevel) {
    GlContourSink sink(s, levels);
    s.m_nContourLevels = trace(sink, true);
  } else if (s.m_nViewMode == k3dContour && s.m_fMatDiffuse == 0.0f) {
    GlContourSink sink(s, levels);  // no diffuse colour to carry the material
    s.m_nContourLevels = trace(sink, false);
  } else {
    static BatchSink batch;
    batch.Begin(s, levels, s.m_nViewMode == k3dContour);
    WindowMap window{};
    // Runs of levels merge by their unlit colours, so only in Contour mode.
    if (drawing == ContourDrawing::kFast && gradient && s.m_nViewMode == kContour && CurrentWindowMap(&window)) {
      s.m_nContourLevels = TraceMergedBands(s, window, LevelColourKeys(s, levels), batch);
    } else {
      s.m_nContourLevels = trace(batch, false);
    }
    batch.Draw();
  }
  if (s.m_nViewMode == kContour) glEnable(GL_LIGHTING);
}

}  // namespace pyk
