// The real player on a real package of the sample presentation, written by
// the export code with the player the build puts beside Tessaly.
#include "player/MiradoAApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "MessageRecorder.h"
#include "app/SamplePresentation.h"
#include "core/Document.h"
#include "core/Records.h"
#include "export/ImageEncoder.h"
#include "export/ShowPackageExport.h"
#include "player/PlayerSlides.h"
#include "render/SlideRenderer.h"
#include "show/ShowDlg.h"
#include "show/package/PlayerMessageIds.h"
#include "tests/show/ShowFakes.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Outcome {
  int code;
  QString out;
};

Outcome RunProgram(const QString& program, const QStringList& args, const QStringList& env = {}) {
  QProcess p;
  QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
  for (const QString& unset : env) e.remove(unset);
  p.setProcessEnvironment(e);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  p.waitForFinished(60000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

// Average difference per channel of two images of one size.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * a.width() * a.height());
}

class PlayerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new QTemporaryDir;
    doc = new Document;
    BuildSamplePresentation(*doc);
    ASSERT_TRUE(ExportShowPackage(*doc, {Package(), TAVORUN_DLL}));
  }
  static void TearDownTestSuite() {
    delete doc;
    delete dir;
  }
  static QString Package() { return dir->filePath("Sample.run"); }

  static inline QTemporaryDir* dir = nullptr;
  static inline Document* doc = nullptr;
};

TEST_F(PlayerTest, TheSamplePackageReadsBackFieldByField) {
  const DocHeader& h = doc->Header();
  const QByteArray bytes = ReadAll(Package());
  const QByteArray player = ReadAll(TAVORUN_DLL);
  ASSERT_GT(player.size(), 0);
  ASSERT_TRUE(bytes.startsWith(player));
  const auto word = [&](qsizetype at) { return ReadBigEndian(bytes.constData() + at); };
  const qsizetype P = player.size();
  EXPECT_EQ(word(bytes.size() - 8), kPackageMagic);
  EXPECT_EQ(word(bytes.size() - 4), static_cast<std::uint32_t>(P));
  ASSERT_GT(h.SlideCount, 1);
  EXPECT_EQ(word(P), h.SlideCount);
  EXPECT_EQ(word(P + 4), h.MenuMode);
  EXPECT_EQ(word(P + 8), h.RepeatOnce);
  EXPECT_EQ(bytes[P + 12], h.NoEnlarge ? '1' : '0');
  EXPECT_EQ(bytes[P + 13], h.AutoSwitch ? '1' : '0');
  EXPECT_EQ(bytes.mid(P + 14, 97), QByteArray(h.EndText, 97));
  qsizetype pos = P + kShowDataHeadSize;
  for (int k = 0; k < h.SlideCount; ++k) {
    EXPECT_EQ(word(pos), h.SwitchTime[k]) << k;
    EXPECT_EQ(word(pos + 4), h.Transition[k]) << k;
    const qsizetype length = word(pos + 8);
    const QByteArray jpeg = bytes.mid(pos + 12, length);
    EXPECT_EQ(jpeg, EncodeImage(RenderSlideImage(*doc, k, 1.0f), ImageFormat::Jpeg).value()) << k;
    EXPECT_EQ(QImage::fromData(jpeg, "JPEG").size(), QSize(h.SlideW, h.SlideH)) << k;
    pos += 12 + length;
  }
  EXPECT_EQ(pos, bytes.size() - 8) << "nothing between the last slide and the trailer";
  EXPECT_TRUE(QFile::permissions(Package()) & QFileDevice::ExeOwner);
}

TEST_F(PlayerTest, ThePackageShowsItsFirstSlideAndSteps) {
  CMiradoAApp app;
  ASSERT_TRUE(app.OpenPackage(Package()));
  EXPECT_EQ(app.Package().slides.size(), static_cast<std::size_t>(doc->Header().SlideCount));
  StepTime time;
  CShowDlg dlg(app.Settings(), ShowMode::Production, app.Slides(), nullptr, &time);
  const QSize screen(640, 400);
  ASSERT_TRUE(dlg.Start(QRect(QPoint(), screen)));
  for (int k = 0; k < 2; ++k) {
    const QImage slide = RenderSlideImage(*doc, k, 1.0f);
    QImage expected(screen, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter(&expected).drawImage(PlayerPictureRect(screen, slide.size(), false), slide);
    EXPECT_EQ(dlg.Engine().Index(), k);
    EXPECT_LT(MeanDifference(dlg.Engine().CurrentImage(), expected), 3.0) << "slide " << k;
    QKeyEvent next(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &next);
  }
}

TEST_F(PlayerTest, ABarePlayerSaysSoAndOpensNoWindow) {
  MessageRecorder messages;
  CMiradoAApp app;
  EXPECT_EQ(app.Run(TAVORUN_DLL), 1);
  EXPECT_EQ(messages.Ids(), std::vector<int>{playermsg::RunAlone});
  EXPECT_EQ(messages.texts, std::vector<QString>{QString::fromUtf8("このファイルを単体で実行することはできません")});
  for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
}

TEST_F(PlayerTest, AMissingFileCannotBeOpened) {
  MessageRecorder messages;
  CMiradoAApp app;
  EXPECT_EQ(app.Run(dir->filePath("missing")), 1);
  EXPECT_EQ(messages.texts, std::vector<QString>{QString::fromUtf8("ファイルのオープンに失敗")});
}

TEST_F(PlayerTest, ThePackageRunsAsAProgram) {
  const Outcome version = RunProgram(Package(), {"--version"}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
  EXPECT_EQ(version.code, 0);
  EXPECT_TRUE(version.out.startsWith("Tavorun ")) << version.out.toStdString();
  const Outcome help = RunProgram(Package(), {"--help"}, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: Sample.run")) << help.out.toStdString();
  EXPECT_EQ(RunProgram(Package(), {"--bogus"}).code, 2);
  // Under the offscreen platform: reads itself, shows the first slide, ends.
  const Outcome shown = RunProgram(Package(), {"--quit-after-paint"});
  EXPECT_EQ(shown.code, 0) << shown.out.toStdString();
}

}  // namespace
