// The Color Setting dialog and the Set Color command on the real widgets.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <cstring>

#include "dialogs/color_setting_dialog.h"
#include "dialogs/spin_edit.h"
#include "modal.h"
#include "state/view_state.h"
#include "support/recorder.h"

namespace pyk {
namespace {

// What the recording colour picker was asked and answers.
QColor g_pickInitial;
QColor g_pickAnswer;
bool g_pickOk = false;

bool RecordingPicker(QColor initial, QWidget*, QColor* chosen) {
  g_pickInitial = initial;
  if (g_pickOk) *chosen = g_pickAnswer;
  return g_pickOk;
}

// The pixel at p of w as the X server shows it.
QColor OnScreen(QWidget* w, QPoint p) {
  const QPoint at = w->mapTo(w->window(), p);
  return w->screen()->grabWindow(w->window()->winId(), at.x(), at.y(), 1, 1).toImage().pixelColor(0, 0);
}

QPushButton* Button(QWidget& d, const char* name) { return d.findChild<QPushButton*>(QString::fromLatin1(name)); }

TEST(ColorSetting, LineWidthArrowsKeepTheirOwnPosition) {
  // steps > 0 clicks up, < 0 clicks down; key steps with the arrow keys in the edit.
  struct Row {
    float width;
    int openPos;
    const char* openText;
    int steps;
    bool keys;
    int pos;
    const char* text;
  };
  const Row rows[] = {
      {1.0f, 10, "1.0", -1, false, 9, "0.9"},       {0.9f, 8, "0.9", +1, false, 9, "0.9"},
      {2.99f, 29, "3.0", +1, false, 30, "3.0"},     {0.0f, 0, "0.0", -1, false, 0, "0.0"},
      {10.0f, 100, "10.0", +1, false, 100, "10.0"}, {15.0f, 100, "15.0", -1, false, 99, "9.9"},
      {-1.0f, 0, "-1.0", +2, false, 2, "0.2"},      {2.99f, 29, "3.0", -3, true, 26, "2.6"},
      {9.95f, 99, "9.9", +3, true, 100, "10.0"},
  };
  for (const Row& r : rows) {
    CColorSettingDlg d;
    d.m_fLineWidth = r.width;
    d.show();
    EXPECT_EQ(d.m_spinLineWidth->Position(), r.openPos) << r.width;
    EXPECT_EQ(d.m_editLineWidth->text().toStdString(), r.openText) << r.width;
    for (int i = 0; i < std::abs(r.steps); ++i) {
      if (r.keys)
        QTest::keyClick(d.m_editLineWidth, r.steps > 0 ? Qt::Key_Up : Qt::Key_Down);
      else
        QTest::mouseClick(r.steps > 0 ? d.m_spinLineWidth->UpButton() : d.m_spinLineWidth->DownButton(),
                          Qt::LeftButton);
    }
    EXPECT_EQ(d.m_spinLineWidth->Position(), r.pos) << r.width;
    EXPECT_EQ(d.m_editLineWidth->text().toStdString(), r.text) << r.width;
    EXPECT_EQ(d.m_fLineWidth, static_cast<float>(r.pos) / 10.0f) << r.width;
    d.reject();
  }
}

TEST(ColorSetting, OkReadsTheEditWithPercentF) {
  struct Row {
    const char* typed;
    int stepsUp;
    float width;
  };
  const Row rows[] = {
      {"2.5", 0, 2.5f}, {"abc", 0, 1.0f},   {"2.5xyz", 0, 2.5f},    {" 3", 0, 3.0f},
      {"", 0, 1.0f},    {"-4", 0, -4.0f},   {"0", 0, 0.0f},         {"abc", 1, 1.1f},  // the arrow's width stays
      {"", 2, 1.2f},    {"+.5e1", 0, 5.0f}, {"100ergs", 0, 100.0f}, {"x2", 0, 1.0f},
  };
  for (const Row& r : rows) {
    CColorSettingDlg d;
    d.m_fLineWidth = 1.0f;
    d.show();
    for (int i = 0; i < r.stepsUp; ++i) QTest::mouseClick(d.m_spinLineWidth->UpButton(), Qt::LeftButton);
    d.m_editLineWidth->setText(QString::fromLatin1(r.typed));
    QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.m_fLineWidth, r.width) << '"' << r.typed << "\" after " << r.stepsUp << " steps";
  }
}

TEST(ColorSetting, EachButtonPicksItsRowsEntry) {
  struct Row {
    const char* button;
    const char* swatch;
    int entry;
  };
  const Row rows[] = {
      {"buttonFrameColor", "swatch1006", 4},       {"buttonFontColor", "swatch1007", 3},
      {"buttonNegativeColor", "swatch1008", 2},    {"buttonPositiveColor", "swatch1009", 1},
      {"buttonContourBackColor", "swatch1010", 0}, {"buttonMeshColor", "swatch1005", 6},
      {"buttonBackColor", "swatch1011", 7},
  };
  for (const Row& r : rows) {
    CColorSettingDlg d;
    d.m_pfnPickColor = RecordingPicker;
    for (int i = 0; i < 8; ++i) d.m_anRed[i] = d.m_anGreen[i] = d.m_anBlue[i] = 16 * i;
    d.m_anRed[r.entry] = 256 + 5;  // the swatch and the picker see the low 8 bits
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    QWidget* swatch = d.findChild<QWidget*>(QString::fromLatin1(r.swatch));
    ASSERT_NE(swatch, nullptr) << r.swatch;
    EXPECT_EQ(OnScreen(swatch, swatch->rect().center()), QColor(5, 16 * r.entry, 16 * r.entry)) << r.swatch;

    g_pickOk = false;
    QTest::mouseClick(Button(d, r.button), Qt::LeftButton);
    EXPECT_EQ(g_pickInitial, QColor(5, 16 * r.entry, 16 * r.entry)) << r.button;
    EXPECT_EQ(d.m_anRed[r.entry], 256 + 5) << r.button << ": a cancelled pick changes nothing";

    g_pickOk = true;
    g_pickAnswer = QColor(10, 200, 30);
    QTest::mouseClick(Button(d, r.button), Qt::LeftButton);
    for (int i = 0; i < 8; ++i)
      EXPECT_EQ(d.EntryColor(i), i == r.entry ? QColor(10, 200, 30) : QColor(16 * i, 16 * i, 16 * i)) << r.button << i;
    // The window on the screen shows the new colour without any other event.
    QColor shown;
    for (int i = 0; i < 50 && (shown = OnScreen(swatch, swatch->rect().center())) != QColor(10, 200, 30); ++i)
      QTest::qWait(20);
    EXPECT_EQ(shown, QColor(10, 200, 30)) << r.swatch << " repainted";
    EXPECT_EQ(OnScreen(swatch, QPoint(0, 0)), QColor(Qt::black)) << r.swatch << " frame";
    d.reject();
  }
}

TEST(ColorSetting, TheDefaultPickerIsTheColourDialog) {
  for (bool ok : {true, false}) {
    CColorSettingDlg d;
    d.m_anRed[4] = 1, d.m_anGreen[4] = 2, d.m_anBlue[4] = 3;
    d.show();
    test::WhenModal<QColorDialog>([ok](QColorDialog& c) {
      EXPECT_EQ(c.currentColor(), QColor(1, 2, 3));
      c.setCurrentColor(QColor(40, 50, 60));
      ok ? c.accept() : c.reject();
    });
    QTest::mouseClick(Button(d, "buttonFrameColor"), Qt::LeftButton);
    EXPECT_EQ(d.EntryColor(4), ok ? QColor(40, 50, 60) : QColor(1, 2, 3));
    d.reject();
  }
}

TEST(ColorSetting, TextsRowsAndTabOrder) {
  CColorSettingDlg d;
  EXPECT_EQ(d.windowTitle().toStdString(), "Color Setting");
  const char* labels[][2] = {
      {"labelFrameColor", "Frame Color :"},
      {"labelFontColor", "Font Color :"},
      {"labelNegativeColor", "Contour Negative Color :"},
      {"labelPositiveColor", "Contour Positive Color :"},
      {"labelContourBackColor", "Contour Background Color :"},
      {"labelMeshColor", "Mesh Color :"},
      {"labelBackColor", "Background Color :"},
      {"labelLineWidth", "Contour Line Width :"},
  };
  d.show();
  int lastY = -1;
  for (auto& l : labels) {
    auto* label = d.findChild<QLabel*>(QString::fromLatin1(l[0]));
    ASSERT_NE(label, nullptr) << l[0];
    EXPECT_EQ(label->text().toStdString(), l[1]);
    const int y = label->mapTo(&d, QPoint(0, 0)).y();
    EXPECT_GT(y, lastY) << l[0] << " lies below the row before";
    lastY = y;
  }
  EXPECT_GT(d.m_buttonOk->mapTo(&d, QPoint(0, 0)).y(), lastY);
  EXPECT_EQ(d.m_buttonOk->text().toStdString(), "OK");
  EXPECT_EQ(d.m_buttonCancel->text().toStdString(), "Cancel");
  EXPECT_EQ(Button(d, "buttonMeshColor")->text().toStdString(), ".....");
  d.hide();
  const std::vector<std::string> order = {"buttonOk",
                                          "buttonCancel",
                                          "buttonMeshColor",
                                          "buttonFrameColor",
                                          "buttonFontColor",
                                          "buttonNegativeColor",
                                          "buttonPositiveColor",
                                          "buttonContourBackColor",
                                          "buttonBackColor",
                                          "editLineWidth",
                                          "buttonOk"};
  EXPECT_EQ(test::TabVisits(d, 11), order);
}

// A component of the view, its byte in the dialog and its value after OK.
struct Component {
  float value;
  int byte;
  float back;
};
constexpr Component kComponents[8] = {{0.5f, 127, 127 / 255.0f},   {1.0f, 255, 1.0f},       {0.0f, 0, 0.0f},
                                      {0.999f, 254, 254 / 255.0f}, {0.3f, 76, 76 / 255.0f}, {0.33f, 84, 84 / 255.0f},
                                      {-0.1f, -25, -25 / 255.0f},  {0.25f, 63, 63 / 255.0f}};
// Entry i holds components i, i + 1 and i + 2 as red, green and blue.
const Component& At(int entry, int c) { return kComponents[(entry + c) % 8]; }

TEST(ColorSetting, SetColorCommandRoundTripsOnOkOnly) {
  auto s = MakeViewState();
  for (int i = 0; i < 8; ++i)
    for (int c = 0; c < 3; ++c) s->m_afColor[i][c] = At(i, c).value;
  s->m_fLineWidth = 1.0f;
  float start[8][3];
  std::memcpy(start, s->m_afColor, sizeof start);

  // Cancel and Escape leave the view as it was, bit for bit, and request no repaint.
  test::RecordingPlatform p;
  for (bool escape : {false, true}) {
    test::WhenModal<CColorSettingDlg>([escape](CColorSettingDlg& d) {
      d.m_pfnPickColor = RecordingPicker;
      g_pickOk = true;
      QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("buttonFrameColor")), Qt::LeftButton);
      d.m_editLineWidth->setText(QStringLiteral("7"));
      escape ? QTest::keyClick(&d, Qt::Key_Escape) : QTest::mouseClick(d.m_buttonCancel, Qt::LeftButton);
    });
    OnSetColor(*s, p, nullptr);
    EXPECT_EQ(std::memcmp(s->m_afColor, start, sizeof start), 0);
    EXPECT_EQ(s->m_fLineWidth, 1.0f);
    EXPECT_TRUE(p.events.empty());
  }

  // OK (Return in the edit) without changes: every component of all eight
  // entries, entry 5 included, passes through its truncated byte; one repaint.
  test::WhenModal<CColorSettingDlg>([](CColorSettingDlg& d) {
    for (int i = 0; i < 8; ++i) {
      const int32_t bytes[3] = {d.m_anRed[i], d.m_anGreen[i], d.m_anBlue[i]};
      for (int c = 0; c < 3; ++c) EXPECT_EQ(bytes[c], At(i, c).byte) << "entry " << i << " component " << c;
    }
    QTest::keyClick(d.m_editLineWidth, Qt::Key_Return);
  });
  OnSetColor(*s, p, nullptr);
  for (int i = 0; i < 8; ++i)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(s->m_afColor[i][c], At(i, c).back) << "entry " << i << " component " << c;
  EXPECT_EQ(s->m_fLineWidth, 1.0f);
  EXPECT_EQ(p.events, std::vector<std::string>{"invalidate"});

  // A picked mesh colour and a typed width reach the view; the rest stays as it came back.
  test::WhenModal<CColorSettingDlg>([](CColorSettingDlg& d) {
    d.m_pfnPickColor = RecordingPicker;
    g_pickOk = true;
    g_pickAnswer = QColor(51, 0, 255);
    QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("buttonMeshColor")), Qt::LeftButton);
    d.m_editLineWidth->setText(QStringLiteral("2.5"));
    QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
  });
  OnSetColor(*s, p, nullptr);
  for (int i = 0; i < 8; ++i) {
    const float want[3] = {i == 6 ? 0.2f : At(i, 0).back, i == 6 ? 0.0f : At(i, 1).back, i == 6 ? 1.0f : At(i, 2).back};
    for (int c = 0; c < 3; ++c) EXPECT_EQ(s->m_afColor[i][c], want[c]) << "entry " << i << " component " << c;
  }
  EXPECT_EQ(s->m_fLineWidth, 2.5f);
  EXPECT_EQ(p.events.size(), 2u);
}

}  // namespace
}  // namespace pyk
