#include "export/ImageEncoder.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSaveFile>
#include <array>

#include "base/MessageIds.h"
#include "base/SaveFile.h"
#include "export/ColorQuantizer.h"
#include "export/GifWriter.h"

namespace {

struct FormatRow {
  ImageFormat format;
  const char* name;
};
constexpr std::array<FormatRow, 5> kFormats{{{ImageFormat::Jpeg, "jpeg"},
                                             {ImageFormat::Gif, "gif"},
                                             {ImageFormat::Bmp, "bmp"},
                                             {ImageFormat::Png, "png"},
                                             {ImageFormat::Tiff, "tiff"}}};

std::optional<QByteArray> WriteWithQt(const QImage& image, ImageFormat format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, ImageFormatName(format).toLatin1());
  // Quality means quality only to JPEG: Qt's PNG writer would take 100 as
  // "no compression", the others ignore it.
  if (format == ImageFormat::Jpeg) writer.setQuality(100);
  if (!writer.write(image)) return std::nullopt;
  return bytes;
}

}  // namespace

QString ImageFormatName(ImageFormat format) {
  for (const FormatRow& row : kFormats)
    if (row.format == format) return QString::fromLatin1(row.name);
  return QString();
}

std::optional<ImageFormat> ImageFormatFromName(QStringView name) {
  for (const FormatRow& row : kFormats)
    if (name == QLatin1String(row.name)) return row.format;
  return std::nullopt;
}

std::optional<ImageFormat> ImageFormatFromSuffix(QStringView suffix) {
  const QString lower = suffix.toString().toLower();
  if (lower == "jpg" || lower == "jpe") return ImageFormat::Jpeg;
  if (lower == "tif") return ImageFormat::Tiff;
  return ImageFormatFromName(lower);
}

std::optional<QByteArray> EncodeImage(const QImage& raster, ImageFormat format, QSize size) {
  if (raster.isNull()) return std::nullopt;
  if (size.isEmpty()) size = raster.size();
  QImage image = raster.convertToFormat(QImage::Format_RGB32);
  if (image.size() != size) image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (image.isNull()) return std::nullopt;
  if (format == ImageFormat::Gif) return WriteGif(QuantizeColors(image));
  return WriteWithQt(image, format);
}

Result<void> EncodeImageFile(const QImage& raster, ImageFormat format, const QString& path, QSize size) {
  const std::optional<QByteArray> bytes = EncodeImage(raster, format, size);
  if (!bytes) return Failure(msg::NoMemory);
  return WriteFileAtomically(path, *bytes);
}

Result<void> WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !CommitWhole(file))
    return Failure(msg::SaveFailed, path + '\n');
  return {};
}
