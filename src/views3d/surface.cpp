// The 3D Contour mode's lit height surface: side walls, base rods and graded cell quads.
// Immediate-mode surface; normals are left unnormalised for GL_NORMALIZE.
#include "views3d/surface.h"

#include <cmath>
#include <vector>

#include "render/colors.h"
#include "render/gl.h"
#include "render/material.h"

namespace pyk {

namespace {

void Sub(const float a[3], const float b[3], float r[3]) {
  for (int c = 0; c < 3; ++c) r[c] = a[c] - b[c];
}

void Foot(const float p[3], float f[3]) {
  f[0] = p[0];
  f[1] = p[1];
  f[2] = 0.0f;
}

}  // namespace

void CrossProduct(const float a[3], const float b[3], float r[3]) {
  r[0] = a[1] * b[2] - a[2] * b[1];
  r[1] = a[2] * b[0] - a[0] * b[2];
  r[2] = a[0] * b[1] - a[1] * b[0];
}

void DrawSideWall(const float p0[3], const float p1[3], const float p2[3], const float p3[3]) {
  float d1[3], d2[3], n[3];
  Sub(p1, p0, d1);
  Sub(p2, p1, d2);
  CrossProduct(d1, d2, n);
  const float m[3] = {(p0[0] + p1[0]) / 2, (p0[1] + p1[1]) / 2, 0.0f};
  if (p2[2] < 0.0f && p3[2] >= 0.0f) {
    for (float& c : n) c = -c;
    glNormal3fv(n);
    glBegin(GL_TRIANGLES);
    glVertex3fv(p0);
    glVertex3fv(m);
    glVertex3fv(p3);
    glEnd();
  } else if (p2[2] >= 0.0f && p3[2] < 0.0f) {
    glNormal3fv(n);
    glBegin(GL_TRIANGLES);
    glVertex3fv(m);
    glVertex3fv(p1);
    glVertex3fv(p2);
    glEnd();
  } else if (p2[2] >= 0.0f && p3[2] >= 0.0f) {
    glNormal3fv(n);
    glBegin(GL_QUADS);
    glVertex3fv(p0);
    glVertex3fv(p1);
    glVertex3fv(p2);
    glVertex3fv(p3);
    glEnd();
  }
}

void DrawCylinder(float radius, float length, int sides) {
  const int n = sides < 32 ? sides : 32;
  if (n < 3) return;
  // The truncated 2 pi and the float angle k * step are deliberate.
  const float step = 6.2831853f / n;
  float top[32][3], bottom[32][3];
  for (int k = 0; k < n; ++k) {
    const float a = k * step;
    top[k][0] = bottom[k][0] = radius * std::cos(a);
    top[k][1] = bottom[k][1] = radius * std::sin(a);
    top[k][2] = length;
    bottom[k][2] = 0.0f;
  }
  glBegin(GL_POLYGON);
  glNormal3f(0.0f, 0.0f, 1.0f);
  for (int k = 0; k < n; ++k) glVertex3fv(top[k]);
  glEnd();
  glBegin(GL_POLYGON);
  glNormal3f(0.0f, 0.0f, -1.0f);
  for (int k = n - 1; k >= 0; --k) glVertex3fv(bottom[k]);
  glEnd();
  for (int k = 0; k < n; ++k) {
    const int k2 = k + 1 == n ? 0 : k + 1;
    glBegin(GL_POLYGON);
    glNormal3f(top[k][0], top[k][1], 0.0f);
    glVertex3fv(top[k]);
    glNormal3f(top[k][0], top[k][1], 0.0f);
    glVertex3fv(bottom[k]);
    glNormal3f(top[k2][0], top[k2][1], 0.0f);
    glVertex3fv(bottom[k2]);
    glNormal3f(top[k2][0], top[k2][1], 0.0f);
    glVertex3fv(top[k2]);
    glEnd();
  }
}

void DrawFrameRod(const float p0[3], const float p1[3]) {
  float d[3];
  Sub(p1, p0, d);
  const float len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  if (len == 0.0f) return;  // nothing to draw, and no direction to turn to
  // Deliberately (d . (0, 0, len)) / |d| / len in float, not d[2] / len, and the truncated pi below.
  const float c = d[2] * len / len / len;
  const float angle = c == 1.0f ? 0.0f : static_cast<float>(std::acos(c) * 180.0 / 3.14159265);
  glPushMatrix();
  glTranslatef(p0[0], p0[1], p0[2]);
  glRotatef(-angle, d[1] * len, -d[0] * len, 0.0f);
  DrawCylinder(0.02f, len, 12);
  glPopMatrix();
}

namespace {

// The cell quads from vertex arrays: each corner carries its quad's normal and
// diffuse material, the material reaching GL through the colour material.
// False, drawing nothing, when the settings leave no diffuse colour to carry it.
bool DrawCellQuadsBatched(const ViewState& s) {
  static std::vector<float> vertices, normals, colours;  // capacity kept from frame to frame
  vertices.clear();
  normals.clear();
  colours.clear();
  const int nu = s.m_nGridU, nv = s.m_nGridV;
  for (int j = 0; j < nv; ++j) {
    for (int i = 0; i < nu; ++i) {
      const float* p[4] = {s.m_afSectionXYZ[i][j], s.m_afSectionXYZ[i + 1][j], s.m_afSectionXYZ[i + 1][j + 1],
                           s.m_afSectionXYZ[i][j + 1]};
      const Rgb c = DensityDiffuse(s, DensityRatio(s.m_afSection[i][j], s.m_fMaxDensity));
      float d1[3], d2[3], n[3];
      Sub(p[1], p[0], d1);
      Sub(p[2], p[1], d2);
      CrossProduct(d1, d2, n);
      for (const float* q : p) {
        vertices.insert(vertices.end(), q, q + 3);
        normals.insert(normals.end(), n, n + 3);
        colours.insert(colours.end(), {c.r, c.g, c.b});
      }
    }
  }
  if (vertices.empty()) return true;
  if (!BeginColorMaterial(s)) return false;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_NORMAL_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, vertices.data());
  glNormalPointer(GL_FLOAT, 0, normals.data());
  glColorPointer(3, GL_FLOAT, 0, colours.data());
  glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices.size() / 3));
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_NORMAL_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  EndColorMaterial();
  // The quads leave the last normal current, as the one-by-one drawing does.
  glNormal3fv(&normals[normals.size() - 3]);
  return true;
}

}  // namespace

void Draw3DContour(ViewState& s, bool batched) {
  const int nu = s.m_nGridU, nv = s.m_nGridV;
  auto point = [&](int i, int j) { return s.m_afSectionXYZ[i][j]; };
  float f0[3], f1[3];
  SetMaterial(s, kColWall);
  for (int i = 0; i < nu; ++i) {
    Foot(point(i, 0), f0);
    Foot(point(i + 1, 0), f1);
    DrawSideWall(f0, f1, point(i + 1, 0), point(i, 0));
  }
  for (int i = 0; i < nu; ++i) {
    Foot(point(i, nv), f0);
    Foot(point(i + 1, nv), f1);
    DrawSideWall(f0, f1, point(i + 1, nv), point(i, nv));
  }
  for (int j = 0; j < nv; ++j) {
    Foot(point(0, j), f0);
    Foot(point(0, j + 1), f1);
    DrawSideWall(f0, f1, point(0, j + 1), point(0, j));
  }
  for (int j = 0; j < nv; ++j) {
    Foot(point(nu, j), f0);
    Foot(point(nu, j + 1), f1);
    DrawSideWall(f0, f1, point(nu, j + 1), point(nu, j));
  }

  SetMaterial(s, kColFrame);
  float c[4][3];
  Foot(point(0, 0), c[0]);
  Foot(point(nu, 0), c[1]);
  Foot(point(nu, nv), c[2]);
  Foot(point(0, nv), c[3]);
  for (int k = 0; k < 4; ++k) DrawFrameRod(c[k], c[(k + 1) & 3]);

  if (batched && DrawCellQuadsBatched(s)) return;
  for (int j = 0; j < nv; ++j) {
    for (int i = 0; i < nu; ++i) {
      const float* p0 = point(i, j);
      const float* p1 = point(i + 1, j);
      const float* p2 = point(i + 1, j + 1);
      const float* p3 = point(i, j + 1);
      SetDensityMaterial(s, DensityRatio(s.m_afSection[i][j], s.m_fMaxDensity));
      float d1[3], d2[3], n[3];
      Sub(p1, p0, d1);
      Sub(p2, p1, d2);
      CrossProduct(d1, d2, n);
      glNormal3fv(n);
      glBegin(GL_QUADS);
      glVertex3fv(p0);
      glVertex3fv(p1);
      glVertex3fv(p2);
      glVertex3fv(p3);
      glEnd();
    }
  }
}

}  // namespace pyk
