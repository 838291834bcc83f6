// Tavorun: the self-running show player, started as a package that carries
// its show after the player's own bytes.
#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <cstdio>

#include "base/MessageSink.h"
#include "player/MiradoAApp.h"
#include "player/PlayerCommandLine.h"
#include "player/PlayerMessageBox.h"

int main(int argc, char* argv[]) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const PlayerCommandLine cl = ParsePlayerCommandLine(args);
  const QString program = QFileInfo(args.value(0)).fileName();
  // Answered without a display.
  if (!cl.error.isEmpty()) {
    std::fprintf(stderr, "%s\n\n%s", qPrintable(cl.error), qPrintable(PlayerHelpText(program)));
    return 2;
  }
  if (cl.help || cl.version) {
    std::fputs(qPrintable(cl.help ? PlayerHelpText(program) : PlayerVersionText()), stdout);
    return 0;
  }

  QApplication app(argc, argv);
  QApplication::setOrganizationName("brevik");
  // Without a title of its own, the player goes by the name the user gave the package.
  const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QApplication::setApplicationName(name);
  QFont::insertSubstitution(QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic");
  PlayerMessageBox boxes(name);
  ScopedMessageSink messagesInBoxes(boxes);
  CMiradoAApp theApp;
  return theApp.Run("/proc/self/exe", cl.quitAfterPaint);
}
