// pyknoscope-render: writes the picture the viewer shows for a map to a file.
// It is rendered into an offscreen OpenGL context and written as a 24-bit BMP (or PNG).
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/scene.h"
#include "map/model.h"
#include "map/peaks.h"
#include "map/reader.h"
#include "render/bmp.h"
#include "render/colors.h"
#include "render/material.h"
#include "settings/startup.h"
#include "text/c_numbers.h"
#include "tools/console/console.h"
#include "tools/console/section_options.h"
#include "tools/render/offscreen.h"
#include "views3d/surface.h"

namespace {

constexpr const char* kUsage =
    "Usage: pyknoscope-render [--mode contour|3d] [--gradient] [--face l|h|k]\n"
    "                         [--section N | --at FRACTION] [--size WxH] [--rotate RX,RY]\n"
    "                         [--sigma-step S] [--symmetric] [--dashed] [--peaks]\n"
    "                         [--model COORDINATES] MAP CON OUT\n"
    "\n"
    "Renders the picture the viewer shows for MAP with the contour conditions CON\n"
    "(as when started with these file arguments; Pyknoscope.ini is read from the\n"
    "current folder) and writes it to OUT: a 24-bit BMP as the viewer saves it, or\n"
    "a PNG when OUT ends in .png. --mode overrides the settings' start-up mode,\n"
    "--gradient draws filled bands, --rotate sets the mouse rotation in degrees\n"
    "(seen in 3D Contour mode), --size the picture in pixels (default 800x600).\n"
    "--face and --section choose the section as pyknoscope-report does; --at\n"
    "FRACTION the section nearest that fractional coordinate along the face's\n"
    "normal, as Go to Section does.\n"
    "--sigma-step sets the contour separation to S times the map's sigma,\n"
    "--symmetric lays the levels symmetric about zero, --dashed draws negative\n"
    "lines dashed, --peaks marks the whole cell's peaks of 3 sigma and more,\n"
    "--model marks the atoms of a coordinate file (CIF, mmCIF or PDB) on the section.\n"
    "Needs an X display (run it under Xvfb on a server).\n"
    "\n"
    "Exit status 0 on success; 1 after the messages on standard error.\n";

struct Options {
  int mode = -1;
  bool gradient = false;
  pyk::SectionOptions view;
  int width = 800, height = 600;
  bool haveRotate = false;
  float rotX = 0, rotY = 0;
  float sigmaStep = 0;  // 0: the separation the load gives
  bool symmetric = false, dashed = false, peaks = false;
  const char* model = nullptr;
  std::string_view files[3];
  int fileCount = 0;
};

int Usage(const char* problem) {
  std::fprintf(stderr, "pyknoscope-render: %s\n\n%s", problem, kUsage);
  return 1;
}

int ParseOptions(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool more = i + 1 < argc;
    const char* problem = nullptr;
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (a == "--gradient" || a == "--symmetric" || a == "--dashed" || a == "--peaks") {
      (a == "--gradient" ? o.gradient : a == "--symmetric" ? o.symmetric : a == "--dashed" ? o.dashed : o.peaks) = true;
    } else if (a == "--sigma-step") {
      if (!more || pyk::ScanC(argv[++i], "%f", &o.sigmaStep) != 1 || !(o.sigmaStep > 0.0f)) {
        return Usage("--sigma-step needs a positive number");
      }
    } else if (a == "--model") {
      if (!more) return Usage("--model needs a coordinate file");
      o.model = argv[++i];
    } else if (a == "--mode") {
      const std::string_view m = more ? argv[++i] : "";
      if (m == "contour") {
        o.mode = pyk::kContour;
      } else if (m == "3d") {
        o.mode = pyk::k3dContour;
      } else {
        return Usage("--mode needs contour or 3d");
      }
    } else if (const int taken = pyk::ParseSectionOption(argc, argv, &i, &o.view, &problem); taken != 0) {
      if (taken < 0) return Usage(problem);
    } else if (a == "--size") {
      if (!more || pyk::ScanC(argv[++i], "%dx%d", &o.width, &o.height) != 2 || o.width < 1 || o.height < 1 ||
          o.width > 8192 || o.height > 8192) {
        return Usage("--size needs WxH, each 1 .. 8192");
      }
    } else if (a == "--rotate") {
      if (!more || pyk::ScanC(argv[++i], "%f,%f", &o.rotX, &o.rotY) != 2) return Usage("--rotate needs RX,RY");
      o.haveRotate = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage("unknown option");
    } else {
      if (o.fileCount == 3) return Usage("too many file arguments");
      o.files[o.fileCount++] = a;
    }
  }
  if (o.fileCount != 3) return Usage("MAP, CON and OUT are needed");
  return -1;
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  const int parsed = ParseOptions(argc, argv, o);
  if (parsed >= 0) return parsed;

  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "pyknoscope-render: %s\n", error.c_str());
    return 1;
  }
  QGuiApplication app(argc, argv);

  pyk::ConsolePlatform platform;
  auto state = pyk::MakeViewState();
  pyk::ViewState& s = *state;
  pyk::ConstructView(s, platform);
  pyk::PrepareViewWindow(s);
  pyk::SetupColors(s);
  const std::string_view words[3] = {o.files[0], "", o.files[1]};
  if (pyk::LoadFromArguments(s, platform, words, 3) != 0) return 1;
  pyk::ApplySectionOptions(s, o.view);
  if (o.mode >= 0) s.m_nViewMode = o.mode;
  if (s.m_nViewMode == pyk::k3dMesh) {
    std::fprintf(stderr, "pyknoscope-render: 3D Mesh mode is not rendered by this tool; use --mode\n");
    return 1;
  }
  if (o.gradient) s.m_bGradient = 1;
  if (o.sigmaStep > 0.0f) {
    s.m_levelOptions.stepInSigma = true;
    s.m_fContourStep = static_cast<float>(o.sigmaStep * s.m_stats.sigma);
  }
  s.m_levelOptions.symmetric = o.symmetric;
  s.m_levelOptions.dashedNegatives = o.dashed;
  if (o.peaks) {
    s.m_peakSearch.wholeMap = true;
    s.m_vPeaks = pyk::FindPeaks(s, s.m_peakSearch);
  }
  if (o.model != nullptr) {
    if (pyk::ReadModelFile(o.model, &s.m_model, platform) != 0) return 1;
    s.m_bShowAtoms = 1;
  }
  if (o.haveRotate) {
    s.m_fRotX = o.rotX;
    s.m_fRotY = o.rotY;
  }

  auto gl = pyk::OffscreenGl::Create(o.width, o.height, &error);
  if (!gl) {
    std::fprintf(stderr, "pyknoscope-render: %s\n", error.c_str());
    return 1;
  }
  s.m_fAspect = static_cast<float>(o.width) / static_cast<float>(o.height);
  pyk::SetupLights(s);
  pyk::SceneOptions options;
  options.drawMesh = false;  // no mesh program runs here
  pyk::RenderScene(s, nullptr, options);
  const std::vector<uint8_t> rgb = gl->ReadPixels();

  const std::string out(o.files[2]);
  bool written;
  if (EndsWith(out, ".png") || EndsWith(out, ".PNG")) {
    const QImage image(rgb.data(), o.width, o.height, 3 * o.width, QImage::Format_RGB888);
    written = image.save(QString::fromStdString(out), "PNG");
  } else {
    written = pyk::WriteBmp24(out.c_str(), o.width, o.height, rgb.data());
  }
  if (!written) {
    std::fprintf(stderr, "pyknoscope-render: %s: cannot be written\n", out.c_str());
    return 1;
  }
  return 0;
}
