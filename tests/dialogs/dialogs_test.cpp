// The Color Setting, Contour Separation, Contour Conditions, Map Statistics
// and version dialogs on the real widgets, driven by keys and clicks, with
// their commands; a recorder stands in for the view's platform.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <ostream>

#include "dialogs/about_dialog.h"
#include "dialogs/color_setting_dialog.h"
#include "dialogs/contour_conditions_dialog.h"
#include "dialogs/contour_separation_dialog.h"
#include "dialogs/map_statistics_dialog.h"
#include "dialogs/numbers.h"
#include "dialogs/spin_edit.h"
#include "engine/command_table.h"
#include "state/view_state.h"
#include "support/maps.h"
#include "support/modal.h"
#include "support/recorder.h"

// Colours in failure messages as r,g,b.
inline void PrintTo(const QColor& c, std::ostream* os) { *os << c.red() << ',' << c.green() << ',' << c.blue(); }

namespace pyk {
namespace {

// Shows dlg, waits until it has the keyboard and returns the object names
// of the focus widget and of count - 1 more widgets that Tab moves to.
std::vector<std::string> TabVisits(QDialog& dlg, int count) {
  std::vector<std::string> names;
  dlg.show();
  dlg.activateWindow();
  if (!QTest::qWaitForWindowActive(&dlg)) {
    ADD_FAILURE() << "the dialog never became active";
    return names;
  }
  for (int i = 0; i < count; ++i) {
    QWidget* w = QApplication::focusWidget();
    names.push_back(w != nullptr ? w->objectName().toStdString() : std::string("(none)"));
    QTest::keyClick(w != nullptr ? w : &dlg, Qt::Key_Tab);
  }
  dlg.hide();
  return names;
}

// atoi, atof and sscanf "%f" (which leaves the value alone without a number).
TEST(Numbers, AtoiAtofSscanfAndTruncationAtTheLimits) {
  const struct {
    const char* text;
    int32_t n;
    float f;
    float scanned;  // from 7
  } rows[] = {{"  -3x", -3, -3.0f, -3.0f},      {"1.5e2", 1, 150.0f, 150.0f},     {"+42", 42, 42.0f, 42.0f},
              {"+.5e1", 0, 5.0f, 5.0f},        {"100ergs", 100, 100.0f, 100.0f}, {"abc", 0, 0.0f, 7.0f},
              {"x2", 0, 0.0f, 7.0f},           {"", 0, 0.0f, 7.0f},
              {"99999999999", INT_MAX, 99999999999.0f, 99999999999.0f},
              {"-99999999999", INT_MIN, -99999999999.0f, -99999999999.0f}};
  for (const auto& r : rows) {
    EXPECT_EQ(TextToInt(QString::fromLatin1(r.text)), r.n) << r.text;
    EXPECT_EQ(TextToFloat(QString::fromLatin1(r.text)), r.f) << r.text;
    float scanned = 7.0f;
    EXPECT_EQ(ScanFloat(QString::fromLatin1(r.text), &scanned), r.scanned != 7.0f) << r.text;
    EXPECT_EQ(scanned, r.scanned) << r.text;
  }
  EXPECT_EQ(TruncateToInt(-10.5), -10);
  EXPECT_EQ(TruncateToInt(3e9), INT_MIN);
  EXPECT_EQ(TruncateToInt(std::numeric_limits<double>::quiet_NaN()), INT_MIN);
}

// The line width's arrows step tenths, the separation's hundredths; each keeps
// its own position, clamped to 0..100 and 0..10000, and the edit shows it.
TEST(Dialogs, ArrowsKeepTheirOwnPosition) {
  const struct {
    bool separation;
    float start;
    int openPos;
    const char* openText;
    int steps;  // > 0 up, < 0 down
    bool keys;  // the arrow keys in the edit instead of the buttons
    int pos;
    const char* text;
  } rows[] = {
      {false, 1.0f, 10, "1.0", -1, false, 9, "0.9"},       {false, 0.9f, 8, "0.9", +1, false, 9, "0.9"},
      {false, 2.99f, 29, "3.0", +1, false, 30, "3.0"},     {false, 0.0f, 0, "0.0", -1, false, 0, "0.0"},
      {false, 15.0f, 100, "15.0", -1, false, 99, "9.9"},   {false, -1.0f, 0, "-1.0", +2, false, 2, "0.2"},
      {false, 2.99f, 29, "3.0", -3, true, 26, "2.6"},      {false, 9.95f, 99, "9.9", +3, true, 100, "10.0"},
      {true, 0.5f, 50, "  0.50", +1, false, 51, "  0.51"}, {true, 0.35f, 34, "  0.35", +1, false, 35, "  0.35"},
      {true, 150.0f, 10000, "150.00", -2, false, 9998, " 99.98"},
      {true, -2.0f, 0, " -2.00", +1, false, 1, "  0.01"},
  };
  for (const auto& r : rows) {
    CColorSettingDlg color;
    CContourSeparationDlg separation;
    QDialog& d = r.separation ? static_cast<QDialog&>(separation) : color;
    float& value = r.separation ? separation.m_fSeparation : color.m_fLineWidth;
    SpinEdit* spin = r.separation ? separation.m_spinSeparation : color.m_spinLineWidth;
    QLineEdit* edit = r.separation ? separation.m_editSeparation : color.m_editLineWidth;
    value = r.start;
    d.show();
    const std::string what = std::string(r.separation ? "separation " : "width ") + std::to_string(r.start);
    EXPECT_EQ(spin->Position(), r.openPos) << what;
    EXPECT_EQ(edit->text().toStdString(), r.openText) << what;
    for (int i = 0; i < std::abs(r.steps); ++i) {
      if (r.keys) QTest::keyClick(edit, r.steps > 0 ? Qt::Key_Up : Qt::Key_Down);
      if (!r.keys) QTest::mouseClick(r.steps > 0 ? spin->UpButton() : spin->DownButton(), Qt::LeftButton);
    }
    EXPECT_EQ(spin->Position(), r.pos) << what << " after " << r.steps;
    EXPECT_EQ(edit->text().toStdString(), r.text) << what << " after " << r.steps;
    EXPECT_EQ(value, static_cast<float>(r.pos) / (r.separation ? 100.0f : 10.0f)) << what << " after " << r.steps;
    d.reject();
  }
}

// Every dialog's caption and texts and the order Tab walks from the focus (the
// range's and sigma's placeholders and the unit are checked with the command).
TEST(Dialogs, TextsAndTabOrder) {
  CColorSettingDlg color;
  CContourSeparationDlg separation;
  CContourConditionsDlg conditions;
  CAboutDlg about{QIcon()};
  struct Text {
    const char* name;
    const char* text;
  };
  const struct {
    QDialog* d;
    const char* title;
    std::vector<Text> texts;
    std::vector<std::string> tabs;
  } rows[] = {
      {&color,
       "Color Setting",
       {{"labelFrameColor", "Frame Color :"}, {"labelFontColor", "Font Color :"},
        {"labelNegativeColor", "Contour Negative Color :"}, {"labelPositiveColor", "Contour Positive Color :"},
        {"labelContourBackColor", "Contour Background Color :"}, {"labelMeshColor", "Mesh Color :"},
        {"labelBackColor", "Background Color :"}, {"labelLineWidth", "Contour Line Width :"},
        {"buttonMeshColor", "....."}, {"buttonOk", "OK"}, {"buttonCancel", "Cancel"}},
       {"buttonOk", "buttonCancel", "buttonMeshColor", "buttonFrameColor", "buttonFontColor", "buttonNegativeColor",
        "buttonPositiveColor", "buttonContourBackColor", "buttonBackColor", "editLineWidth", "buttonOk"}},
      {&separation,
       "Contour Separation",
       {{"labelMinDensity", "Minimum Density :"},
        {"labelMinUnit", "e/A^3"},
        {"labelMaxDensity", "Maximum Density :"},
        {"labelMaxUnit", "e/A^3"},
        {"labelSeparation", "Separation value :"},
        {"labelSigma", "Map sigma :"},
        {"checkInSigma", "Separation in sigma (&S)"},
        {"checkSymmetric", "Levels symmetric about zero (&Z)"},
        {"checkDashed", "Dashed negative contours (&D)"},
        {"buttonPreset", "+/-3 sigma (&3)"}},
       // Without a map's sigma its box and the preset are disabled and left out.
       {"buttonOk", "buttonCancel", "editSeparation", "checkSymmetric", "checkDashed", "buttonOk"}},
      {&conditions,
       "Contour Conditions",
       {{"labelF000", "F(000) :"}, {"labelDivision", "Division for Height :"}},
       {"buttonOk", "buttonCancel", "editF000", "editDivision", "buttonOk"}},
      {&about, "Version of Pyknoscope", {{"stcVersion", "Pyknoscope Version 1.0"}}, {"buttonOk", "buttonOk"}},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.d->windowTitle().toStdString(), r.title);
    for (const Text& t : r.texts) {
      QWidget* w = r.d->findChild<QWidget*>(QString::fromLatin1(t.name));
      ASSERT_NE(w, nullptr) << r.title << ": " << t.name;
      const auto* label = qobject_cast<QLabel*>(w);
      const auto* button = qobject_cast<QAbstractButton*>(w);
      EXPECT_EQ((label != nullptr ? label->text() : button->text()).toStdString(), t.text) << r.title << ": " << t.name;
    }
    EXPECT_EQ(TabVisits(*r.d, static_cast<int>(r.tabs.size())), r.tabs) << r.title;
  }
}

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

TEST(ColorSetting, EachButtonPicksItsRowsEntry) {
  const struct {
    const char* button;
    const char* swatch;
    int entry;
  } rows[] = {
      {"buttonFrameColor", "swatch1006", 4},       {"buttonFontColor", "swatch1007", 3},
      {"buttonNegativeColor", "swatch1008", 2},    {"buttonPositiveColor", "swatch1009", 1},
      {"buttonContourBackColor", "swatch1010", 0}, {"buttonMeshColor", "swatch1005", 6},
      {"buttonBackColor", "swatch1011", 7},
  };
  for (const auto& r : rows) {
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
  CColorSettingDlg d;
  d.m_anRed[4] = 1, d.m_anGreen[4] = 2, d.m_anBlue[4] = 3;
  d.show();
  WhenModal<QColorDialog>([](QColorDialog& c) {
    EXPECT_EQ(c.currentColor(), QColor(1, 2, 3));
    c.setCurrentColor(QColor(40, 50, 60));
    c.accept();
  });
  QTest::mouseClick(Button(d, "buttonFrameColor"), Qt::LeftButton);
  EXPECT_EQ(d.EntryColor(4), QColor(40, 50, 60));
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

// Cancel leaves the view as it was and requests no repaint. OK (Return in the
// edit or the button) passes every component of all eight entries through its
// truncated byte, takes a picked colour and the width sscanf finds in the text
// (none: the arrow's width stays), and repaints once.
TEST(ColorSetting, SetColorCommandRoundTripsOnOkOnly) {
  enum Close { kCancel, kReturn, kOk };
  const struct {
    Close close;
    const char* pick;  // the button whose picker answers 51, 0, 255, or null
    int entry;         // the entry it sets
    bool arrowUp;
    const char* typed;
    float width;
  } rows[] = {
      {kCancel, "buttonFrameColor", 4, true, "7", 1.0f},
      {kReturn, nullptr, -1, true, "abc", 1.1f},
      {kOk, "buttonMeshColor", 6, false, "2.5xyz", 2.5f},
  };
  for (const auto& r : rows) {
    auto s = MakeViewState();
    for (int i = 0; i < 8; ++i)
      for (int c = 0; c < 3; ++c) s->m_afColor[i][c] = At(i, c).value;
    s->m_fLineWidth = 1.0f;
    test::RecordingPlatform p;
    WhenModal<CColorSettingDlg>([&r](CColorSettingDlg& d) {
      for (int i = 0; i < 8; ++i) {
        const int32_t bytes[3] = {d.m_anRed[i], d.m_anGreen[i], d.m_anBlue[i]};
        for (int c = 0; c < 3; ++c) EXPECT_EQ(bytes[c], At(i, c).byte) << "entry " << i << " component " << c;
      }
      d.m_pfnPickColor = RecordingPicker;
      g_pickOk = true;
      g_pickAnswer = QColor(51, 0, 255);
      if (r.pick != nullptr) QTest::mouseClick(Button(d, r.pick), Qt::LeftButton);
      if (r.arrowUp) QTest::mouseClick(d.m_spinLineWidth->UpButton(), Qt::LeftButton);
      d.m_editLineWidth->setText(QString::fromLatin1(r.typed));
      if (r.close == kReturn) QTest::keyClick(d.m_editLineWidth, Qt::Key_Return);
      if (r.close != kReturn) QTest::mouseClick(r.close == kOk ? d.m_buttonOk : d.m_buttonCancel, Qt::LeftButton);
    });
    OnSetColor(*s, p, nullptr);
    const float picked[3] = {0.2f, 0.0f, 1.0f};
    for (int i = 0; i < 8; ++i) {
      for (int c = 0; c < 3; ++c) {
        const float want = r.close == kCancel ? At(i, c).value : i == r.entry ? picked[c] : At(i, c).back;
        EXPECT_EQ(s->m_afColor[i][c], want) << r.typed << ": entry " << i << " component " << c;
      }
    }
    EXPECT_EQ(s->m_fLineWidth, r.width) << r.typed;
    EXPECT_EQ(p.events, std::vector<std::string>(r.close == kCancel ? 0 : 1, "invalidate")) << r.typed;
  }
}

// The range shows the map's densities, or its placeholders before any map;
// with sigma known the separation may be typed in sigma, and the difference
// map's picture is two steps away: the command, then the preset.
TEST(ContourSeparation, CommandTakesTheTypedSeparationOnOk) {
  enum Click { kOk, kCancel, kPreset };
  const struct {
    const char* typed;
    bool map, inSigma;
    Click click;
    float step;
    size_t repaints;
    const char* unit;
    LevelOptions options;
  } rows[] = {
      {"1.5abc", true, false, kOk, 1.5f, 1, "e/A^3", {}},
      {"abc", true, false, kOk, 0.5f, 1, "e/A^3", {}},
      {" 0", true, false, kOk, 0.0f, 1, "e/A^3", {}},
      {"9", false, false, kCancel, 0.5f, 0, "e/A^3", {}},
      {"1.0", true, true, kOk, 2.0f, 1, "sigma", {true, false, false}},  // sigma 2
      {"9", true, false, kPreset, 6.0f, 1, "sigma", {true, true, true}},
  };
  for (const auto& r : rows) {
    auto s = MakeViewState();
    s->m_fContourStep = 0.5f;
    s->m_fMinDensity = -1.234f;
    s->m_fMaxDensity = 12.345f;
    s->m_bMapValid = r.map;
    s->m_stats = {0.0, 2.0, -1.234, 12.345, 1000};
    test::RecordingPlatform p;
    WhenModal<CContourSeparationDlg>([&r](CContourSeparationDlg& d) {
      EXPECT_EQ(d.m_stcMinDensity->text().toStdString(), r.map ? "  -1.23" : "........");
      EXPECT_EQ(d.m_stcMaxDensity->text().toStdString(), r.map ? "  12.35" : "......");
      EXPECT_EQ(d.m_stcSigma->text().toStdString(), r.map ? "   2.00" : "......");
      EXPECT_EQ(d.m_checkInSigma->isEnabled(), r.map);
      if (r.inSigma) {
        QTest::mouseClick(d.m_checkInSigma, Qt::LeftButton, {}, QPoint(4, d.m_checkInSigma->height() / 2));
        EXPECT_EQ(d.m_editSeparation->text().toStdString(), "  0.25");  // 0.5 in sigma
      }
      d.m_editSeparation->setText(QString::fromLatin1(r.typed));
      QTest::mouseClick(r.click == kOk       ? d.m_buttonOk
                        : r.click == kCancel ? d.m_buttonCancel
                                             : d.m_buttonPreset,
                        Qt::LeftButton);
      EXPECT_EQ(d.m_labelSeparationUnit->text().toStdString(), r.unit);
    });
    OnContourSeparation(*s, p, nullptr);
    EXPECT_EQ(s->m_fContourStep, r.step) << r.typed;
    EXPECT_EQ(s->m_fMinDensity, -1.234f);
    EXPECT_EQ(s->m_levelOptions.stepInSigma, r.options.stepInSigma) << r.typed;
    EXPECT_EQ(s->m_levelOptions.symmetric, r.options.symmetric) << r.typed;
    EXPECT_EQ(s->m_levelOptions.dashedNegatives, r.options.dashedNegatives) << r.typed;
    EXPECT_EQ(p.events.size(), r.repaints) << r.typed;
  }
}

// OK needs both edits filled; Cancel keeps the values.
TEST(ContourConditions, OkNeedsBothEditsAndCancelKeepsTheValues) {
  const struct {
    const char* f000;  // nullptr: Cancel after typing
    const char* division;
    bool closes;
    float wantF000;
    int wantDivision;
  } rows[] = {
      {"", "5", false, 0, 0},          {"10", "", false, 0, 0},   {"10", "12.7", true, 10.0f, 12},
      {"letters", "-4x", true, 0.0f, -4}, {" ", " ", true, 0.0f, 0}, {nullptr, "1", false, 0, 0},
  };
  for (const auto& r : rows) {
    float f000 = 123.456f;
    int levels = 20;
    WhenModal<CContourConditionsDlg>([&](CContourConditionsDlg& d) {
      EXPECT_EQ(d.m_editF000->text().toStdString(), " 123.46");
      EXPECT_EQ(d.m_editDivision->text().toStdString(), " 20");
      d.m_editF000->setText(QString::fromLatin1(r.f000 != nullptr ? r.f000 : "1"));
      d.m_editDivision->setText(QString::fromLatin1(r.division));
      QTest::mouseClick(r.f000 != nullptr ? d.m_buttonOk : d.m_buttonCancel, Qt::LeftButton);
      EXPECT_EQ(d.isVisible(), !r.closes && r.f000 != nullptr) << r.f000 << "|" << r.division;
      if (d.isVisible()) QTest::keyClick(&d, Qt::Key_Escape);
    });
    const bool asked = AskContourConditionsDialog(nullptr, f000, levels);
    EXPECT_EQ(asked, r.closes) << r.f000 << "|" << r.division;
    EXPECT_EQ(f000, r.closes ? r.wantF000 : 123.456f) << r.f000 << "|" << r.division;
    EXPECT_EQ(levels, r.closes ? r.wantDivision : 20) << r.f000 << "|" << r.division;
  }
}

TEST(About, ShowsTheApplicationIconAndClosesBothWays) {
  QPixmap red(32, 32);
  red.fill(Qt::red);
  QApplication::setWindowIcon(QIcon(red));
  // Twice in a row, closed once with OK and once with Escape.
  for (bool escape : {false, true}) {
    bool seen = false;
    WhenModal<CAboutDlg>([&](CAboutDlg& d) {
      seen = true;
      const QImage icon = d.m_stcIcon->pixmap().toImage();
      ASSERT_FALSE(icon.isNull());
      EXPECT_EQ(icon.pixelColor(16, 16), QColor(Qt::red));
      escape ? QTest::keyClick(&d, Qt::Key_Escape) : QTest::mouseClick(d.m_buttonOk, Qt::LeftButton);
    });
    ShowAboutDialog(nullptr);
    EXPECT_TRUE(seen);
  }
  QApplication::setWindowIcon(QIcon());
  CAboutDlg plain{QIcon()};
  EXPECT_TRUE(plain.m_stcIcon->pixmap().isNull());
}

// The Map Statistics dialog over a shipped sample loaded as the viewer loads
// it; its command is enabled only with a map.
TEST(MapStatisticsDialog, ShowsTheLoadedMapsValuesAndClosesWithOk) {
  auto s = test::FreshState();
  const Command* command = FindCommand(kCmdMapStatistics);
  ASSERT_NE(command, nullptr);
  EXPECT_FALSE(IsEnabled(*command, *s)) << "no map yet";
  test::RecordingPlatform p;
  std::strcpy(s->m_szMapFile, test::DataFile("aspirin.fou").c_str());
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
}  // namespace pyk
