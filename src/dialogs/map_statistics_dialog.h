// The Map Statistics dialog: mean, sigma, minimum, maximum and grid points of
// the loaded map over its whole cell, shown read-only with OK.
#pragma once

#include <QDialog>

#include "state/view_state.h"

class QLabel;
class QPushButton;

namespace pyk {

class CMapStatisticsDlg : public QDialog {
  Q_OBJECT

 public:
  CMapStatisticsDlg(const MapStatistics& st, const char* mapFile, QWidget* parent = nullptr);

  QLabel* m_stcMap;
  QLabel* m_stcValue[5];  // mean, sigma, min, max, points
  QPushButton* m_buttonOk;
};

// Shows the statistics of the map held by s modally.
void ShowMapStatisticsDialog(const ViewState& s, QWidget* parent);

}  // namespace pyk
