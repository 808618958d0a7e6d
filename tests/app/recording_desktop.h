// A desktop that records what the viewer shows, asks and starts, in order,
// and repaints its view when asked to, as the real one does.
#pragma once

#include <QWidget>
#include <string>

#include "engine/desktop.h"
#include "app/qt_desktop.h"
#include "support/recorder.h"

namespace pyk::test {

class RecordingDesktop : public Desktop {
 public:
  void ShowMessage(const char* text) override { rec.ShowMessage(text); }
  bool AskContourConditions(float& f000, int& levels) override { return rec.AskContourConditions(f000, levels); }
  void Invalidate() override {
    rec.Invalidate();
    if (view != nullptr) view->update();
  }
  bool RunProgramAndWait(const char* exe, const char* folder) override {
    rec.events.push_back(std::string("run:") + exe);
    return runPrograms ? real.RunProgramAndWait(exe, folder) : programOk;
  }
  std::string AskMapFile() override {
    rec.events.emplace_back("ask-file");
    return fileAnswer;
  }
  bool StartTextViewer(const std::string& path) override {
    rec.events.push_back("viewer:" + path);
    return viewerOk;
  }

  bool StartBrowser(const std::string& path) override {
    rec.events.push_back("browser:" + path);
    return browserOk;
  }
  bool AskOkCancel(const char* text) override {
    rec.events.push_back(std::string("ask-ok-cancel:") + text);
    return okAnswer;
  }
  std::string AskBitmapFile(const std::string& defaultName) override {
    rec.events.push_back("ask-bitmap:" + defaultName);
    return bitmapAnswer;
  }
  void Beep() override { rec.events.emplace_back("beep"); }

  std::vector<std::string> Messages() const { return rec.Messages(); }
  int Count(const std::string& event) const {
    int n = 0;
    for (const auto& e : rec.events) n += e == event;
    return n;
  }

  RecordingPlatform rec;
  QWidget* view = nullptr;
  std::string fileAnswer;
  bool viewerOk = true;
  bool programOk = false;
  // Runs the programs for real (the mesh program) instead of answering programOk.
  bool runPrograms = false;
  QtDesktop real;
  bool browserOk = true;
  bool okAnswer = true;
  std::string bitmapAnswer;
};

}  // namespace pyk::test
