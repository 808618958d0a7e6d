// Cromer-Mann coefficients for the elements and ions of the shipped structures.
// From International Tables for Crystallography, Vol. C, Table 6.1.1.4.
#include "tools/samplemap/scattering.h"

#include <cmath>
#include <numbers>

namespace pyk::sample {

namespace {

constexpr FormFactor kTable[] = {
    {"H", 1, {0.493002, 0.322912, 0.140191, 0.040810}, {10.5109, 26.1257, 3.14236, 57.7997}, 0.003038},
    {"C", 6, {2.31000, 1.02000, 1.58860, 0.86500}, {20.8439, 10.2075, 0.56870, 51.6512}, 0.2156},
    {"O", 8, {3.04850, 2.28680, 1.54630, 0.86700}, {13.2771, 5.70110, 0.32390, 32.9089}, 0.2508},
    {"Na1+", 10, {3.25650, 3.93620, 1.39980, 1.00320}, {2.66710, 6.11530, 0.20010, 14.0390}, 0.4040},
    {"Si", 14, {6.29150, 3.03530, 1.98910, 1.54100}, {2.43860, 32.3337, 0.67850, 81.6937}, 1.1407},
    {"Cl1-", 18, {18.2915, 7.20840, 6.53370, 2.33860}, {0.00660, 1.17170, 19.5424, 60.4486}, -16.378},
};

// Fourier transform of A exp(-b s^2), s = |S|/2: A (4 pi / b)^(3/2) exp(-4 pi^2 r^2 / b).
Gaussian Transform(double amp, double b) {
  const double pi = std::numbers::pi;
  return {amp * std::pow(4.0 * pi / b, 1.5), 4.0 * pi * pi / b};
}

}  // namespace

const FormFactor* FindFormFactor(std::string_view name) {
  for (const FormFactor& f : kTable)
    if (name == f.name) return &f;
  return nullptr;
}

const FormFactor* FormFactorTable(int* count) {
  *count = static_cast<int>(sizeof kTable / sizeof kTable[0]);
  return kTable;
}

double ScatteringFactor(const FormFactor& ff, double s) {
  double f = ff.c;
  for (int i = 0; i < 4; ++i) f += ff.a[i] * std::exp(-ff.b[i] * s * s);
  return f;
}

double ForwardScattering(const FormFactor& ff) { return ff.a[0] + ff.a[1] + ff.a[2] + ff.a[3] + ff.c; }

void AtomGaussians(const FormFactor& ff, double biso, Gaussian out[kAtomGaussians]) {
  for (int i = 0; i < 4; ++i) out[i] = Transform(ff.a[i], ff.b[i] + biso);
  out[4] = Transform(ff.c, biso);  // the constant term is smeared by B alone
}

double AtomDensity(const FormFactor& ff, double biso, double r) {
  Gaussian g[kAtomGaussians];
  AtomGaussians(ff, biso, g);
  double rho = 0;
  for (const Gaussian& t : g) rho += t.amp * std::exp(-t.expo * r * r);
  return rho;
}

}  // namespace pyk::sample
