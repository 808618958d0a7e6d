// Sections for the mesh tests and benchmark: flat fields, single peaks, a crystal-like density.
#pragma once

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "mesh/input.h"
#include "mesh/mesh_layout.h"

namespace pyk::meshtest {

// A section with the viewer's default viewpoint (distance 30, θ 30, φ 60), a
// 900 x 720 client area and value(i, j) at every grid point, each rounded to
// the four decimals that meshinp carries.
template <typename F>
MeshInput MakeSection(int nu, int nv, F value) {
  MeshInput in{.param = 1, .distance = 30, .theta = 30, .phi = 60, .edgeU = 12.3f, .edgeV = 15.1f, .angle = 104.5f,
               .width = 900, .height = 720, .minDensity = -1, .maxDensity = 8, .nu = nu, .nv = nv, .values = {}};
  in.values.resize(static_cast<size_t>((nu + 1) * (nv + 1)));
  for (size_t k = 0; k < in.values.size(); ++k) {
    in.values[k] = std::round(value(static_cast<int>(k) / (nv + 1), static_cast<int>(k) % (nv + 1)) * 1e4) / 1e4;
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
  const auto [lo, hi] = std::minmax_element(in.values.begin(), in.values.end());
  in.minDensity = *lo;
  in.maxDensity = *hi;
  return in;
}

// The layout of in; one the layout refuses throws its message.
inline MeshLayout Laid(const MeshInput& in) {
  MeshLayout L;
  std::string error;
  if (LayoutMesh(in, &L, &error) != 0) throw std::runtime_error(error);
  return L;
}

}  // namespace pyk::meshtest
