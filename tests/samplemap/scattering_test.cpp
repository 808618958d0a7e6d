// Scattering factors and the real-space atomic densities derived from them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tools/samplemap/scattering.h"

namespace pyk::sample {
namespace {

constexpr double kPi = std::numbers::pi;

// Simpson's rule for 4 pi r^2 rho(r) w(r) over 0 .. 20 A.
template <typename Weight>
double RadialIntegral(const FormFactor& ff, double biso, Weight w) {
  const int n = 200000;
  const double h = 20.0 / n;
  double sum = 0;
  for (int i = 0; i <= n; ++i) {
    const double r = i * h;
    const double c = (i == 0 || i == n) ? 1 : (i % 2 ? 4 : 2);
    sum += c * 4 * kPi * r * r * AtomDensity(ff, biso, r) * w(r);
  }
  return sum * h / 3;
}

TEST(Scattering, CoefficientsSumToTheElectronCount) {
  const struct {
    const char* name;
    int electrons;
  } rows[] = {{"H", 1}, {"C", 6}, {"O", 8}, {"Na1+", 10}, {"Si", 14}, {"Cl1-", 18}};
  int count = 0;
  FormFactorTable(&count);
  EXPECT_EQ(count, 6);
  for (const auto& r : rows) {
    const FormFactor* f = FindFormFactor(r.name);
    ASSERT_NE(f, nullptr) << r.name;
    EXPECT_EQ(f->electrons, r.electrons);
    EXPECT_NEAR(ForwardScattering(*f), r.electrons, 0.01) << r.name;
    EXPECT_DOUBLE_EQ(ScatteringFactor(*f, 0.0), ForwardScattering(*f));
    EXPECT_LT(ScatteringFactor(*f, 0.6), ScatteringFactor(*f, 0.2)) << r.name;
  }
  EXPECT_EQ(FindFormFactor("Xx"), nullptr);
  EXPECT_EQ(FindFormFactor("Na"), nullptr);  // only the ion is tabulated
}

// The density integrates to f(0), and its Fourier transform is f(s) exp(-B s^2).
TEST(Scattering, AtomDensityIsTheTransformOfTheScatteringFactor) {
  const struct {
    const char* name;
    double biso;
  } rows[] = {{"H", 3.0}, {"C", 0.9}, {"O", 1.6}, {"Na1+", 1.6}, {"Si", 0.46}, {"Cl1-", 1.2}};
  for (const auto& r : rows) {
    const FormFactor& f = *FindFormFactor(r.name);
    EXPECT_NEAR(RadialIntegral(f, r.biso, [](double) { return 1.0; }), ForwardScattering(f), 1e-6 * f.electrons)
        << r.name;
    for (double s : {0.2, 0.5, 1.0}) {
      const double k = 4 * kPi * s;  // |S| = 2 s, phase 2 pi |S| r
      const double ft = RadialIntegral(f, r.biso, [k](double x) { return x == 0 ? 1.0 : std::sin(k * x) / (k * x); });
      EXPECT_NEAR(ft, ScatteringFactor(f, s) * std::exp(-r.biso * s * s), 1e-6 * f.electrons) << r.name << " s=" << s;
    }
  }
}

}  // namespace
}  // namespace pyk::sample
