#include "export/PdfInfo.h"

#include <QFileInfo>
#include <QTimeZone>
#include <cstdlib>

#include "base/StringTable.h"
#include "base/Cp932.h"

namespace {

const char kMakerNotice[] = "Orlinde";

QByteArray Cp932OrQuestionMarks(QString text) {
  for (;;) {
    qsizetype bad = -1;
    if (const std::optional<QByteArray> bytes = EncodeCp932(text, &bad)) return *bytes;
    if (bad < 0 || bad >= text.size()) return QByteArray();
    const qsizetype width = text[bad].isHighSurrogate() && bad + 1 < text.size() ? 2 : 1;
    text.replace(bad, width, QChar('?'));
  }
}

}  // namespace

QByteArray PdfDate(const QDateTime& time) {
  QByteArray date = "D:" + time.toString("yyyyMMddHHmmss").toLatin1();
  const int offset = time.offsetFromUtc();
  if (offset == 0) return date + 'Z';
  const int minutes = std::abs(offset) / 60;
  date += offset < 0 ? '-' : '+';
  date += QByteArray::number(minutes / 60).rightJustified(2, '0') + '\'' +
          QByteArray::number(minutes % 60).rightJustified(2, '0') + '\'';
  return date;
}

PdfInfoTexts MakePdfInfo(const QString& title, const QDateTime& time) {
  const QString app = AppTitle();
  const QByteArray date = PdfDate(time);
  return {Cp932OrQuestionMarks(QFileInfo(title).completeBaseName()),
          QByteArray(),
          QByteArray(),
          QByteArray(),
          Cp932OrQuestionMarks(app + " (" + kMakerNotice + ")"),
          Cp932OrQuestionMarks(app + " (by " + PdfWeld::kFileName + ")"),
          date,
          date};
}
