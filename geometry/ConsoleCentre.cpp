#include "geometry/ConsoleCentre.h"

#include <algorithm>

QPoint ClampConsoleCentre(QPoint centre, QSize client) {
  const int inset = 5 + kConsoleSize / 2;
  return {std::clamp(centre.x(), inset, std::max(inset, client.width() - inset)),
          std::clamp(centre.y(), inset, std::max(inset, client.height() - inset))};
}

QPoint ConsoleCentre(const DocHeader& header, QSize client) {
  return ClampConsoleCentre(QPoint(header.ConsoleX, header.ConsoleY), client);
}
