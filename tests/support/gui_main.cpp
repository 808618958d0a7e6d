// Test main of the Qt and OpenGL tests: GLUT and the surface format first, then
// one QApplication for every test, with numbers as the program reads and writes them.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "app/gl_process.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "These tests need an X display: %s\n", error.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
