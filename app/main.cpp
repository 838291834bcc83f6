// Tessaly: start-up and exit.
#include <QApplication>
#include <QCoreApplication>

#include "app/Batch.h"
#include "app/CommandLine.h"
#include "app/JapaneseUi.h"
#include "app/MiradoApp.h"
#include "app/store/StringTable.h"

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const CommandLine cl = ParseCommandLine(args);
  if (cl.Batch()) {
    QCoreApplication core(argc, argv);
    return RunBatch(cl);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(AppTitle());
  QApplication::setOrganizationName("Orlinde");
  QApplication::setApplicationVersion(TESSALY_VERSION);
  QGuiApplication::setDesktopFileName(kAppUserModelId);
  InstallJapaneseUi(app);

  CMiradoApp theApp;
  if (!theApp.InitInstance(cl)) return 1;
  const int code = app.exec();
  theApp.ExitInstance();
  return code;
}
