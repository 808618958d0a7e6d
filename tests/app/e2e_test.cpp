// The real program started as a user starts it: its window on the X display
// read back, and the command-line answers.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/files.h"
#include "support/locale.h"

// Xlib last: its macros (None, Bool, Status) clash with GoogleTest.
#include "support/x_window.h"

namespace pyk::test {
namespace {

// Runs the program in folder with args and the environment changed by env
// ("NAME=value" sets, a bare "NAME" unsets); returns its pid (stdout and
// stderr to files there).
pid_t Start(const std::string& folder, const std::vector<std::string>& args, const std::vector<std::string>& env = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    std::freopen("stdout.txt", "w", stdout);
    std::freopen("stderr.txt", "w", stderr);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    for (const std::string& e : env) {
      const size_t eq = e.find('=');
      if (eq == std::string::npos) {
        ::unsetenv(e.c_str());
      } else {
        ::setenv(e.substr(0, eq).c_str(), e.c_str() + eq + 1, 1);
      }
    }
    std::vector<char*> argv{const_cast<char*>(PYK_VIEWER_EXE)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(PYK_VIEWER_EXE, argv.data());
    ::_exit(127);
  }
  return pid;
}

int WaitExit(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether the program has not ended yet (it is not reaped here).
bool Running(pid_t pid) {
  siginfo_t info{};
  return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

// The exit status, or -1 after killing a program that has not ended within seconds.
int WaitExitWithin(pid_t pid, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A start-up folder: the shipped samples, their settings with the given
// start-up mode, and the mesh program.
void PrepareFolder(const TempDir& dir, int mode) {
  for (const auto& e : std::filesystem::directory_iterator(PYK_DATA_DIR)) {
    std::filesystem::copy_file(e.path(), dir.path() / e.path().filename());
  }
  std::string ini = ReadText(dir.File("Pyknoscope.ini"));
  const size_t line = ini.find("start-up mode (0 Contour");
  const size_t value = ini.find("= 0", line);
  if (line == std::string::npos || value == std::string::npos) {
    ADD_FAILURE() << "the shipped settings have no start-up mode line";
  } else {
    ini[value + 2] = static_cast<char>('0' + mode);
  }
  WriteText(dir.File("Pyknoscope.ini"), ini);
  std::filesystem::copy_file(PYK_MESH_EXE, dir.File("mesh"));
}

TEST(Program, AnswersHelpAndVersionAndNeedsADisplay) {
  TempDir dir;
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"--version"})), 0);
  EXPECT_EQ(ReadText(dir.File("stdout.txt")), "Pyknoscope Version 1.0 (1.0.0.1)\n");
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"--help"})), 0);
  EXPECT_EQ(ReadText(dir.File("stdout.txt")).rfind("Usage: pyknoscope [MAP [REPORT [CON]]]", 0), 0u);
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"map.fou"}, {"DISPLAY"})), 1);
  EXPECT_NE(ReadText(dir.File("stderr.txt")).find("DISPLAY is not set"), std::string::npos);
}

struct Shown {
  bool ready = false;  // the mode's picture appeared and held still
  int width = 0, height = 0;
  std::string pixels;   // RGB, row by row
  std::string meshinp;  // as the program left it while running
  std::string err;
};

// Starts the viewer on aspirin in a fresh folder with the start-up mode and
// the environment env, waits until the window shows the mode's picture and
// it holds still over three scans, and reads what it shows and wrote.
Shown RunViewer(Display* d, int mode, const std::vector<std::string>& env) {
  TempDir dir;
  PrepareFolder(dir, mode);
  const pid_t pid = Start(dir.path().string(), {"aspirin.fou", "aspirin.fmap", "aspirin.con"}, env);
  Shown shown;
  int still = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (still < 3 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    const Window w = FindViewerWindow(d, DefaultRootWindow(d));
    XWindowAttributes a;
    if (w == 0 || XGetWindowAttributes(d, w, &a) == 0) continue;
    std::string pixels;
    long background = 0, red = 0, white = 0, mesh = 0;
    ScanWindow(d, w, [&](int r, int g, int b) {
      pixels += {static_cast<char>(r), static_cast<char>(g), static_cast<char>(b)};
      background += r == 235 && g == 235 && b == 224;
      red += r > 200 && g < 60 && b < 60;
      white += r == 255 && g == 255 && b == 255;
      mesh += b > 150 && r < 100 && g < 100;
      return true;
    });
    const bool picture = background > 1000 && (mode == 2 ? mesh > 2000 : red > 100 && white > 10000);
    still = picture && pixels == shown.pixels ? still + 1 : picture ? 1 : 0;
    shown.width = a.width;
    shown.height = a.height;
    shown.pixels = std::move(pixels);
  }
  shown.ready = still == 3;
  shown.meshinp = ReadText(dir.File("meshinp"));
  ::kill(pid, SIGTERM);
  WaitExit(pid);
  shown.err = ReadText(dir.File("stderr.txt"));
  return shown;
}

// Pixels that differ between two pictures of one size, and the first of them.
std::string PixelDifference(const Shown& a, const Shown& b) {
  if (a.width != b.width || a.height != b.height) {
    return std::to_string(a.width) + "x" + std::to_string(a.height) + " against " + std::to_string(b.width) + "x" +
           std::to_string(b.height);
  }
  long differ = 0, first = -1;
  for (size_t i = 0; i + 2 < a.pixels.size() && i + 2 < b.pixels.size(); i += 3) {
    if (a.pixels.compare(i, 3, b.pixels, i, 3) != 0) {
      if (first < 0) first = static_cast<long>(i / 3);
      ++differ;
    }
  }
  if (differ == 0) return "";
  return std::to_string(differ) + " pixels differ, the first at x " + std::to_string(first % a.width) + ", y " +
         std::to_string(first / a.width);
}

// The map on screen as the program shows it (the background around it, red
// positive lines on the white face; in 3D Mesh the blue mesh), the same
// pixels and meshinp under a comma-decimal locale as under C.
TEST(Program, ShowsTheMapAndReadsAndWritesNumbersAsInTheCLocaleUnderACommaDecimalLocale) {
  TempDir locales;
  const std::string locpath = locales.path().string();
  ASSERT_TRUE(MakeCommaLocale(locpath)) << "localedef could not make " << kCommaLocale;
  ASSERT_EQ(HalfUnder(locpath, kCommaLocale), "0,5") << "the generated locale is not comma-decimal";
  ASSERT_EQ(HalfUnder(locpath, "C"), "0.5");

  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr);
  const struct {
    int mode;
    const char* name;
  } rows[] = {{0, "Contour"}, {2, "3D Mesh"}};
  for (const auto& r : rows) {
    const Shown c = RunViewer(d, r.mode, {"LOCPATH", "LC_ALL=C"});
    const Shown de = RunViewer(d, r.mode, {"LOCPATH=" + locpath, std::string("LC_ALL=") + kCommaLocale});
    ASSERT_TRUE(c.ready) << r.name << ": the C-locale run showed no still picture\n" << c.err;
    EXPECT_TRUE(de.ready) << r.name << ": the de_DE run showed no still picture of the mode\n" << de.err;
    EXPECT_EQ(PixelDifference(c, de), "") << r.name;
    if (r.mode == 2) {
      EXPECT_NE(c.meshinp, "") << r.name << ": no meshinp was written at start-up";
      EXPECT_EQ(de.meshinp, c.meshinp) << r.name << ": meshinp";
    }
    EXPECT_EQ(c.err.find("rror"), std::string::npos) << r.name << ": " << c.err;
    EXPECT_EQ(de.err.find("rror"), std::string::npos) << r.name << ": " << de.err;
  }
  XCloseDisplay(d);
}

TEST(Program, SaysSoAndEndsWhenNoOpenGlContextCanBeMade) {
  TempDir dir;
  PrepareFolder(dir, 0);
  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr);
  // Qt's X platform without its GL integration can make no context at all.
  const pid_t pid =
      Start(dir.path().string(), {"aspirin.fou", "aspirin.fmap", "aspirin.con"}, {"QT_XCB_GL_INTEGRATION=none"});
  bool closed = false, mainWindow = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!closed && std::chrono::steady_clock::now() < deadline && Running(pid)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    for (const Window w : FindTitledWindows(d, DefaultRootWindow(d), "Pyknoscope")) {
      if (IsDialogWindow(d, w)) {
        CloseAsWindowManager(d, w);
        closed = true;
      } else {
        mainWindow = true;
      }
    }
  }
  const int status = WaitExitWithin(pid, 10);
  XCloseDisplay(d);
  EXPECT_TRUE(closed) << "no message box appeared";
  EXPECT_FALSE(mainWindow) << "the main window was shown";
  EXPECT_EQ(status, 1);
  const std::string err = ReadText(dir.File("stderr.txt"));
  EXPECT_NE(err.find("pyknoscope: Pyknoscope needs OpenGL (a compatibility-profile context with a depth buffer)"),
            std::string::npos)
      << err;
}

}  // namespace
}  // namespace pyk::test
