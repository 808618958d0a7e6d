// Save, Copy to Clipboard, Help by html and the dialog commands on the real
// window: the warning first, the file's bytes against the view's pixels.
#include <gtest/gtest.h>

#include <QClipboard>
#include <filesystem>

#include "app/app_messages.h"
#include "support/modal.h"
#include "viewer_fixture.h"

namespace pyk::test {
namespace {

const std::string kWarning = std::string("ask-ok-cancel:") + msg::kCaptureWarning;

TEST(Export, SaveAndCopyGiveWhatTheViewShowsAfterTheWarning) {
  Viewer v(Sample("aspirin"));
  // Refusals and failures first: nothing is written and the status stays.
  const struct {
    const char* what;
    std::string answer;  // relative to the folder; empty is Cancel
    bool ok;
    std::vector<std::string> messages;
  } refused[] = {
      {"cancel at the dialog", "", true, {}},
      {"cancel at the warning", "a.bmp", false, {"BitMap file save failed !!!"}},
      {"a folder that does not exist", "no/such/a.bmp", true, {"BitMap file save failed !!!"}},
  };
  for (const auto& r : refused) {
    v.desktop.rec.events.clear();
    v.desktop.bitmapAnswer = r.answer.empty() ? "" : v.dir.File(r.answer);
    v.desktop.okAnswer = r.ok;
    v.Trigger(kCmdSave);
    EXPECT_EQ(v.desktop.Messages(), r.messages) << r.what;
    EXPECT_FALSE(!r.answer.empty() && std::filesystem::exists(v.dir.File(r.answer))) << r.what;
    EXPECT_EQ(v.state().m_nStatus, 0) << r.what;
    EXPECT_EQ(v.desktop.Count(kWarning), r.answer.empty() ? 0 : 1) << r.what;
  }

  // An odd width: the picture's own padded rows are packed for the file (whose
  // padding and replacing of a longer file the BMP writer's tests check).
  v.frame->resize(401, v.frame->height());
  const QImage shown = v.Picture();
  ASSERT_EQ(shown.width() % 2, 1);
  const std::string bmp = v.dir.File("out.bmp");
  v.desktop.bitmapAnswer = bmp;
  v.desktop.okAnswer = true;
  v.desktop.rec.events.clear();
  v.Trigger(kCmdSave);
  // The map was named relative to the start-up folder, and so is the proposal.
  EXPECT_EQ(v.desktop.rec.events, (std::vector<std::string>{"ask-bitmap:aspirin.bmp", kWarning, "invalidate"}));
  // Read by Qt's own reader, the file shows every pixel of the picture.
  EXPECT_EQ(QImage(QString::fromStdString(bmp), "BMP").convertToFormat(QImage::Format_RGB888),
            shown.convertToFormat(QImage::Format_RGB888));
  // A .png name gives a PNG of the same pixels.
  v.desktop.bitmapAnswer = v.dir.File("out.PNG");
  v.Trigger(kCmdSave);
  const QImage png(QString::fromStdString(v.dir.File("out.PNG")), "PNG");
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB888), shown.convertToFormat(QImage::Format_RGB888));

  // Copy puts the same picture on the clipboard, after the same warning.
  QClipboard* clip = QGuiApplication::clipboard();
  clip->setText("before");
  v.desktop.okAnswer = false;
  v.Trigger(kCmdCopy);
  EXPECT_EQ(clip->text(), "before");
  EXPECT_TRUE(v.desktop.Messages().empty());

  v.desktop.okAnswer = true;
  v.Trigger(kCmdCopy);
  EXPECT_EQ(clip->image().convertToFormat(QImage::Format_RGB888), shown.convertToFormat(QImage::Format_RGB888));
}

// The caption of the modal dialog a command opens; closed with Cancel.
std::string CaptionOfDialogOpenedBy(Viewer& v, CommandId id) {
  std::string caption;
  WhenModal<QDialog>([&caption](QDialog& d) {
    caption = d.windowTitle().toStdString();
    d.reject();
  });
  v.Trigger(id);
  return caption;
}

TEST(Export, DialogCommandsOpenTheirDialogsAndHelpOpensThePageOrBeeps) {
  Viewer v(Sample("nacl"));
  // What Cancel leaves is checked with the dialogs' own tests.
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdAbout), "Version of Pyknoscope");
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdSetColor), "Color Setting");
  EXPECT_EQ(CaptionOfDialogOpenedBy(v, kCmdContourSeparation), "Contour Separation");
  EXPECT_TRUE(v.desktop.Messages().empty());

  // Help opens the page, or beeps and says so.
  const std::string page = v.dir.File("PyknoscopeHelp.html");
  const std::string failed = "message:Cannot execute html file !!!";
  const struct {
    bool pagePresent;
    bool browserOk;
    std::vector<std::string> events;
  } rows[] = {
      {true, true, {"browser:" + page}},
      {true, false, {"browser:" + page, "beep", failed}},
      {false, true, {"beep", failed}},
  };
  for (const auto& r : rows) {
    if (!r.pagePresent) std::filesystem::remove(page);
    v.desktop.browserOk = r.browserOk;
    v.desktop.rec.events.clear();
    v.Trigger(kCmdHelp);
    EXPECT_EQ(v.desktop.rec.events, r.events) << r.pagePresent << r.browserOk;
  }
}

}  // namespace
}  // namespace pyk::test
