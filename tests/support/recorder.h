// A platform that records what the engine shows and asks, in order.
#pragma once

#include <string>
#include <vector>

#include "state/platform.h"

namespace pyk::test {

class RecordingPlatform : public Platform {
 public:
  void ShowMessage(const char* text) override { events.push_back(std::string("message:") + text); }
  bool AskContourConditions(float& f000, int& levels) override {
    char buf[64];
    std::snprintf(buf, sizeof buf, "ask:%.2f,%d", double{f000}, levels);
    events.emplace_back(buf);
    if (!answerOk) return false;
    f000 = answerF000;
    levels = answerLevels;
    return true;
  }
  void Invalidate() override { events.emplace_back("invalidate"); }

  std::vector<std::string> Messages() const {
    std::vector<std::string> m;
    for (const auto& e : events) {
      if (e.rfind("message:", 0) == 0) m.push_back(e.substr(8));
    }
    return m;
  }

  std::vector<std::string> events;
  bool answerOk = false;
  float answerF000 = 0.0f;
  int answerLevels = 0;
};

}  // namespace pyk::test
