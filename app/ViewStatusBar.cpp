#include "app/ViewStatusBar.h"

#include <QMainWindow>
#include <QStatusBar>

#include "editor/MiradoView.h"
#include "render/glyph/FontFile.h"

namespace {

constexpr int kNoticeMs = 15000;

}  // namespace

QString FontFallbackText(const QStringList& faces) {
  QStringList quoted;
  for (const QString& face : faces) quoted << QString::fromUtf8("「%1」").arg(face);
  return QString::fromUtf8("フォント%1の字形を取り出せないため、%2で描画します")
      .arg(quoted.join(QString::fromUtf8("、")), QString::fromLatin1(kGlyphFallbackFamily));
}

void InstallViewStatusBar(QMainWindow& window, CMiradoView& view) {
  QStatusBar* bar = window.statusBar();
  QObject::connect(&view, &CMiradoView::GuideChanged, bar, [bar](const QString& text) {
    if (text.isEmpty()) bar->clearMessage();
    else bar->showMessage(text);
  });
  QObject::connect(&view, &CMiradoView::FontFallback, bar,
                   [bar](const QStringList& faces) { bar->showMessage(FontFallbackText(faces), kNoticeMs); });
}
