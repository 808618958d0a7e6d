// The main window built from the command table: menus, toolbar, panes and drops.
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
#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/app_messages.h"
#include "app/document.h"
#include "app/view.h"
#include "dialogs/about_dialog.h"
#include "dialogs/color_setting_dialog.h"
#include "dialogs/contour_separation_dialog.h"
#include "dialogs/go_to_section_dialog.h"
#include "dialogs/map_statistics_dialog.h"
#include "dialogs/peak_list_dialog.h"
#include "engine/section_commands.h"
#include "engine/view_commands.h"
#include "map/section.h"
#include "map/section_choice.h"
#include "render/contour.h"
#include "state/message.h"

// The icons live in a static library, whose resource object the linker would
// drop unless it is referenced; this registers it.
static void RegisterIconResources() { Q_INIT_RESOURCE(icons); }

namespace pyk {

namespace {

// The commands with a place in a bar (the toolbar or the context menu), in its order.
std::vector<const Command*> InBarOrder(BarPlace Command::*place) {
  std::vector<const Command*> rows;
  for (const Command& c : Commands()) {
    if ((c.*place).position > 0) rows.push_back(&c);
  }
  std::sort(rows.begin(), rows.end(),
            [place](const Command* a, const Command* b) { return (a->*place).position < (b->*place).position; });
  return rows;
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
  // A map loaded by the view itself makes the last command's status line stale.
  connect(view_, &CPyknoscopeView::stateChanged, this, [this] {
    statusText_.clear();
    RefreshActions();
  });
  connect(view_, &CPyknoscopeView::panesChanged, this, &CMainFrame::TakePanes);
  connect(view_, &CPyknoscopeView::pointerRead, this, [this](const QString& text) {
    pointerText_ = text;
    ShowMessageArea();
  });
  connect(view_, &CPyknoscopeView::statusShown, this, [this](const QString& text) {
    statusText_ = text;
    ShowMessageArea();
  });
  RefreshActions();
}

void CMainFrame::BuildActions() {
  for (const Command& c : Commands()) {
    QAction* a = new QAction(this);
    a->setStatusTip(c.prompt);
    if (c.tooltip != nullptr) a->setToolTip(c.tooltip);
    if (c.icon != nullptr) a->setIcon(QIcon(QString(":/icons/") + c.icon));
    a->setCheckable(c.checked != nullptr);
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

// Each menu takes the table's rows for it in order: a separator where the
// group changes, a submenu for consecutive rows that name one.
void CMainFrame::BuildMenus() {
  const auto titles = MenuTitles();
  for (int m = 0; m < static_cast<int>(titles.size()); ++m) {
    QMenu* menu = menuBar()->addMenu(titles[m]);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::RefreshActions);
    QMenu* submenu = nullptr;
    const char* submenuTitle = nullptr;
    int group = 0;
    for (const Command& c : Commands()) {
      if (c.menu.menu != m) continue;
      if (c.menu.group != group) menu->addSeparator();
      group = c.menu.group;
      if (c.menu.submenu != submenuTitle) {
        submenuTitle = c.menu.submenu;
        submenu = submenuTitle == nullptr ? nullptr : menu->addMenu(submenuTitle);
        if (submenu != nullptr) connect(submenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshActions);
      }
      // The menu shows its own text; the same action keeps the toolbar's tooltip.
      QAction* a = action(c.id);
      a->setText(c.menu.text);
      (submenu != nullptr ? submenu : menu)->addAction(a);
    }
  }
  // The context menu's texts differ from the menu bar's: a proxy action
  // with the same state runs the same command.
  contextMenu_ = new QMenu(this);
  int tens = -1;
  for (const Command* c : InBarOrder(&Command::context)) {
    if (tens >= 0 && c->context.position / 10 != tens) contextMenu_->addSeparator();
    tens = c->context.position / 10;
    QAction* item = contextMenu_->addAction(c->context.text);
    item->setCheckable(c->checked != nullptr);
    item->setStatusTip(c->prompt);
    item->setData(static_cast<int>(c->id));
    connect(item, &QAction::triggered, this, [this, id = c->id] { OnCommand(id); });
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
  int tens = -1;
  for (const Command* c : InBarOrder(&Command::toolbar)) {
    if (tens >= 0 && c->toolbar.position / 10 != tens) toolBar_->addSeparator();
    tens = c->toolbar.position / 10;
    toolBar_->addAction(action(c->id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  ready_ = new QLabel(msg::kReady, bar);
  bar->addWidget(ready_, 1);
  const QFontMetrics metrics(bar->font());
  mapName_ = new QLabel(bar);
  mapName_->setObjectName("paneMap");
  mapName_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bar->addPermanentWidget(mapName_);
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

CommandContext CMainFrame::Context() { return {view_->state(), view_->desktop(), *this}; }

void CMainFrame::OnCommand(CommandId id) {
  if (const Command* c = FindCommand(id)) {
    statusText_.clear();
    CommandContext context = Context();
    RunCommand(*c, context);
  }
  RefreshActions();
}

void CMainFrame::SaveBitmap() { view_->OnSaveBitmap(); }
void CMainFrame::CopyToClipboard() { view_->OnCopyClipboard(); }
void CMainFrame::EditColors() { OnSetColor(view_->state(), view_->desktop(), view_); }
void CMainFrame::EditContourSeparation() { OnContourSeparation(view_->state(), view_->desktop(), view_); }
void CMainFrame::EditSectionPosition() {
  ViewState& s = view_->state();
  if (s.m_bMapValid != 1) return;
  double fraction = SectionFraction(s);
  if (AskSectionFraction(AxesOf(s.m_nPlane).normal, &fraction, this)) OnGoToFraction(s, view_->desktop(), fraction);
}
void CMainFrame::ShowAbout() { ShowAboutDialog(this); }

void CMainFrame::ShowMapStatistics() { ShowMapStatisticsDialog(view_->state(), this); }

void CMainFrame::EditPeakSearch() {
  PeakSearch search = view_->state().m_peakSearch;
  if (AskPeakSearch(&search, this)) OnPeakList(view_->state(), view_->desktop(), search);
}
void CMainFrame::Exit() { close(); }

bool CMainFrame::BarShown(CommandId bar) const {
  const QWidget* w = bar == kCmdToolBar ? static_cast<const QWidget*>(toolBar_) : statusBar();
  return w->isVisibleTo(this);
}

void CMainFrame::ToggleBar(CommandId bar) {
  QWidget* w = bar == kCmdToolBar ? static_cast<QWidget*>(toolBar_) : statusBar();
  w->setVisible(!w->isVisible());
}

void CMainFrame::ShowMessageArea() {
  if (!pointerText_.isEmpty() || !statusText_.isEmpty()) {
    ready_->setText(!pointerText_.isEmpty() ? pointerText_ : statusText_);
    return;
  }
  // The usual text says when the contours drawn stop below the map's top.
  const ViewState& s = view_->state();
  const bool capped = s.m_nStatus == kStatusReady && s.m_nViewMode != k3dMesh && ContourLevelsCapped(s);
  ready_->setText(capped ? QString::fromStdString(FormatText(msg::kLevelsCapped, kMaxContourLevels))
                         : QString(msg::kReady));
}

void CMainFrame::RefreshActions() {
  // The file name of the map shown, in a pane of its own.
  const ViewState& shown = view_->state();
  mapName_->setText(shown.m_bMapValid == 1
                        ? QString::fromLocal8Bit(std::filesystem::path(shown.m_szMapFile).filename().c_str())
                        : QString());
  const CommandContext context = Context();
  for (auto& [id, a] : actions_) {
    const Command* c = FindCommand(static_cast<CommandId>(id));
    if (a->isCheckable()) a->setChecked(IsChecked(*c, context));
    a->setEnabled(IsEnabled(*c, context.s));
  }
  ShowMessageArea();
  if (contextMenu_ != nullptr) {
    for (QAction* item : contextMenu_->actions()) {
      if (item->isSeparator()) continue;
      const Command* c = FindCommand(static_cast<CommandId>(item->data().toInt()));
      item->setChecked(IsChecked(*c, context));
      item->setEnabled(IsEnabled(*c, context.s));
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

// Every dropped file is opened as the document; the first one is loaded (a
// coordinate file as the model) once the drop has finished, so that no
// message box holds up the program it came from. It waits in the drop slot,
// which the view reads and clears.
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
