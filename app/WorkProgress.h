#pragma once

#include <functional>
#include <memory>

class QProgressDialog;
class QString;
class QWidget;

// The progress of a long export or print: a window-modal dialog that appears
// only when the work takes a moment, and whose 中止 stops the work.
class WorkProgress {
 public:
  // No dialog without an owner, nor for `steps` of at most `quietSteps`.
  WorkProgress(QWidget* owner, const QString& label, int steps, int quietSteps);
  ~WorkProgress();

  // Tells the dialog how far the work is; false once the user stopped it.
  std::function<bool(int done, int total)> Callback();

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};
