// Transforms in call order: the last one listed acts first on the vertices.
#include "render/scene.h"

#include "render/colors.h"
#include "render/contour_map.h"
#include "render/gl.h"

namespace pyk {

void RenderScene(ViewState& s, const SceneModes& modes, PaneTexts* panes) {
  const float* back = s.m_afColor[kColBackground];
  glClearColor(back[0], back[1], back[2], 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(s.m_fFovy, s.m_fAspect, s.m_fNear, s.m_fFar);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, s.m_fEyeDistance);
  // A loaded map always has a positive edge; an empty state keeps the unit scale.
  const float scale = s.m_fMaxEdge > 0.0f ? 6.0f / s.m_fMaxEdge : 1.0f;
  glScalef(scale, scale, scale);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_NORMALIZE);
  if (s.m_nStatus != 0) return;

  if (panes != nullptr) *panes = FormatPaneTexts(s);
  switch (s.m_nViewMode) {
    case kContour:
      glDisable(GL_LIGHTING);
      glTranslatef(s.m_fTransX, s.m_fTransY, s.m_fTransZ);
      DrawContourMap(s, modes.contourDrawing);
      glEnable(GL_LIGHTING);
      break;
    case k3dContour:
      glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
      glTranslatef(s.m_fTransX, s.m_fTransY, s.m_fTransZ);
      glRotatef(s.m_fRotX, 1.0f, 0.0f, 0.0f);
      glRotatef(s.m_fRotY, 0.0f, 1.0f, 0.0f);
      glTranslatef(0.0f, 2.0f, 0.0f);
      glRotatef(s.m_fViewRotX, 1.0f, 0.0f, 0.0f);
      glRotatef(s.m_fViewRotZ, 0.0f, 0.0f, 1.0f);
      glEnable(GL_LIGHTING);
      if (modes.draw3dContour != nullptr) modes.draw3dContour(s);
      glTranslatef(0.0f, 0.0f, -4.0f);
      DrawContourMap(s, modes.contourDrawing);
      break;
    case k3dMesh:
      glEnable(GL_LIGHTING);
      glTranslatef(s.m_fTransX, s.m_fTransY, s.m_fTransZ);
      if (modes.drawMesh != nullptr) modes.drawMesh(s);
      break;
    default:
      break;
  }
}

}  // namespace pyk
