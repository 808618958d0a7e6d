// The viewer's responsiveness on this machine's OpenGL: from a command
// (menu action) to the finished frame on the real window, from the window's
// creation to its first frame, and from starting the program to the map on
// the screen. Needs an X display (Xvfb on a server).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/document.h"
#include "app/gl_process.h"
#include "app/main_frame.h"
#include "app/qt_desktop.h"
#include "app/view.h"
#include "render/gl.h"

// Xlib last: its macros clash with Qt's and the benchmark's names.
#include "support/x_window.h"

namespace fs = std::filesystem;

namespace pyk {
namespace {

// Messages go to standard error instead of boxes; programs run for real.
class BenchDesktop : public QtDesktop {
 public:
  void ShowMessage(const char* text) override { std::fprintf(stderr, "message: %s\n", text); }
};

// A start-up folder with the shipped files, the mesh program and a 149 x 149
// map of waves with 100 contour levels.
const fs::path& Folder() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("pyk-app-bench-" + std::to_string(::getpid()));
    fs::create_directories(d);
    for (const auto& e : fs::directory_iterator(PYK_DATA_DIR)) {  // the files, not the help pictures' folder
      if (e.is_regular_file()) fs::copy_file(e.path(), d / e.path().filename(), fs::copy_options::overwrite_existing);
    }
    fs::copy_file(PYK_MESH_EXE, d / "mesh", fs::copy_options::overwrite_existing);
    std::ofstream map(d / "waves.fou");
    map << "waves 149 x 149\n" << 149 * 149 * 2 << "\n";
    for (int w = 0; w < 2; ++w) {
      for (int u = 0; u < 149; ++u) {
        for (int v = 0; v < 149; ++v) {
          const double rho = std::sin(u * 0.21) * std::cos(v * 0.17) + 0.3 * std::sin((u + v + 7 * w) * 0.05);
          map << u << ' ' << v << ' ' << w << ' ' << rho << '\n';
        }
      }
    }
    map << "30.0 30.0 10.0 90.0 90.0 100.0\n149 149 2\n1 0 0\n1 0 0 0 1 0 0 0 1 0 0 0\n";
    std::ofstream(d / "waves.con") << "0 0 1\n100\n0\n0.0\n";
    return d;
  }();
  return dir;
}

// Counts the paint events a widget receives, so that a benchmark can tell a
// drawn frame from a skipped one (an unexposed window paints nothing).
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(o, e);
  }
};

// The real main frame and view started in the folder on a map, as the
// program starts: shown, on the screen, then the map loaded and painted.
struct AppWindow {
  explicit AppWindow(const std::vector<std::string>& words) {
    fs::current_path(Folder());
    view = new CPyknoscopeView(desktop);
    view->installEventFilter(&counter);
    desktop.SetView(view);
    frame = std::make_unique<CMainFrame>(view, &doc);
    frame->PlaceFromSettings(view->state());
    frame->show();
    exposed = QTest::qWaitForWindowExposed(frame.get());
    view->OnCreate(words);
    frame->RefreshActions();
    Finish();
  }
  // Lets the event loop paint, as after a command, and waits until the frame
  // is complete on the GPU; false when no paint came.
  bool Finish() {
    const int before = counter.paints;
    view->update();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (counter.paints == before && std::chrono::steady_clock::now() < deadline) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    view->makeCurrent();
    glFinish();
    view->doneCurrent();
    return counter.paints > before;
  }
  PaintCounter counter;
  bool exposed = false;
  BenchDesktop desktop;
  CPyknoscopeDoc doc;
  CPyknoscopeView* view = nullptr;
  std::unique_ptr<CMainFrame> frame;
};

std::vector<std::string> Words(const std::string& stem) { return {stem + ".fou", stem + ".fmap", stem + ".con"}; }

// Alternates two commands (each undoes the other's change) to the finished frame.
void CommandToFrame(benchmark::State& st, const std::string& stem, bool gradient, int mode, CommandId a, CommandId b) {
  AppWindow w(Words(stem));
  if (!w.exposed || w.view->state().m_nStatus != pyk::kStatusReady) {
    st.SkipWithError("window not shown or map not loaded");
    return;
  }
  if (gradient) w.frame->action(kCmdContourType)->trigger();
  if (mode == 1) w.frame->action(kCmd3dContour)->trigger();
  if (mode == 2) w.frame->action(kCmdMesh)->trigger();
  w.Finish();
  bool flip = false;
  bool painted = true;
  for (auto _ : st) {
    w.frame->action(flip ? b : a)->trigger();
    painted = w.Finish() && painted;
    flip = !flip;
  }
  if (!painted) st.SkipWithError("a command gave no frame");
  if (w.view->state().m_nStatus != pyk::kStatusReady) st.SkipWithError("a command failed");
}

void BM_SectionUpDown_Aspirin(benchmark::State& st) {
  CommandToFrame(st, "aspirin", false, 0, kCmdSectionUp, kCmdSectionDown);
}
void BM_FaceChange_Aspirin(benchmark::State& st) { CommandToFrame(st, "aspirin", false, 0, kCmdFaceL, kCmdFaceK); }
void BM_DensityStep_Aspirin(benchmark::State& st) {
  CommandToFrame(st, "aspirin", false, 0, kCmdDensityUp, kCmdDensityDown);
}
void BM_SectionUpDown_149Gradient(benchmark::State& st) {
  CommandToFrame(st, "waves", true, 0, kCmdSectionUp, kCmdSectionDown);
}
void BM_DensityStep_149Gradient(benchmark::State& st) {
  CommandToFrame(st, "waves", true, 0, kCmdDensityUp, kCmdDensityDown);
}
void BM_ThetaStep_149Mesh(benchmark::State& st) {
  CommandToFrame(st, "waves", false, 2, kCmdThetaRight, kCmdThetaLeft);
}
void BM_ThetaStep_AspirinMesh(benchmark::State& st) {
  CommandToFrame(st, "aspirin", false, 2, kCmdThetaRight, kCmdThetaLeft);
}

// Window creation, settings, map load and the first finished frame, in process.
void BM_WindowToFirstFrame_Aspirin(benchmark::State& st) {
  for (auto _ : st) {
    AppWindow w(Words("aspirin"));
    if (!w.exposed || w.view->state().m_nStatus != pyk::kStatusReady) st.SkipWithError("window not shown or map not loaded");
    st.PauseTiming();
    w.frame.reset();
    QCoreApplication::processEvents();
    st.ResumeTiming();
  }
}

// At least 50 pixels of red contour lines on the program's window.
bool MapOnScreen(Display* d, ::Window w) {
  int red = 0;
  test::ScanWindow(d, w, [&red](int r, int g, int b) {
    red += r > 200 && g < 60 && b < 60;
    return red < 50;
  });
  return red >= 50;
}

void BM_ProgramStartToMapOnScreen_Aspirin(benchmark::State& st) {
  Display* d = pyk::test::OpenDisplay();
  if (d == nullptr) {
    st.SkipWithError("no display");
    return;
  }
  for (auto _ : st) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (::chdir(Folder().c_str()) != 0) ::_exit(127);
      ::execl(PYK_VIEWER_EXE, PYK_VIEWER_EXE, "aspirin.fou", "aspirin.fmap", "aspirin.con", nullptr);
      ::_exit(127);
    }
    bool shown = false;
    const auto deadline = start + std::chrono::seconds(10);
    while (!shown && std::chrono::steady_clock::now() < deadline) {
      const ::Window w = test::FindViewerWindow(d, DefaultRootWindow(d));
      shown = w != 0 && MapOnScreen(d, w);
      if (!shown) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto end = std::chrono::steady_clock::now();
    st.SetIterationTime(std::chrono::duration<double>(end - start).count());
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    if (!shown) st.SkipWithError("the map did not appear");
  }
  XCloseDisplay(d);
}

BENCHMARK(BM_SectionUpDown_Aspirin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FaceChange_Aspirin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DensityStep_Aspirin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SectionUpDown_149Gradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DensityStep_149Gradient)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThetaStep_AspirinMesh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThetaStep_149Mesh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowToFirstFrame_Aspirin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProgramStartToMapOnScreen_Aspirin)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pyk

int main(int argc, char** argv) {
  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "pyk_app_bench: %s\n", error.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::current_path(fs::temp_directory_path());
  fs::remove_all(pyk::Folder(), ec);
  return 0;
}
