// The opacity slider of the semi-transparent dialogs: a small popup opened
// by a right click, whose value applies to its owner at once and is kept
// under "Trans".
#pragma once

#include <QDialog>

class QSlider;

inline constexpr int kMinOpacity = 150;
inline constexpr int kMaxOpacity = 255;

class CTransDlg : public QDialog {
  Q_OBJECT
 public:
  CTransDlg(QWidget* owner, int opacity);

  QSlider* Slider() const { return slider_; }
  int Opacity() const;

 private:
  void Apply();

  QWidget* owner_;
  QSlider* slider_;
};

// Gives `dialog` the opacity kept as "Trans"/`key`.
void ApplyDialogOpacity(QWidget* dialog, const QString& key);

// Opens the slider for `owner` at `globalPos`; when it closes, writes the
// chosen opacity to "Trans"/`key` and returns it.
int RunOpacitySlider(QWidget* owner, QPoint globalPos, const QString& key);
