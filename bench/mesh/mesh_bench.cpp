// The mesh calculation on a crystal-like density: from meshinp's text to meshout's.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "mesh/calculate.h"
#include "mesh/hidden.h"
#include "mesh/mesh_layout.h"
#include "mesh/sections.h"
#include "support/maps.h"

namespace {

// Parsing, layout, hidden lines, thinning and formatting, without the disk.
void BM_MeshWholeCalculation(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string text = pyk::test::ViewerMeshinp(pyk::meshtest::CrystalSection(n, n));
  size_t records = 0;
  for (auto _ : state) {
    pyk::MeshInput in;
    pyk::MeshResult result;
    std::string error, out;
    if (pyk::ParseMeshInput(text, "meshinp", &in, &error) != 0 || pyk::ComputeMesh(in, &result, &error) != 0) {
      state.SkipWithError(error.c_str());
      break;
    }
    pyk::FormatMeshOutput(result, &out);
    records = result.records.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(BM_MeshWholeCalculation)->Arg(40)->Arg(149)->Unit(benchmark::kMillisecond);

// One run of the program over its two files (in /tmp).
void BM_MeshProgramFiles(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::string base = "/tmp/pyk-mesh-bench-" + std::to_string(::getpid());
  const std::string inPath = base + "-meshinp", outPath = base + "-meshout";
  FILE* f = std::fopen(inPath.c_str(), "w");
  const std::string text = pyk::test::ViewerMeshinp(pyk::meshtest::CrystalSection(n, n));
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  for (auto _ : state) {
    std::string error;
    if (pyk::RunMeshProgram(inPath.c_str(), outPath.c_str(), &error) != 0) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::remove(inPath.c_str());
  std::remove(outPath.c_str());
}
BENCHMARK(BM_MeshProgramFiles)->Arg(149)->Unit(benchmark::kMillisecond);

// The hidden-line pass alone.
void BM_MeshHiddenLines(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  pyk::MeshLayout layout;
  std::string error;
  if (pyk::LayoutMesh(pyk::meshtest::CrystalSection(n, n), &layout, &error) != 0) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    const std::vector<pyk::VisiblePiece> pieces = pyk::FindVisiblePieces(layout);
    benchmark::DoNotOptimize(pieces.data());
  }
}
BENCHMARK(BM_MeshHiddenLines)->Arg(149)->Unit(benchmark::kMillisecond);

}  // namespace
