// The real main frame and view, started in a scratch start-up folder that
// holds the shipped settings file and sample maps.
#pragma once

#include <unistd.h>
#include <cstdio>

#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/document.h"
#include "app/main_frame.h"
#include "app/view.h"
#include "recording_desktop.h"
#include "support/files.h"

namespace pyk::test {

class Viewer {
 public:
  // Copies the settings (or the given text as the settings) and the samples,
  // with the real mesh program when asked, makes the folder current, builds
  // the window and runs the start-up with words.
  explicit Viewer(const std::vector<std::string>& words = {}, const std::string* iniText = nullptr,
                  bool withMesh = false) {
    namespace fs = std::filesystem;
    for (const auto& e : fs::directory_iterator(PYK_DATA_DIR)) {
      fs::copy_file(e.path(), dir.path() / e.path().filename(), fs::copy_options::overwrite_existing);
    }
    if (iniText != nullptr) WriteText(dir.File("Pyknoscope.ini"), *iniText);
    if (withMesh) {
      fs::copy_file(PYK_MESH_EXE, dir.File("mesh"));
      desktop.runPrograms = true;
    }
    old = fs::current_path();
    fs::current_path(dir.path());
    view = new CPyknoscopeView(desktop);
    desktop.view = view;
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

}  // namespace pyk::test
