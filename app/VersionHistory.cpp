#include "app/VersionHistory.h"

#include "base/StringTable.h"

QString BuiltVersion() { return QString::fromLatin1(TESSALY_VERSION); }

QStringList VersionHistory() {
  QStringList lines;
  for (int id = IDS_HISTORY_LAST; id >= IDS_HISTORY_FIRST; --id)
    if (const std::optional<QString> line = LoadString(id)) lines << *line;
  return lines;
}
