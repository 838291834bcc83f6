#include "core/picture/PictureFileType.h"

QString PictureFileType(const QString& path) {
  const qsizetype dot = path.lastIndexOf(u'.');
  if (dot < 0 || path.indexOf(u'/', dot) >= 0) return {};  // a dot in a folder's name
  const QString ext = path.mid(dot + 1).toLower();
  if (ext == u"jpg" || ext == u"jpeg") return QStringLiteral("jpeg");
  if (ext == u"gif" || ext == u"bmp" || ext == u"png") return ext;
  if (ext == u"tif" || ext == u"tiff") return QStringLiteral("tiff");
  return {};
}
