// The player's application object: finds the show in the package file,
// reads it and runs the show on it until the user ends it.
#pragma once

#include <QFile>
#include <QString>
#include <memory>

#include "base/Failure.h"
#include "show/ShowSettings.h"
#include "show/package/PackageReader.h"

class PlayerSlides;

class CMiradoAApp {
 public:
  CMiradoAApp();
  ~CMiradoAApp();

  // Maps the package at `path` (the player's own file, "/proc/self/exe") and
  // reads its show data. Failures: 30026 when it cannot be opened, else the
  // reader's (30003 for a bare player, 30001 for a damaged package).
  Result<void> OpenPackage(const QString& path);
  const ShowPackage& Package() const { return package_; }
  ShowSettings Settings() const;
  PlayerSlides& Slides() { return *slides_; }

  // The whole run after start-up: read the package, report pictures that
  // cannot be shown (once), run the show on the primary screen. The exit
  // code; failures are shown in the player's own words.
  int Run(const QString& path, bool quitAfterPaint = false);

 private:
  QFile file_;
  const uchar* map_ = nullptr;
  ShowPackage package_;
  std::unique_ptr<PlayerSlides> slides_;
};
