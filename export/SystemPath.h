// Paths handed to the file system and the PDF helper are never cut: one the
// system cannot take is refused before any work starts.
#pragma once

#include <QByteArray>
#include <QString>

#include "base/Failure.h"

// The path's file-system bytes; empty when it has a NUL, does not survive the
// file-name encoding, is longer than PATH_MAX or has a part longer than NAME_MAX.
QByteArray SystemPathBytes(const QString& path);

// Empty when SystemPathBytes can take `path`, else `messageId` after the path.
Result<void> CheckSystemPath(const QString& path, int messageId);
