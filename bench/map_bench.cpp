// Loading, section extraction and statistics of large maps, beside the straightforward fscanf reader.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <gemmi/ccp4.hpp>

#include "map/model_geometry.h"
#include "map/peaks.h"
#include "map/reader.h"
#include "map/section.h"
#include "map/statistics.h"
#include "reference/fscanf_reader.h"
#include "state/platform.h"
#include "state/view_state.h"
#include "tools/samplemap/map_file.h"
#include "tools/samplemap/samples.h"

extern char** environ;

namespace {

class QuietPlatform : public pyk::Platform {
 public:
  void ShowMessage(const char* text) override { std::fprintf(stderr, "%s\n", text); }
  bool AskContourConditions(float&, int&) override { return false; }
  void Invalidate() override {}
};

// The map and contour files written for a run are removed when it ends.
void RemoveAtExit(const std::string& map) {
  static std::vector<std::string> files;
  if (files.empty()) std::atexit([] { for (const auto& f : files) std::remove(f.c_str()); });
  files.push_back(map);
  files.push_back(map.substr(0, map.size() - 4) + ".con");
}

// A P1 map of 1,000,000 records on a 100 x 100 x 100 grid, identity listed (about 26 MB).
const std::string& MillionRecordMap() {
  static const std::string path = [] {
    const std::string p = "/tmp/pyk-bench-" + std::to_string(::getpid()) + "-p1.fou";
    FILE* f = std::fopen(p.c_str(), "w");
    std::fprintf(f, "P1 benchmark map\n1000000\n");
    unsigned seed = 12345;
    for (int x = 0; x < 100; ++x) {
      for (int y = 0; y < 100; ++y) {
        for (int z = 0; z < 100; ++z) {
          seed = seed * 1103515245u + 12345u;
          const double d = (static_cast<int>(seed >> 8) % 2000000) / 100000.0 - 5.0;
          std::fprintf(f, "%4d%4d%4d %13.6e\n", x, y, z, d);
        }
      }
    }
    std::fprintf(f, "20.0 21.0 22.0 90.0 95.0 90.0\n100 100 100\n1 0 0\n1 0 0 0 1 0 0 0 1 0 0 0\n");
    std::fclose(f);
    const std::string con = p.substr(0, p.size() - 4) + ".con";
    f = std::fopen(con.c_str(), "w");
    std::fprintf(f, "0 0 1\n20\n0\n1000.0\n");
    std::fclose(f);
    RemoveAtExit(p);
    return p;
  }();
  return path;
}

pyk::ViewState& State() {
  static auto s = pyk::MakeViewState();
  return *s;
}

void Prepare(pyk::ViewState& s, const std::string& map) {
  std::strcpy(s.m_szMapFile, map.c_str());
  const std::string con = map.substr(0, map.size() - 4) + ".con";
  std::strcpy(s.m_szConFile, con.c_str());
  s.m_bCommandLine = 1;
}

void BM_ReadMapFile_1M(benchmark::State& st) {
  auto& s = State();
  QuietPlatform p;
  Prepare(s, MillionRecordMap());
  for (auto _ : st) benchmark::DoNotOptimize(pyk::ReadMapFile(s, p, s.m_szMapFile));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * 26000000);
}
BENCHMARK(BM_ReadMapFile_1M)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same density as a CCP4 map (mode 2, x y z order, P1; about 4 MB), written with gemmi.
const std::string& MillionPointCcp4() {
  static const std::string path = [] {
    auto& s = State();
    QuietPlatform p;
    Prepare(s, MillionRecordMap());
    gemmi::Ccp4<float> map;
    map.grid.set_unit_cell(20, 21, 22, 90, 95, 90);
    map.grid.spacegroup = &gemmi::get_spacegroup_p1();
    map.grid.set_size(100, 100, 100);
    if (pyk::ReadMapFile(s, p, s.m_szMapFile) == 0) {
      for (int n = 0; n < s.m_nPoints; ++n) {
        const int32_t* q = s.m_anPoint[n];
        map.grid.set_value(q[0], q[1], q[2], s.m_afDensity[n]);
      }
    }
    map.update_ccp4_header(2);
    const std::string c = MillionRecordMap().substr(0, MillionRecordMap().size() - 4) + ".ccp4";
    map.write_ccp4_map(c);
    RemoveAtExit(c);  // it shares the text map's contour file
    return c;
  }();
  return path;
}

void BM_ReadMapFile_1M_Ccp4(benchmark::State& st) {
  auto& s = State();
  QuietPlatform p;
  const std::string map = MillionPointCcp4();
  for (auto _ : st) benchmark::DoNotOptimize(pyk::ReadMapFile(s, p, map.c_str()));
}
BENCHMARK(BM_ReadMapFile_1M_Ccp4)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_FscanfReader_1M(benchmark::State& st) {
  auto& s = State();
  Prepare(s, MillionRecordMap());
  for (auto _ : st) benchmark::DoNotOptimize(pyk::reference::ReadMapRecordsStdio(s, s.m_szMapFile));
  st.SetBytesProcessed(static_cast<int64_t>(st.iterations()) * 26000000);
}
BENCHMARK(BM_FscanfReader_1M)->UseRealTime()->Unit(benchmark::kMillisecond);

// Runs a program with its output and messages discarded; its exit status.
int RunProcess(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int status = -1;
  if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0) waitpid(pid, &status, 0);
  posix_spawn_file_actions_destroy(&files);
  return status;
}

// The whole report process on the million-record map (start, settings, load,
// statistics, section, report), beside a plain fscanf reader process.
void BM_ReportProcess_1M(benchmark::State& st) {
  const std::string map = MillionRecordMap(), con = map.substr(0, map.size() - 4) + ".con";
  const std::string report = map.substr(0, map.size() - 4) + ".fmap";
  RemoveAtExit(report);
  for (auto _ : st) {
    if (RunProcess({PYK_REPORT_EXE, map, report, con}) != 0) st.SkipWithError("pyknoscope-report failed");
  }
}
BENCHMARK(BM_ReportProcess_1M)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_FscanfProcess_1M(benchmark::State& st) {
  const std::string map = MillionRecordMap();
  for (auto _ : st) {
    if (RunProcess({PYK_FSCANF_PROCESS_EXE, map}) != 0) st.SkipWithError("the fscanf reader failed");
  }
}
BENCHMARK(BM_FscanfProcess_1M)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_LoadMap_1M(benchmark::State& st) {
  auto& s = State();
  QuietPlatform p;
  Prepare(s, MillionRecordMap());
  for (auto _ : st) benchmark::DoNotOptimize(pyk::LoadMap(s, p));
}
BENCHMARK(BM_LoadMap_1M)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ComputeSection_1M(benchmark::State& st) {
  auto& s = State();
  QuietPlatform p;
  Prepare(s, MillionRecordMap());
  if (pyk::LoadMap(s, p) != 0) st.SkipWithError("load failed");
  int section = 0;
  for (auto _ : st) {
    s.m_anSectionIndex[s.m_nPlane] = section++ % 100;
    pyk::ComputeSection(s);
  }
}
BENCHMARK(BM_ComputeSection_1M)->Unit(benchmark::kMillisecond);

// The rock-salt Fc map on a 144^3 grid with the full Fm-3m symmetry
// (24 rotations, the centrosymmetry flag and 4 F-centring translations).
const std::string& RockSalt144() {
  static const std::string path = [] {
    const std::string p = "/tmp/pyk-bench-" + std::to_string(::getpid()) + "-nacl144.fou";
    pyk::sample::WriteMapFile(p, pyk::sample::RockSaltMap(144));
    pyk::sample::WriteConFile(p.substr(0, p.size() - 4) + ".con", pyk::sample::ConData{});
    RemoveAtExit(p);
    return p;
  }();
  return path;
}

void BM_ComputeSection_RockSalt144(benchmark::State& st) {
  auto& s = State();
  QuietPlatform p;
  Prepare(s, RockSalt144());
  if (pyk::LoadMap(s, p) != 0) st.SkipWithError("load failed");
  int section = 0;
  for (auto _ : st) {
    s.m_anSectionIndex[s.m_nPlane] = section++ % 144;
    pyk::ComputeSection(s);
  }
  st.counters["records"] = s.m_nPoints;
}
BENCHMARK(BM_ComputeSection_RockSalt144)->Unit(benchmark::kMillisecond);

// The whole-cell statistics that every load computes. Argument: 0 the
// million-record P1 map, 1 rock salt on 144^3 (3 M grid points from 0.2 M
// records), 2.. the shipped samples.
// The map of argument i: 0 the million-record P1 map, 1 rock salt on 144^3, 2.. the shipped samples.
const char* const kSamples[] = {"aspirin.fou",     "aspirin-diff.fou", "aspirin-patt.fou",
                                "aspirin-two.den", "nacl.fou",         "si.fou"};
std::string BenchMap(int64_t i) {
  return i == 0 ? MillionRecordMap() : i == 1 ? RockSalt144() : std::string(PYK_DATA_DIR) + "/" + kSamples[i - 2];
}
std::string BenchLabel(int64_t i, const std::string& map) {
  return i < 2 ? map.substr(map.rfind('-') + 1) : kSamples[i - 2];
}

// The state with the map of the benchmark's argument loaded, its label set.
pyk::ViewState& LoadBenchMap(benchmark::State& st) {
  const int64_t i = st.range(0);
  const std::string map = BenchMap(i);
  auto& s = State();
  QuietPlatform p;
  Prepare(s, map);
  if (pyk::LoadMap(s, p) != 0) st.SkipWithError("load failed");
  st.SetLabel(BenchLabel(i, map));
  return s;
}

void BM_MapStatistics(benchmark::State& st) {
  auto& s = LoadBenchMap(st);
  for (auto _ : st) benchmark::DoNotOptimize(pyk::ComputeMapStatistics(s));
  st.counters["points"] = static_cast<double>(s.m_stats.points);
}
BENCHMARK(BM_MapStatistics)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// The whole-cell peak search at 3 sigma (Peak List with "whole map"), same maps.
void BM_FindPeaksWholeMap(benchmark::State& st) {
  auto& s = LoadBenchMap(st);
  pyk::PeakSearch search;
  search.wholeMap = true;
  size_t found = 0;
  for (auto _ : st) found = pyk::FindPeaks(s, search).size();
  st.counters["peaks"] = static_cast<double>(found);
}
BENCHMARK(BM_FindPeaksWholeMap)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// The nearest atom to a point (each pointer move and peak line while a model
// is shown): a protein-sized model of N atoms in a monoclinic cell with the
// four operations of P21/c, at points spread over the cell.
void BM_NearestAtom(benchmark::State& st) {
  static auto s = pyk::MakeViewState();
  const float cell[6] = {60, 40, 50, 90, 100, 90};
  std::copy(cell, cell + 6, s->m_afCell);
  const double ops[4][4] = {{1, 1, 0, 0}, {-1, 1, 0.5, 0.5}, {-1, -1, 0, 0}, {1, -1, 0.5, 0.5}};  // sx, sy, ty, tz
  s->m_model.ops.clear();
  for (const auto& o : ops) {
    s->m_model.ops.push_back({{{o[0], 0, 0}, {0, o[1], 0}, {0, 0, o[0]}}, {0, o[2], o[3]}});
  }
  s->m_model.atoms.clear();
  uint32_t seed = 12345;
  const auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) / 4294967296.0; };
  for (int64_t k = 0; k < st.range(0); ++k) s->m_model.atoms.push_back({"C", {next(), next(), next()}});
  double sum = 0;
  for (auto _ : st) {
    const double p[3] = {next(), next(), next()};
    sum += pyk::NearestAtom(*s, p).distance;
  }
  benchmark::DoNotOptimize(sum);
}
BENCHMARK(BM_NearestAtom)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
