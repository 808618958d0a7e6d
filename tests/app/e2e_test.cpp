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

// Xlib last: its macros (None, Bool, Status) clash with GoogleTest.
#include "support/x_window.h"

namespace pyk::test {
namespace {

// Runs the program in folder with args; returns its pid (stdout and stderr to files there).
pid_t Start(const std::string& folder, const std::vector<std::string>& args, bool withDisplay = true) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    std::freopen("stdout.txt", "w", stdout);
    std::freopen("stderr.txt", "w", stderr);
    if (!withDisplay) ::unsetenv("DISPLAY");
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
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

struct Counts {
  long background = 0, red = 0, white = 0, all = 0;
};

Counts CountWindow(Display* d, Window w) {
  Counts c;
  ScanWindow(d, w, [&c](int r, int g, int b) {
    ++c.all;
    c.background += r == 235 && g == 235 && b == 224;
    c.red += r > 200 && g < 60 && b < 60;
    c.white += r == 255 && g == 255 && b == 255;
    return true;
  });
  return c;
}

TEST(Program, ShowsTheMapInItsWindow) {
  TempDir dir;
  for (const auto& e : std::filesystem::directory_iterator(PYK_DATA_DIR)) {
    std::filesystem::copy_file(e.path(), dir.path() / e.path().filename());
  }
  Display* d = XOpenDisplay(nullptr);
  ASSERT_NE(d, nullptr);
  const pid_t pid = Start(dir.path().string(), {"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  Counts c;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const Window w = FindViewerWindow(d, DefaultRootWindow(d));
    if (w == 0) continue;
    c = CountWindow(d, w);
    if (c.red > 100 && c.white > 10000) break;
  }
  EXPECT_GT(c.background, 1000) << "the window's background around the map";
  EXPECT_GT(c.red, 100) << "positive contour lines";
  EXPECT_GT(c.white, 10000) << "the white map face";
  ::kill(pid, SIGTERM);
  WaitExit(pid);
  XCloseDisplay(d);
  EXPECT_EQ(ReadText(dir.File("stderr.txt")).find("rror"), std::string::npos) << ReadText(dir.File("stderr.txt"));
}

TEST(Program, AnswersHelpAndVersionAndNeedsADisplay) {
  TempDir dir;
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"--version"})), 0);
  EXPECT_EQ(ReadText(dir.File("stdout.txt")), "Pyknoscope Version 1.0 (1.0.0.1)\n");
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"--help"})), 0);
  EXPECT_EQ(ReadText(dir.File("stdout.txt")).rfind("Usage: pyknoscope [MAP [REPORT [CON]]]", 0), 0u);
  EXPECT_EQ(WaitExit(Start(dir.path().string(), {"map.fou"}, false)), 1);
  EXPECT_NE(ReadText(dir.File("stderr.txt")).find("DISPLAY is not set"), std::string::npos);
}

}  // namespace
}  // namespace pyk::test
