// The program's command line.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
  bool help = false;
  bool version = false;
  QString error;      // set when the arguments cannot be understood
  QString document;   // a .tvl file to open
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString HelpText();
QString VersionText();
