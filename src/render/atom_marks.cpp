// Atom marks: each atom's section grid coordinates taken to model space
// through the section's skewed grid, a twelve-sided circle and the label
// below and to the right of it (a peak's number stands above and to the right).
#include "render/atom_marks.h"

#include <cmath>

#include "map/atoms_on_section.h"
#include "map/section.h"
#include "render/frame.h"
#include "render/gl.h"

namespace pyk {

void DrawAtomMarks(const ViewState& s) {
  if (s.m_bShowAtoms == 0 || s.m_model.atoms.empty()) return;
  const std::vector<SectionAtom> marks = AtomsOnSection(s);
  if (marks.empty()) return;
  const SectionFrame f = SectionFrameOf(s);
  const float r = 0.012f * s.m_fMaxEdge;
  // Unlit in the font colour, so that the marks read the same on the 3D floor.
  glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
  glDisable(GL_LIGHTING);
  glColor3fv(s.m_afColor[kColFont]);
  for (const SectionAtom& m : marks) {
    const float x = static_cast<float>(f.ox + m.u * f.ax + m.v * f.bx);
    const float y = static_cast<float>(f.oy + m.u * f.ay + m.v * f.by);
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < 12; ++k) {
      const double a = k * (2.0 * M_PI / 12.0);
      glVertex2f(x + r * static_cast<float>(std::cos(a)), y + r * static_cast<float>(std::sin(a)));
    }
    glEnd();
    DrawBitmapText(x + r, y - 3.0f * r, 0.0f, GLUT_BITMAP_HELVETICA_10,
                   s.m_model.atoms[static_cast<size_t>(m.atom)].label.c_str());
  }
  glPopAttrib();
}

}  // namespace pyk
