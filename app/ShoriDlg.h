// The small modal "processing" dialog that runs one cabinet step while the
// user sees a busy bar. Without a window the step simply runs.
#pragma once

#include <QDialog>
#include <functional>

class CShoriDlg : public QDialog {
  Q_OBJECT
 public:
  CShoriDlg(std::function<bool()> work, QWidget* parent);

  // Runs `work`, inside the dialog when `owner` is a window; returns its result.
  static bool Run(QWidget* owner, std::function<bool()> work);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::function<bool()> work_;
  bool started_ = false;
};
