// The dialog "座標の指定": where a vertex is drawn on the slide, typed as two
// numbers within the slide.
#pragma once

#include <QDialog>
#include <optional>

class QSpinBox;

class CPointDlg : public QDialog {
  Q_OBJECT
 public:
  CPointDlg(QPoint at, QSize slide, QWidget* parent = nullptr);

  QPoint Value() const;
  QSpinBox* X() const { return x_; }
  QSpinBox* Y() const { return y_; }
  // Accepts only values inside the slide; otherwise 30051 and the focus on that field.
  void accept() override;

  // The position chosen with OK, or nullopt when the dialog was closed.
  static std::optional<QPoint> Ask(QWidget* owner, QPoint at, QSize slide);

 private:
  QSpinBox* x_;
  QSpinBox* y_;
  QSize slide_;
};
