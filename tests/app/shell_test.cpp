// The main frame's bars as the user sees them, and the commands' state,
// check marks and enabling through the real actions.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "app/app_messages.h"
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
  // Literal spot checks: the separators, the submenus (with their typo) and the context menu.
  EXPECT_EQ(Lines(top[1]->menu())[0], "-");
  EXPECT_EQ(Lines(top[4]->menu()),
            (std::vector<std::string>{"> Contour Densiy (&D)", "Down (&D)", "Up (&U)", "<", "> 3D Height (&H)",
                                      "Down (&D)", "Up (&U)", "<", "-", "Show Density List (&L)...", "Map Statistics (&M)...", "Peak List (&P)...", "-",
                                      "Set Color (&C) ...", "-", "Tool Bar (&T)", "Status Bar (&S)"}));
  EXPECT_EQ(Lines(top[0]->menu()), (std::vector<std::string>{"Open (&O) ...", "Save (&S) ...", "Copy to Clipboard (&C)",
                                                             "-", "Default View (&D)", "-", "Exit (&X)"}));
  EXPECT_EQ(Lines(v.frame->contextMenu()),
            (std::vector<std::string>{"Rotation", "Translation", "Zoom", "-", "Contour", "3D Contour", "3D Mesh"}));
  EXPECT_EQ(v.frame->windowTitle().toStdString(), "Pyknoscope");

  std::vector<std::string> got;
  for (QAction* a : v.frame->toolBar()->actions()) {
    got.push_back(a->isSeparator() ? "-" : a->toolTip().toStdString());
    if (a->isSeparator()) continue;
    EXPECT_FALSE(a->statusTip().isEmpty());
    EXPECT_EQ(a->icon().pixmap(16, 16).size(), QSize(16, 16)) << a->toolTip().toStdString();
  }
  const std::vector<std::string> expected = {"Open",
                                             "Save as Bitmap",
                                             "-",
                                             "Contour",
                                             "3D Contour",
                                             "3D Mesh",
                                             "-",
                                             "(0 0 l) Face",
                                             "(h 0 0) Face",
                                             "(0 k 0) Face",
                                             "-",
                                             "Section Up",
                                             "Section Down",
                                             "-",
                                             "Contour Density Down",
                                             "Contour Density Up",
                                             "-",
                                             "3D Contour Height Down",
                                             "3D Contour Height Up",
                                             "-",
                                             "Mesh-Theta Right",
                                             "Mesh-Theta Left",
                                             "Mesh-Phi Up",
                                             "Mesh-Phi Down",
                                             "-",
                                             "Set Color",
                                             "Peak List",
                                             "-",
                                             "Exit"};
  EXPECT_EQ(got, expected);
  EXPECT_EQ(v.frame->toolBarArea(v.frame->toolBar()), Qt::TopToolBarArea);
  EXPECT_TRUE(v.frame->toolBar()->isMovable());
  EXPECT_EQ(v.frame->toolBar()->allowedAreas(), Qt::AllToolBarAreas);
  EXPECT_EQ(v.frame->action(kCmdSectionUp)->statusTip().toStdString(), "Increase contour section");
  EXPECT_EQ(v.frame->action(kCmdDefaultView)->toolTip().toStdString(), "Default View ");
  EXPECT_EQ(v.frame->action(kCmdFileOpen)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
}

TEST(Shell, StatusBarShowsReadyAndSixBlankPanesUntilAMapIsDrawn) {
  Viewer empty;
  EXPECT_EQ(empty.frame->messagePane()->text().toStdString(), "Ready");
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(empty.frame->pane(k)->text(), "") << k;
    const int templateWidth = empty.frame->pane(k)->fontMetrics().horizontalAdvance(msg::kPaneTemplates[k]);
    EXPECT_GE(empty.frame->pane(k)->width(), templateWidth) << k;
  }
  EXPECT_EQ(empty.state().m_nStatus, -1);

  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
  v.Picture();
  const char* expected[6] = {"Min:", "Max:", "Sect:", "No:", "z:", "dz:"};
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(v.frame->pane(k)->text().left(static_cast<int>(std::strlen(expected[k]))).toStdString(), expected[k]);
  }
  // Hiding the status bar and showing it again keeps the texts.
  const QString no = v.frame->pane(3)->text();
  v.Trigger(kCmdStatusBar);
  EXPECT_FALSE(v.frame->statusBar()->isVisible());
  EXPECT_FALSE(v.frame->action(kCmdStatusBar)->isChecked());
  v.Trigger(kCmdStatusBar);
  EXPECT_TRUE(v.frame->statusBar()->isVisible());
  EXPECT_TRUE(v.frame->action(kCmdStatusBar)->isChecked());
  EXPECT_EQ(v.frame->pane(3)->text(), no);
  v.Trigger(kCmdToolBar);
  EXPECT_FALSE(v.frame->toolBar()->isVisible());
  EXPECT_FALSE(v.frame->action(kCmdToolBar)->isChecked());
}

TEST(Shell, CommandsChangeTheStateAndTheCheckMarks) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  ASSERT_EQ(v.state().m_nStatus, 0);
  const ViewState& s = v.state();
  const struct {
    CommandId command;
    CommandId checked;                 // the action that must then carry the mark
    std::vector<CommandId> unchecked;  // and those that must not
    bool (*holds)(const ViewState&);
  } rows[] = {
      {kCmd3dContour, kCmd3dContour, {kCmdContour, kCmdMesh}, [](const ViewState& x) { return x.m_nViewMode == 1; }},
      {kCmdContour, kCmdContour, {kCmd3dContour, kCmdMesh}, [](const ViewState& x) { return x.m_nViewMode == 0; }},
      {kCmdContourType, kCmdContourType, {}, [](const ViewState& x) { return x.m_bGradient == 1; }},
      {kCmdZoom, kCmdZoom, {kCmdRotation, kCmdTranslation}, [](const ViewState& x) { return x.m_nMouseMode == 2; }},
      {kCmdTranslation, kCmdTranslation, {kCmdZoom}, [](const ViewState& x) { return x.m_nMouseMode == 1; }},
      {kCmdRotation, kCmdRotation, {kCmdTranslation}, [](const ViewState& x) { return x.m_nMouseMode == 0; }},
      {kCmdFaceH, kCmdFaceH, {kCmdFaceL, kCmdFaceK}, [](const ViewState& x) { return x.m_nPlane == 0; }},
      {kCmdFaceK, kCmdFaceK, {kCmdFaceH, kCmdFaceL}, [](const ViewState& x) { return x.m_nPlane == 1; }},
      {kCmdFaceL, kCmdFaceL, {kCmdFaceH, kCmdFaceK}, [](const ViewState& x) { return x.m_nPlane == 2; }},
      {kCmdSectionUp, kCmdFaceL, {}, [](const ViewState& x) { return x.m_nSection == 1; }},
      {kCmdSectionDown, kCmdFaceL, {}, [](const ViewState& x) { return x.m_nSection == 0; }},
  };
  for (const auto& r : rows) {
    v.Trigger(r.command);
    EXPECT_TRUE(r.holds(s)) << r.command;
    EXPECT_TRUE(v.frame->action(r.checked)->isChecked()) << r.command;
    for (CommandId u : r.unchecked) EXPECT_FALSE(v.frame->action(u)->isChecked()) << r.command << " " << u;
  }
  // Each state change invalidates once; a mouse mode or an unchanged mode does not.
  const int before = v.desktop.Count("invalidate");
  v.Trigger(kCmdContour);  // already Contour
  v.Trigger(kCmdZoom);
  EXPECT_EQ(v.desktop.Count("invalidate"), before);
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.desktop.Count("invalidate"), before + 1);
  const float step = s.m_fContourStep;
  v.Trigger(kCmdDensityUp);
  EXPECT_NE(s.m_fContourStep, step);
  const float height = s.m_fHeightScale;
  v.Trigger(kCmdHeightUp);
  EXPECT_GT(s.m_fHeightScale, height);
  // The context menu carries the same marks.
  v.frame->RefreshActions();
  for (QAction* a : v.frame->contextMenu()->actions()) {
    if (a->text() == "Rotation") {
      EXPECT_FALSE(a->isChecked());
    }
    if (a->text() == "Zoom") {
      EXPECT_TRUE(a->isChecked());
    }
    if (a->text() == "Contour") {
      EXPECT_TRUE(a->isChecked());
    }
  }
}

TEST(Shell, MeshModeSwapsTheEnablingOfDensityAndViewpointCommands) {
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
  const CommandId density[] = {kCmdDensityDown, kCmdDensityUp};
  const CommandId viewpoint[] = {kCmdThetaRight, kCmdThetaLeft, kCmdPhiUp, kCmdPhiDown};
  for (int mode : {0, 1, 2}) {
    v.state().m_nViewMode = mode;
    v.frame->RefreshActions();
    for (CommandId c : density) EXPECT_EQ(v.frame->action(c)->isEnabled(), mode != 2) << mode << " " << c;
    for (CommandId c : viewpoint) EXPECT_EQ(v.frame->action(c)->isEnabled(), mode == 2) << mode << " " << c;
    EXPECT_EQ(v.frame->action(kCmdMesh)->isChecked(), mode == 2);
    EXPECT_TRUE(v.frame->action(kCmdSectionUp)->isEnabled());
  }
  // A viewpoint command outside mesh mode changes nothing at all.
  v.state().m_nViewMode = 0;
  const float theta = v.state().m_afMeshParam[2];
  v.frame->OnCommand(kCmdThetaRight);
  EXPECT_EQ(v.state().m_afMeshParam[2], theta);
}

// A step so small that the levels are capped is said in the message area.
TEST(Shell, TheMessageAreaSaysWhenContourLevelsAreCapped) {
  Viewer v({"si.fou", "si.fmap", "si.con"});
  ASSERT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
  ViewState& s = v.state();
  s.m_fContourStep = (s.m_fMaxDensity - s.m_fMinDensity) / 20000.0f;
  v.Trigger(kCmdDensityUp);  // a tenth smaller still: past the cap
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(),
            "Contour levels capped at 20001: the highest levels are not drawn");
  v.Trigger(kCmdDensityDown);
  v.Trigger(kCmdDensityDown);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
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
  EXPECT_EQ(again->title().toStdString(), "View Mode (&M)");
  press(again, Qt::NoModifier);
  EXPECT_EQ(v.state().m_nViewMode, k3dMesh);
  EXPECT_TRUE(v.desktop.Messages().empty());
}

}  // namespace
}  // namespace pyk::test
