// The system settings dialog "システムの環境設定". Its values and limits are
// in KansetValues; this is only the form.
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "app/KansetValues.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

class CKansetDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CKansetDlg(const KansetValues& values, QWidget* parent = nullptr);

  // The values as the controls now give them, clamped as on saving.
  KansetValues Values() const;

  QSpinBox* ImageWBox() const { return imageW_; }
  QSpinBox* AnimeCountBox() const { return animeCount_; }
  QCheckBox* AnimeCheck() const { return anime_; }
  QRadioButton* AutoCngRadio(int choice) const { return autoCng_[choice]; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QCheckBox* firstOpen_ = nullptr;
  QSpinBox* imageW_ = nullptr;
  QSpinBox* objW_ = nullptr;
  QSpinBox* objH_ = nullptr;
  std::array<QRadioButton*, kAutoCngChoices.size()> autoCng_{};
  QCheckBox* anime_ = nullptr;
  QSpinBox* animeCount_ = nullptr;
  std::array<QRadioButton*, kAnimeSpeeds> speed_{};
  QCheckBox* makeBackup_ = nullptr;
  QCheckBox* dspGuide_ = nullptr;
};

// "保存して終了" of the dialog opened on `values`: the values to keep, or
// nothing when the user closed it.
std::optional<KansetValues> RunKansetDlg(const KansetValues& values, QWidget* owner);
