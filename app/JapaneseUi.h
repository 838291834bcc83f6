// Japanese user interface: Qt's own translation for standard buttons and
// dialogs, and a Japanese UI font for the faces that documents name.
#pragma once

class QGuiApplication;

// The family used for the UI and for the Windows faces that stored documents name.
inline constexpr char kUiFontFamily[] = "IPAPGothic";

void InstallJapaneseUi(QGuiApplication& app);
