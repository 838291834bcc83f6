// The dialog "スライドサイズ設定": the slide size from four presets or a free
// size in millimetres, and the user's default size for new documents. Its
// arithmetic is in editor/PageSize.
#pragma once

#include <QDialog>
#include <array>

#include "editor/PageSize.h"

class CommandRegistry;
class EditPath;
class QLabel;
class QRadioButton;
class QSpinBox;

class CPageDlg : public QDialog {
  Q_OBJECT
 public:
  // `screen` is the monitor's resolution, `dpi` the screen's dots per inch.
  CPageDlg(const Document& doc, QSize screen, ScreenDpi dpi, QWidget* parent = nullptr);

  PageSizeChoice Choice() const;
  QRadioButton* Preset(int preset) const { return presets_[preset - 1]; }
  QSpinBox* YokoBox() const { return yoko_; }
  QSpinBox* TateBox() const { return tate_; }
  QLabel* PixelLabel() const { return pixels_; }

  void accept() override;
  // "初期設定にする": the checked preset and the millimetres become the default.
  void MakeDefault();

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PresetChosen(int preset);
  void MmEdited();
  void ShowPixels();

  const Document& doc_;
  QSize screen_;
  ScreenDpi dpi_;
  QSize pixels_px_;
  std::array<QRadioButton*, 4> presets_{};
  QSpinBox* yoko_ = nullptr;
  QSpinBox* tate_ = nullptr;
  QLabel* pixels_ = nullptr;
  bool loading_ = false;
};

// Registers ID_PAGE_SET, which opens the dialog and applies its size.
void RegisterPageSizeCommand(CommandRegistry& commands, EditPath& edits, QWidget* owner);
