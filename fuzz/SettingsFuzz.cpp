// Feeds arbitrary bytes as the user's settings file and reads values through
// the settings store as the program does: nothing may crash, and the readers
// that bound their values keep them in bounds.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "base/Settings.h"

namespace {

struct Harness {
  Harness() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QDir(config.path()).mkpath("Orlinde");
  }
  QTemporaryDir config;
  int argc = 1;
  char name[8] = "fuzzer";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Harness h;
  QFile file(h.config.path() + "/Orlinde/Tessaly.ini");
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) __builtin_trap();
  file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  file.close();
  for (const char* section : {"SYS", "Trans", "Insatu", "Last"}) {
    for (const char* key : {"MakeBackup", "Kanset", "PaperSize", "refMen", "File1"}) {
      (void)GetInt(section, key, 7);
      (void)GetText(section, key, "x");
      (void)GetColor(section, key, 0x123456);
    }
  }
  const int opacity = GetDialogOpacity("Kanset");
  if (opacity < 150 || opacity > 255) __builtin_trap();
  return 0;
}
