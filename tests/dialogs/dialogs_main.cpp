// Test main of the dialogs: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/gl_process.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  pyk::UseCNumbers();  // numbers as the program reads and writes them
  return RUN_ALL_TESTS();
}
