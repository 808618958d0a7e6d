// Mouse drags on the real view: the transform moves by the drag arithmetic,
// the right button always zooms and its release opens the context menu.
#include <gtest/gtest.h>

#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include "viewer_fixture.h"

namespace pyk::test {
namespace {

// Sends one mouse event with an explicit button state, as the window system does.
void Send(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
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

TEST(Mouse, LeftDragsFollowTheMouseModeAndRightDragsZoom) {
  const struct {
    const char* what;
    CommandId mode;
    Qt::MouseButton button;
    QPoint from, to;
    float rotX, rotY, transX, transY, transZ;
  } rows[] = {
      {"rotation 500 px down", kCmdRotation, Qt::LeftButton, {100, 10}, {100, 510}, 180, 0, 0, 0, 0},
      {"rotation 100 px right", kCmdRotation, Qt::LeftButton, {100, 100}, {200, 100}, 0, 36, 0, 0, 0},
      {"translation 100 px right", kCmdTranslation, Qt::LeftButton, {100, 300}, {200, 300}, 0, 0, 1, 0, 0},
      {"translation 100 px up", kCmdTranslation, Qt::LeftButton, {100, 300}, {100, 200}, 0, 0, 0, 1, 0},
      {"zoom up and right by 10", kCmdZoom, Qt::LeftButton, {100, 100}, {110, 90}, 0, 0, 0, 0, 2},
      {"right drag in rotation mode zooms", kCmdRotation, Qt::RightButton, {100, 100}, {130, 100}, 0, 0, 0, 0, 3},
      {"right drag in translation mode zooms", kCmdTranslation, Qt::RightButton, {100, 100}, {100, 150}, 0, 0, 0,
       0, -5},
  };
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
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
}

TEST(Mouse, DragsEndByEitherReleaseOrALostGrab) {
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
  MenuWatch menu(v.frame->contextMenu());
  ViewState& s = v.state();
  // Left, then right, then releasing left ends the drag while right is held.
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseButtonPress, {50, 50}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  Send(v.view, QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton, Qt::RightButton);
  EXPECT_EQ(s.m_nMouseButton, 0);
  Send(v.view, QEvent::MouseMove, {90, 90}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(s.m_fTransZ, 0.0f);
  EXPECT_EQ(menu.shown, 0);
  Send(v.view, QEvent::MouseButtonRelease, {90, 90}, Qt::RightButton, Qt::NoButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(menu.shown, 1);
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

TEST(Mouse, AnglesWrapOncePerStep) {
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
  ViewState& s = v.state();
  s.m_fRotY = 359.0f;
  // 2 degrees is 2 * 500 / 180 pixels; 5.556 px is not whole, so use the arithmetic's own step.
  Send(v.view, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseMove, {10, 0}, Qt::NoButton, Qt::LeftButton);  // +3.6 degrees
  EXPECT_NEAR(s.m_fRotY, 359.0f + 3.6f - 360.0f, 1e-3);
  Send(v.view, QEvent::MouseButtonRelease, {10, 0}, Qt::LeftButton, Qt::NoButton);
}

TEST(Mouse, RotationShowsOnlyIn3DContourMode) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  const QImage flat = v.Picture();
  Send(v.view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseMove, {100, 200}, Qt::NoButton, Qt::LeftButton);
  Send(v.view, QEvent::MouseButtonRelease, {100, 200}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(v.Picture(), flat);  // Contour mode ignores the rotation
  v.Trigger(kCmd3dContour);
  const QImage turned = v.Picture();
  v.state().m_fRotX = 0;
  v.view->update();
  EXPECT_NE(v.Picture(), turned);
}

}  // namespace
}  // namespace pyk::test
