// The program's command line.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
  bool help = false;
  bool version = false;
  bool info = false;   // --info FILE: print a summary of the document
  QString saveAsPath;  // --save-as OUT IN: open IN and save it as OUT
  QString error;       // set when the arguments cannot be understood
  QString document;    // the .tvl file to open

  // Options that work without a window.
  bool Batch() const { return help || version || info || !saveAsPath.isEmpty() || !error.isEmpty(); }
};

CommandLine ParseCommandLine(const QStringList& arguments);
QString HelpText();
QString VersionText();
