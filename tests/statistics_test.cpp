// Map statistics over the whole cell: hand-made maps with known answers (in
// the engine and through pyknoscope-report --stats), and every shipped
// sample against the sample generator's own expansion to the full grid; the
// huge-page blocks that the whole-cell grid lives in.
#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <string>
#include <vector>

#include "pure_helpers.h"
#include "state/zeroed_block.h"
#include "support/files.h"
#include "tools/samplemap/grid_expand.h"
#include "tools/samplemap/samples.h"

namespace pyk::test {
namespace {

constexpr const char* kCell = "10.0 10.0 10.0 90.0 90.0 90.0\n";
constexpr const char* kIdentity = "1 0 0 0 1 0 0 0 1 0 0 0\n";

TEST(MapStatistics, HandMadeMapsGiveTheirKnownAnswers) {
  const std::string inversion = std::string(kIdentity) + "-1 0 0 0 -1 0 0 0 -1 0 0 0\n";
  const struct {
    const char* what;
    std::string text;
    double mean, sigma, min, max;
    long long points;
    const char* lines;  // pyknoscope-report --stats, or null
  } rows[] = {
      // x = 3 is first reached as the image of x = 1 (2), so the record 9 is not counted.
      {"P-1: images fill the cell, first image wins",
       MapText(4, "0 0 0 1\n1 0 0 2\n3 0 0 9\n2 0 0 5\n", std::string(kCell) + "4 1 1\n2 0 0\n" + inversion), 2.5, 1.5,
       1, 5, 4, "mean 2.5\nsigma 1.5\nmin 1\nmax 5\npoints 4\n"},
      {"P1: a point no record reaches is left out",
       MapText(2, "0 0 0 2\n2 0 0 4\n", std::string(kCell) + "3 1 1\n1 0 0\n" + kIdentity), 3, 1, 2, 4, 2,
       "mean 3\nsigma 1\nmin 2\nmax 4\npoints 2\n"},
      {"P1: records a cell away land on their periodic equals",
       MapText(3, "-2 0 0 1.5\n0 0 1 -0.5\n1 0 -1 0.5\n", std::string(kCell) + "2 1 2\n1 0 0\n" + kIdentity), 0.5,
       std::sqrt(2.0 / 3.0), -0.5, 1.5, 3, nullptr},
  };
  for (const auto& r : rows) {
    TempDir dir;
    WriteText(dir.File("m.fou"), r.text);
    WriteText(dir.File("m.con"), kConZ);
    const auto s = LoadedMap(dir.File("m.fou"));
    EXPECT_DOUBLE_EQ(s->m_stats.mean, r.mean) << r.what;
    EXPECT_DOUBLE_EQ(s->m_stats.sigma, r.sigma) << r.what;
    EXPECT_EQ(s->m_stats.min, r.min) << r.what;
    EXPECT_EQ(s->m_stats.max, r.max) << r.what;
    EXPECT_EQ(s->m_stats.points, r.points) << r.what;
    if (r.lines == nullptr) continue;
    const ToolRun run = RunTool(dir.path(), PYK_REPORT_EXE, "--stats m.fou out.txt m.con");
    EXPECT_EQ(run.status, 0) << r.what << run.err;
    EXPECT_EQ(ReadText(dir.File("out.txt")), r.lines) << r.what;
  }
}

TEST(MapStatistics, ShippedSamplesMatchTheGeneratorsFullCellGrid) {
  std::vector<sample::SampleFile> samples;
  ASSERT_TRUE(sample::BuildSamples(&samples));
  for (const sample::SampleFile& f : samples) {
    const auto s = LoadedMap(DataFile(f.mapName));
    const sample::ExpandedMap e = sample::ExpandToGrid(f.map);
    const std::vector<double>& v = s->m_nColumn == 1 && !e.b.empty() ? e.b : e.a;
    double sum = 0, squares = 0, lo = 1e300, hi = -1e300;
    long long n = 0;
    for (size_t i = 0; i < v.size(); ++i) {
      if (e.set[i] == 0) continue;
      ++n, sum += v[i], lo = std::min(lo, v[i]), hi = std::max(hi, v[i]);
    }
    const double mean = sum / n;
    for (size_t i = 0; i < v.size(); ++i) squares += e.set[i] != 0 ? (v[i] - mean) * (v[i] - mean) : 0.0;
    // Each value is off by its six printed decimals and by its float, no more.
    const double tol = 5e-7 + std::max(-lo, hi) * 6e-8;
    EXPECT_EQ(s->m_stats.points, n) << f.mapName;
    EXPECT_EQ(n, static_cast<long long>(f.map.grid[0]) * f.map.grid[1] * f.map.grid[2]) << f.mapName;
    EXPECT_NEAR(s->m_stats.mean, mean, tol) << f.mapName;
    EXPECT_NEAR(s->m_stats.sigma, std::sqrt(squares / n), tol) << f.mapName;
    EXPECT_NEAR(s->m_stats.min, lo, tol) << f.mapName;
    EXPECT_NEAR(s->m_stats.max, hi, tol) << f.mapName;
  }
}

// Each block starts on a huge page, is zero and mapped to the end of its last
// huge page while held, and is unmapped whole when given back.
TEST(HugePageAllocator, BlocksAreAlignedZeroWholeAndGivenBackWhole) {
  for (const size_t count :
       {size_t{1}, kHugePageBytes / 4 - 1, kHugePageBytes / 4, kHugePageBytes / 4 + 1, size_t{1000000}}) {
    HugePageAllocator<float> a;
    float* p = a.allocate(count);
    const size_t length = RoundUpToHugePage(count * sizeof(float));
    std::vector<unsigned char> held(length / 4096);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % kHugePageBytes, 0u) << count;
    EXPECT_EQ(length % kHugePageBytes, 0u) << count;
    EXPECT_TRUE(std::all_of(p, p + count, [](float v) { return v == 0.0f; })) << count;
    std::fill(p, p + count, 1.5f);
    EXPECT_EQ(::mincore(p, length, held.data()), 0) << count << ": mapped to the end";
    a.deallocate(p, count);
    for (char* page : {reinterpret_cast<char*>(p), reinterpret_cast<char*>(p) + length - 4096}) {
      EXPECT_EQ(::mincore(page, 4096, held.data()), -1) << count << ": first and last page unmapped";
      EXPECT_EQ(errno, ENOMEM) << count;
    }
  }
}

}  // namespace
}  // namespace pyk::test
