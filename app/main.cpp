// Tessaly: start-up and exit.
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QThreadPool>
#include <QTimer>
#include <cstdio>
#include <thread>

#include "app/Batch.h"
#include "app/CommandLine.h"
#include "app/JapaneseUi.h"
#include "app/MessageBoxSink.h"
#include "app/MiradoApp.h"
#include "app/ShowCommands.h"
#include "base/Allocator.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"
#include "core/picture/Picture.h"
#include "editor/MiradoView.h"
#include "render/glyph/FontFile.h"

namespace {

// Ends the program once the watched widget has painted and the window has
// gone to the screen, first saying "painted" on stdout: start-up timing stops
// at that line, not at the exit.
class QuitAfterPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_) {
      painted_ = true;
      QTimer::singleShot(0, qApp, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  TuneAllocatorForDrawing();
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const CommandLine cl = ParseCommandLine(args);
  if (cl.Batch() && cl.NeedsFonts()) {
    // Drawing text needs fonts, so a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication gui(argc, argv);
    InstallJapaneseUi(gui);
    return RunBatch(cl);
  }
  if (cl.Batch()) {
    QCoreApplication core(argc, argv);
    return RunBatch(cl);
  }

  // Fontconfig reads its configuration while the application connects to the display.
  std::thread fonts(LoadFontConfiguration);
  QApplication app(argc, argv);
  fonts.join();
  // The document's pictures need the decoder plugins; they load meanwhile.
  QThreadPool::globalInstance()->start([] { Picture::LoadDecoders(); });
  QApplication::setApplicationName(AppTitle());
  QApplication::setOrganizationName("Orlinde");
  QApplication::setApplicationVersion(TESSALY_VERSION);
  QGuiApplication::setDesktopFileName(kAppUserModelId);
  InstallJapaneseUi(app);
  MessageBoxSink boxes;
  ScopedMessageSink messagesInBoxes(boxes);

  if (cl.show || cl.rehearse)
    return RunFileShow(cl.document, cl.rehearse ? ShowMode::RehearsalMeasure : ShowMode::Production) ? 0 : 1;

  CMiradoApp theApp;
  if (!theApp.InitInstance(cl)) return 1;
  QuitAfterPaint quitAfterPaint;
  if (cl.quitAfterPaint) theApp.Frame()->View()->viewport()->installEventFilter(&quitAfterPaint);
  const int code = app.exec();
  theApp.ExitInstance();
  return code;
}
