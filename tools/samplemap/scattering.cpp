// Cromer-Mann coefficients of the species in the sample structures.
#include "scattering.h"

#include <cmath>

namespace pyk::sample {

namespace {

constexpr double kPi = 3.14159265358979323846;

const FormFactor kTable[] = {
    {"H", 1, {0.489918, 0.262003, 0.196767, 0.049879}, {20.6593, 7.74039, 49.5519, 2.20159}, 0.001305},
    {"C", 6, {2.31000, 1.02000, 1.58860, 0.865000}, {20.8439, 10.2075, 0.568700, 51.6512}, 0.215600},
    {"N", 7, {12.2126, 3.13220, 2.01250, 1.16630}, {0.005700, 9.89330, 28.9975, 0.582600}, -11.529},
    {"O", 8, {3.04850, 2.28680, 1.54630, 0.867000}, {13.2771, 5.70110, 0.323900, 32.9089}, 0.250800},
    {"Na1+", 10, {3.25650, 3.93620, 1.39980, 1.00320}, {2.66710, 6.11530, 0.200100, 14.0390}, 0.404000},
    {"Si", 14, {6.29150, 3.03530, 1.98910, 1.54100}, {2.43860, 32.3337, 0.678500, 81.6937}, 1.14070},
    {"Cl1-", 18, {18.2915, 7.20840, 6.53370, 2.33860}, {0.006600, 1.17170, 19.5424, 60.4486}, -16.378},
};

}  // namespace

const FormFactor* FindFormFactor(std::string_view name) {
  for (const FormFactor& f : kTable) {
    if (name == f.name) return &f;
  }
  return nullptr;
}

double FormFactorAt(const FormFactor& f, double s) {
  double v = f.c;
  for (int i = 0; i < 4; ++i) v += f.a[i] * std::exp(-f.b[i] * s * s);
  return v;
}

GaussianTerms AtomGaussians(const FormFactor& f, double bFactor) {
  GaussianTerms g{};
  for (int i = 0; i < 5; ++i) {
    const double a = i < 4 ? f.a[i] : f.c;
    const double width = (i < 4 ? f.b[i] : 0.0) + bFactor;
    g.amplitude[i] = a * std::pow(4.0 * kPi / width, 1.5);
    g.exponent[i] = 4.0 * kPi * kPi / width;
  }
  return g;
}

double Evaluate(const GaussianTerms& g, double r2) {
  double v = 0.0;
  for (int i = 0; i < 5; ++i) v += g.amplitude[i] * std::exp(-g.exponent[i] * r2);
  return v;
}

}  // namespace pyk::sample
