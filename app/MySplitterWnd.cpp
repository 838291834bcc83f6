#include "app/MySplitterWnd.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>

#include "base/Settings.h"

namespace {

constexpr IntSetting kTopHeight{"Last", "cyCur", 400};

class ListHandle : public QSplitterHandle {
 public:
  ListHandle(Qt::Orientation o, CMySplitterWnd* parent) : QSplitterHandle(o, parent), owner_(parent) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent*) override { owner_->ToggleList(); }
  void enterEvent(QEnterEvent*) override {
    if (owner_->ListHeight() == 0) emit owner_->Note(ClosedListNote());
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip) {
      if (owner_->ListHeight() == 0) {
        QPalette palette = QToolTip::palette();
        palette.setColor(QPalette::ToolTipBase, QColor(0x6B, 0x9E, 0xF7));
        palette.setColor(QPalette::ToolTipText, QColor(0xFF, 0xF7, 0xC6));
        QToolTip::setPalette(palette);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), ClosedListNote(), this);
      } else {
        QToolTip::hideText();
      }
      return true;
    }
    return QSplitterHandle::event(event);
  }

 private:
  CMySplitterWnd* owner_;
};

}  // namespace

QString ClosedListNote() {
  return QString::fromUtf8(
      "【スライド一覧エリア】\n上方へドラッグ＆ドロップするか、Ｗクリックすると\nスライド一覧エリアを表示します");
}

int ListRowAfterDrag(int height) {
  if (height < kListMin) return 0;
  return std::min(height, kListMax);
}

CMySplitterWnd::CMySplitterWnd(QWidget* top, QWidget* list, QWidget* parent) : QSplitter(Qt::Vertical, parent) {
  setObjectName(QStringLiteral("CMySplitterWnd"));
  addWidget(top);
  addWidget(list);
  setCollapsible(0, false);
  setCollapsible(1, true);
  setStretchFactor(0, 1);
  setStretchFactor(1, 0);
  list->setMinimumHeight(1);  // not its size hint: the list may be 50 high
  setSizes({std::max(1, GetInt(kTopHeight)), kListStart});
  connect(this, &QSplitter::splitterMoved, this, &CMySplitterWnd::Moved);
}

QSplitterHandle* CMySplitterWnd::createHandle() { return new ListHandle(orientation(), this); }

// Once the window has its size, the top row takes its stored height and the
// list what is left, within the list's rules.
void CMySplitterWnd::showEvent(QShowEvent* event) {
  QSplitter::showEvent(event);
  if (started_) return;
  started_ = true;
  const int total = sizes().value(0) + sizes().value(1);
  SetListHeight(ListRowAfterDrag(total - GetInt(kTopHeight)));
}

void CMySplitterWnd::SetListHeight(int height) {
  const int total = sizes().value(0) + sizes().value(1);
  height = std::clamp(height, 0, std::max(0, total - 1));
  setSizes({total - height, height});
}

void CMySplitterWnd::ToggleList() { SetListHeight(ListHeight() == 0 ? kListOpened : 0); }

void CMySplitterWnd::Moved() {
  const int height = ListRowAfterDrag(ListHeight());
  if (height != ListHeight()) SetListHeight(height);
}

void CMySplitterWnd::SaveTopHeight() const { WriteInt(kTopHeight, sizes().value(0)); }
