// 3D Mesh mode's picture: the mesh program's segments drawn flat, with the axis labels.
#include "views3d/mesh_display.h"

#include <cstdio>

#include "mesh/labels.h"
#include "render/colors.h"
#include "render/frame.h"
#include "render/gl.h"
#include "render/material.h"
#include "text/c_numbers.h"

namespace pyk {

MeshFrame MeshFrameOf(const ViewState& s) {
  const float w = static_cast<float>(s.m_nClientWidth), h = static_cast<float>(s.m_nClientHeight);
  return {w > 0.0f ? s.m_fMaxEdge * 1.4f / w : 0.0f, w, h};
}

void DrawMesh(ViewState& s) {
  const MeshFrame f = MeshFrameOf(s);
  void* font = GLUT_BITMAP_HELVETICA_12;
  SetMaterial(s, kColFont);
  MeshLabels labels;
  PlaceMeshLabels(s.m_afMeshParam[1], s.m_afMeshParam[2], s.m_afMeshParam[3], &s.m_afMeshAxis[1],
                  s.m_afMeshView, s.m_nGridU, s.m_nGridV, &labels);
  auto text = [&](const float* p, const char* str) {
    DrawBitmapText((p[0] - f.w / 2) * f.scale, (p[1] - f.h / 2) * f.scale, 0.0f, font, str);
  };
  char label[16];
  for (int axis = 0; axis < 2; ++axis) {
    for (int k = 0; k < 6; ++k) {
      FormatC(label, sizeof label, "%3.1f", 2 * k / 10.0);
      text(labels.fraction[axis][k], label);
    }
    text(labels.name[axis], axis == 0 ? FirstAxisName(s.m_nPlane) : SecondAxisName(s.m_nPlane));
  }

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
