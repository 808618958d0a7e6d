// Test main of the OpenGL tests: GLUT and the surface format first, then Qt.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cstdio>

#include "tools/render/offscreen.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::string error;
  if (!pyk::InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "OpenGL tests need an X display: %s\n", error.c_str());
    return 1;
  }
  QGuiApplication app(argc, argv);
  pyk::UseCNumbers();  // numbers as the program reads and writes them
  return RUN_ALL_TESTS();
}
