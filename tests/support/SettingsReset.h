// Tests start from an empty settings store (their own private one).
#pragma once

#include <QSettings>

namespace support {

// Empties the settings store (the test's private one).
inline void ClearSettings() {
  QSettings(QSettings::IniFormat, QSettings::UserScope, "Orlinde", "Tessaly").clear();
}

}  // namespace support
