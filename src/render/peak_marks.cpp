// Peak marks: the peak's section grid coordinates taken to model space through
// the section's skewed grid, a cross of two short lines and the peak's number.
#include "render/peak_marks.h"

#include <cmath>

#include "map/section.h"
#include "render/frame.h"
#include "render/gl.h"
#include "text/c_numbers.h"

namespace pyk {

bool PeakOnSection(const ViewState& s, const Peak& p, double* u, double* v) {
  const PlaneAxes ax = AxesOf(s.m_nPlane);
  const int n = s.m_anGrid[ax.normal];
  const double d = p.frac[ax.normal] * n - WrapIndex(s.m_anSectionIndex[s.m_nPlane], n);
  if (std::fabs(d - n * std::round(d / n)) >= 0.5) return false;
  *u = p.frac[ax.u] * s.m_nGridU;
  *v = p.frac[ax.v] * s.m_nGridV;
  return true;
}

void DrawPeakMarks(const ViewState& s) {
  if (s.m_vPeaks.empty() || s.m_nGridU < 1 || s.m_nGridV < 1) return;
  const SectionFrame f = SectionFrameOf(s);
  const float arm = 0.03f * s.m_fMaxEdge;
  UseEntry(s, kColFont);
  for (size_t k = 0; k < s.m_vPeaks.size(); ++k) {
    double u, v;
    if (!PeakOnSection(s, s.m_vPeaks[k], &u, &v)) continue;
    const float x = static_cast<float>(f.ox + u * f.ax + v * f.bx), y = static_cast<float>(f.oy + u * f.ay + v * f.by);
    glBegin(GL_LINES);
    glVertex2f(x - arm, y);
    glVertex2f(x + arm, y);
    glVertex2f(x, y - arm);
    glVertex2f(x, y + arm);
    glEnd();
    char number[16];
    FormatC(number, sizeof number, "%zu", k + 1);
    DrawBitmapText(x + arm, y + arm, 0.0f, GLUT_BITMAP_HELVETICA_12, number);
  }
}

}  // namespace pyk
