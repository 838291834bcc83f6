// The manual: "Manual.pdf" from the program's folder, shown maximised by the
// manual viewer module.
#pragma once

#include <QString>

class QWidget;

inline constexpr char kManualModule[] = "libtessaly_manual.so";

// The manual's path in `folder`.
QString ManualPath(const QString& folder);

// Shows the manual found in `folder` with the viewer module from
// `moduleFolder` (the program's folder when empty), or tells what is missing
// or unreadable.
void ShowManual(const QString& folder, QWidget* owner, const QString& moduleFolder = {});
