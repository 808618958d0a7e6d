// Start-up in order: settings, window, OpenGL check, the map of the arguments.
#include "app/app.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_messages.h"
#include "app/document.h"
#include "app/gl_process.h"
#include "app/main_frame.h"
#include "app/qt_desktop.h"
#include "app/view.h"

namespace pyk {

int CPyknoscopeApp::Run(int argc, char** argv) {
  std::vector<std::string> words;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(msg::kUsage, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("%s (%s)\n", msg::kVersionLine, msg::kVersion);
      return 0;
    }
    words.emplace_back(argv[i]);
  }
  std::string error;
  if (!InitializeGlProcess(&argc, argv, &error)) {
    std::fprintf(stderr, "pyknoscope: %s\n", error.c_str());
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(msg::kAppTitle);
  QApplication::setOrganizationName(msg::kOrganisation);
  QApplication::setApplicationVersion(msg::kVersion);
  // Without a usable context the view would stay blank: say so and end.
  if (!CanCreateGlContext()) {
    std::fprintf(stderr, "pyknoscope: %s\n", msg::kNoOpenGl);
    QMessageBox::critical(nullptr, msg::kAppTitle, msg::kNoOpenGl, QMessageBox::Ok);
    return 1;
  }

  QtDesktop desktop;
  CPyknoscopeDoc doc;
  auto* view = new CPyknoscopeView(desktop);  // reads Pyknoscope.ini in the current folder
  desktop.SetView(view);
  CMainFrame frame(view, &doc);  // registers the icon resources
  QApplication::setWindowIcon(QIcon(":/icons/pyknoscope.xpm"));
  frame.PlaceFromSettings(view->state());
  frame.show();
  view->OnCreate(words);
  frame.RefreshActions();
  // The framework's document open: a first argument that names no readable
  // file ends the program after the view's own messages.
  if (!words.empty() && !doc.OnOpenDocument(QString::fromLocal8Bit(words[0].c_str()))) {
    desktop.ShowMessage(msg::kCannotOpenDocument);
    return 1;
  }
  return app.exec();
}

}  // namespace pyk
