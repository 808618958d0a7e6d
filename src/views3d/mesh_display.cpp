#include "views3d/mesh_display.h"

#include <cstdio>

#include "mesh/projection.h"
#include "render/colors.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/material.h"

namespace pyk {

MeshFrame MeshFrameOf(const ViewState& s) {
  const float w = static_cast<float>(s.m_nClientWidth), h = static_cast<float>(s.m_nClientHeight);
  return {w > 0.0f ? s.m_fMaxEdge * 1.4f / w : 0.0f, w, h};
}

void MeshLabelPoint(const ViewState& s, const MeshFrame& f, float u, float v, float out[2]) {
  const float* m = s.m_afMeshAxis;
  const float* e = s.m_afMeshView;
  const float x = m[1] + u * m[2] + v * m[3], y = m[4] + u * m[5] + v * m[6];
  float p[3];
  ProjectMeshPoint(s.m_afMeshParam[1], s.m_afMeshParam[2], s.m_afMeshParam[3], x - e[0], y - e[1], 0.0f - e[2], p);
  const float sx = p[0] * e[3] / p[2] + e[4], sy = p[1] * e[3] / p[2] + e[5];
  out[0] = (sx - f.w / 2) * f.scale;
  out[1] = (sy - f.h / 2) * f.scale;
}

void DrawMesh(ViewState& s) {
  const MeshFrame f = MeshFrameOf(s);
  const float c = 10.0f * f.scale;
  void* font = GLUT_BITMAP_HELVETICA_12;
  SetMaterial(s, kColFont);
  const float nu = static_cast<float>(s.m_nGridU), nv = static_cast<float>(s.m_nGridV);
  float mid[2] = {0, 0}, g[2];
  char label[16];
  for (int k = 0; k <= 10; ++k) {
    MeshLabelPoint(s, f, k * nu / 10.0f, 1.0f, g);
    std::snprintf(label, sizeof label, "%3.1f", k / 10.0);
    if (k % 2 == 0) DrawBitmapText(g[0] + c / 2, g[1] - 2 * c, 0.0f, font, label);
    if (k == 5) mid[0] = g[0], mid[1] = g[1];
  }
  DrawBitmapText(mid[0] + c, mid[1] - 4 * c, 0.0f, font, FirstAxisName(s.m_nPlane));
  for (int k = 0; k <= 10; ++k) {
    MeshLabelPoint(s, f, 1.0f, k * nv / 10.0f, g);
    std::snprintf(label, sizeof label, "%3.1f", k / 10.0);
    if (k % 2 == 0) DrawBitmapText(g[0] - 4 * c, g[1] - c, 0.0f, font, label);
    if (k == 5) mid[0] = g[0], mid[1] = g[1];
  }
  DrawBitmapText(mid[0] - 10 * c, mid[1] - c, 0.0f, font, SecondAxisName(s.m_nPlane));

  glLineWidth(s.m_fLineWidth);
  SetMaterial(s, kColMesh);
  for (int k = 1; k <= s.m_nMeshCount / 2; ++k) {
    const int n = 2 * k - 1;
    glBegin(GL_LINES);
    glVertex2f((s.m_afMeshX[n] - f.w / 2) * f.scale, (s.m_afMeshY[n] - f.h / 2) * f.scale);
    glVertex2f((s.m_afMeshX[n + 1] - f.w / 2) * f.scale, (s.m_afMeshY[n + 1] - f.h / 2) * f.scale);
    glEnd();
  }
}

}  // namespace pyk
