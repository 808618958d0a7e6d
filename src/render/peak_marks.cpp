// Peak marks: the peak's section grid coordinates taken to model space through
// the section's skewed grid, a cross of two short lines and the peak's number.
#include "render/peak_marks.h"

#include "map/section.h"
#include "render/frame.h"
#include "render/gl.h"
#include "text/c_numbers.h"

namespace pyk {

void DrawPeakMarks(const ViewState& s) {
  if (s.m_vPeaks.empty() || s.m_nGridU < 1 || s.m_nGridV < 1) return;
  const SectionFrame f = SectionFrameOf(s);
  const float arm = 0.03f * s.m_fMaxEdge;
  // Unlit in the font colour, so that the marks read the same on the 3D floor.
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_LIGHTING);
  glColor3fv(s.m_afColor[kColFont]);
  for (size_t k = 0; k < s.m_vPeaks.size(); ++k) {
    double u, v;
    if (!FractionOnSection(s, s.m_vPeaks[k].frac, &u, &v)) continue;
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
  glPopAttrib();
}

}  // namespace pyk
