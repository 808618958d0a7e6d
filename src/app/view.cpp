#include "app/view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/app_messages.h"
#include "app/picture.h"
#include "dialogs/color_setting_dialog.h"
#include "dialogs/contour_separation_dialog.h"
#include "map/map_messages.h"
#include "map/navigation.h"
#include "map/paths.h"
#include "map/reader.h"
#include "map/report.h"
#include "render/bmp.h"
#include "render/colors.h"
#include "render/gl.h"
#include "render/material.h"
#include "render/scene.h"
#include "settings/startup.h"
#include "state/mouse.h"
#include "views3d/mesh_display.h"
#include "views3d/mesh_exchange.h"
#include "views3d/surface.h"

namespace pyk {

namespace {

const SceneModes kScene{Draw3DContour, DrawMesh, ContourDrawing::kFast};

bool IsBlank(const std::string& w) { return w.find_first_not_of(" \t\r\n\f\v") == std::string::npos; }

}  // namespace

CPyknoscopeView::CPyknoscopeView(Desktop& desktop, QWidget* parent)
    : QOpenGLWidget(parent), desktop_(desktop), state_(MakeViewState()) {
  ConstructView(*state_, desktop_);
  // Nothing is drawn until the window's creation has run and loaded a map.
  state_->m_nStatus = -1;
  // Moves with no button must arrive too: they end a drag whose release went elsewhere.
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(16, 16);
}

CPyknoscopeView::~CPyknoscopeView() {
  makeCurrent();
  glDisable(GL_LIGHTING);
  doneCurrent();
  std::error_code ec;
  if (!state_->m_strMeshInp.empty()) std::filesystem::remove(state_->m_strMeshInp, ec);
  if (!state_->m_strMeshOut.empty()) std::filesystem::remove(state_->m_strMeshOut, ec);
}

void CPyknoscopeView::OnCreate(const std::vector<std::string>& words) {
  ViewState& s = *state_;
  PrepareViewWindow(s);
  SetupColors(s);
  if (words.empty()) {
    s.m_bCommandLine = 0;
    s.m_nStatus = -1;
    return;
  }
  bool blank = true;
  for (const std::string& w : words) blank = blank && IsBlank(w);
  if (blank) {
    s.m_bCommandLine = 0;
    s.m_nStatus = 1;
    return;
  }
  std::string_view views[3];
  const int count = words.size() < 3 ? static_cast<int>(words.size()) : 3;
  for (int i = 0; i < count; ++i) views[i] = words[i];
  FinishLoad(LoadFromArguments(s, desktop_, views, count));
  update();
}

bool CPyknoscopeView::CopyPath(char (&dst)[kPathSize], std::string_view src) {
  return pyk::CopyPath(dst, src, desktop_);
}

// A map just loaded in 3D Mesh mode needs its mesh before it can be drawn.
int CPyknoscopeView::FinishLoad(int loaded) {
  ViewState& s = *state_;
  if (loaded == 0 && s.m_nViewMode == k3dMesh) s.m_nStatus = CalculateMesh(s, desktop_);
  return loaded;
}

int CPyknoscopeView::PickUpDroppedFile() {
  ViewState& s = *state_;
  if (dropFlag_ == nullptr || *dropFlag_ == 0) return s.m_nStatus;
  *dropFlag_ = 0;
  if (FinishLoad(LoadMap(s, desktop_, LoadRequest{dropFile_})) == 0) desktop_.Invalidate();
  emit stateChanged();
  return s.m_nStatus;
}

void CPyknoscopeView::initializeGL() { SetupLights(*state_); }

void CPyknoscopeView::resizeGL(int w, int h) {
  ViewState& s = *state_;
  s.m_nClientWidth = w;
  s.m_nClientHeight = h;
  // A zero height would give an infinite aspect; the last one is kept.
  if (h > 0) s.m_fAspect = static_cast<float>(w) / static_cast<float>(h);
  const qreal ratio = devicePixelRatioF();
  glViewport(0, 0, static_cast<GLsizei>(w * ratio), static_cast<GLsizei>(h * ratio));
}

void CPyknoscopeView::paintGL() {
  const std::string before = panes_.min + panes_.max + panes_.sect + panes_.no + panes_.pos + panes_.step;
  RenderScene(*state_, kScene, &panes_);
  if (panes_.min + panes_.max + panes_.sect + panes_.no + panes_.pos + panes_.step != before) emit panesChanged();
}

// Commands.

void CPyknoscopeView::RunCommand(CommandId id) {
  ViewState& s = *state_;
  Desktop& d = desktop_;
  switch (id) {
    case kCmdFileOpen: OnFileOpen(); break;
    case kCmdDefaultView: FinishLoad(OnDefaultView(s, d)); break;
    case kCmdContour: SetViewMode(kContour); break;
    case kCmd3dContour: SetViewMode(k3dContour); break;
    case kCmdMesh: OnMesh(); break;
    case kCmdContourType:
      s.m_bGradient = s.m_bGradient == 0 ? 1 : 0;
      d.Invalidate();
      break;
    case kCmdThetaRight: OnMeshViewpoint(2, 2.0f); break;
    case kCmdThetaLeft: OnMeshViewpoint(2, -2.0f); break;
    case kCmdPhiUp: OnMeshViewpoint(3, -2.0f); break;
    case kCmdPhiDown: OnMeshViewpoint(3, 2.0f); break;
    case kCmdRotation: s.m_nMouseMode = kRotation; break;
    case kCmdTranslation: s.m_nMouseMode = kTranslation; break;
    case kCmdZoom: s.m_nMouseMode = kZoom; break;
    case kCmdFaceL: OnFaceL(s, d, CalculateMesh); break;
    case kCmdFaceH: OnFaceH(s, d, CalculateMesh); break;
    case kCmdFaceK: OnFaceK(s, d, CalculateMesh); break;
    case kCmdSectionUp: OnSectionUp(s, d, CalculateMesh); break;
    case kCmdSectionDown: OnSectionDown(s, d, CalculateMesh); break;
    case kCmdDensityDown: OnContourDensityDown(s, d); break;
    case kCmdDensityUp: OnContourDensityUp(s, d); break;
    case kCmdHeightDown: OnHeightDown(s, d, CalculateMesh); break;
    case kCmdHeightUp: OnHeightUp(s, d, CalculateMesh); break;
    case kCmdDensityList: OnShowDensityList(); break;
    case kCmdSave: OnSaveBitmap(); break;
    case kCmdCopy: OnCopyClipboard(); break;
    case kCmdHelp: OnHelpByHtml(); break;
    case kCmdSetColor: OnSetColor(s, d, this); break;
    case kCmdContourSeparation: OnContourSeparation(s, d, this); break;
    default: return;  // the frame's own commands and those without a handler
  }
  emit stateChanged();
}

bool CPyknoscopeView::IsChecked(CommandId id) const {
  const ViewState& s = *state_;
  switch (id) {
    case kCmdContour: return s.m_nViewMode == kContour;
    case kCmd3dContour: return s.m_nViewMode == k3dContour;
    case kCmdMesh: return s.m_nViewMode == k3dMesh;
    case kCmdContourType: return s.m_bGradient == 1;
    case kCmdRotation: return s.m_nMouseMode == kRotation;
    case kCmdTranslation: return s.m_nMouseMode == kTranslation;
    case kCmdZoom: return s.m_nMouseMode == kZoom;
    case kCmdFaceL: return FaceChecked(s, kPlane00L);
    case kCmdFaceH: return FaceChecked(s, kPlaneH00);
    case kCmdFaceK: return FaceChecked(s, kPlane0K0);
    default: return false;
  }
}

bool CPyknoscopeView::IsEnabled(CommandId id) const {
  const ViewState& s = *state_;
  switch (id) {
    case kCmdThetaRight:
    case kCmdThetaLeft:
    case kCmdPhiUp:
    case kCmdPhiDown: return s.m_nViewMode == k3dMesh;
    case kCmdDensityDown:
    case kCmdDensityUp: return ContourDensityEnabled(s);
    default: return true;
  }
}

void CPyknoscopeView::OnFileOpen() {
  const std::string path = desktop_.AskMapFile();
  if (path.empty()) return;
  const std::string report = ReportPathFor(path);
  const std::string_view reportView = report;
  if (FinishLoad(LoadMap(*state_, desktop_, LoadRequest{path, &reportView})) == 0) desktop_.Invalidate();
}

void CPyknoscopeView::OnShowDensityList() {
  ViewState& s = *state_;
  if (!s.m_bMapValid) return;  // no section to list yet
  if (WriteDensityList(s, desktop_) != 0) {
    desktop_.ShowMessage(msg::kOutputCannotPrepare);
    return;
  }
  if (!desktop_.StartTextViewer(s.m_szListFile)) {
    char text[kPathSize + 64];
    std::snprintf(text, sizeof text, msg::kTextViewerFailed, s.m_szListFile);
    desktop_.ShowMessage(text);
  }
}

// The picture is the view's own framebuffer, rendered afresh after the
// warning has closed, so no dialog can end up in it.
int CPyknoscopeView::SaveWindowBitmap(const std::string& path) {
  if (!desktop_.AskOkCancel(msg::kCaptureWarning)) return -1;
  desktop_.Invalidate();
  return SavePicture(grabFramebuffer(), path) ? 0 : -1;
}

void CPyknoscopeView::OnSaveBitmap() {
  const std::string path = desktop_.AskBitmapFile(DefaultBitmapName(state_->m_szMapFile));
  if (path.empty()) return;
  if (SaveWindowBitmap(path) != 0) desktop_.ShowMessage(msg::kBitmapSaveFailed);
}

void CPyknoscopeView::OnCopyClipboard() {
  if (!desktop_.AskOkCancel(msg::kCaptureWarning)) return;
  desktop_.Invalidate();
  QGuiApplication::clipboard()->setImage(grabFramebuffer().convertToFormat(QImage::Format_RGB888));
}

void CPyknoscopeView::OnHelpByHtml() {
  const std::string page = std::string(state_->m_szCurDir) + msg::kHelpPage;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(page, ec) || !desktop_.StartBrowser(page)) {
    desktop_.Beep();
    desktop_.ShowMessage(msg::kHelpFailed);
  }
}

void CPyknoscopeView::SetViewMode(int mode) {
  ViewState& s = *state_;
  if (s.m_nViewMode == mode) return;
  s.m_nViewMode = mode;
  desktop_.Invalidate();
}

// In 3D Mesh mode already, the command reruns a mesh calculation that failed.
// Before any map it only chooses the mode; the first load computes the mesh.
void CPyknoscopeView::OnMesh() {
  ViewState& s = *state_;
  if (s.m_nViewMode == k3dMesh && (s.m_nStatus == 0 || !s.m_bMapValid)) return;
  if (!s.m_bMapValid) {
    s.m_nViewMode = k3dMesh;
    desktop_.Invalidate();
    return;
  }
  s.m_nStatus = CalculateMesh(s, desktop_);
  if (s.m_nStatus != 0) return;
  s.m_nViewMode = k3dMesh;
  desktop_.Invalidate();
}

void CPyknoscopeView::OnMeshViewpoint(int parameter, float change) {
  ViewState& s = *state_;
  if (s.m_nViewMode != k3dMesh) return;
  s.m_afMeshParam[parameter] += change;
  if (s.m_bMapValid) s.m_nStatus = CalculateMesh(s, desktop_);
  desktop_.Invalidate();
}

// Mouse.

void CPyknoscopeView::mousePressEvent(QMouseEvent* e) {
  ViewState& s = *state_;
  if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton) return;
  if (e->button() == Qt::RightButton) s.m_bRightButton = 1;
  s.m_nMouseButton = 1;
  const QPoint p = e->position().toPoint();
  s.m_nMouseX = SignedMouseCoordinate(p.x());
  s.m_nMouseY = SignedMouseCoordinate(p.y());
}

void CPyknoscopeView::mouseReleaseEvent(QMouseEvent* e) {
  ViewState& s = *state_;
  if (e->button() == Qt::LeftButton) {
    s.m_nMouseButton = 0;
  } else if (e->button() == Qt::RightButton) {
    s.m_nMouseButton = 0;
    s.m_bRightButton = 0;
    OpenContextMenu(e->globalPosition().toPoint());
  }
}

void CPyknoscopeView::mouseMoveEvent(QMouseEvent* e) {
  ViewState& s = *state_;
  if (s.m_nMouseButton != 1) return;
  if (e->buttons() == Qt::NoButton) {  // the release went elsewhere
    EndDrag();
    return;
  }
  const int x0 = s.m_nMouseX, y0 = s.m_nMouseY;
  const QPoint p = e->position().toPoint();
  s.m_nMouseX = SignedMouseCoordinate(p.x());
  s.m_nMouseY = SignedMouseCoordinate(p.y());
  const int mode = s.m_bRightButton == 1 ? kZoom : s.m_nMouseMode;
  ApplyMouseDrag(s, mode, x0, s.m_nMouseX, y0, s.m_nMouseY);
  update();
}

void CPyknoscopeView::EndDrag() {
  state_->m_nMouseButton = 0;
  state_->m_bRightButton = 0;
}

// The mouse's context-menu request comes on the press under X11; the menu
// opens on the release instead. A keyboard request opens it at once.
void CPyknoscopeView::contextMenuEvent(QContextMenuEvent* e) {
  if (e->reason() == QContextMenuEvent::Mouse) return;
  OpenContextMenu(e->globalPos());
}

void CPyknoscopeView::OpenContextMenu(QPoint globalPos) {
  if (contextMenu_ == nullptr) return;
  contextMenu_->exec(globalPos);
}

// Losing the window or a grab to another program ends a drag, since its
// release will never reach this view.
bool CPyknoscopeView::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::UngrabMouse) EndDrag();
  return QOpenGLWidget::event(e);
}

}  // namespace pyk
