// The platform of the command-line tools: messages go to standard error, the
// Contour Conditions question is answered with Cancel, repaints are moot.
#pragma once

#include <cstdio>

#include "state/platform.h"

namespace pyk {

class ConsolePlatform : public Platform {
 public:
  void ShowMessage(const char* text) override {
    std::fprintf(stderr, "%s\n", text);
    ++messages_;
  }
  bool AskContourConditions(float&, int&) override { return false; }
  void Invalidate() override {}
  int messages() const { return messages_; }

 private:
  int messages_ = 0;
};

}  // namespace pyk
