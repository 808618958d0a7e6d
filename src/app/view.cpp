// The view widget: Qt events in, the engine's commands and frames out.
#include "app/view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <filesystem>

#include "app/app_messages.h"
#include "app/picture.h"
#include "engine/pointer.h"
#include "engine/scene.h"
#include "engine/view_commands.h"
#include "map/paths.h"
#include "render/gl.h"
#include "settings/startup.h"

namespace pyk {

CPyknoscopeView::CPyknoscopeView(Desktop& desktop, QWidget* parent)
    : QOpenGLWidget(parent), desktop_(desktop), state_(MakeViewState()) {
  ConstructView(*state_, desktop_);
  // Nothing is drawn until the window's creation has run and loaded a map.
  state_->m_nStatus = kStatusNoMap;
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
  pyk::OnCreate(*state_, desktop_, words);
  update();
}

bool CPyknoscopeView::CopyPath(char (&dst)[kPathSize], std::string_view src) {
  return pyk::CopyPath(dst, src, desktop_);
}

int CPyknoscopeView::PickUpDroppedFile() {
  if (dropFlag_ == nullptr || *dropFlag_ == 0) return state_->m_nStatus;
  *dropFlag_ = 0;
  OnDropFiles(*state_, desktop_, dropFile_);
  emit stateChanged();
  return state_->m_nStatus;
}

void CPyknoscopeView::initializeGL() { InitializeScene(*state_); }

void CPyknoscopeView::resizeGL(int w, int h) { ResizeScene(*state_, w, h, devicePixelRatioF()); }

void CPyknoscopeView::paintGL() {
  const PaneTexts before = panes_;
  RenderScene(*state_, &panes_);
  if (!(panes_ == before)) emit panesChanged();
  // The picture may have moved under a still pointer.
  if (pointerInside_) ReadPointerAt(pointer_);
}

void CPyknoscopeView::ReadPointerAt(QPointF p) {
  // The centre of the pixel under the pointer, in GL's window coordinates.
  const double dpr = devicePixelRatioF();
  PointerReading r;
  const bool on = ReadPointer(*state_, (p.x() + 0.5) * dpr, (height() - p.y() - 0.5) * dpr, &r);
  const QString text = on ? QString::fromStdString(PointerText(*state_, r)) : QString();
  if (text == pointerText_) return;
  pointerText_ = text;
  emit pointerRead(text);
}

void CPyknoscopeView::leaveEvent(QEvent* e) {
  pointerInside_ = false;
  if (!pointerText_.isEmpty()) {
    pointerText_.clear();
    emit pointerRead(pointerText_);
  }
  QOpenGLWidget::leaveEvent(e);
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

void CPyknoscopeView::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (e->button() == Qt::LeftButton) OnLButtonDown(*state_, p.x(), p.y());
  if (e->button() == Qt::RightButton) OnRButtonDown(*state_, p.x(), p.y());
}

void CPyknoscopeView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) OnLButtonUp(*state_);
  if (e->button() != Qt::RightButton) return;
  OnRButtonUp(*state_);
  OpenContextMenu(e->globalPosition().toPoint());
}

void CPyknoscopeView::mouseMoveEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  pointerInside_ = true;
  pointer_ = p;
  if (OnMouseMove(*state_, p.x(), p.y(), e->buttons() != Qt::NoButton)) {
    update();
  } else if (e->buttons() == Qt::NoButton) {
    ReadPointerAt(p);
  }
}

// The mouse's context-menu request comes on the press under X11; the menu
// opens on the release instead. A keyboard request opens it at once.
void CPyknoscopeView::contextMenuEvent(QContextMenuEvent* e) {
  if (e->reason() == QContextMenuEvent::Mouse) return;
  OpenContextMenu(e->globalPos());
}

void CPyknoscopeView::OpenContextMenu(QPoint globalPos) {
  if (contextMenu_ != nullptr) contextMenu_->exec(globalPos);
}

// Losing the window or a grab to another program ends a drag, since its
// release will never reach this view.
bool CPyknoscopeView::event(QEvent* e) {
  if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::UngrabMouse) EndDrag(*state_);
  return QOpenGLWidget::event(e);
}

}  // namespace pyk
