// Patterson sums over binned interatomic vectors with tabulated pair profiles.
#include "tools/samplemap/patterson.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pyk::sample {

namespace {

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

int BinOf(double v, int n) { return std::min(n - 1, static_cast<int>(v * n)); }

void Cartesian(const Metric& m, const double f[3], double c[3]) {
  for (int i = 0; i < 3; ++i) c[i] = m.orth[i][0] * f[0] + m.orth[i][1] * f[1] + m.orth[i][2] * f[2];
}

// Convolution of A1 exp(-p1 r^2) and A2 exp(-p2 r^2):
// A1 A2 (pi / (p1 + p2))^(3/2) exp(-p1 p2 / (p1 + p2) r^2).
void FillProfile(const Gaussian* g1, const Gaussian* g2, double step, double scale, double* table) {
  Gaussian terms[kAtomGaussians * kAtomGaussians];
  int n = 0;
  for (int k = 0; k < kAtomGaussians; ++k)
    for (int l = 0; l < kAtomGaussians; ++l) {
      const double p = g1[k].expo + g2[l].expo;
      terms[n++] = {scale * g1[k].amp * g2[l].amp * std::pow(std::numbers::pi / p, 1.5), g1[k].expo * g2[l].expo / p};
    }
  for (int i = 0; i <= kPattersonTableIntervals; ++i) {
    const double r = i * step;
    double v = 0;
    for (const Gaussian& t : terms) v += t.amp * std::exp(-t.expo * r * r);
    table[i] = v;
  }
}

}  // namespace

PattersonModel MakePattersonModel(const Cell& cell, const std::vector<CellAtom>& atoms, double cutoff) {
  PattersonModel m{};
  m.metric = CellMetric(cell);
  m.cutoff = cutoff;
  const double v = m.metric.volume;
  const double f000 = CellF000(atoms);
  m.offset = f000 * f000 / (v * v);
  m.step = cutoff / kPattersonTableIntervals;

  // One profile per unordered pair of asymmetric-unit sites.
  int sites = 0;
  for (const CellAtom& a : atoms) sites = std::max(sites, a.site + 1);
  std::vector<Gaussian> gauss(static_cast<size_t>(sites) * kAtomGaussians);
  for (const CellAtom& a : atoms) AtomGaussians(*a.ff, a.biso, &gauss[a.site * kAtomGaussians]);
  std::vector<int> tableOf(static_cast<size_t>(sites) * sites, -1);
  const int width = kPattersonTableIntervals + 1;
  for (int i = 0; i < sites; ++i)
    for (int j = i; j < sites; ++j) {
      const int off = static_cast<int>(m.tables.size());
      m.tables.resize(m.tables.size() + width);
      FillProfile(&gauss[i * kAtomGaussians], &gauss[j * kAtomGaussians], m.step, 1.0 / v, &m.tables[off]);
      tableOf[i * sites + j] = tableOf[j * sites + i] = off;
    }

  // Bins about 1.5 A wide; a lookup skips bins that lie wholly beyond the cutoff.
  const double edge[3] = {cell.a, cell.b, cell.c};
  for (int i = 0; i < 3; ++i) m.bins[i] = std::clamp(static_cast<int>(std::lround(edge[i] / 1.5)), 1, 64);
  m.binRadius = 0;
  for (int sy = -1; sy <= 1; sy += 2)
    for (int sz = -1; sz <= 1; sz += 2) {
      const double d[3] = {0.5 / m.bins[0], 0.5 * sy / m.bins[1], 0.5 * sz / m.bins[2]};
      m.binRadius = std::max(m.binRadius, std::sqrt(Length2(m.metric, d)));
    }
  const int nbins = m.bins[0] * m.bins[1] * m.bins[2];
  struct Raw {
    double v[3];
    int table, bin;
  };
  std::vector<Raw> raw;
  std::vector<int> count(nbins + 1, 0);
  for (const CellAtom& a : atoms)
    for (const CellAtom& b : atoms) {
      Raw p{{0, 0, 0}, tableOf[a.site * sites + b.site], 0};
      for (int k = 0; k < 3; ++k) {
        p.v[k] = b.frac[k] - a.frac[k];
        p.v[k] -= std::floor(p.v[k]);
      }
      p.bin = (BinOf(p.v[2], m.bins[2]) * m.bins[1] + BinOf(p.v[1], m.bins[1])) * m.bins[0] + BinOf(p.v[0], m.bins[0]);
      raw.push_back(p);
      ++count[p.bin + 1];
    }
  for (int b = 0; b < nbins; ++b) count[b + 1] += count[b];
  m.binStart = count;
  m.px.resize(raw.size());
  m.py.resize(raw.size());
  m.pz.resize(raw.size());
  m.table.resize(raw.size());
  for (const Raw& p : raw) {
    const int k = count[p.bin]++;
    double c[3];
    Cartesian(m.metric, p.v, c);
    m.px[k] = c[0];
    m.py[k] = c[1];
    m.pz[k] = c[2];
    m.table[k] = p.table;
  }
  return m;
}

double PattersonAt(const PattersonModel& m, const double u[3]) {
  int lo[3], hi[3];
  for (int i = 0; i < 3; ++i) {
    const double reach = m.cutoff * m.metric.recip[i];
    lo[i] = static_cast<int>(std::floor((u[i] - reach) * m.bins[i]));
    hi[i] = static_cast<int>(std::floor((u[i] + reach) * m.bins[i]));
  }
  double uc[3];
  Cartesian(m.metric, u, uc);
  const double c2 = m.cutoff * m.cutoff;
  const double binReach = (m.cutoff + m.binRadius) * (m.cutoff + m.binRadius);
  const double inv = 1.0 / m.step;
  double sum = 0;
  // Each (bin, whole-cell shift) pair is a distinct region of space, so every
  // vector image near u is visited exactly once.
  for (int bz = lo[2]; bz <= hi[2]; ++bz) {
    const int sz = FloorDiv(bz, m.bins[2]), wz = bz - sz * m.bins[2];
    for (int by = lo[1]; by <= hi[1]; ++by) {
      const int sy = FloorDiv(by, m.bins[1]), wy = by - sy * m.bins[1];
      for (int bx = lo[0]; bx <= hi[0]; ++bx) {
        const int sx = FloorDiv(bx, m.bins[0]), wx = bx - sx * m.bins[0];
        // u relative to the whole-cell shift, and the bin's centre.
        const double shift[3] = {static_cast<double>(sx), static_cast<double>(sy), static_cast<double>(sz)};
        const double centre[3] = {(bx + 0.5) / m.bins[0], (by + 0.5) / m.bins[1], (bz + 0.5) / m.bins[2]};
        double s[3], c[3];
        Cartesian(m.metric, shift, s);
        Cartesian(m.metric, centre, c);
        const double dc[3] = {uc[0] - c[0], uc[1] - c[1], uc[2] - c[2]};
        if (dc[0] * dc[0] + dc[1] * dc[1] + dc[2] * dc[2] > binReach) continue;
        const double ux = uc[0] - s[0], uy = uc[1] - s[1], uz = uc[2] - s[2];
        const int bin = (wz * m.bins[1] + wy) * m.bins[0] + wx;
        for (int k = m.binStart[bin]; k < m.binStart[bin + 1]; ++k) {
          const double dx = ux - m.px[k], dy = uy - m.py[k], dz = uz - m.pz[k];
          const double r2 = dx * dx + dy * dy + dz * dz;
          if (r2 >= c2) continue;
          const double t = std::sqrt(r2) * inv;
          const int i = std::min(static_cast<int>(t), kPattersonTableIntervals - 1);
          const double* tab = &m.tables[m.table[k]];
          sum += tab[i] + (t - i) * (tab[i + 1] - tab[i]);
        }
      }
    }
  }
  return sum - m.offset;
}

}  // namespace pyk::sample
