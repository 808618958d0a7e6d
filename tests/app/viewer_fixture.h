// The real main frame and view, started in a scratch start-up folder that
// holds the shipped settings file and sample maps, with a desktop that
// records what the viewer shows, asks and starts, in order.
#pragma once

#include <QMouseEvent>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/document.h"
#include "app/main_frame.h"
#include "app/qt_desktop.h"
#include "app/view.h"
#include "engine/desktop.h"
#include "support/files.h"
#include "support/recorder.h"

namespace pyk::test {

// Events go to rec as "name:argument"; the answers are the fields below.
class RecordingDesktop : public Desktop {
 public:
  void ShowMessage(const char* text) override { rec.ShowMessage(text); }
  bool AskContourConditions(float& f000, int& levels) override { return rec.AskContourConditions(f000, levels); }
  void Invalidate() override {
    rec.Invalidate();
    if (view != nullptr) view->update();  // and repaints, as the real one does
  }
  bool RunProgramAndWait(const char* exe, const char* folder) override {
    rec.events.push_back(std::string("run:") + exe);
    return runPrograms && real.RunProgramAndWait(exe, folder);
  }
  std::string AskMapFile() override { return Note("ask-file", fileAnswer); }
  std::string AskModelFile() override { return Note("ask-model", modelAnswer); }
  bool StartTextViewer(const std::string& path) override { return Note("viewer:" + path, viewerOk); }
  bool StartBrowser(const std::string& path) override { return Note("browser:" + path, browserOk); }
  bool AskOkCancel(const char* text) override { return Note(std::string("ask-ok-cancel:") + text, okAnswer); }
  std::string AskBitmapFile(const std::string& name) override { return Note("ask-bitmap:" + name, bitmapAnswer); }
  void Beep() override { rec.events.emplace_back("beep"); }
  void ShowStatus(const char* text) override {
    rec.events.push_back(std::string("status:") + text);
    real.ShowStatus(text);  // and on to the window, as the real one does
  }

  std::vector<std::string> Messages() const { return rec.Messages(); }
  int Count(const std::string& event) const { return static_cast<int>(std::ranges::count(rec.events, event)); }

  RecordingPlatform rec;
  QWidget* view = nullptr;
  std::string fileAnswer, modelAnswer, bitmapAnswer;
  bool viewerOk = true, browserOk = true, okAnswer = true;
  bool runPrograms = false;  // runs the programs (the mesh program) for real; else they fail
  QtDesktop real;

 private:
  template <class Answer>
  Answer Note(const std::string& event, Answer answer) {
    rec.events.push_back(event);
    return answer;
  }
};

// The three start-up words of a shipped sample: map, report and contour file.
inline std::vector<std::string> Sample(const std::string& name) {
  return {name + ".fou", name + ".fmap", name + ".con"};
}

class Viewer {
 public:
  // Copies the settings (or the given text as the settings) and the samples,
  // with the real mesh program when asked, makes the folder current, builds
  // the window and runs the start-up with words.
  explicit Viewer(const std::vector<std::string>& words = {}, const std::string* iniText = nullptr,
                  bool withMesh = false) {
    namespace fs = std::filesystem;
    for (const auto& e : fs::directory_iterator(PYK_DATA_DIR)) {
      if (e.is_regular_file()) fs::copy_file(e.path(), dir.path() / e.path().filename());
    }
    if (iniText != nullptr) WriteText(dir.File("Pyknoscope.ini"), *iniText);
    if (withMesh) fs::copy_file(PYK_MESH_EXE, dir.File("mesh"));
    desktop.runPrograms = withMesh;
    old = fs::current_path();
    fs::current_path(dir.path());
    view = new CPyknoscopeView(desktop);
    desktop.view = view;
    desktop.real.SetView(view);
    frame = std::make_unique<CMainFrame>(view, &doc);
    frame->PlaceFromSettings(view->state());
    frame->show();
    view->OnCreate(words);
    frame->RefreshActions();
    if (!QTest::qWaitForWindowExposed(frame.get())) std::fprintf(stderr, "window not exposed\n");
  }
  ~Viewer() {
    frame.reset();
    std::filesystem::current_path(old);
  }

  ViewState& state() { return view->state(); }
  // Runs a command as a click on its action does.
  void Trigger(CommandId id) { frame->action(id)->trigger(); }
  // The picture as the view shows it after pending paints.
  QImage Picture() {
    QCoreApplication::processEvents();
    return view->grabFramebuffer();
  }

  TempDir dir;
  std::filesystem::path old;
  RecordingDesktop desktop;
  CPyknoscopeDoc doc;
  CPyknoscopeView* view = nullptr;
  std::unique_ptr<CMainFrame> frame;
};

// Sends one mouse event with an explicit button state, as the window system
// does; unlike QTest's button-less move it needs no cursor warp on the X server.
inline void Send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

// The pixels of img for which match(colour) holds.
template <class Match>
int CountPixels(const QImage& img, Match match) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) n += match(img.pixel(x, y));
  }
  return n;
}

}  // namespace pyk::test
