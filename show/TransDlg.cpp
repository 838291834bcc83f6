#include "show/TransDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <algorithm>

#include "base/Settings.h"

namespace {

void SetOpacity(QWidget* widget, int opacity) {
  if (widget) widget->setWindowOpacity(std::clamp(opacity, kMinOpacity, kMaxOpacity) / 255.0);
}

}  // namespace

// A popup: a click outside it closes it, as the captured mouse did.
CTransDlg::CTransDlg(QWidget* owner, int opacity)
    : QDialog(owner, Qt::Popup | Qt::FramelessWindowHint), owner_(owner), slider_(new QSlider(Qt::Vertical)) {
  slider_->setObjectName(QStringLiteral("1025"));
  slider_->setRange(kMinOpacity, kMaxOpacity);
  slider_->setInvertedAppearance(true);  // 150 at the top
  slider_->setInvertedControls(true);
  slider_->setTracking(false);           // a value counts once the slider lets go
  slider_->setValue(std::clamp(opacity, kMinOpacity, kMaxOpacity));
  slider_->setFixedHeight(120);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->addWidget(new QLabel(QStringLiteral("50%")), 0, 0, 1, 2, Qt::AlignLeft);
  layout->addWidget(slider_, 1, 0);
  layout->addWidget(new QLabel(QString::fromUtf8("↑\n透\n過\n率\n大")), 1, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(QStringLiteral("100%")), 2, 0, 1, 2, Qt::AlignLeft);
  connect(slider_, &QSlider::valueChanged, this, [this] { Apply(); });
}

int CTransDlg::Opacity() const { return std::clamp(slider_->value(), kMinOpacity, kMaxOpacity); }

void CTransDlg::Apply() { SetOpacity(owner_, Opacity()); }

void ApplyDialogOpacity(QWidget* dialog, const QString& key) { SetOpacity(dialog, GetDialogOpacity(key)); }

int RunOpacitySlider(QWidget* owner, QPoint globalPos, const QString& key) {
  CTransDlg slider(owner, GetDialogOpacity(key));
  slider.move(globalPos);
  slider.exec();
  const int opacity = slider.Opacity();
  WriteInt(QStringLiteral("Trans"), key, opacity);
  return opacity;
}
