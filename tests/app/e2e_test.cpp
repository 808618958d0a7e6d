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

// Runs the program in folder with args, through env(1) with the words env
// ("-u NAME" unsets, then "NAME=value" sets); returns its pid (stdout and
// stderr to files there).
pid_t Start(const std::string& folder, const std::vector<std::string>& args, std::vector<std::string> env = {}) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    std::freopen("stdout.txt", "w", stdout);
    std::freopen("stderr.txt", "w", stderr);
    env.insert(env.begin(), "/usr/bin/env");
    env.insert(env.end(), {"XDG_CONFIG_HOME=" + folder, PYK_VIEWER_EXE});
    env.insert(env.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : env) argv.push_back(word.data());
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// Whether the program has not ended yet (it is not reaped here).
bool Running(pid_t pid) {
  siginfo_t info{};
  return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

// The exit status, or -1 after killing a program that has not ended within seconds.
int WaitExit(pid_t pid, int seconds = 20) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (Running(pid) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  if (Running(pid)) ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

const std::vector<std::string> kAspirin = {"aspirin.fou", "aspirin.fmap", "aspirin.con"};

// A start-up folder: the shipped samples, their settings with the given
// start-up mode, and the mesh program.
void PrepareFolder(const TempDir& dir, int mode) {
  for (const auto& e : std::filesystem::directory_iterator(PYK_DATA_DIR)) {
    if (e.is_regular_file()) std::filesystem::copy_file(e.path(), dir.path() / e.path().filename());
  }
  std::string ini = ReadText(dir.File("Pyknoscope.ini"));
  const size_t value = ini.find("= 0", ini.find("start-up mode (0 Contour"));
  ASSERT_NE(value, std::string::npos) << "the shipped settings have no start-up mode line";
  ini[value + 2] = static_cast<char>('0' + mode);
  WriteText(dir.File("Pyknoscope.ini"), ini);
  std::filesystem::copy_file(PYK_MESH_EXE, dir.File("mesh"));
}

TEST(Program, AnswersHelpAndNeedsADisplay) {
  TempDir dir;
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"--help"})), 0);
  EXPECT_EQ(ReadText(dir.File("stdout.txt")).rfind("Usage: pyknoscope [MAP [REPORT [CON]]]", 0), 0u);
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"map.fou"}, {"-u", "DISPLAY"})), 1);
  EXPECT_NE(ReadText(dir.File("stderr.txt")).find("DISPLAY is not set"), std::string::npos);
}

struct Shown {
  bool ready = false;  // the mode's picture appeared and held still
  int width = 0;
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
  const pid_t pid = Start(dir.path().string(), kAspirin, env);
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
    shown.pixels = std::move(pixels);
  }
  shown.ready = still == 3;
  shown.meshinp = ReadText(dir.File("meshinp"));
  ::kill(pid, SIGTERM);
  WaitExit(pid);
  shown.err = ReadText(dir.File("stderr.txt"));
  return shown;
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

  Display* d = pyk::test::OpenDisplay();
  ASSERT_NE(d, nullptr);
  for (const int mode : {0, 2}) {
    const char* name = mode == 0 ? "Contour" : "3D Mesh";
    const Shown c = RunViewer(d, mode, {"-u", "LOCPATH", "LC_ALL=C"});
    const Shown de = RunViewer(d, mode, {"LOCPATH=" + locpath, std::string("LC_ALL=") + kCommaLocale});
    ASSERT_TRUE(c.ready) << name << ": the C-locale run showed no still picture\n" << c.err;
    EXPECT_TRUE(de.ready) << name << ": the de_DE run showed no still picture of the mode\n" << de.err;
    EXPECT_EQ(de.width, c.width) << name;
    EXPECT_TRUE(de.pixels == c.pixels) << name << ": the pictures differ";
    EXPECT_EQ(c.meshinp.empty(), mode == 0) << name << ": meshinp is written at a start in 3D Mesh only";
    EXPECT_EQ(de.meshinp, c.meshinp) << name << ": meshinp";
    EXPECT_EQ(c.err.find("rror"), std::string::npos) << name << ": " << c.err;
    EXPECT_EQ(de.err.find("rror"), std::string::npos) << name << ": " << de.err;
  }
  XCloseDisplay(d);
}

TEST(Program, SaysSoAndEndsWhenNoOpenGlContextCanBeMade) {
  TempDir dir;
  PrepareFolder(dir, 0);
  Display* d = pyk::test::OpenDisplay();
  ASSERT_NE(d, nullptr);
  // Qt's X platform without its GL integration can make no context at all.
  const pid_t pid = Start(dir.path().string(), kAspirin, {"QT_XCB_GL_INTEGRATION=none"});
  bool closed = false, mainWindow = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!closed && std::chrono::steady_clock::now() < deadline && Running(pid)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::vector<Window> shown;
    FindTitledWindows(d, DefaultRootWindow(d), "Pyknoscope", shown);
    for (const Window w : shown) {
      if (IsDialogWindow(d, w)) {
        CloseAsWindowManager(d, w);
        closed = true;
      } else {
        mainWindow = true;
      }
    }
  }
  const int status = WaitExit(pid, 10);
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
