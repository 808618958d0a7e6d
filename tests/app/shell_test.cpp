// The main frame's bars as the user sees them, the commands' state, check
// marks and enabling through the real actions, mouse drags on the view and
// 3D Mesh mode with the real mesh program.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "dialogs/go_to_section_dialog.h"
#include "support/modal.h"
#include "viewer_fixture.h"

namespace pyk::test {
namespace {

// A menu written out as "text" items, "-" separators and "> text" / "<"
// around submenus.
std::vector<std::string> Lines(const QMenu* menu) {
  std::vector<std::string> out;
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator()) {
      out.emplace_back("-");
    } else if (a->menu() != nullptr) {
      out.push_back("> " + a->text().toStdString());
      for (const auto& l : Lines(a->menu())) out.push_back(l);
      out.emplace_back("<");
    } else {
      out.push_back(a->text().toStdString());
    }
  }
  return out;
}

// The toolbar as the table places it: by position, "-" where the tens change.
std::vector<std::string> ToolBarFromTable() {
  std::vector<const Command*> on;
  for (const Command& c : Commands()) {
    if (c.toolbar.position > 0) on.push_back(&c);
  }
  std::ranges::sort(on, {}, [](const Command* c) { return c->toolbar.position; });
  std::vector<std::string> out;
  for (size_t i = 0; i < on.size(); ++i) {
    if (i > 0 && on[i]->toolbar.position / 10 != on[i - 1]->toolbar.position / 10) out.emplace_back("-");
    out.emplace_back(on[i]->tooltip);
  }
  return out;
}

// The bars hold every command of the table at its place and nothing else;
// literal rows pin what the table itself must say.
TEST(Shell, MenusAndToolBarFollowTheCommandTable) {
  Viewer v;
  const QList<QAction*> top = v.frame->menuBar()->actions();
  ASSERT_EQ(top.size(), static_cast<int>(MenuTitles().size()));
  std::vector<std::string> fromTable[6];
  const char* submenu[6] = {};
  for (const Command& c : Commands()) {
    const int m = c.menu.menu;
    if (c.menu.submenu != nullptr && c.menu.submenu != submenu[m])
      fromTable[m].push_back(std::string("> ") + c.menu.submenu);
    submenu[m] = c.menu.submenu;
    fromTable[m].push_back(c.menu.text);
  }
  for (int m = 0; m < top.size(); ++m) {
    EXPECT_EQ(top[m]->text().toStdString(), MenuTitles()[m]);
    std::vector<std::string> items;
    for (const auto& l : Lines(top[m]->menu())) {
      if (l != "-" && l != "<") items.push_back(l);
    }
    EXPECT_EQ(items, fromTable[m]) << MenuTitles()[m];
  }
  std::vector<std::string> tools;
  for (QAction* a : v.frame->toolBar()->actions()) {
    tools.push_back(a->isSeparator() ? "-" : a->toolTip().toStdString());
    if (!a->isSeparator()) {
      EXPECT_EQ(a->icon().pixmap(16, 16).size(), QSize(16, 16)) << tools.back();
    }
  }
  EXPECT_EQ(tools, ToolBarFromTable());

  // Literal spot checks: a whole menu, a submenu (with its typo), the ends of
  // the toolbar, the whole context menu, and a prompt, tooltip and shortcut.
  EXPECT_EQ(Lines(top[0]->menu()), (std::vector<std::string>{"Open (&O) ...", "Save (&S) ...", "Copy to Clipboard (&C)",
                                                             "-", "Default View (&D)", "-", "Exit (&X)"}));
  EXPECT_EQ(Lines(top[1]->menu())[0], "-");
  const std::vector<std::string> option = Lines(top[4]->menu());
  EXPECT_EQ(std::vector<std::string>(option.begin(), option.begin() + 4),
            (std::vector<std::string>{"> Contour Densiy (&D)", "Down (&D)", "Up (&U)", "<"}));
  ASSERT_EQ(tools.size(), 29u);  // the documented 28, and Peak List beside Set Color
  EXPECT_EQ(tools[0], "Open");
  EXPECT_EQ(tools[20], "Mesh-Theta Right");
  EXPECT_EQ(std::vector<std::string>(tools.end() - 4, tools.end()),
            (std::vector<std::string>{"Set Color", "Peak List", "-", "Exit"}));
  EXPECT_EQ(Lines(v.frame->contextMenu()),
            (std::vector<std::string>{"Rotation", "Translation", "Zoom", "-", "Contour", "3D Contour", "3D Mesh"}));
  EXPECT_EQ(v.frame->windowTitle().toStdString(), "Pyknoscope");
  EXPECT_EQ(v.frame->action(kCmdSectionUp)->statusTip().toStdString(), "Increase contour section");
  EXPECT_EQ(v.frame->action(kCmdDefaultView)->toolTip().toStdString(), "Default View ");
  EXPECT_EQ(v.frame->action(kCmdFileOpen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(v.frame->toolBarArea(v.frame->toolBar()), Qt::TopToolBarArea);
}

TEST(Shell, CommandsChangeTheStateAndTheCheckMarks) {
  Viewer v(Sample("aspirin"));
  ASSERT_EQ(v.state().m_nStatus, 0);
  const ViewState& s = v.state();
  // Each command sets its field and carries the check mark, the others of its group not.
  const struct {
    CommandId command;
    int32_t ViewState::*field;
    int32_t value;
    std::vector<CommandId> unchecked;
  } rows[] = {
      {kCmd3dContour, &ViewState::m_nViewMode, 1, {kCmdContour, kCmdMesh}},
      {kCmdContour, &ViewState::m_nViewMode, 0, {kCmd3dContour, kCmdMesh}},
      {kCmdContourType, &ViewState::m_bGradient, 1, {}},
      {kCmdZoom, &ViewState::m_nMouseMode, 2, {kCmdRotation, kCmdTranslation}},
      {kCmdTranslation, &ViewState::m_nMouseMode, 1, {kCmdZoom}},
      {kCmdRotation, &ViewState::m_nMouseMode, 0, {kCmdTranslation}},
      {kCmdFaceH, &ViewState::m_nPlane, 0, {kCmdFaceL, kCmdFaceK}},
      {kCmdFaceK, &ViewState::m_nPlane, 1, {kCmdFaceH, kCmdFaceL}},
      {kCmdFaceL, &ViewState::m_nPlane, 2, {kCmdFaceH, kCmdFaceK}},
  };
  for (const auto& r : rows) {
    v.Trigger(r.command);
    EXPECT_EQ(s.*r.field, r.value) << r.command;
    EXPECT_TRUE(v.frame->action(r.command)->isChecked()) << r.command;
    for (CommandId u : r.unchecked) EXPECT_FALSE(v.frame->action(u)->isChecked()) << r.command << " " << u;
  }
  // Each state change invalidates once; a mouse mode or an unchanged mode does not.
  const int before = v.desktop.Count("invalidate");
  v.Trigger(kCmdContour);  // already Contour
  v.Trigger(kCmdZoom);
  EXPECT_EQ(v.desktop.Count("invalidate"), before);
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.desktop.Count("invalidate"), before + 1);
  // The context menu carries the same marks.
  v.frame->RefreshActions();
  std::vector<std::string> marked;
  for (QAction* a : v.frame->contextMenu()->actions()) {
    if (a->isChecked()) marked.push_back(a->text().toStdString());
  }
  EXPECT_EQ(marked, (std::vector<std::string>{"Zoom", "Contour"}));
  // A step so small that the levels are capped is said in the message area.
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
  v.state().m_fContourStep = (s.m_fMaxDensity - s.m_fMinDensity) / 20000.0f;
  v.Trigger(kCmdDensityUp);  // a tenth smaller still: past the cap
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(),
            "Contour levels capped at 20001: the highest levels are not drawn");
  v.Trigger(kCmdDensityDown);
  v.Trigger(kCmdDensityDown);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
}

// Go to Section follows the section steps in Set (hkl), needs a map, asks along
// the face's normal from the section shown, takes only a C-locale number and
// names the section reached in the message area until the next command.
TEST(Shell, GoToSectionAsksAlongTheNormalAndSaysTheSectionReached) {
  Viewer v(Sample("aspirin"));  // (0 k 0), 32 sections along b; without a map see Startup
  const std::vector<std::string> set = Lines(v.frame->menuBar()->actions()[3]->menu());
  ASSERT_GE(set.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(set.end() - 2, set.end()),
            (std::vector<std::string>{"Section Down (&D)", "Go to Section (&G) ..."}));
  ASSERT_TRUE(v.frame->action(kCmdGoToSection)->isEnabled());
  for (int k = 0; k < 8; ++k) v.Trigger(kCmdSectionUp);
  WhenModal<CGoToSectionDlg>([](CGoToSectionDlg& d) {
    EXPECT_EQ(d.m_labelFraction->text(), "y (fraction of b) :");
    EXPECT_EQ(d.m_editFraction->text(), "0.2500");
    d.m_editFraction->setText("0,51");  // not a number in the C form: the dialog stays
    QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
    EXPECT_TRUE(d.isVisible());
    d.m_editFraction->setText("1.51");
    QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
  });
  v.Trigger(kCmdGoToSection);
  EXPECT_EQ(v.state().m_nSection, 16);  // 1.51 is taken as 0.51: 16.32 of 32
  EXPECT_EQ(v.state().m_anSectionIndex[kPlane0K0], 16);
  EXPECT_EQ(v.desktop.Count("status:Section 16: y = 0.5000"), 1);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Section 16: y = 0.5000");
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
}

// Model Atoms reads the chosen coordinate file, shows its atoms and says what
// it read; Show Model Atoms, enabled once a model is held, hides and shows
// them. A file that cannot be read is named in a message, and the model held
// stays; Cancel does nothing.
TEST(Shell, ModelAtomsReadsAFileAndShowModelAtomsTogglesIt) {
  Viewer v(Sample("nacl"));
  v.frame->RefreshActions();
  EXPECT_FALSE(v.frame->action(kCmdShowModelAtoms)->isEnabled());
  v.Trigger(kCmdModelAtoms);  // Cancel
  EXPECT_EQ(v.desktop.Count("ask-model"), 1);
  EXPECT_TRUE(v.state().m_model.atoms.empty());
  v.desktop.modelAnswer = v.dir.File("nacl.cif");
  v.Trigger(kCmdModelAtoms);
  const std::string said = "Model: 2 atoms, 192 symmetry operations from " + v.dir.File("nacl.cif");
  EXPECT_EQ(v.desktop.Count("status:" + said), 1);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), said);
  EXPECT_EQ(v.state().m_bShowAtoms, 1);
  ASSERT_TRUE(v.frame->action(kCmdShowModelAtoms)->isEnabled());
  EXPECT_TRUE(v.frame->action(kCmdShowModelAtoms)->isChecked());
  v.Trigger(kCmdShowModelAtoms);
  EXPECT_EQ(v.state().m_bShowAtoms, 0);
  EXPECT_FALSE(v.frame->action(kCmdShowModelAtoms)->isChecked());
  WriteText(v.dir.File("bad.pdb"), "CRYST1   10.000\n");
  v.desktop.modelAnswer = v.dir.File("bad.pdb");
  v.Trigger(kCmdModelAtoms);
  ASSERT_EQ(v.desktop.Messages().size(), 1u);
  EXPECT_EQ(v.desktop.Messages()[0].rfind(v.dir.File("bad.pdb") + ": ", 0), 0u) << v.desktop.Messages()[0];
  EXPECT_EQ(v.state().m_model.file, v.dir.File("nacl.cif"));
  EXPECT_EQ(v.state().m_bShowAtoms, 0);
}

// The six panes once a map is drawn, kept while the status bar is hidden. A
// mesh program that cannot run keeps the mode; a section step then brings the
// map back. Mesh mode swaps the enabling of density and viewpoint commands.
TEST(Shell, PanesBarsAFailedMeshAndTheEnablingInMeshMode) {
  Viewer v(Sample("nacl"));
  v.Picture();
  const char* expected[6] = {"Min:-0.61", "Max:150.35", "Sect:96", "No:0", "z:0.000", "dz:7.540"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(v.frame->pane(k)->text().toStdString(), expected[k]);
  // Hiding the status bar and showing it again keeps the texts.
  v.Trigger(kCmdStatusBar);
  EXPECT_FALSE(v.frame->statusBar()->isVisible());
  EXPECT_FALSE(v.frame->action(kCmdStatusBar)->isChecked());
  v.Trigger(kCmdStatusBar);
  EXPECT_TRUE(v.frame->statusBar()->isVisible());
  EXPECT_EQ(v.frame->pane(3)->text().toStdString(), expected[3]);
  v.Trigger(kCmdToolBar);
  EXPECT_FALSE(v.frame->toolBar()->isVisible());
  EXPECT_FALSE(v.frame->action(kCmdToolBar)->isChecked());
  v.desktop.runPrograms = true;  // there is no mesh program in the folder
  v.Trigger(kCmdMesh);
  EXPECT_EQ(v.desktop.Messages().size(), 1u);
  EXPECT_EQ(v.state().m_nViewMode, 0);
  EXPECT_EQ(v.state().m_nStatus, 1);
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.state().m_nStatus, 0);
  for (int mode : {0, 1, 2}) {
    v.state().m_nViewMode = mode;
    v.frame->RefreshActions();
    for (CommandId c : {kCmdDensityDown, kCmdDensityUp})
      EXPECT_EQ(v.frame->action(c)->isEnabled(), mode != 2) << mode << " " << c;
    for (CommandId c : {kCmdThetaRight, kCmdThetaLeft, kCmdPhiUp, kCmdPhiDown})
      EXPECT_EQ(v.frame->action(c)->isEnabled(), mode == 2) << mode << " " << c;
    EXPECT_EQ(v.frame->action(kCmdMesh)->isChecked(), mode == 2);
  }
  // A viewpoint command outside mesh mode changes nothing at all.
  v.state().m_nViewMode = 0;
  const float theta = v.state().m_afMeshParam[2];
  v.frame->OnCommand(kCmdThetaRight);
  EXPECT_EQ(v.state().m_afMeshParam[2], theta);
}

// "View Mode" and "Mouse" share the mnemonic M: Alt+M opens View Mode, a
// second Alt+M moves on to Mouse, and M alone in View Mode is its 3D Mesh.
TEST(Shell, AltMOpensViewModeThenMouse) {
  Viewer v;
  QApplication::setActiveWindow(v.frame.get());
  const auto press = [](QWidget* w, Qt::KeyboardModifiers mod) {
    QTest::keyClick(w, Qt::Key_M, mod);
    QCoreApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  };
  QMenu* first = press(v.frame.get(), Qt::AltModifier);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->title().toStdString(), "View Mode (&M)");
  QMenu* second = press(first, Qt::AltModifier);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->title().toStdString(), "Mouse (&M)");
  second->close();
  QCoreApplication::processEvents();
  QMenu* again = press(v.frame.get(), Qt::AltModifier);
  ASSERT_NE(again, nullptr);
  press(again, Qt::NoModifier);
  EXPECT_EQ(v.state().m_nViewMode, k3dMesh);
  EXPECT_TRUE(v.desktop.Messages().empty());
}

// Closes the context menu as soon as it shows and counts how often it did.
struct MenuWatch {
  explicit MenuWatch(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
      ++shown;
      QTimer::singleShot(0, menu, [menu] { menu->close(); });
    });
  }
  int shown = 0;
};

// The transform moves by the drag arithmetic, the right button always zooms
// and its release opens the context menu.
TEST(Mouse, LeftDragsFollowTheMouseModeRightDragsZoomAndDragsEndByReleaseOrALostGrab) {
  const struct {
    const char* what;
    CommandId mode;
    Qt::MouseButton button;
    QPoint from, to;
    float rotX, rotY, transX, transY, transZ;
  } rows[] = {
      {"rotation down and right", kCmdRotation, Qt::LeftButton, {100, 10}, {200, 510}, 180, 36, 0, 0, 0},
      {"translation right and up", kCmdTranslation, Qt::LeftButton, {100, 300}, {300, 200}, 0, 0, 2, 1, 0},
      {"zoom up and right by 10", kCmdZoom, Qt::LeftButton, {100, 100}, {110, 90}, 0, 0, 0, 0, 2},
      {"right drag in rotation mode zooms", kCmdRotation, Qt::RightButton, {100, 100}, {130, 100}, 0, 0, 0, 0, 3},
      {"right drag in translation mode zooms", kCmdTranslation, Qt::RightButton, {100, 100}, {100, 150}, 0, 0, 0,
       0, -5},
  };
  Viewer v(Sample("nacl"));
  MenuWatch menu(v.frame->contextMenu());
  for (const auto& r : rows) {
    v.Trigger(kCmdDefaultView);
    v.Trigger(r.mode);
    const int menusBefore = menu.shown;
    Send(v.view, QEvent::MouseButtonPress, r.from, r.button, r.button);
    // The drag in ten steps: the sum of the steps is the whole drag.
    for (int k = 1; k <= 10; ++k) {
      const QPoint p = r.from + (r.to - r.from) * k / 10;
      Send(v.view, QEvent::MouseMove, p, Qt::NoButton, r.button);
    }
    Send(v.view, QEvent::MouseButtonRelease, r.to, r.button, Qt::NoButton);
    QCoreApplication::processEvents();
    const ViewState& s = v.state();
    EXPECT_NEAR(s.m_fRotX, r.rotX, 1e-3) << r.what;
    EXPECT_NEAR(s.m_fRotY, r.rotY, 1e-3) << r.what;
    EXPECT_NEAR(s.m_fTransX, r.transX, 1e-5) << r.what;
    EXPECT_NEAR(s.m_fTransY, r.transY, 1e-5) << r.what;
    EXPECT_NEAR(s.m_fTransZ, r.transZ, 1e-5) << r.what;
    EXPECT_EQ(s.m_nMouseButton, 0) << r.what;
    EXPECT_EQ(menu.shown - menusBefore, r.button == Qt::RightButton ? 1 : 0) << r.what;
  }

  // Drags end by either release or a lost grab.
  v.Trigger(kCmdDefaultView);
  v.Trigger(kCmdRotation);
  const int menusBefore = menu.shown;
  ViewState& s = v.state();
  // Left, then right, then releasing left ends the drag while right is held.
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  Send(v.view, QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton, Qt::RightButton);
  EXPECT_EQ(s.m_nMouseButton, 0);
  Send(v.view, QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(s.m_fTransZ, 0.0f);
  EXPECT_EQ(menu.shown, menusBefore);
  Send(v.view, QEvent::MouseButtonRelease, {90, 90}, Qt::RightButton, Qt::NoButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(menu.shown, menusBefore + 1);
  EXPECT_EQ(s.m_bRightButton, 0);

  // A move that arrives with no button held: the release went elsewhere.
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseMove, {60, 50}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(s.m_nMouseButton, 0);
  EXPECT_EQ(s.m_fRotY, 0.0f);
  // The window losing activation ends a drag too.
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  QEvent deactivate(QEvent::WindowDeactivate);
  QCoreApplication::sendEvent(v.view, &deactivate);
  EXPECT_EQ(s.m_nMouseButton, 0);
  // Moves without a press change nothing.
  Send(v.view, QEvent::MouseMove, {150, 150}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(s.m_fRotX, 0.0f);
}

// Pixels of the shipped settings' mesh colour (code 1, blue), lit.
int MeshPixels(const QImage& img) {
  return CountPixels(img, [](QRgb p) { return qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100; });
}

TEST(MeshMode, TheMeshProgramDrawsAndEachViewpointStepRecalculates) {
  Viewer v(Sample("aspirin"), nullptr, true);
  ASSERT_EQ(MeshPixels(v.Picture()), 0);

  v.Trigger(kCmdMesh);
  ASSERT_TRUE(v.desktop.Messages().empty()) << v.desktop.Messages().front();
  EXPECT_EQ(v.state().m_nViewMode, 2);
  EXPECT_GT(v.state().m_nMeshCount, 1000);
  EXPECT_LE(v.state().m_nMeshCount, 29999);
  const QImage first = v.Picture();
  EXPECT_GT(MeshPixels(first), 2000);

  // Mesh again does nothing, not even a run; Theta Right and a section step run once more each.
  const std::string run = "run:" + v.dir.File("mesh");
  v.Trigger(kCmdMesh);
  EXPECT_EQ(v.desktop.Count(run), 1);
  const float theta = v.state().m_afMeshParam[2];
  v.Trigger(kCmdThetaRight);
  EXPECT_EQ(v.desktop.Count(run), 2);
  EXPECT_EQ(v.state().m_afMeshParam[2], theta + 2.0f);
  const QImage turned = v.Picture();
  EXPECT_GT(MeshPixels(turned), 2000);
  EXPECT_NE(turned, first);
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.desktop.Count(run), 3);

  // The exchange files go when the view goes.
  EXPECT_TRUE(std::filesystem::exists(v.dir.File("meshinp")));
  EXPECT_TRUE(std::filesystem::exists(v.dir.File("meshout")));
  v.frame.reset();
  EXPECT_FALSE(std::filesystem::exists(v.dir.File("meshinp")));
  EXPECT_FALSE(std::filesystem::exists(v.dir.File("meshout")));
}

}  // namespace
}  // namespace pyk::test
