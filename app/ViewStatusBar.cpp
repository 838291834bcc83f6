#include "app/ViewStatusBar.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "editor/MiradoView.h"

void InstallViewStatusBar(QMainWindow& window, CMiradoView& view) {
  QStatusBar* bar = window.statusBar();
  auto* position = new QLabel(bar);
  position->setObjectName("position");
  position->setMinimumWidth(position->fontMetrics().horizontalAdvance("00000, 00000") + 8);
  position->setAlignment(Qt::AlignCenter);
  bar->addPermanentWidget(position);
  QObject::connect(&view, &CMiradoView::PositionChanged, position, &QLabel::setText);
  QObject::connect(&view, &CMiradoView::GuideChanged, bar, [bar](const QString& text) {
    if (text.isEmpty()) bar->clearMessage();
    else bar->showMessage(text);
  });
}
