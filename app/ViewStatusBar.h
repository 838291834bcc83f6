// The status bar's message area as far as the editing view needs it: the
// operation guide and the note that a font's glyphs are drawn with another one.
#pragma once

#include <QString>
#include <QStringList>

class QMainWindow;
class CMiradoView;

void InstallViewStatusBar(QMainWindow& window, CMiradoView& view);

// What the status bar says when glyphs of `faces` are drawn with the fallback font.
QString FontFallbackText(const QStringList& faces);
