// The manual's pictures of the program's own windows: the main window with
// a presentation open and the shell's dialogs, grabbed without a display.
// Usage: ManualShots SAMPLE.tvl OUT_DIR (run with a private settings folder).
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <cstdio>

#include "app/AboutDlg.h"
#include "app/CommandLine.h"
#include "app/JapaneseUi.h"
#include "app/KansetDlg.h"
#include "app/MiradoApp.h"
#include "app/RecentDlg.h"
#include "app/RecentFiles.h"
#include "base/StringTable.h"

namespace {

bool Grab(QWidget& window, const QString& path) {
  window.show();
  QApplication::processEvents();
  if (window.grab().save(path)) return true;
  std::fprintf(stderr, "ManualShots: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(AppTitle());
  QApplication::setOrganizationName("Orlinde");
  InstallJapaneseUi(app);
  const QStringList args = app.arguments();
  if (args.size() != 3) {
    std::fprintf(stderr, "Usage: ManualShots SAMPLE.tvl OUT_DIR\n");
    return 2;
  }
  const QDir out(args[2]);
  CommandLine cl;
  cl.document = args[1];
  CMiradoApp theApp;
  if (!theApp.InitInstance(cl)) return 1;
  theApp.Frame()->resize(1000, 700);
  bool ok = Grab(*theApp.Frame(), out.filePath("main-window.png"));

  CKansetDlg settings(LoadKanset(AnimeGuide{}), theApp.Frame());
  ok = Grab(settings, out.filePath("settings.png")) && ok;
  // Example entries, not the home of whoever builds.
  StoreRecentFiles({QString::fromUtf8("/home/hanako/発表/新製品のご紹介.tvl"),
                    QString::fromUtf8("/home/hanako/発表/社内研修.tvl"),
                    QString::fromUtf8("/home/hanako/資料/2026年度計画.tvl")});
  CRecentDlg recent(StandardShowFolder(), theApp.Frame());
  ok = Grab(recent, out.filePath("recent.png")) && ok;
  CAboutDlg about(theApp.Frame());
  ok = Grab(about, out.filePath("about.png")) && ok;
  theApp.ExitInstance();
  return ok ? 0 : 1;
}
