// Start-up arguments, File Open, drops and the density list on the real
// window, with the messages in order.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMimeData>
#include <cstring>
#include <QUrl>
#include <filesystem>

#include "app/app_messages.h"
#include "tools/samplemap/ccp4_file.h"
#include "tools/samplemap/samples.h"
#include "viewer_fixture.h"

namespace pyk::test {
namespace {

// The shipped settings: background 0.92 0.92 0.88, white map background.
constexpr QRgb kBackground = qRgb(235, 235, 224);
int Background(const QImage& img) {
  return CountPixels(img, [](QRgb p) { return (p & 0xFFFFFF) == (kBackground & 0xFFFFFF); });
}

// Start-ups that load no map give their messages in order, draw only the
// background and leave the panes blank.
TEST(Startup, ArgumentsThatLoadNoMapGiveTheirMessagesAndOnlyTheBackground) {
  const struct {
    const char* what;
    std::vector<std::string> words;
    int status;
    std::vector<std::string> messages;
  } rows[] = {
      {"no arguments", {}, -1, {}},
      {"blank argument", {"  "}, 1, {}},
      // A map alone reads the map, then fails on the empty contour path.
      {"map only", {"si.fou"}, -1, {"con file not found !!", "Data Input Error"}},
  };
  for (const auto& r : rows) {
    Viewer v(r.words);
    EXPECT_EQ(v.state().m_nStatus, r.status) << r.what;
    EXPECT_EQ(v.desktop.Messages(), r.messages) << r.what;
    const QImage img = v.Picture();
    EXPECT_EQ(Background(img), img.width() * img.height()) << r.what << ": only the background";
    EXPECT_TRUE(v.frame->pane(0)->text().isEmpty()) << r.what << ": " << v.frame->pane(0)->text().toStdString();
  }
}

// Zero sizes in the settings give a window of the least size and a picture without a crash.
TEST(Startup, BadSettingsGiveASaneWindow) {
  const std::string zeroSizes =
      "[Viewing Parameters]\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n";
  Viewer v(Sample("nacl"), &zeroSizes);
  EXPECT_GE(v.frame->width(), CMainFrame::kMinWidth);
  EXPECT_GE(v.frame->height(), CMainFrame::kMinHeight);
  const QImage img = v.Picture();  // a zero field of view draws without crashing
  EXPECT_FALSE(img.isNull());
  v.Trigger(kCmdSectionUp);
  EXPECT_FALSE(v.Picture().isNull());
}

// Drops the files on the frame as the desktop does.
void Drop(CMainFrame& frame, const std::vector<std::string>& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const auto& p : paths) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(p)));
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &enter);
  QDropEvent e(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &e);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

// A drop loads the first map before the next paint; bad drops leave the shown map.
TEST(Startup, DroppedFilesLoadTheFirstMapBeforeTheNextPaint) {
  Viewer v;
  ASSERT_EQ(v.state().m_nStatus, -1);
  Drop(*v.frame, {v.dir.File("aspirin.fou"), v.dir.File("nacl.fou")});
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("aspirin.fou"));
  EXPECT_EQ(v.state().m_szListFile[0], '\0');  // a drop does not name a report
  EXPECT_EQ(v.frame->m_bDropFile, 0);
  EXPECT_EQ(v.doc.RecentFiles().front().toStdString(), v.dir.File("nacl.fou"));  // each is opened as the document
  EXPECT_LT(Background(v.Picture()), v.view->width() * v.view->height());

  // A file that is no map is refused with the reader's message; so is a path
  // too long for the drop's field, whole. The shown map stays on screen and
  // in the view, and its commands keep working.
  const std::string tooLong = v.dir.File(std::string(kPathSize - v.dir.path().string().size(), 'x') + ".fou");
  const struct {
    std::string path;
    std::string message;
  } bad[] = {
      {v.dir.path().string(), "fou file not found !!"},
      {v.dir.File("Pyknoscope.ini"), v.dir.File("Pyknoscope.ini") + ": line 2: text where the record count must stand"},
      {tooLong, "Path longer than 139 characters: " + tooLong},
  };
  const QImage before = v.Picture();
  for (const auto& r : bad) {
    v.desktop.rec.events.clear();
    Drop(*v.frame, {r.path});
    EXPECT_EQ(v.state().m_nStatus, 0) << r.path;
    EXPECT_EQ(v.desktop.Messages(), std::vector<std::string>{r.message});
    EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("aspirin.fou")) << r.path;
    EXPECT_EQ(v.Picture(), before) << r.path;
  }
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.state().m_nSection, 1);
  // The window stays usable: the next good drop loads. A coordinate file
  // dropped (by its suffix, in any case) is read as the model over the map.
  Drop(*v.frame, {v.dir.File("si.fou")});
  EXPECT_EQ(v.state().m_nStatus, 0);
  std::filesystem::copy_file(v.dir.File("si.cif"), v.dir.File("si.CIF"));
  Drop(*v.frame, {v.dir.File("si.CIF")});
  EXPECT_EQ(v.state().m_model.atoms.size(), 1u);
  EXPECT_EQ(v.state().m_bShowAtoms, 1);
  EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("si.fou"));
}

// A start with three file arguments, as the desktop entry starts the viewer:
// File Open then reads the chosen map's own contour file (for a CCP4 map,
// whatever its suffix, the name without the extension), and a map whose
// report name would not fit is refused before anything changes.
TEST(Startup, FileOpenAfterACommandLineStartReadsTheChosenMapsOwnFiles) {
  Viewer v(Sample("aspirin-patt"));
  ASSERT_EQ(v.state().m_nStatus, 0);
  ASSERT_TRUE(sample::WriteCcp4File(v.dir.File("salt.map"), sample::RockSaltMap(8), "F m -3 m",
                                    sample::HalfCellLayout(sample::RockSaltMap(8).grid)));
  std::filesystem::copy_file(v.dir.File("nacl.con"), v.dir.File("salt.con"));
  for (const char* map : {"salt.map", "nacl.fou"}) {
    v.desktop.fileAnswer = v.dir.File(map);
    v.Trigger(kCmdFileOpen);
    ASSERT_EQ(v.state().m_nStatus, 0) << map;
    const std::string stem = v.dir.File(std::string(map, 4));
    EXPECT_EQ(std::string(v.state().m_szConFile), stem + ".con");
    EXPECT_EQ(std::string(v.state().m_szListFile), stem + ".fmap");
  }
  // No message and no question for the contour conditions.
  EXPECT_EQ(v.desktop.rec.events, (std::vector<std::string>{"ask-file", "invalidate", "ask-file", "invalidate"}));

  const std::string name = std::string(kMaxPath - v.dir.path().string().size() - 5, 'n') + ".fou";
  std::filesystem::copy_file(v.dir.File("si.fou"), v.dir.File(name));
  v.desktop.fileAnswer = v.dir.File(name);
  v.desktop.rec.events.clear();
  v.Trigger(kCmdFileOpen);
  ASSERT_EQ(v.desktop.Messages().size(), 1u);
  EXPECT_NE(v.desktop.Messages()[0].find(name.substr(0, name.size() - 4) + ".fmap"), std::string::npos);
  EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("nacl.fou"));
  EXPECT_EQ(std::string(v.state().m_szListFile), v.dir.File("nacl.fmap"));
}

// Before any map: "Ready", six blank panes wide enough for their texts and
// Go to Section disabled; the commands a user tries first answer with no
// failure and no start values, and Save writes the empty picture. 3D Mesh
// chooses the mode and the first map, from File Open, brings its mesh; Show
// Density List then opens the report File Open named, and says when it cannot.
TEST(Startup, BeforeAnyMapCommandsSayNothingWrongAndFileOpenLoads) {
  Viewer v({}, nullptr, true);
  EXPECT_EQ(v.frame->messagePane()->text().toStdString(), "Ready");
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(v.frame->pane(k)->text(), "") << k;
    const int templateWidth = v.frame->pane(k)->fontMetrics().horizontalAdvance(msg::kPaneTemplates[k]);
    EXPECT_GE(v.frame->pane(k)->width(), templateWidth) << k;
  }
  EXPECT_FALSE(v.frame->action(kCmdGoToSection)->isEnabled());
  v.desktop.bitmapAnswer = v.dir.File("empty.bmp");
  for (CommandId id : {kCmdDefaultView, kCmdMesh, kCmdThetaRight, kCmdPhiUp, kCmdDensityList, kCmdSectionUp, kCmdFaceH,
                       kCmdHeightUp, kCmdSave, kCmdFileOpen}) {
    v.Trigger(id);  // File Open is cancelled
  }
  EXPECT_TRUE(v.desktop.Messages().empty()) << v.desktop.Messages().front();
  EXPECT_TRUE(std::filesystem::exists(v.dir.File("empty.bmp")));
  EXPECT_EQ(v.state().m_nStatus, -1);
  EXPECT_EQ(v.state().m_nViewMode, k3dMesh);
  EXPECT_EQ(v.desktop.Count("run:" + v.dir.File("mesh")), 0);

  v.desktop.fileAnswer = v.dir.File("aspirin.fou");
  v.Trigger(kCmdFileOpen);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_GT(v.state().m_nMeshCount, 1000);
  v.Trigger(kCmdDensityList);
  EXPECT_EQ(v.desktop.rec.events.back(), "viewer:" + v.dir.File("aspirin.fmap"));
  EXPECT_NE(ReadText(v.dir.File("aspirin.fmap")).find("    Type  : ?"), std::string::npos);  // not from the command line
  // A report that cannot be written: the two messages and an empty picture.
  std::strcpy(v.state().m_szListFile, (v.dir.File("no-such-folder") + "/x.fmap").c_str());
  v.desktop.rec.events.clear();
  v.Trigger(kCmdDensityList);
  EXPECT_EQ(v.desktop.Messages(),
            (std::vector<std::string>{"Output file not created !!", "Output file cannot repared !!!"}));
  EXPECT_EQ(v.state().m_nStatus, -1);
  // A viewer that cannot start is reported.
  v.Trigger(kCmdSectionUp);
  std::strcpy(v.state().m_szListFile, v.dir.File("ok.fmap").c_str());
  v.desktop.viewerOk = false;
  v.desktop.rec.events.clear();
  v.Trigger(kCmdDensityList);
  ASSERT_EQ(v.desktop.Messages().size(), 1u);
  EXPECT_NE(v.desktop.Messages()[0].find("ok.fmap"), std::string::npos);
}

}  // namespace
}  // namespace pyk::test
