// Sections for the mesh tests and benchmark: flat fields, single peaks, a crystal-like density.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

#include "mesh/input.h"

namespace pyk::meshtest {

// A section with the viewer's default viewpoint (distance 30, θ 30, φ 60), a
// 900 x 720 client area and value(i, j) at every grid point, each rounded to
// the four decimals that meshinp carries.
template <typename F>
MeshInput MakeSection(int nu, int nv, F value) {
  MeshInput in;
  in.param = 1.0f;
  in.distance = 30.0f;
  in.theta = 30.0f;
  in.phi = 60.0f;
  in.edgeU = 12.3f;
  in.edgeV = 15.1f;
  in.angle = 104.5f;
  in.width = 900;
  in.height = 720;
  in.minDensity = -1.0f;
  in.maxDensity = 8.0f;
  in.nu = nu;
  in.nv = nv;
  in.values.resize(static_cast<size_t>((nu + 1) * (nv + 1)));
  for (int i = 0; i <= nu; ++i) {
    for (int j = 0; j <= nv; ++j) {
      const double v = value(i, j);
      in.values[static_cast<size_t>(i * (nv + 1) + j)] =
          static_cast<float>(std::round(v * 1e4) / 1e4);
    }
  }
  return in;
}

inline MeshInput FlatSection(int nu, int nv) {
  return MakeSection(nu, nv, [](int, int) { return 0.0; });
}

// Gaussian atoms of an organic crystal (peaks 1.5 to 7 e/A^3, 0.45 A wide)
// at fixed pseudo-random places in the oblique cell, with their images in the
// neighbouring cells and a faint ripple of series termination; the last row
// and column repeat the first, as the viewer's sections do.
inline MeshInput CrystalSection(int nu, int nv) {
  constexpr int kAtoms = 24;
  double fu[kAtoms], fv[kAtoms], peak[kAtoms];
  unsigned seed = 20240611u;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) / 16777216.0;
  };
  for (int k = 0; k < kAtoms; ++k) {
    fu[k] = next();
    fv[k] = next();
    peak[k] = 1.5 + 5.5 * next();
  }
  const double a = 12.3, b = 15.1, gamma = 104.5 * 3.14159265358979 / 180.0;
  const double sigma = 0.45;
  auto density = [&](int i, int j) {
    const int ii = i % nu, jj = j % nv;
    const double u = static_cast<double>(ii) / nu, v = static_cast<double>(jj) / nv;
    double rho = -0.15 * std::cos(2 * 3.14159265358979 * (5 * u + 3 * v));
    for (int k = 0; k < kAtoms; ++k) {
      for (int du = -1; du <= 1; ++du) {
        for (int dv = -1; dv <= 1; ++dv) {
          const double p = u - fu[k] - du, q = v - fv[k] - dv;
          const double x = p * a + q * b * std::cos(gamma), y = q * b * std::sin(gamma);
          rho += peak[k] * std::exp(-(x * x + y * y) / (2 * sigma * sigma));
        }
      }
    }
    return rho;
  };
  MeshInput in = MakeSection(nu, nv, density);
  in.minDensity = in.values[0];
  in.maxDensity = in.values[0];
  for (const float v : in.values) {
    in.minDensity = std::fmin(in.minDensity, v);
    in.maxDensity = std::fmax(in.maxDensity, v);
  }
  return in;
}

// The text of meshinp in the viewer's formats, for the benchmark, which runs
// without the viewer's libraries; the tests use the viewer's own writer.
inline std::string FormatMeshInput(const MeshInput& in) {
  std::string text;
  char line[128];
  std::snprintf(line, sizeof line, "%3.2f\n%6.1f %6.2f %3.1f\n%7.4f %7.4f %6.2f\n%d %d\n",
                in.param, in.distance, in.theta, in.phi, in.edgeU, in.edgeV, in.angle, in.width,
                in.height);
  text += line;
  std::snprintf(line, sizeof line, "%9.4f %9.4f\n%d %d\n", in.minDensity, in.maxDensity, in.nu,
                in.nv);
  text += line;
  for (const float v : in.values) {
    std::snprintf(line, sizeof line, "%9.4f\n", v);
    text += line;
  }
  return text;
}

}  // namespace pyk::meshtest
