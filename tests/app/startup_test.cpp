// Start-up arguments, File Open, drops and the density list on the real
// window, with the messages in order.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMimeData>
#include <QUrl>

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

  // A text file that is no map is read with the C-stream rules: its first
  // letter stops every conversion and the fields keep the last map's numbers,
  // so it neither fails nor crashes.
  const struct {
    const char* what;
    std::string path;
    bool fails;
    std::vector<std::string> messages;
  } bad[] = {
      {"a folder", v.dir.path().string(), true, {"fou file not found !!"}},
      {"a vanished file", v.dir.File("gone.fou"), true, {"fou file not found !!"}},
      {"not a map", v.dir.File("Pyknoscope.ini"), false, {}},
  };
  for (const auto& r : bad) {
    v.desktop.rec.events.clear();
    std::unique_ptr<QMimeData> one(Files({r.path}));
    Drop(*v.frame, one.get());
    EXPECT_EQ(v.state().m_nStatus != 0, r.fails) << r.what;
    EXPECT_EQ(v.desktop.Messages(), r.messages) << r.what;
    EXPECT_FALSE(v.Picture().isNull()) << r.what;
  }
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

}  // namespace
}  // namespace pyk::test
