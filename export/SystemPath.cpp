#include "export/SystemPath.h"

#include <QFile>
#include <climits>

QByteArray SystemPathBytes(const QString& path) {
  if (path.isEmpty() || path.contains(QChar(0))) return QByteArray();
  const QByteArray bytes = QFile::encodeName(path);
  if (QFile::decodeName(bytes) != path || bytes.size() >= PATH_MAX) return QByteArray();
  for (const QByteArray& part : bytes.split('/'))
    if (part.size() > NAME_MAX) return QByteArray();
  return bytes;
}

Result<void> CheckSystemPath(const QString& path, int messageId) {
  if (SystemPathBytes(path).isEmpty()) return Failure(messageId, path + '\n');
  return {};
}
