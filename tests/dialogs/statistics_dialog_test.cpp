// The Map Statistics dialog on the real widgets, over a shipped sample loaded
// as the viewer loads it, and its command's enabled state.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "dialogs/map_statistics_dialog.h"
#include "engine/command_table.h"
#include "map/reader.h"
#include "support/files.h"
#include "support/maps.h"

namespace pyk::test {
namespace {

TEST(MapStatisticsDialog, ShowsTheLoadedMapsValuesAndClosesWithOk) {
  auto s = FreshState();
  const Command* command = FindCommand(kCmdMapStatistics);
  ASSERT_NE(command, nullptr);
  EXPECT_FALSE(IsEnabled(*command, *s)) << "no map yet";
  RecordingPlatform p;
  std::strcpy(s->m_szMapFile, DataFile("aspirin.fou").c_str());
  ASSERT_EQ(LoadMap(*s, p), 0);
  EXPECT_TRUE(IsEnabled(*command, *s));

  CMapStatisticsDlg dlg(s->m_stats, s->m_szMapFile);
  EXPECT_EQ(dlg.windowTitle(), "Map Statistics");
  EXPECT_EQ(dlg.m_stcMap->text(), "aspirin.fou");
  const char* values[] = {"3.40683e-06", "1.59074", "-0.454584", "50.7822", "100352"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(dlg.m_stcValue[i]->text().toStdString(), values[i]) << i;
  dlg.show();
  QTest::mouseClick(dlg.m_buttonOk, Qt::LeftButton);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_FALSE(dlg.isVisible());
}

}  // namespace
}  // namespace pyk::test
