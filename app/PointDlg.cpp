#include "app/PointDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "base/MessageIds.h"
#include "base/MessageSink.h"

namespace {

// Wider than the slide, so that a typed value out of range is told, not silently clamped.
constexpr int kTypedLimit = 99999;

QSpinBox* Field(int value, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(-kTypedLimit, kTypedLimit);
  spin->setValue(value);
  return spin;
}

}  // namespace

CPointDlg::CPointDlg(QPoint at, QSize slide, QWidget* parent)
    : QDialog(parent), x_(Field(at.x(), this)), y_(Field(at.y(), this)), slide_(slide) {
  setWindowTitle(QString::fromUtf8("座標の指定"));
  auto* form = new QFormLayout(this);
  form->addRow(QString::fromUtf8("(水平:max %1)").arg(slide.width()), x_);
  form->addRow(QString::fromUtf8("(垂直:max %1)").arg(slide.height()), y_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPointDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

QPoint CPointDlg::Value() const { return {x_->value(), y_->value()}; }

void CPointDlg::accept() {
  for (auto [spin, max] : {std::pair{x_, slide_.width()}, std::pair{y_, slide_.height()}}) {
    if (spin->value() < 0 || spin->value() > max) {
      ShowMessage(msg::ValueOutOfRange, this);
      spin->setFocus();
      spin->selectAll();
      return;
    }
  }
  QDialog::accept();
}

std::optional<QPoint> CPointDlg::Ask(QWidget* owner, QPoint at, QSize slide) {
  CPointDlg dlg(at, slide, owner);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.Value();
}
