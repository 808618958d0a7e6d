// The frame composer; transforms in call order: the last one listed acts first on the vertices.
#include "engine/scene.h"

#include "render/atom_marks.h"
#include "render/colors.h"
#include "render/contour_map.h"
#include "render/gl.h"
#include "render/material.h"
#include "render/peak_marks.h"
#include "views3d/mesh_display.h"
#include "views3d/surface.h"

namespace pyk {

void InitializeScene(ViewState& s) { SetupLights(s); }

void ResizeScene(ViewState& s, int width, int height, double devicePixelRatio) {
  s.m_nClientWidth = width;
  s.m_nClientHeight = height;
  if (height > 0) s.m_fAspect = static_cast<float>(width) / static_cast<float>(height);
  glViewport(0, 0, static_cast<GLsizei>(width * devicePixelRatio), static_cast<GLsizei>(height * devicePixelRatio));
}

namespace {

// Keeps the transform the map is about to be drawn with, for the pointer.
void KeepMapView(ViewState& s) {
  glGetDoublev(GL_MODELVIEW_MATRIX, s.m_mapView.modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, s.m_mapView.projection);
  GLint vp[4];
  glGetIntegerv(GL_VIEWPORT, vp);
  for (int i = 0; i < 4; ++i) s.m_mapView.viewport[i] = vp[i];
  s.m_mapView.known = 1;
}

}  // namespace

void RenderScene(ViewState& s, PaneTexts* panes, const SceneOptions& options) {
  s.m_mapView.known = 0;
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
  if (s.m_nStatus != kStatusReady) return;

  if (panes != nullptr) *panes = FormatPaneTexts(s);
  switch (s.m_nViewMode) {
    case kContour:
      glDisable(GL_LIGHTING);
      glTranslatef(s.m_fTransX, s.m_fTransY, s.m_fTransZ);
      KeepMapView(s);
      DrawPeakMarks(s);
      DrawAtomMarks(s);
      DrawContourMap(s, options.contourDrawing);
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
      if (options.draw3dSurface) Draw3DContour(s, options.contourDrawing != ContourDrawing::kEveryLevel);
      glTranslatef(0.0f, 0.0f, -4.0f);
      KeepMapView(s);
      DrawPeakMarks(s);
      DrawAtomMarks(s);
      DrawContourMap(s, options.contourDrawing);
      break;
    case k3dMesh:
      glEnable(GL_LIGHTING);
      glTranslatef(s.m_fTransX, s.m_fTransY, s.m_fTransZ);
      if (options.drawMesh) DrawMesh(s);
      break;
    default:
      break;
  }
}

}  // namespace pyk
