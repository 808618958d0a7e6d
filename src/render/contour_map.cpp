// Immediate-mode drawing of the traced contours: a colour (or material) per
// segment pair or polygon, one glBegin/glEnd each, levels in ascending order
// so that the depth test keeps each point's lowest level above its value.
#include "render/contour_map.h"

#include "render/colors.h"
#include "render/contour.h"
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

}  // namespace

void DrawContourMap(ViewState& s) {
  if (s.m_nViewMode == kContour) glDisable(GL_LIGHTING);
  glLineWidth(s.m_fLineWidth);
  DrawMapFrame(s);
  const ContourLevels levels = ComputeContourLevels(s.m_fMinDensity, s.m_fMaxDensity, s.m_fContourStep, s.m_fEpsilon);
  GlContourSink sink(s, levels);
  s.m_nContourLevels = TraceSection(s, s.m_bGradient == 1, sink);
  if (s.m_nViewMode == kContour) glEnable(GL_LIGHTING);
}

}  // namespace pyk
