// The one encoder every export uses: a raster written as a JPEG, GIF, BMP, PNG
// or TIFF file at the size asked for.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringView>
#include <optional>

#include "base/Failure.h"

enum class ImageFormat { Jpeg, Gif, Bmp, Png, Tiff };

// "jpeg", "gif", "bmp", "png", "tiff": the format's name, also the extension
// of slide image files.
QString ImageFormatName(ImageFormat format);
std::optional<ImageFormat> ImageFormatFromName(QStringView name);
// The format a file name's extension asks for ("jpg", "tif" included, case ignored).
std::optional<ImageFormat> ImageFormatFromSuffix(QStringView suffix);

// `raster` drawn at `size` (its own size when empty) and encoded; JPEG at
// quality 100. nullopt when the raster is empty or the encoder fails.
std::optional<QByteArray> EncodeImage(const QImage& raster, ImageFormat format, QSize size = QSize());

// EncodeImage written to `path`, replacing an older file only once the new one
// is complete. 30001 when encoding failed, 30018 after the path when the file
// could not be written.
Result<void> EncodeImageFile(const QImage& raster, ImageFormat format, const QString& path,
                             QSize size = QSize());

// Writes `bytes` to `path` the same way (30018 after the path on failure).
Result<void> WriteFileAtomically(const QString& path, const QByteArray& bytes);
