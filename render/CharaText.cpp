#include "render/CharaText.h"

#include <QFontMetrics>
#include <QPainter>
#include <cstring>

#include "base/Cp932.h"
#include "core/Records.h"
#include "geometry/Rotation.h"
#include "render/MakeFont.h"
#include "render/RenderContext.h"
#include "render/gdi/Color.h"

bool HasCharaText(const ObjectRecord& r) { return r.CharaText[0] != '\0'; }

QByteArray CharaTextBytes(const ObjectRecord& r) {
  const QByteArrayView text(r.CharaText, static_cast<qsizetype>(strnlen(r.CharaText, sizeof r.CharaText)));
  return TruncateCp932(text, kCharaTextBytes);
}

void TileCharaText(QImage& surface, const ObjectRecord& r, float zoom, bool printer) {
  if (!HasCharaText(r) || surface.isNull() || r.ChararefText == kNoColor) return;
  const QString face = DecodeCp932Buffer(r.CharaFontName, sizeof r.CharaFontName);
  const FontScale size = ScaleFont(r.CharaFontSize, zoom, printer, surface.logicalDpiY());
  const LogFont lf =
      MakeFont(face, size.points, r.CharaFontBold, r.CharaFontItalic, false, false, r.CharaAngle, size.dpi);
  QFont font = ToQFont(lf);
  font.setKerning(false);
  const QString text = DecodeCp932(CharaTextBytes(r));
  const QFontMetrics fm(font);
  const int cw = fm.horizontalAdvance(text) + ToView(r.CharaCharMargin, zoom);
  const int ch = fm.height() + ToView(r.CharaLineMargin, zoom);
  if (cw <= 0 || ch <= 0) return;
  const int columns = surface.width() / cw;
  const int rows = surface.height() / ch;

  QPainter painter(&surface);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(gdi::ToQColor(r.ChararefText));
  for (int c = 0; c < columns; ++c) {
    for (int row = 0; row < rows; ++row) {
      painter.resetTransform();
      painter.translate(c * cw, row * ch);
      painter.rotate(-r.CharaAngle);
      painter.drawText(0, fm.ascent(), text);
    }
  }
}
