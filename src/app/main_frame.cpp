#include "app/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "app/app_messages.h"
#include "app/document.h"
#include "app/view.h"
#include "dialogs/about_dialog.h"
#include "render/contour.h"

// The icons live in a static library, whose resource object the linker would
// drop unless it is referenced; this registers it.
static void RegisterIconResources() { Q_INIT_RESOURCE(icons); }

namespace pyk {

namespace {

bool Checkable(CommandId id) {
  switch (id) {
    case kCmdContour:
    case kCmd3dContour:
    case kCmdMesh:
    case kCmdContourType:
    case kCmdRotation:
    case kCmdTranslation:
    case kCmdZoom:
    case kCmdFaceL:
    case kCmdFaceH:
    case kCmdFaceK:
    case kCmdToolBar:
    case kCmdStatusBar: return true;
    default: return false;
  }
}

// The first local file of a drop, if any.
QString FirstLocalFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

CMainFrame::CMainFrame(CPyknoscopeView* view, CPyknoscopeDoc* doc) : view_(view), doc_(doc) {
  static const bool registered = (RegisterIconResources(), true);
  (void)registered;
  setWindowTitle(msg::kAppTitle);
  setCentralWidget(view_);
  setAcceptDrops(true);
  view_->SetDropSlot(m_szDropFile, &m_bDropFile);
  BuildActions();
  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  connect(view_, &CPyknoscopeView::stateChanged, this, &CMainFrame::RefreshActions);
  connect(view_, &CPyknoscopeView::panesChanged, this, &CMainFrame::TakePanes);
  RefreshActions();
}

void CMainFrame::BuildActions() {
  for (const CommandText& c : Commands()) {
    QAction* a = new QAction(this);
    a->setStatusTip(c.prompt);
    if (c.tooltip != nullptr) a->setToolTip(c.tooltip);
    if (c.icon != nullptr) a->setIcon(QIcon(QString(":/icons/") + c.icon));
    a->setCheckable(Checkable(c.id));
    a->setData(static_cast<int>(c.id));
    // Check marks come from the state only: a click runs the command, and the
    // refresh afterwards sets the mark.
    connect(a, &QAction::triggered, this, [this, id = c.id] { OnCommand(id); });
    actions_[c.id] = a;
  }
  actions_[kCmdFileOpen]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  actions_[kCmdFileOpen]->setShortcutContext(Qt::WindowShortcut);
  addAction(actions_[kCmdFileOpen]);
}

QAction* CMainFrame::action(CommandId id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::BuildMenus() {
  QMenu* menu = nullptr;
  QMenu* target = nullptr;
  for (const MenuLine& line : MenuBarLayout()) {
    switch (line.kind) {
      case MenuLine::kMenu:
        menu = menuBar()->addMenu(line.text);
        target = menu;
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshActions);
        break;
      case MenuLine::kSubmenu:
        target = menu->addMenu(line.text);
        connect(target, &QMenu::aboutToShow, this, &CMainFrame::RefreshActions);
        break;
      case MenuLine::kEndSubmenu: target = menu; break;
      case MenuLine::kSeparator: target->addSeparator(); break;
      case MenuLine::kItem: {
        // The menu shows its own text; the same action keeps the toolbar's tooltip.
        QAction* a = action(line.id);
        if (a->text().isEmpty()) a->setText(line.text);
        target->addAction(a);
        break;
      }
    }
  }
  contextMenu_ = new QMenu(this);
  for (const MenuLine& line : ContextMenuLayout()) {
    if (line.kind == MenuLine::kSeparator) {
      contextMenu_->addSeparator();
      continue;
    }
    // The context menu's texts differ from the menu bar's: a proxy action
    // with the same state runs the same command.
    QAction* shared = action(line.id);
    QAction* item = contextMenu_->addAction(line.text);
    item->setCheckable(shared->isCheckable());
    item->setStatusTip(shared->statusTip());
    item->setData(shared->data());
    connect(item, &QAction::triggered, this, [this, id = line.id] { OnCommand(id); });
  }
  connect(contextMenu_, &QMenu::aboutToShow, this, &CMainFrame::RefreshActions);
  view_->SetContextMenu(contextMenu_);
}

void CMainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName("toolBar");
  toolBar_->setIconSize(QSize(16, 16));
  toolBar_->setMovable(true);
  toolBar_->setFloatable(true);
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  for (const CommandId id : ToolBarLayout()) {
    if (id == kCmdNone) {
      toolBar_->addSeparator();
    } else {
      toolBar_->addAction(action(id));
    }
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  ready_ = new QLabel(msg::kReady, bar);
  bar->addWidget(ready_, 1);
  const QFontMetrics metrics(bar->font());
  for (int k = 0; k < 6; ++k) {
    panes_[k] = new QLabel(bar);
    panes_[k]->setObjectName(QString("pane%1").arg(k));
    panes_[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panes_[k]->setFixedWidth(metrics.horizontalAdvance(msg::kPaneTemplates[k]) + 8);
    bar->addPermanentWidget(panes_[k]);
  }
}

void CMainFrame::PlaceFromSettings(const ViewState& s) {
  int w = s.m_nWindowWidth, h = s.m_nWindowHeight;
  int x = s.m_nWindowLeft, y = s.m_nWindowTop;
  if (w < kMinWidth) w = kMinWidth;
  if (h < kMinHeight) h = kMinHeight;
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    if (w > area.width()) w = area.width();
    if (h > area.height()) h = area.height();
    if (x < area.left() || x + w > area.right() + 1) x = area.left();
    if (y < area.top() || y + h > area.bottom() + 1) y = area.top();
  }
  resize(w, h);
  move(x, y);
}

void CMainFrame::OnCommand(CommandId id) {
  switch (id) {
    case kCmdExit: close(); return;
    case kCmdToolBar: toolBar_->setVisible(!toolBar_->isVisible()); break;
    case kCmdStatusBar: statusBar()->setVisible(!statusBar()->isVisible()); break;
    case kCmdAbout: ShowAboutDialog(this); return;
    default: view_->RunCommand(id); break;
  }
  RefreshActions();
}

void CMainFrame::RefreshActions() {
  for (auto& [id, a] : actions_) {
    const CommandId c = static_cast<CommandId>(id);
    if (c == kCmdToolBar) {
      a->setChecked(toolBar_->isVisibleTo(this));
    } else if (c == kCmdStatusBar) {
      a->setChecked(statusBar()->isVisibleTo(this));
    } else if (a->isCheckable()) {
      a->setChecked(view_->IsChecked(c));
    }
    a->setEnabled(view_->IsEnabled(c));
  }
  // The message area says when the contours drawn stop below the map's top.
  const ViewState& s = view_->state();
  const bool capped = s.m_nStatus == 0 && s.m_nViewMode != k3dMesh && ContourLevelsCapped(s);
  ready_->setText(capped ? QString::asprintf(msg::kLevelsCapped, kMaxContourLevels) : QString(msg::kReady));
  if (contextMenu_ != nullptr) {
    for (QAction* item : contextMenu_->actions()) {
      if (item->isSeparator()) continue;
      const CommandId c = static_cast<CommandId>(item->data().toInt());
      item->setChecked(view_->IsChecked(c));
      item->setEnabled(view_->IsEnabled(c));
    }
  }
}

void CMainFrame::TakePanes() {
  const PaneTexts& p = view_->panes();
  m_strPaneMin = QString::fromStdString(p.min);
  m_strPaneMax = QString::fromStdString(p.max);
  m_strPaneSect = QString::fromStdString(p.sect);
  m_strPaneNo = QString::fromStdString(p.no);
  m_strPanePos = QString::fromStdString(p.pos);
  m_strPaneStep = QString::fromStdString(p.step);
  RefreshPanes();
}

void CMainFrame::RefreshPanes() {
  const QString* texts[6] = {&m_strPaneMin, &m_strPaneMax, &m_strPaneSect, &m_strPaneNo, &m_strPanePos, &m_strPaneStep};
  for (int k = 0; k < 6; ++k) panes_[k]->setText(*texts[k]);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* e) {
  if (!FirstLocalFile(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

// Every dropped file is opened as the document; the first one is loaded
// once the drop has finished, so that no message box holds up the program
// it came from. It waits in the drop slot, which the view reads and clears.
void CMainFrame::dropEvent(QDropEvent* e) {
  const QString first = FirstLocalFile(e->mimeData());
  if (first.isEmpty()) return;
  e->acceptProposedAction();
  for (const QUrl& url : e->mimeData()->urls()) {
    if (url.isLocalFile()) doc_->OnOpenDocument(url.toLocalFile());
  }
  activateWindow();
  QTimer::singleShot(0, view_, [this, path = first.toLocal8Bit().toStdString()] {
    // A path too long for the slot is refused whole, never cut.
    if (!view_->CopyPath(m_szDropFile, path)) return;
    m_bDropFile = 1;
    view_->PickUpDroppedFile();
  });
}

}  // namespace pyk
