// Set-ups the engine tests share: a scratch folder with a fresh state and a
// recording platform, and a fresh state with a map file loaded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/maps.h"

namespace pyk::test {

// Taken apart where it is made: auto [dir, s, p] = Scratch();
struct Scratch {
  TempDir dir;
  std::unique_ptr<ViewState> s = FreshState();
  RecordingPlatform p;
};

// A fresh state with the map at path loaded (its contour file found beside it) without a message.
inline std::unique_ptr<ViewState> LoadedMap(const std::string& path) {
  auto s = FreshState();
  RecordingPlatform p;
  EXPECT_EQ(LoadMap(*s, p, LoadRequest{path}), 0) << path << " " << (p.Messages().empty() ? "" : p.Messages()[0]);
  EXPECT_TRUE(p.Messages().empty()) << path;
  return s;
}

}  // namespace pyk::test
