#include "app/RibbonKeyTips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

RibbonKeyTips::RibbonKeyTips(Ribbon& ribbon, QWidget& window) : QObject(&window), ribbon_(ribbon), window_(window) {
  qApp->installEventFilter(this);
}

void RibbonKeyTips::ShowTop() { Show(ribbon_.TopKeyTips()); }

void RibbonKeyTips::ShowTab() {
  ribbon_.SetMinimised(false);
  Show(ribbon_.TabKeyTips());
}

void RibbonKeyTips::Show(std::vector<RibbonKeyTip> tips) {
  Hide();
  shown_ = std::move(tips);
  for (const RibbonKeyTip& tip : shown_) {
    auto* label = new QLabel(tip.keys, &window_);
    label->setObjectName(QStringLiteral("KeyTip_") + tip.keys);
    label->setStyleSheet(QStringLiteral("background:#FFFBE0;border:1px solid #6B6B6B;padding:0 2px;font-size:9pt;"));
    label->adjustSize();
    const QPoint at = tip.target->mapTo(&window_, QPoint(tip.target->width() / 2, tip.target->height()));
    label->move(at - QPoint(label->width() / 2, label->height() / 2));
    label->show();
    label->raise();
    labels_.push_back(label);
  }
}

void RibbonKeyTips::Hide() {
  for (QLabel* label : labels_) label->deleteLater();
  labels_.clear();
  shown_.clear();
  typed_.clear();
}

bool RibbonKeyTips::Type(const QString& text) {
  if (text.isEmpty() || !text[0].isPrint()) return false;
  typed_ += text.toUpper();
  std::vector<RibbonKeyTip> matches;
  for (const RibbonKeyTip& tip : shown_)
    if (tip.keys.startsWith(typed_)) matches.push_back(tip);
  if (matches.empty()) {
    typed_.clear();
    return true;
  }
  if (matches.size() == 1 && matches.front().keys == typed_) {
    const RibbonKeyTip chosen = matches.front();
    Hide();
    if (chosen.act)
      chosen.act();
    else
      ShowTab();
    return true;
  }
  for (QLabel* label : labels_) label->setVisible(label->text().startsWith(typed_));
  return true;
}

bool RibbonKeyTips::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != &window_) return false;
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      altAlone_ = key->key() == Qt::Key_Alt && !key->isAutoRepeat();
      if (!Showing()) return false;
      if (key->key() == Qt::Key_Escape) {
        Hide();
        return true;
      }
      return Type(key->text());
    }
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() != Qt::Key_Alt || !altAlone_) return false;
      altAlone_ = false;
      if (Showing())
        Hide();
      else
        ShowTop();
      return true;
    }
    case QEvent::MouseButtonPress:
      altAlone_ = false;
      if (Showing()) Hide();
      return false;
    default: return false;
  }
}
