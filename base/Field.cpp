#include "base/Field.h"

QString Field(const QString& text, int n, const QString& separator) {
  if (n < 1) return QString();
  if (separator.isEmpty()) return n == 1 ? text : QString();
  qsizetype start = 0;
  for (int part = 1; part < n; ++part) {
    const qsizetype at = text.indexOf(separator, start);
    if (at < 0) return QString();
    start = at + separator.size();
  }
  const qsizetype end = text.indexOf(separator, start);
  return text.mid(start, end < 0 ? -1 : end - start);
}
