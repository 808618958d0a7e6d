// The mesh program itself, run in a folder of its own: meshout as the viewer reads it, bad input.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mesh/projection.h"
#include "sections.h"

namespace pyk {
namespace {

class MeshProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/pyk-mesh-test-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    for (const char* f : {"meshinp", "meshout", "meshout.tmp", "stderr", "stdout"}) {
      std::remove(Path(f).c_str());
    }
    rmdir(dir_.c_str());
  }
  std::string Path(const char* name) const { return dir_ + "/" + name; }
  void Write(const char* name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  std::string Read(const char* name) const {
    std::ifstream f(Path(name), std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  bool Exists(const char* name) const {
    struct stat st;
    return stat(Path(name).c_str(), &st) == 0;
  }
  // Runs the program with no arguments in the folder; its exit status, or -1
  // when it did not exit normally (a crash).
  int Run(const std::string& args = "") const {
    const std::string cmd = "cd '" + dir_ + "' && '" PYK_MESH_EXE "'" + args +
                            " >stdout 2>stderr";
    const int status = std::system(cmd.c_str());
    if (status == -1 || !WIFEXITED(status)) return -1;
    const int code = WEXITSTATUS(status);
    return code >= 128 ? -1 : code;  // the shell reports a signal as 128 + n
  }
  std::string dir_;
};

// meshout read as the viewer reads it: six "%f", one "%f %f %f %f %f %f",
// the rest of that line, then "%f %f %d" per line of at most 139 characters.
struct ViewerRead {
  bool ok = false;
  float m[6], e[6];
  std::string restOfLine;
  std::vector<float> x, y;
  std::vector<int> flag;
  int unparsed = 0;
};

ViewerRead ReadLikeTheViewer(const std::string& path) {
  ViewerRead r;
  FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return r;
  int got = 0;
  for (int k = 0; k < 6; ++k) got += std::fscanf(f, "%f", &r.m[k]);
  got += std::fscanf(f, "%f %f %f %f %f %f", &r.e[0], &r.e[1], &r.e[2], &r.e[3], &r.e[4], &r.e[5]);
  char line[140];
  if (std::fgets(line, sizeof line, f) != nullptr) r.restOfLine = line;
  while (std::fgets(line, sizeof line, f) != nullptr) {
    float x = 0, y = 0;
    int flag = 0;
    if (std::sscanf(line, "%f %f %d", &x, &y, &flag) != 3) ++r.unparsed;
    r.x.push_back(x);
    r.y.push_back(y);
    r.flag.push_back(flag);
  }
  std::fclose(f);
  r.ok = got == 12;
  return r;
}

TEST_F(MeshProgram, WritesWhatTheViewerReads) {
  const struct {
    int n;
    float theta, phi;
    int width, height;
  } rows[] = {{40, 30, 60, 900, 720}, {149, -50, 45, 1024, 768}, {12, 200, 80, 320, 240}};
  for (const auto& r : rows) {
    // A gentle swell, so that all four corners are in sight.
    MeshInput in = meshtest::MakeSection(r.n, r.n, [&](int i, int j) {
      return 2.0 + std::sin(6.2831853 * i / r.n) * std::cos(6.2831853 * j / r.n);
    });
    in.theta = r.theta;
    in.phi = r.phi;
    in.width = r.width;
    in.height = r.height;
    Write("meshinp", meshtest::FormatMeshInput(in));
    Write("meshout", "stale output of an earlier run\n");
    ASSERT_EQ(Run(), 0) << Read("stderr");
    EXPECT_EQ(Read("stderr"), "");
    EXPECT_FALSE(Exists("meshout.tmp"));
    const ViewerRead out = ReadLikeTheViewer(Path("meshout"));
    ASSERT_TRUE(out.ok) << "n " << r.n;
    EXPECT_EQ(out.restOfLine, "\n") << "a record must not start on the skipped line";
    EXPECT_EQ(out.unparsed, 0);
    ASSERT_FALSE(out.x.empty());
    EXPECT_LE(out.x.size(), 29999u);
    EXPECT_EQ(out.x.size() % 2, 0u);
    for (size_t k = 0; k < out.x.size(); ++k) {
      ASSERT_TRUE(out.x[k] >= 0 && out.x[k] <= r.width && out.y[k] >= 0 && out.y[k] <= r.height)
          << "record " << k + 1 << " at " << out.x[k] << "," << out.y[k];
      ASSERT_EQ(out.flag[k], k % 2 == 0 ? 3 : 2) << "record " << k + 1;
    }
    // The corners, placed through m1..m6 at the viewer's grid (i + 1, j + 1)
    // and at their heights (the map's range spans half the longer edge of 10
    // units, and the lowest point stands 0.3 above the base plane), projected
    // through e1..e6 as the viewer does, are ends of segments.
    const float scale = 0.5f * 10.0f / (in.maxDensity - in.minDensity);
    const float lowest = *std::min_element(in.values.begin(), in.values.end());
    for (const int i : {0, r.n}) {
      for (const int j : {0, r.n}) {
        const float px = out.m[0] + (i + 1) * out.m[1] + (j + 1) * out.m[2];
        const float py = out.m[3] + (i + 1) * out.m[4] + (j + 1) * out.m[5];
        const float pz = (in.Value(i, j) - lowest) * in.param * scale + 0.3f;
        float p[3];
        ProjectMeshPoint(in.distance, in.theta, in.phi, px - out.e[0], py - out.e[1],
                         pz - out.e[2], p);
        const float sx = p[0] * out.e[3] / p[2] + out.e[4];
        const float sy = p[1] * out.e[3] / p[2] + out.e[5];
        double nearest = 1e9;
        for (size_t k = 0; k < out.x.size(); ++k) {
          nearest = std::fmin(nearest, std::hypot(out.x[k] - sx, out.y[k] - sy));
        }
        EXPECT_LT(nearest, 1.0) << "n " << r.n << " corner " << i << "," << j;
      }
    }
  }
}

TEST_F(MeshProgram, BadInputTable) {
  MeshInput base = meshtest::CrystalSection(8, 6);
  const std::string valid = meshtest::FormatMeshInput(base);
  auto with = [&](int line, const std::string& text) {
    std::string t = valid;
    size_t a = 0;
    for (int k = 1; k < line; ++k) a = t.find('\n', a) + 1;
    return t.replace(a, t.find('\n', a) - a, text);
  };
  const struct {
    const char* name;
    bool write;  // false: no meshinp at all
    std::string text;
    std::string args;
    int status;
    const char* message;
  } rows[] = {
      {"missing file", false, "", "", 1, "meshinp: cannot open"},
      {"truncated", true, valid.substr(0, valid.size() / 2), "", 1, "meshinp: ends after"},
      {"letters", true, with(5, "low high"), "", 1, "meshinp: line 5: \"low\""},
      {"Nu = 0", true, with(6, "0 6"), "", 1, "meshinp: line 6"},
      {"Nu = 150", true, with(6, "150 6"), "", 1, "outside 1..149"},
      {"width 0", true, with(4, "0 720"), "", 1, "meshinp: line 4"},
      {"NaN", true, with(12, "NaN"), "", 1, "meshinp: line 12"},
      {"eye inside the mesh", true, with(2, "   2.0  30.00 60.0"), "", 1, "viewing distance"},
      {"binary junk", true, std::string("\x01\x02\xff\0\x7f", 5), "", 1, "meshinp: line 1"},
      {"an argument", true, valid, " extra", 2, "usage: mesh"},
  };
  for (const auto& r : rows) {
    std::remove(Path("meshinp").c_str());
    if (r.write) Write("meshinp", r.text);
    Write("meshout", "0 0 0 0 0 0\n1 1 1 1 1 1\n1 2 3\n4 5 2\n");
    EXPECT_EQ(Run(r.args), r.status) << r.name;
    const std::string err = Read("stderr");
    EXPECT_NE(err.find(r.message), std::string::npos) << r.name << ": " << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << r.name << ": one line wanted: " << err;
    if (r.status == 1) {
      EXPECT_FALSE(Exists("meshout")) << r.name << ": a stale meshout was left";
    }
    EXPECT_FALSE(Exists("meshout.tmp")) << r.name;
  }
}

}  // namespace
}  // namespace pyk
