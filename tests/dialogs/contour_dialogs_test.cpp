// The Contour Separation and Contour Conditions dialogs and their callers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdlib>

#include "dialogs/contour_conditions_dialog.h"
#include "dialogs/contour_separation_dialog.h"
#include "dialogs/spin_edit.h"
#include "modal.h"
#include "state/view_state.h"
#include "support/recorder.h"

namespace pyk {
namespace {

TEST(ContourSeparation, OpeningAndArrows) {
  // steps > 0 clicks up, < 0 clicks down.
  struct Row {
    float separation;
    int openPos;
    const char* openText;
    int steps;
    int pos;
    const char* text;
  };
  const Row rows[] = {
      {0.5f, 50, "  0.50", +1, 51, "  0.51"},        {0.35f, 34, "  0.35", +1, 35, "  0.35"},
      {0.35f, 34, "  0.35", -1, 33, "  0.33"},       {150.0f, 10000, "150.00", +1, 10000, "100.00"},
      {150.0f, 10000, "150.00", -2, 9998, " 99.98"}, {0.0f, 0, "  0.00", -1, 0, "  0.00"},
      {-2.0f, 0, " -2.00", +1, 1, "  0.01"},
  };
  for (const Row& r : rows) {
    CContourSeparationDlg d;
    d.m_fSeparation = r.separation;
    EXPECT_EQ(d.m_stcMinDensity->text().toStdString(), "........");
    EXPECT_EQ(d.m_stcMaxDensity->text().toStdString(), "......");
    d.show();
    EXPECT_EQ(d.m_spinSeparation->Position(), r.openPos) << r.separation;
    EXPECT_EQ(d.m_editSeparation->text().toStdString(), r.openText) << r.separation;
    for (int i = 0; i < std::abs(r.steps); ++i)
      QTest::mouseClick(r.steps > 0 ? d.m_spinSeparation->UpButton() : d.m_spinSeparation->DownButton(),
                        Qt::LeftButton);
    EXPECT_EQ(d.m_editSeparation->text().toStdString(), r.text) << r.separation << " after " << r.steps;
    EXPECT_EQ(d.m_fSeparation, static_cast<float>(r.pos) / 100.0f) << r.separation << " after " << r.steps;
    d.reject();
  }
}

TEST(ContourSeparation, CommandTakesTheTypedSeparationOnOk) {
  struct Row {
    const char* typed;  // nullptr: Cancel
    float step;
    size_t repaints;
  };
  const Row rows[] = {
      {"1.5abc", 1.5f, 1}, {"abc", 0.5f, 1}, {"", 0.5f, 1}, {" 0", 0.0f, 1}, {"-3", -3.0f, 1}, {nullptr, 0.5f, 0},
  };
  for (const Row& r : rows) {
    auto s = MakeViewState();
    s->m_fContourStep = 0.5f;
    s->m_fMinDensity = -1.234f;
    s->m_fMaxDensity = 12.345f;
    s->m_bMapValid = 1;
    test::RecordingPlatform p;
    test::WhenModal<CContourSeparationDlg>([&r](CContourSeparationDlg& d) {
      EXPECT_EQ(d.m_stcMinDensity->text().toStdString(), "  -1.23");
      EXPECT_EQ(d.m_stcMaxDensity->text().toStdString(), "  12.35");
      d.m_editSeparation->setText(QString::fromLatin1(r.typed != nullptr ? r.typed : "9"));
      QTest::mouseClick(r.typed != nullptr ? d.m_buttonOk : d.m_buttonCancel, Qt::LeftButton);
    });
    OnContourSeparation(*s, p, nullptr);
    EXPECT_EQ(s->m_fContourStep, r.step) << (r.typed ? r.typed : "Cancel");
    EXPECT_EQ(s->m_fMinDensity, -1.234f);
    EXPECT_EQ(s->m_fMaxDensity, 12.345f);
    EXPECT_EQ(p.events.size(), r.repaints) << (r.typed ? r.typed : "Cancel");
  }
}

TEST(ContourSeparation, TextsAndTabOrder) {
  CContourSeparationDlg d;
  EXPECT_EQ(d.windowTitle().toStdString(), "Contour Separation");
  std::vector<std::string> texts;
  for (QLabel* l : d.findChildren<QLabel*>()) texts.push_back(l->text().toStdString());
  const std::vector<std::string> want = {
      "Minimum Density :", "........", "e/A^3", "Maximum Density :", "......", "e/A^3", "Separation value :", "e/A^3"};
  EXPECT_EQ(texts, want);
  EXPECT_EQ(test::TabVisits(d, 4),
            (std::vector<std::string>{"buttonOk", "buttonCancel", "editSeparation", "buttonOk"}));
}

TEST(ContourConditions, OkNeedsBothEdits) {
  struct Row {
    const char* f000;
    const char* division;
    bool closes;
    float wantF000;
    int wantDivision;
  };
  const Row rows[] = {
      {"", "5", false, 0, 0},          {"10", "", false, 0, 0},         {"", "", false, 0, 0},
      {"10", "12.7", true, 10.0f, 12}, {"letters", "3", true, 0.0f, 3}, {" 1.5e2 ", "-4x", true, 150.0f, -4},
      {" ", " ", true, 0.0f, 0},
  };
  for (const Row& r : rows) {
    float f000 = 7.5f;
    int levels = 9;
    bool asked = false;
    test::WhenModal<CContourConditionsDlg>([&](CContourConditionsDlg& d) {
      EXPECT_EQ(d.m_editF000->text().toStdString(), "   7.50");
      EXPECT_EQ(d.m_editDivision->text().toStdString(), "  9");
      d.m_editF000->setText(QString::fromLatin1(r.f000));
      d.m_editDivision->setText(QString::fromLatin1(r.division));
      QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
      EXPECT_EQ(d.isVisible(), !r.closes) << r.f000 << "|" << r.division;
      if (d.isVisible()) QTest::keyClick(&d, Qt::Key_Escape);
    });
    asked = AskContourConditionsDialog(nullptr, f000, levels);
    EXPECT_EQ(asked, r.closes) << r.f000 << "|" << r.division;
    EXPECT_EQ(f000, r.closes ? r.wantF000 : 7.5f) << r.f000 << "|" << r.division;
    EXPECT_EQ(levels, r.closes ? r.wantDivision : 9) << r.f000 << "|" << r.division;
  }
}

TEST(ContourConditions, CancelKeepsTheValuesAndTextsAndTabOrder) {
  float f000 = 123.456f;
  int levels = 20;
  test::WhenModal<CContourConditionsDlg>([](CContourConditionsDlg& d) {
    EXPECT_EQ(d.m_editF000->text().toStdString(), " 123.46");
    EXPECT_EQ(d.m_editDivision->text().toStdString(), " 20");
    d.m_editF000->setText(QStringLiteral("1"));
    QTest::mouseClick(d.m_buttonCancel, Qt::LeftButton);
  });
  EXPECT_FALSE(AskContourConditionsDialog(nullptr, f000, levels));
  EXPECT_EQ(f000, 123.456f);
  EXPECT_EQ(levels, 20);

  CContourConditionsDlg d;
  EXPECT_EQ(d.windowTitle().toStdString(), "Contour Conditions");
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("labelF000"))->text().toStdString(), "F(000) :");
  EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("labelDivision"))->text().toStdString(), "Division for Height :");
  EXPECT_EQ(test::TabVisits(d, 5),
            (std::vector<std::string>{"buttonOk", "buttonCancel", "editF000", "editDivision", "buttonOk"}));
}

}  // namespace
}  // namespace pyk
