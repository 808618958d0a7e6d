// X-ray scattering factors (Cromer-Mann form) and the atomic densities they imply.
#pragma once

#include <string_view>

namespace pyk::sample {

// f(s) = sum_i a_i exp(-b_i s^2) + c, s = sin(theta)/lambda in 1/Angstrom.
struct FormFactor {
  const char* name;  // "C", "Na1+", ...
  int electrons;     // Z minus the charge
  double a[4];
  double b[4];       // Angstrom^2
  double c;
};

// One spherical Gaussian: amp * exp(-expo * r^2), r in Angstrom.
struct Gaussian {
  double amp;
  double expo;
};

constexpr int kAtomGaussians = 5;

const FormFactor* FindFormFactor(std::string_view name);
// The tabulated entries, for tests and listings.
const FormFactor* FormFactorTable(int* count);

double ScatteringFactor(const FormFactor& ff, double s);
double ForwardScattering(const FormFactor& ff);  // f(0)

// The real-space density of an atom with isotropic B (Angstrom^2, > 0) as
// five Gaussians: the Fourier transform of f(s) exp(-B s^2).
void AtomGaussians(const FormFactor& ff, double biso, Gaussian out[kAtomGaussians]);
double AtomDensity(const FormFactor& ff, double biso, double r);

}  // namespace pyk::sample
