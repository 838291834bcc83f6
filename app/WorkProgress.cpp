#include "app/WorkProgress.h"

#include <QProgressDialog>

WorkProgress::WorkProgress(QWidget* owner, const QString& label, int steps, int quietSteps) {
  if (owner == nullptr || steps <= quietSteps) return;
  dialog_ = std::make_unique<QProgressDialog>(label, QString::fromUtf8("中止"), 0, steps, owner);
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(300);
  dialog_->setValue(0);
}

WorkProgress::~WorkProgress() = default;

std::function<bool(int, int)> WorkProgress::Callback() {
  return [this](int done, int) {
    if (!dialog_) return true;
    dialog_->setValue(done);
    return !dialog_->wasCanceled();
  };
}
