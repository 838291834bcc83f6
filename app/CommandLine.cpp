#include "app/CommandLine.h"

#include <QCoreApplication>

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version" || a == "-v") {
      cl.version = true;
    } else if (a.startsWith('-')) {
      cl.error = QString("unknown option: %1").arg(a);
    } else if (cl.document.isEmpty()) {
      cl.document = a;
    } else {
      cl.error = QString("only one document can be opened: %1").arg(a);
    }
  }
  return cl;
}

QString HelpText() {
  return QStringLiteral(
      "Usage: Tessaly [options] [FILE.tvl]\n"
      "\n"
      "Slide-show authoring. With a file, opens it; without, starts a new document.\n"
      "\n"
      "Options:\n"
      "  -h, --help     show this help and exit\n"
      "  -v, --version  show the version and exit\n");
}

QString VersionText() {
  return QString("Tessaly %1\n").arg(TESSALY_VERSION);
}
