// The Map Statistics dialog: a grid of names, values and units under the map's file name.
#include "dialogs/map_statistics_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <filesystem>

#include "dialogs/dialog_layout.h"
#include "dialogs/dialog_messages.h"
#include "dialogs/numbers.h"

namespace pyk {

CMapStatisticsDlg::CMapStatisticsDlg(const MapStatistics& st, const char* mapFile, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QString::fromLatin1(dlg::kStatisticsCaption));
  auto* grid = new QGridLayout(this);
  const std::string name = std::filesystem::path(mapFile).filename().string();
  m_stcMap = MakeLabel(this, "", "stcMap", 120);
  m_stcMap->setText(QString::fromLocal8Bit(name.c_str()));
  grid->addWidget(m_stcMap, 0, 0, 1, 3);
  const double values[4] = {st.mean, st.sigma, st.min, st.max};
  static const char* const kNames[5] = {"stcMean", "stcSigma", "stcMin", "stcMax", "stcPoints"};
  for (int i = 0; i < 5; ++i) {
    grid->addWidget(MakeLabel(this, dlg::kStatisticsNames[i], "", 80), i + 1, 0);
    m_stcValue[i] = MakeLabel(this, "", kNames[i], 50);
    m_stcValue[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_stcValue[i]->setText(i < 4 ? FormatFloat(dlg::kStatisticFormat, values[i])
                                 : FormatInt(dlg::kStatisticsPointsFormat, static_cast<int>(st.points)));
    grid->addWidget(m_stcValue[i], i + 1, 1);
    if (i < 4) grid->addWidget(MakeLabel(this, dlg::kStatisticsUnit, "", 24), i + 1, 2);
  }
  m_buttonOk = MakeButton(this, dlg::kOk, "buttonOk", 50, 14);
  m_buttonOk->setDefault(true);
  connect(m_buttonOk, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(m_buttonOk, 6, 0, 1, 3, Qt::AlignHCenter);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  m_buttonOk->setFocus();
}

void ShowMapStatisticsDialog(const ViewState& s, QWidget* parent) {
  CMapStatisticsDlg dlg(s.m_stats, s.m_szMapFile, parent);
  dlg.exec();
}

}  // namespace pyk
