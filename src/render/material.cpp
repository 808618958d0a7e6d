// The colour, material and light calls of every drawing, issued to OpenGL.
// Ambient, diffuse, specular, shininess and emission, in this order.
#include "render/material.h"

#include "render/colors.h"
#include "render/gl.h"

namespace pyk {

namespace {

void Apply(const MaterialValues& m) {
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
  glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, m.diffuse);
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emission);
}

}  // namespace

void SetDensityColor(const ViewState& s, float t) {
  const Rgb c = DensityColor(s, t);
  glColor3f(c.r, c.g, c.b);
}

void SetMaterial(const ViewState& s, int k) { Apply(MaterialOf(s, k)); }

void SetDensityMaterial(const ViewState& s, float v) { Apply(DensityMaterialOf(s, v)); }

void SetupLights(const ViewState& s) {
  glLightfv(GL_LIGHT0, GL_POSITION, s.m_afLightPosition);
  glLightfv(GL_LIGHT0, GL_AMBIENT, s.m_afLightAmbient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, s.m_afLightDiffuse);
  glLightfv(GL_LIGHT0, GL_SPECULAR, s.m_afLightSpecular);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHT0);
}

}  // namespace pyk
