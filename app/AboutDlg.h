// The version dialog "バージョン情報": the product, the version it was built
// as and the release notes, newest first.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);

  QLabel* VersionLabel() const { return version_; }
  QPlainTextEdit* History() const { return history_; }

 private:
  QLabel* version_ = nullptr;
  QPlainTextEdit* history_ = nullptr;
};
