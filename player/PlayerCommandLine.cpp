#include "player/PlayerCommandLine.h"

PlayerCommandLine ParsePlayerCommandLine(const QStringList& arguments) {
  PlayerCommandLine cl;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == "--help" || a == "-h") cl.help = true;
    else if (a == "--version" || a == "-v") cl.version = true;
    else if (a == "--quit-after-paint") cl.quitAfterPaint = true;
    else if (cl.error.isEmpty()) cl.error = QString("unknown argument: %1").arg(a);
  }
  return cl;
}

QString PlayerHelpText(const QString& programName) {
  return QString(
             "Usage: %1\n"
             "\n"
             "Runs the slide show this file carries, full-screen. N, Right, Space, Enter or a\n"
             "click go forward; P, Left or Backspace go back; Esc ends the show.\n"
             "\n"
             "  --quit-after-paint  end as soon as the first slide is shown (for timing)\n"
             "  -h, --help          show this help and exit\n"
             "  -v, --version       show the version and exit\n")
      .arg(programName);
}

QString PlayerVersionText() { return QString("Tavorun %1\n").arg(TESSALY_VERSION); }
