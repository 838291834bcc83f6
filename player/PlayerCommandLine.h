// What a package answers on its command line before it needs a display.
#pragma once

#include <QString>
#include <QStringList>

struct PlayerCommandLine {
  bool help = false;
  bool version = false;
  bool quitAfterPaint = false;  // end once the first slide is on the screen (start-up timing)
  QString error;
};

PlayerCommandLine ParsePlayerCommandLine(const QStringList& arguments);
QString PlayerHelpText(const QString& programName);
QString PlayerVersionText();
