// The dialog "テキストの編集": an object's text in a multi-line edit under two
// buttons and a byte counter against the object's limit.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPlainTextEdit;

class CTextDlg : public QDialog {
  Q_OBJECT
 public:
  CTextDlg(const QString& text, int limit, QWidget* parent = nullptr);

  QString Text() const;
  QPlainTextEdit* Edit() const { return edit_; }
  QLabel* Counter() const { return counter_; }
  // Accepts unless the text is longer than the limit (30008) or has a
  // character Shift-JIS cannot hold; then the focus goes back to the edit.
  void accept() override;

  // The text saved with 保存して終了, or nullopt when the dialog was closed.
  static std::optional<QString> Ask(QWidget* owner, const QString& text, int limit);

 private:
  void UpdateCounter();

  QPlainTextEdit* edit_;
  QLabel* counter_;
  int limit_;
};
