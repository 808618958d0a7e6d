// Save, Copy to Clipboard, Help by html and the dialog commands on the real
// window: the warning first, the file's bytes against the view's pixels.
#include <gtest/gtest.h>

#include <QLabel>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <filesystem>

#include "app/app_messages.h"
#include "render/bmp.h"
#include "viewer_fixture.h"

namespace pyk::test {
namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8 | static_cast<uint8_t>(b[at + 2]) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

// Every pixel of the BMP bytes against the picture, and the row padding zero.
void ExpectBmpShows(const std::string& bytes, const QImage& picture) {
  const int w = picture.width(), h = picture.height();
  const int stride = BmpStride(w);
  ASSERT_EQ(bytes.size(), 54u + static_cast<size_t>(stride) * h);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 18), static_cast<uint32_t>(w));
  EXPECT_EQ(U32(bytes, 22), static_cast<uint32_t>(h));
  int wrong = 0, padding = 0;
  for (int y = 0; y < h; ++y) {
    const size_t row = 54 + static_cast<size_t>(stride) * (h - 1 - y);  // bottom-up
    for (int x = 0; x < w; ++x) {
      const QRgb p = picture.pixel(x, y);
      const size_t at = row + 3 * static_cast<size_t>(x);
      wrong += static_cast<uint8_t>(bytes[at]) != qBlue(p) || static_cast<uint8_t>(bytes[at + 1]) != qGreen(p) ||
               static_cast<uint8_t>(bytes[at + 2]) != qRed(p);
    }
    for (size_t k = row + 3 * static_cast<size_t>(w); k < row + stride; ++k) padding += bytes[k] != 0;
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(padding, 0);
}

TEST(Export, SaveWritesWhatTheViewShows) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  ASSERT_EQ(v.state().m_nStatus, 0);
  // An odd width gives padded rows.
  v.frame->resize(401, v.frame->height());
  const QImage shown = v.Picture();
  ASSERT_EQ(shown.width() % 2, 1);

  const std::string bmp = v.dir.File("out.bmp");
  WriteText(bmp, std::string(3'000'000, 'x'));  // a longer file is replaced whole
  v.desktop.bitmapAnswer = bmp;
  v.Trigger(kCmdSave);
  // The map was named relative to the start-up folder, and so is the proposal.
  const std::vector<std::string> asked = {"ask-bitmap:aspirin.bmp",
                                          std::string("ask-ok-cancel:") + msg::kCaptureWarning};
  EXPECT_EQ(std::vector<std::string>(v.desktop.rec.events.begin(), v.desktop.rec.events.begin() + 2), asked);
  EXPECT_TRUE(v.desktop.Messages().empty());
  ExpectBmpShows(ReadText(bmp), shown);
  EXPECT_EQ(v.state().m_nStatus, 0);

  // A .png name gives a PNG of the same pixels.
  v.desktop.bitmapAnswer = v.dir.File("out.PNG");
  v.Trigger(kCmdSave);
  const QImage png(QString::fromStdString(v.dir.File("out.PNG")), "PNG");
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB888), shown.convertToFormat(QImage::Format_RGB888));
}

TEST(Export, SaveRefusalsAndFailures) {
  const struct {
    const char* what;
    bool loaded;
    std::string answer;  // relative to the folder; empty is Cancel
    bool ok;
    std::vector<std::string> messages;
    bool written;
  } rows[] = {
      {"cancel at the dialog", true, "", true, {}, false},
      {"cancel at the warning", true, "a.bmp", false, {"BitMap file save failed !!!"}, false},
      {"a folder that does not exist", true, "no/such/a.bmp", true, {"BitMap file save failed !!!"}, false},
      {"no map loaded", false, "empty.bmp", true, {}, true},
  };
  for (const auto& r : rows) {
    Viewer v(r.loaded ? std::vector<std::string>{"nacl.fou", "nacl.fmap", "nacl.con"} : std::vector<std::string>{});
    const int status = v.state().m_nStatus;
    v.desktop.bitmapAnswer = r.answer.empty() ? "" : v.dir.File(r.answer);
    v.desktop.okAnswer = r.ok;
    v.Trigger(kCmdSave);
    EXPECT_EQ(v.desktop.Messages(), r.messages) << r.what;
    EXPECT_EQ(!r.answer.empty() && std::filesystem::exists(v.dir.File(r.answer)), r.written) << r.what;
    EXPECT_EQ(v.state().m_nStatus, status) << r.what << ": the save leaves the view's status alone";
    EXPECT_EQ(v.desktop.Count(std::string("ask-ok-cancel:") + msg::kCaptureWarning), r.answer.empty() ? 0 : 1)
        << r.what;
  }
}

TEST(Export, CopyPutsThePictureOnTheClipboard) {
  Viewer v({"aspirin.fou", "aspirin.fmap", "aspirin.con"});
  QClipboard* clip = QGuiApplication::clipboard();
  clip->setText("before");
  v.desktop.okAnswer = false;
  v.Trigger(kCmdCopy);
  EXPECT_EQ(clip->text(), "before");
  EXPECT_TRUE(v.desktop.Messages().empty());

  v.desktop.okAnswer = true;
  v.Trigger(kCmdCopy);
  const QImage copied = clip->image();
  const QImage shown = v.Picture();
  ASSERT_FALSE(copied.isNull());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB888), shown.convertToFormat(QImage::Format_RGB888));
}

TEST(Export, HelpOpensThePageOrBeeps) {
  const struct {
    const char* what;
    bool pagePresent;
    bool browserOk;
    std::vector<std::string> events;
  } rows[] = {
      {"page present", true, true, {"browser:<page>"}},
      {"no page", false, true, {"beep", "message:Cannot execute html file !!!"}},
      {"no browser", true, false, {"browser:<page>", "beep", "message:Cannot execute html file !!!"}},
  };
  for (const auto& r : rows) {
    Viewer v;
    const std::string page = v.dir.File("PyknoscopeHelp.html");
    if (!r.pagePresent) std::filesystem::remove(page);
    v.desktop.browserOk = r.browserOk;
    v.desktop.rec.events.clear();
    v.Trigger(kCmdHelp);
    std::vector<std::string> expected = r.events;
    for (auto& e : expected) {
      if (e == "browser:<page>") e = "browser:" + page;
    }
    EXPECT_EQ(v.desktop.rec.events, expected) << r.what;
  }
}

// The modal dialog a command opens, by its caption, and the texts of its
// labels named in *labels (replaced by their texts); closed with Cancel.
std::string CaptionOfDialogOpenedBy(Viewer& v, CommandId id, std::vector<std::string>* labels = nullptr) {
  std::string caption;
  QTimer::singleShot(0, [&caption, labels] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      caption = w->windowTitle().toStdString();
      for (size_t k = 0; labels != nullptr && k < labels->size(); ++k) {
        const auto* label = w->findChild<QLabel*>(QString::fromStdString((*labels)[k]));
        (*labels)[k] = label != nullptr ? label->text().toStdString() : "(none)";
      }
      if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    }
  });
  v.Trigger(id);
  return caption;
}

TEST(Export, DialogCommandsOpenTheirDialogs) {
  Viewer v({"nacl.fou", "nacl.fmap", "nacl.con"});
  const float step = v.state().m_fContourStep;
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdAbout), "Version of Pyknoscope");
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdSetColor), "Color Setting");
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdContourSeparation), "Contour Separation");
  EXPECT_EQ(v.state().m_fContourStep, step);  // Cancel changes nothing
  EXPECT_TRUE(v.desktop.Messages().empty());

  // Before any map the range shows its placeholders, not the start values.
  Viewer empty;
  std::vector<std::string> range = {"stcMinDensity", "stcMaxDensity"};
  EXPECT_EQ(CaptionOfDialogOpenedBy(empty, kCmdContourSeparation, &range), "Contour Separation");
  EXPECT_EQ(range, (std::vector<std::string>{"........", "......"}));
  range = {"stcMinDensity", "stcMaxDensity"};
  CaptionOfDialogOpenedBy(v, kCmdContourSeparation, &range);
  EXPECT_EQ(range, (std::vector<std::string>{"  -0.61", " 150.35"}));
}

}  // namespace
}  // namespace pyk::test
