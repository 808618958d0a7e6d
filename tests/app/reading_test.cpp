// Reading the map in the real window: the density under the pointer in the
// status bar, and the Peak List command from its dialog to the marks on the
// map and the list beside the report.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "dialogs/peak_list_dialog.h"
#include "map/reader.h"
#include "map/section.h"
#include "render/gl.h"
#include "support/modal.h"
#include "viewer_fixture.h"

namespace pyk::test {
namespace {

// Over the map the message area shows the reading under the pointer; off it, "Ready".
TEST(Reading, ThePointersReadingComesAndGoesInTheMessageArea) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  QLabel* message = v.frame->messagePane();
  v.Picture();
  EXPECT_EQ(message->text(), "Ready");
  Send(v.view, QEvent::MouseMove, v.view->rect().center(), Qt::NoButton, Qt::NoButton);
  const std::string text = message->text().toStdString();
  EXPECT_EQ(text.rfind("x ", 0), 0u) << text;
  EXPECT_NE(text.find("  y 0.000  z "), std::string::npos) << text << ": section 0 of (0 k 0)";
  EXPECT_NE(text.find(" sigma)"), std::string::npos) << text;
  Send(v.view, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);  // the window's corner is off the map
  EXPECT_EQ(message->text(), "Ready");
}

// Peak List takes the dialog's threshold and scope, writes and opens the list
// beside the report, and marks peak 1 on its section in the font colour.
TEST(Reading, PeakListMarksThePeaksAndOpensTheListBesideTheReport) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  ASSERT_TRUE(v.frame->action(kCmdPeakList)->isEnabled());
  WhenModal<CPeakListDlg>([](CPeakListDlg& d) {
    EXPECT_EQ(d.m_editThreshold->text(), "3.0");
    d.m_editThreshold->setText("3.5");
    d.m_checkWholeMap->setChecked(true);
    QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
  });
  v.Trigger(kCmdPeakList);
  ViewState& s = v.state();
  ASSERT_EQ(s.m_vPeaks.size(), 13u);
  EXPECT_TRUE(s.m_peakSearch.wholeMap);
  EXPECT_EQ(s.m_peakSearch.threshold, 3.5);
  EXPECT_EQ(v.desktop.Count("viewer:aspirin.peaks"), 1) << "beside the report aspirin.fmap";
  const std::string text = ReadText(v.dir.File("aspirin.peaks"));
  EXPECT_NE(text.find("# search: the whole cell\n# threshold 3.50 sigma"), std::string::npos) << text;
  EXPECT_NE(text.find("\n13 "), std::string::npos) << text;

  // Peak 1 is on some section y = k / 32: go there and find its cross in the font colour.
  const int k = static_cast<int>(std::lround(s.m_vPeaks[0].frac[1] * 32)) % 32;
  s.m_anSectionIndex[kPlane0K0] = s.m_nSection = k;
  ComputeSection(s);
  v.view->update();
  const QImage picture = v.Picture();
  double u, w;
  ASSERT_TRUE(FractionOnSection(s, s.m_vPeaks[0].frac, &u, &w));
  const MapView& m = s.m_mapView;
  const auto& g = s.m_afSectionXYZ;
  const double x = g[0][0][0] + u * (g[1][0][0] - g[0][0][0]) + w * (g[0][1][0] - g[0][0][0]);
  const double y = g[0][0][1] + u * (g[1][0][1] - g[0][0][1]) + w * (g[0][1][1] - g[0][0][1]);
  double wx, wy, wz;
  ASSERT_TRUE(gluProject(x, y, 0.0, m.modelview, m.projection, m.viewport, &wx, &wy, &wz));
  const double dpr = picture.devicePixelRatio();
  int font = 0;
  for (int d = 3; d <= 6; ++d) {  // along the cross's horizontal arm, away from the contours' own pixels
    const QColor c = picture.pixelColor(static_cast<int>(wx / dpr) + d, static_cast<int>((m.viewport[3] - wy) / dpr));
    font += c.red() < 40 && c.green() < 40 && c.blue() < 40;
  }
  EXPECT_GE(font, 3) << "the font colour (black) along the cross's arm";

  // A new load drops the list and its marks.
  ASSERT_EQ(LoadMap(s, v.desktop), 0);
  EXPECT_TRUE(s.m_vPeaks.empty());
}

// The status bar names the map; the second column of a two-column map shows
// its own densities on the same section, and a one-column map has no choice.
TEST(Reading, TheMapsNameAndTheDensityColumnOfATwoColumnMap) {
  Viewer v({"aspirin-two.den", "aspirin-two.dmap", "aspirin-two.con"});
  ViewState& s = v.state();
  const QLabel* name = v.frame->statusBar()->findChild<QLabel*>("paneMap");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->text(), "aspirin-two.den");
  ASSERT_TRUE(v.frame->action(kCmdSecondColumn)->isEnabled());
  EXPECT_TRUE(v.frame->action(kCmdFirstColumn)->isChecked());
  v.Trigger(kCmdSectionUp);
  v.Trigger(kCmdSectionUp);
  v.Trigger(kCmdSecondColumn);
  EXPECT_EQ(s.m_nColumn, 1);
  EXPECT_TRUE(v.frame->action(kCmdSecondColumn)->isChecked());
  EXPECT_FALSE(v.frame->action(kCmdFirstColumn)->isChecked());
  // The second column's range and sigma, on the same section.
  EXPECT_FLOAT_EQ(s.m_fMinDensity, -24.701658f);
  EXPECT_FLOAT_EQ(s.m_fMaxDensity, 23.351789f);
  EXPECT_NEAR(s.m_stats.sigma, 0.468793, 1e-6);
  EXPECT_EQ(s.m_nSection, 2) << "the same section stays shown";
  EXPECT_EQ(s.m_anSectionIndex[s.m_nPlane], 2);
  v.Trigger(kCmdFirstColumn);
  EXPECT_FLOAT_EQ(s.m_fMaxDensity, 50.782249f);  // the first column's again

  // A one-column map has no column to choose.
  ASSERT_EQ(LoadMap(s, v.desktop, LoadRequest{"aspirin.fou"}), 0);
  v.frame->RefreshActions();
  EXPECT_FALSE(v.frame->action(kCmdSecondColumn)->isEnabled());
  EXPECT_EQ(name->text(), "aspirin.fou");
}

}  // namespace
}  // namespace pyk::test
