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

namespace {

// The ambient terms in force before BeginColorMaterial scaled them.
float g_lightAmbient[4], g_modelAmbient[4];

}  // namespace

bool BeginColorMaterial(const ViewState& s) {
  const float d = s.m_fMatDiffuse;
  if (d == 0.0f) return false;
  const float ratio = s.m_fMatAmbient / d;
  glGetLightfv(GL_LIGHT0, GL_AMBIENT, g_lightAmbient);
  glGetFloatv(GL_LIGHT_MODEL_AMBIENT, g_modelAmbient);
  float light[4], model[4];
  for (int c = 0; c < 3; ++c) {
    light[c] = g_lightAmbient[c] * ratio;
    model[c] = g_modelAmbient[c] * ratio;
  }
  light[3] = g_lightAmbient[3];
  model[3] = g_modelAmbient[3];
  glLightfv(GL_LIGHT0, GL_AMBIENT, light);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, model);
  const MaterialValues m = DensityMaterialOf(s, 0.0f);  // specular, shininess and emission are the same at every v
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.shininess);
  glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emission);
  glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
  glEnable(GL_COLOR_MATERIAL);
  return true;
}

void EndColorMaterial() {
  glDisable(GL_COLOR_MATERIAL);
  glLightfv(GL_LIGHT0, GL_AMBIENT, g_lightAmbient);
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, g_modelAmbient);
}

Rgb DensityDiffuse(const ViewState& s, float v) {
  const MaterialValues m = DensityMaterialOf(s, v);
  return {m.diffuse[0], m.diffuse[1], m.diffuse[2]};
}

void SetupLights(const ViewState& s) {
  glLightfv(GL_LIGHT0, GL_POSITION, s.m_afLightPosition);
  glLightfv(GL_LIGHT0, GL_AMBIENT, s.m_afLightAmbient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, s.m_afLightDiffuse);
  glLightfv(GL_LIGHT0, GL_SPECULAR, s.m_afLightSpecular);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHT0);
}

}  // namespace pyk
