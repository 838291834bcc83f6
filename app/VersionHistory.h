// What the version dialog shows: the version this program was built as and
// the release notes, newest first.
#pragma once

#include <QString>
#include <QStringList>

QString BuiltVersion();
QStringList VersionHistory();
