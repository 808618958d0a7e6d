// Test main of the Qt and OpenGL tests: GLUT and the surface format first, then
// one QApplication for every test, with numbers as the program reads and
// writes them; the user's settings are kept apart in a scratch folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/gl_process.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "These tests need an X display: %s\n", error.c_str());
    return 1;
  }
  char config[] = "/tmp/pyk-test-config-XXXXXX";
  if (::mkdtemp(config) == nullptr) return 1;
  ::setenv("XDG_CONFIG_HOME", config, 1);
  int status = 0;
  {
    QApplication app(argc, argv);
    status = RUN_ALL_TESTS();
  }
  std::filesystem::remove_all(config);
  return status;
}
