// The 2D map's frame: background, outline, ticks, tick labels and axis names.
// The frame is the outline of the section grid; the ticks divide its two
// lower-left edges in fifths and the labels read as fractions of the cell edge.
#include "render/frame.h"

#include <cstdio>

#include "render/colors.h"
#include "render/gl.h"
#include "render/material.h"
#include "text/c_numbers.h"

namespace pyk {

const char* FirstAxisName(int plane) { return plane == kPlaneH00 ? "y axis" : "x axis"; }
const char* SecondAxisName(int plane) { return plane == kPlane00L ? "y axis" : "z axis"; }

void DrawBitmapText(float x, float y, float z, void* font, const char* text) {
  glPushAttrib(GL_CURRENT_BIT);
  glRasterPos3f(x, y, z);
  for (const char* c = text; *c != '\0'; ++c) glutBitmapCharacter(font, static_cast<unsigned char>(*c));
  glPopAttrib();
}

void ComputeMapTicks(ViewState& s) {
  const float* o = s.m_afSectionXYZ[0][0];
  const float* a = s.m_afSectionXYZ[s.m_nGridU][0];
  const float* b = s.m_afSectionXYZ[0][s.m_nGridV];
  s.m_afTickLen[0] = s.m_afEdge[0] / 50.0f;
  s.m_afTickLen[1] = s.m_afEdge[1] / 50.0f;
  // Deliberately (A - O) * 0.2 * i + O with the double 0.2, rounded once; not i / 5 in float.
  for (int i = 0; i <= 5; ++i) {
    for (int c = 0; c < 2; ++c) {
      s.m_afTickU[i][c] = static_cast<float>((a[c] - o[c]) * 0.2 * i + o[c]);
      s.m_afTickV[i][c] = static_cast<float>((b[c] - o[c]) * 0.2 * i + o[c]);
    }
  }
}

// Colour entry k: a plain colour when unlit (Contour mode), a material when lit.
void UseEntry(const ViewState& s, int k) {
  if (s.m_nViewMode == kContour) {
    glColor3f(s.m_afColor[k][0], s.m_afColor[k][1], s.m_afColor[k][2]);
  } else {
    SetMaterial(s, k);
  }
}

void DrawMapFrame(ViewState& s) {
  const float u = s.m_fMaxEdge / 40.0f;
  const int nu = s.m_nGridU, nv = s.m_nGridV;
  const float* corners[5] = {s.m_afSectionXYZ[0][0], s.m_afSectionXYZ[nu][0], s.m_afSectionXYZ[nu][nv],
                             s.m_afSectionXYZ[0][nv], s.m_afSectionXYZ[0][0]};
  if (s.m_bGradient == 0) {
    UseEntry(s, kColContourBack);
    glBegin(GL_POLYGON);
    for (const float* c : corners) glVertex3f(c[0], c[1], -0.05f);
    glEnd();
  }
  UseEntry(s, kColFrame);
  glBegin(GL_LINE_STRIP);
  for (const float* c : corners) glVertex2fv(c);
  glEnd();

  ComputeMapTicks(s);
  for (int i = 1; i <= 5; ++i) {
    glBegin(GL_LINES);
    glVertex2f(s.m_afTickU[i][0], s.m_afTickU[i][1]);
    glVertex2f(s.m_afTickU[i][0], s.m_afTickU[i][1] + s.m_afTickLen[1]);
    glEnd();
  }
  for (int i = 1; i <= 5; ++i) {
    glBegin(GL_LINES);
    glVertex2f(s.m_afTickV[i][0], s.m_afTickV[i][1]);
    glVertex2f(s.m_afTickV[i][0] + s.m_afTickLen[0], s.m_afTickV[i][1]);
    glEnd();
  }

  UseEntry(s, kColFont);
  void* font = GLUT_BITMAP_HELVETICA_12;
  for (int i = 0; i <= 5; ++i) {
    char label[16];
    FormatC(label, sizeof label, "%3.1f", i / 5.0);
    DrawBitmapText(s.m_afTickU[i][0] - u, s.m_afTickU[i][1] - 3 * u, 0.0f, font, label);
    DrawBitmapText(s.m_afTickV[i][0] - 4 * u, s.m_afTickV[i][1] - u, 0.0f, font, label);
  }
  DrawBitmapText((s.m_afTickU[2][0] + s.m_afTickU[3][0]) / 2 - u, s.m_afTickU[0][1] - 5 * u, 0.0f, font,
                 FirstAxisName(s.m_nPlane));
  DrawBitmapText(s.m_afTickV[3][0] - 8 * u, (s.m_afTickV[2][1] + s.m_afTickV[3][1]) / 2 - u, 0.0f, font,
                 SecondAxisName(s.m_nPlane));
}

}  // namespace pyk
