// X-ray scattering factors as Cromer-Mann Gaussian sums, and the real-space
// density of one atom that they give.
#pragma once

#include <string_view>

namespace pyk::sample {

// f(s) = sum a_i exp(-b_i s^2) + c, s = sin(theta) / lambda in 1/A.
struct FormFactor {
  const char* name;
  int electrons;  // Z minus the charge
  double a[4];
  double b[4];
  double c;
};

// The tabulated species (International Tables for Crystallography, Vol. C,
// Table 6.1.1.4); null for an unknown name.
const FormFactor* FindFormFactor(std::string_view name);
double FormFactorAt(const FormFactor& f, double s);

// The Gaussians of one atom's density with isotropic B (A^2): the Fourier
// transform of each term a exp(-(b + B) s^2) is
// a (4 pi / (b + B))^(3/2) exp(-4 pi^2 r^2 / (b + B)); the constant c is
// smeared by B alone. Terms are amplitude * exp(-exponent * r^2), r in A.
struct GaussianTerms {
  double amplitude[5];
  double exponent[5];
};
GaussianTerms AtomGaussians(const FormFactor& f, double bFactor);
double Evaluate(const GaussianTerms& g, double r2);

}  // namespace pyk::sample
