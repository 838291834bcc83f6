// Tessaly: start-up and exit.
#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/JapaneseUi.h"
#include "app/MainWindow.h"
#include "app/store/StringTable.h"

namespace {

// Options that print and exit run without a display.
int RunWithoutWindow(const CommandLine& cl) {
  if (!cl.error.isEmpty()) {
    std::fprintf(stderr, "%s\n\n%s", qPrintable(cl.error), qPrintable(HelpText()));
    return 2;
  }
  std::fputs(qPrintable(cl.help ? HelpText() : VersionText()), stdout);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const CommandLine cl = ParseCommandLine(args);
  if (cl.help || cl.version || !cl.error.isEmpty()) {
    QCoreApplication core(argc, argv);
    return RunWithoutWindow(cl);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(AppTitle());
  QApplication::setOrganizationName("Orlinde");
  QApplication::setApplicationVersion(TESSALY_VERSION);
  QGuiApplication::setDesktopFileName("tessaly");
  InstallJapaneseUi(app);

  MainWindow window;
  window.show();
  return app.exec();
}
