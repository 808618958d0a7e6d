// Real-space sums of Gaussians over neighbouring cells, in the oblique cell's metric.
#include "crystal.h"

#include <cmath>

namespace pyk::sample {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCutoff = 6.0;  // A; the widest Gaussian has fallen below 1e-6 e/A^3

// Squared length of the fractional vector d in the cell's metric.
double Length2(const double cell[6], const double d[3]) {
  const double ca = std::cos(cell[3] * kPi / 180), cb = std::cos(cell[4] * kPi / 180),
               cg = std::cos(cell[5] * kPi / 180);
  const double x = d[0] * cell[0], y = d[1] * cell[1], z = d[2] * cell[2];
  return x * x + y * y + z * z + 2 * x * y * cg + 2 * x * z * cb + 2 * y * z * ca;
}

double Wrap01(double v) {
  v -= std::floor(v);
  return v >= 1.0 ? 0.0 : v;
}

// How many neighbouring cells along each axis can reach within the cutoff.
int Reach(const double cell[6], int axis) { return static_cast<int>(std::ceil(kCutoff / cell[axis])) + 1; }

// Calls f(d2) for the squared distance from p to every image of q within the cutoff.
template <typename F>
void ForImages(const double cell[6], const double p[3], const double q[3], F&& f) {
  const int ra = Reach(cell, 0), rb = Reach(cell, 1), rc = Reach(cell, 2);
  for (int i = -ra; i <= ra; ++i) {
    for (int j = -rb; j <= rb; ++j) {
      for (int k = -rc; k <= rc; ++k) {
        const double d[3] = {p[0] - q[0] - i, p[1] - q[1] - j, p[2] - q[2] - k};
        const double d2 = Length2(cell, d);
        if (d2 <= kCutoff * kCutoff) f(d2);
      }
    }
  }
}

}  // namespace

std::vector<Atom> CellAtoms(const Crystal& c) {
  std::vector<Atom> out;
  for (const Atom& a : c.atoms) {
    for (const SymOp& op : c.group) {
      double x[3];
      ApplyOp(op, a.frac, x);
      for (double& v : x) v = Wrap01(v);
      bool seen = false;
      for (const Atom& b : out) {
        double d[3];
        for (int i = 0; i < 3; ++i) {
          d[i] = x[i] - b.frac[i];
          d[i] -= std::round(d[i]);
        }
        seen = seen || (b.species == a.species && Length2(c.cell, d) < 1e-6);
      }
      if (!seen) out.push_back({a.species, {x[0], x[1], x[2]}, a.bFactor});
    }
  }
  return out;
}

double CellVolume(const double cell[6]) {
  const double ca = std::cos(cell[3] * kPi / 180), cb = std::cos(cell[4] * kPi / 180),
               cg = std::cos(cell[5] * kPi / 180);
  return cell[0] * cell[1] * cell[2] * std::sqrt(1 - ca * ca - cb * cb - cg * cg + 2 * ca * cb * cg);
}

double F000(const std::vector<Atom>& cellAtoms) {
  double f = 0.0;
  for (const Atom& a : cellAtoms) f += FormFactorAt(*a.species, 0.0);
  return f;
}

double ElectronDensity(const double cell[6], const std::vector<Atom>& cellAtoms, const double p[3]) {
  double rho = 0.0;
  for (const Atom& a : cellAtoms) {
    const GaussianTerms g = AtomGaussians(*a.species, a.bFactor);
    ForImages(cell, p, a.frac, [&](double d2) { rho += Evaluate(g, d2); });
  }
  return rho;
}

double PattersonAt(const double cell[6], const std::vector<Atom>& cellAtoms, const double u[3]) {
  double sum = 0.0;
  for (const Atom& a : cellAtoms) {
    const GaussianTerms ga = AtomGaussians(*a.species, a.bFactor);
    for (const Atom& b : cellAtoms) {
      const GaussianTerms gb = AtomGaussians(*b.species, b.bFactor);
      // The peak of the pair lies at r_b - r_a.
      const double v[3] = {b.frac[0] - a.frac[0], b.frac[1] - a.frac[1], b.frac[2] - a.frac[2]};
      ForImages(cell, u, v, [&](double d2) {
        for (int i = 0; i < 5; ++i) {
          for (int j = 0; j < 5; ++j) {
            // Convolution of A1 exp(-p1 r^2) and A2 exp(-p2 r^2).
            const double p1 = ga.exponent[i], p2 = gb.exponent[j];
            sum += ga.amplitude[i] * gb.amplitude[j] * std::pow(kPi / (p1 + p2), 1.5) *
                   std::exp(-p1 * p2 / (p1 + p2) * d2);
          }
        }
      });
    }
  }
  const double volume = CellVolume(cell);
  const double mean = F000(cellAtoms) / volume;
  return sum / volume - mean * mean;
}

}  // namespace pyk::sample
