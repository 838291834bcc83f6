#include "render/MakeFont.h"

#include <QFont>

#include "base/Cp932.h"
#include "base/MulDiv.h"

namespace {

constexpr int kFaceBytes = 31;

QString CutFace(const QString& face) {
  const std::optional<QByteArray> bytes = EncodeCp932(face);
  if (!bytes) return face.left(kFaceBytes / 2);  // cannot be stored; keep a safe length
  return DecodeCp932(TruncateCp932(*bytes, kFaceBytes));
}

}  // namespace

LogFont MakeFont(const QString& face, int points, bool bold, bool italic, bool strikeOut,
                 bool underline, int angle, int dpiY) {
  LogFont lf;
  lf.face = CutFace(face.isEmpty() ? QString(kDefaultFace) : face);
  lf.weight = bold ? 700 : 400;
  lf.height = -MulDiv(points < 2 ? 2 : points, dpiY, 72);
  lf.italic = italic;
  lf.strikeOut = strikeOut;
  lf.underline = underline;
  lf.escapement = angle * 10;
  return lf;
}

QFont ToQFont(const LogFont& lf) {
  QFont font(lf.face);
  font.setPixelSize(qMax(1, qAbs(lf.height)));
  font.setWeight(lf.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(lf.italic);
  font.setStrikeOut(lf.strikeOut);
  font.setUnderline(lf.underline);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}
