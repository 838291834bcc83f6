#include "app/CommandLine.h"

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine cl;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--version" || a == "-v") {
      cl.version = true;
    } else if (a == "--info") {
      cl.info = true;
    } else if (a == "--save-as") {
      if (i + 1 >= arguments.size()) cl.error = "--save-as needs the path to save to";
      else cl.saveAsPath = arguments[++i];
    } else if (a.startsWith('-')) {
      cl.error = QString("unknown option: %1").arg(a);
    } else if (cl.document.isEmpty()) {
      cl.document = a;
    } else {
      cl.error = QString("only one document can be opened: %1").arg(a);
    }
  }
  if (cl.error.isEmpty() && (cl.info || !cl.saveAsPath.isEmpty()) && cl.document.isEmpty())
    cl.error = "this option needs a document: FILE.tvl";
  if (cl.error.isEmpty() && cl.info && !cl.saveAsPath.isEmpty())
    cl.error = "--info and --save-as cannot be used together";
  return cl;
}

QString HelpText() {
  return QStringLiteral(
      "Usage: Tessaly [FILE.tvl]\n"
      "       Tessaly --info FILE.tvl\n"
      "       Tessaly --save-as OUT.tvl IN.tvl\n"
      "\n"
      "Slide-show authoring. With a file, opens it; without, starts a new document.\n"
      "\n"
      "Options (these need no display):\n"
      "  --info FILE.tvl          print a JSON summary of the document\n"
      "  --save-as OUT.tvl IN.tvl open IN and save it as OUT (as the current version,\n"
      "                           with the backup rule of a normal save)\n"
      "  -h, --help               show this help and exit\n"
      "  -v, --version            show the version and exit\n");
}

QString VersionText() {
  return QString("Tessaly %1\n").arg(TESSALY_VERSION);
}
