// The picture type a file name promises by its extension.
#pragma once

#include <QString>

// "jpeg", "gif", "bmp", "png" or "tiff" for an image file's name, compared
// without regard to case; empty for anything else.
QString PictureFileType(const QString& path);
