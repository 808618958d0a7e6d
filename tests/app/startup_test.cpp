// Start-up arguments, File Open, drops and the density list on the real
// window, with the messages in order.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "viewer_fixture.h"

namespace pyk::test {
namespace {

int CountColour(const QImage& img, QRgb colour) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  }
  return n;
}

// The shipped settings: background 0.92 0.92 0.88, white map background.
constexpr QRgb kBackground = qRgb(235, 235, 224);

TEST(Startup, ArgumentsLoadTheMapOrGiveTheMessages) {
  const struct {
    const char* what;
    std::vector<std::string> words;
    int status;
    std::vector<std::string> messages;
  } rows[] = {
      {"no arguments", {}, -1, {}},
      {"blank argument", {"  "}, 1, {}},
      {"map, report and contour file", {"aspirin.fou", "aspirin.fmap", "aspirin.con"}, 0, {}},
      // A map alone reads the map, then fails on the empty contour path.
      {"map only", {"si.fou"}, -1, {"con file not found !!", "Data Input Error"}},
      {"missing map", {"absent.fou", "absent.fmap", "absent.con"}, -1, {"fou file not found !!", "Data Input Error"}},
      {"a folder as map", {".", "x.fmap", "nacl.con"}, -1, {"fou file not found !!", "Data Input Error"}},
  };
  for (const auto& r : rows) {
    Viewer v(r.words);
    EXPECT_EQ(v.state().m_nStatus, r.status) << r.what;
    EXPECT_EQ(v.desktop.Messages(), r.messages) << r.what;
    const QImage img = v.Picture();
    const int background = CountColour(img, kBackground);
    if (r.status == 0) {
      EXPECT_LT(background, img.width() * img.height()) << r.what;
      EXPECT_FALSE(v.frame->pane(0)->text().isEmpty()) << r.what;
    } else {
      EXPECT_EQ(background, img.width() * img.height()) << r.what << ": only the background";
      EXPECT_TRUE(v.frame->pane(0)->text().isEmpty()) << r.what << ": " << v.frame->pane(0)->text().toStdString();
    }
  }
}

TEST(Startup, BadSettingsGiveASaneWindow) {
  const std::string zeroSizes =
      "[Viewing Parameters]\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n= 0\n";
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"}, &zeroSizes);
  EXPECT_GE(v.frame->width(), CMainFrame::kMinWidth);
  EXPECT_GE(v.frame->height(), CMainFrame::kMinHeight);
  const QImage img = v.Picture();  // a zero field of view draws without crashing
  EXPECT_FALSE(img.isNull());
  v.Trigger(kCmdSectionUp);
  EXPECT_FALSE(v.Picture().isNull());
}

QMimeData* Files(const std::vector<std::string>& paths) {
  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const auto& p : paths) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(p)));
  data->setUrls(urls);
  return data;
}

void Drop(CMainFrame& frame, QMimeData* data) {
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &enter);
  QDropEvent e(QPointF(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame, &e);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

TEST(Startup, DroppedFilesLoadTheFirstMapBeforeTheNextPaint) {
  Viewer v;
  ASSERT_EQ(v.state().m_nStatus, -1);
  std::unique_ptr<QMimeData> two(Files({v.dir.File("aspirin.fou"), v.dir.File("nacl.fou")}));
  Drop(*v.frame, two.get());
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("aspirin.fou"));
  EXPECT_EQ(v.state().m_szListFile[0], '\0');  // a drop does not name a report
  EXPECT_EQ(v.frame->m_bDropFile, 0);
  EXPECT_EQ(v.doc.RecentFiles().front().toStdString(), v.dir.File("nacl.fou"));  // each is opened as the document
  EXPECT_LT(CountColour(v.Picture(), kBackground), v.view->width() * v.view->height());

  // Files that are no map, or no complete map, are refused with a message
  // naming them; the shown map stays on screen and in the view, and its
  // commands keep working. A path too long for its field is refused whole.
  WriteText(v.dir.File("empty.fou"), "");
  WriteText(v.dir.File("cut.fou"), ReadText(v.dir.File("nacl.fou")).substr(0, 5000));
  const std::string tooLong = v.dir.File(std::string(kPathSize - v.dir.path().string().size(), 'x') + ".fou");
  const struct {
    const char* what;
    std::string path;
    std::string message;
  } bad[] = {
      {"a folder", v.dir.path().string(), "fou file not found !!"},
      {"a vanished file", v.dir.File("gone.fou"), "fou file not found !!"},
      {"not a map", v.dir.File("Pyknoscope.ini"),
       v.dir.File("Pyknoscope.ini") + ": line 2: text where the record count must stand"},
      {"an empty file", v.dir.File("empty.fou"),
       v.dir.File("empty.fou") + ": line 1: the file ends before the end of the record count"},
      // The cut leaves line 290 as a whole record 288, so record 289 is the one missing.
      {"a cut file", v.dir.File("cut.fou"),
       v.dir.File("cut.fou") + ": line 290: the file ends before the end of density record 289"},
      {"a path too long", tooLong, "Path longer than 139 characters: " + tooLong},
  };
  const QImage before = v.Picture();
  for (const auto& r : bad) {
    v.desktop.rec.events.clear();
    std::unique_ptr<QMimeData> one(Files({r.path}));
    Drop(*v.frame, one.get());
    EXPECT_EQ(v.state().m_nStatus, 0) << r.what;
    EXPECT_EQ(v.desktop.Messages(), std::vector<std::string>{r.message}) << r.what;
    EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("aspirin.fou")) << r.what;
    EXPECT_EQ(v.Picture(), before) << r.what;
  }
  v.Trigger(kCmdSectionUp);
  EXPECT_EQ(v.state().m_nSection, 1);
  // The window stays usable: the next good drop loads.
  std::unique_ptr<QMimeData> good(Files({v.dir.File("si.fou")}));
  Drop(*v.frame, good.get());
  EXPECT_EQ(v.state().m_nStatus, 0);
}

TEST(Startup, FileOpenNamesTheReportAndShowDensityListOpensIt) {
  Viewer v;
  v.desktop.fileAnswer = "";
  v.Trigger(kCmdFileOpen);  // cancelled
  EXPECT_EQ(v.state().m_nStatus, -1);
  v.desktop.fileAnswer = v.dir.File("aspirin-two.den");
  v.Trigger(kCmdFileOpen);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_EQ(std::string(v.state().m_szListFile), v.dir.File("aspirin-two.dmap"));
  v.Trigger(kCmdDensityList);
  EXPECT_EQ(v.desktop.rec.events.back(), "viewer:" + v.dir.File("aspirin-two.dmap"));
  const std::string report = ReadText(v.dir.File("aspirin-two.dmap"));
  EXPECT_NE(report.find("    Type  : ?"), std::string::npos);  // not from the command line

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

// A start with three file arguments, as the desktop entry starts the viewer:
// File Open then reads the chosen map's own contour file, and a map whose
// report name would not fit is refused before anything changes.
TEST(Startup, FileOpenAfterACommandLineStartReadsTheChosenMapsOwnFiles) {
  Viewer v({"aspirin-patt.fou", "aspirin-patt.fmap", "aspirin-patt.con"});
  ASSERT_EQ(v.state().m_nStatus, 0);
  const float pattersonF000 = v.state().m_fF000;
  WriteText(v.dir.File("nacl.con"), "1 0 0\n20\n0\n412.5\n");
  v.desktop.fileAnswer = v.dir.File("nacl.fou");
  v.Trigger(kCmdFileOpen);
  EXPECT_EQ(v.state().m_nPlane, kPlaneH00);
  EXPECT_EQ(v.state().m_fF000, 412.5f);
  EXPECT_NE(v.state().m_fF000, pattersonF000);
  EXPECT_EQ(std::string(v.state().m_szConFile), v.dir.File("nacl.con"));
  EXPECT_EQ(std::string(v.state().m_szListFile), v.dir.File("nacl.fmap"));

  const std::string name = std::string(kMaxPath - v.dir.path().string().size() - 5, 'n') + ".fou";
  std::filesystem::copy_file(v.dir.File("si.fou"), v.dir.File(name));
  v.desktop.fileAnswer = v.dir.File(name);
  v.desktop.rec.events.clear();
  v.Trigger(kCmdFileOpen);
  const std::string report = v.dir.File(name.substr(0, name.size() - 4) + ".fmap");
  EXPECT_EQ(v.desktop.Messages(), std::vector<std::string>{"Path longer than 139 characters: " + report});
  EXPECT_EQ(std::string(v.state().m_szMapFile), v.dir.File("nacl.fou"));
  EXPECT_EQ(std::string(v.state().m_szListFile), v.dir.File("nacl.fmap"));
}

// Before any map, the commands a user tries first answer with no failure
// and no start values: 3D Mesh chooses the mode and the first map brings
// its mesh; the Contour Separation dialog keeps its placeholders.
TEST(Startup, BeforeAnyMapCommandsSayNothingWrong) {
  Viewer v({}, nullptr, true);
  for (CommandId id : {kCmdDefaultView, kCmdMesh, kCmdThetaRight, kCmdPhiUp, kCmdDensityList, kCmdSectionUp, kCmdFaceH,
                       kCmdHeightUp}) {
    v.Trigger(id);
  }
  EXPECT_TRUE(v.desktop.Messages().empty()) << v.desktop.Messages().front();
  EXPECT_EQ(v.state().m_nViewMode, k3dMesh);
  EXPECT_EQ(v.desktop.Count("run:" + v.dir.File("mesh")), 0);
  v.desktop.fileAnswer = v.dir.File("aspirin.fou");
  v.Trigger(kCmdFileOpen);
  EXPECT_EQ(v.state().m_nStatus, 0);
  EXPECT_GT(v.state().m_nMeshCount, 1000);
}

}  // namespace
}  // namespace pyk::test
