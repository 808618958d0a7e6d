// Colour table and gradient arithmetic in single precision.
#include "render/colors.h"

namespace pyk {

namespace {

Rgb Entry(const ViewState& s, int k) { return {s.m_afColor[k][0], s.m_afColor[k][1], s.m_afColor[k][2]}; }

// H - (H - E) * t, or H + (H - E) * t: the product is rounded to single
// precision first, deliberately, so keep it a float of its own.
float GradeDown(float h, float e, float t) {
  const float product = (h - e) * t;
  return h - product;
}
float GradeUp(float h, float e, float t) {
  const float product = (h - e) * t;
  return h + product;
}

MaterialValues MaterialFromColor(const ViewState& s, Rgb c) {
  MaterialValues m{};
  const float a = s.m_fMatAmbient, d = s.m_fMatDiffuse, sp = s.m_fMatSpecular;
  m.ambient[0] = a * c.r; m.ambient[1] = a * c.g; m.ambient[2] = a * c.b; m.ambient[3] = 1.0f;
  m.diffuse[0] = d * c.r; m.diffuse[1] = d * c.g; m.diffuse[2] = d * c.b; m.diffuse[3] = 1.0f;
  m.specular[0] = m.specular[1] = m.specular[2] = sp;
  m.specular[3] = 1.0f;
  m.shininess = s.m_fMatShininess;
  m.emission[3] = 1.0f;
  return m;
}

}  // namespace

void SetupColors(ViewState& s) {
  for (int code = 0; code < 8; ++code) {
    s.m_afPalette[code][0] = (code & 4) ? 1.0f : 0.0f;
    s.m_afPalette[code][1] = (code & 2) ? 1.0f : 0.0f;
    s.m_afPalette[code][2] = (code & 1) ? 1.0f : 0.0f;
  }
  const int codes[7] = {s.m_nContourBackColor, s.m_nPositiveColor, s.m_nNegativeColor, s.m_nFontColor,
                        s.m_nFrameColor, s.m_nWallColor, s.m_nMeshColor};
  for (int k = 0; k < 7; ++k) {
    const int code = codes[k] >= 0 && codes[k] <= 7 ? codes[k] : 0;
    for (int c = 0; c < 3; ++c) s.m_afColor[k][c] = s.m_afPalette[code][c];
  }
  for (int c = 0; c < 3; ++c) s.m_afColor[kColBackground][c] = s.m_afIniBackColor[c];
}

Rgb DensityGrade(const ViewState& s, float v) {
  const float* h = s.m_afHighlight;
  if (v >= 0.0f) {
    const Rgb p = Entry(s, kColPositive);
    return {GradeDown(h[0], p.r, v), GradeDown(h[1], p.g, v), GradeDown(h[2], p.b, v)};
  }
  const Rgb n = Entry(s, kColNegative);
  return {GradeUp(h[0], n.r, v), GradeUp(h[1], n.g, v), GradeUp(h[2], n.b, v)};
}

Rgb DensityColor(const ViewState& s, float t) {
  if (s.m_bGradient == 1) return DensityGrade(s, t);
  return Entry(s, t >= 0.0f ? kColPositive : kColNegative);
}

MaterialValues MaterialOf(const ViewState& s, int k) { return MaterialFromColor(s, Entry(s, k)); }

MaterialValues DensityMaterialOf(const ViewState& s, float v) { return MaterialFromColor(s, DensityGrade(s, v)); }

}  // namespace pyk
