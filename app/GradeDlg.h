// The dialog "グラデーション設定": one gradient's pattern and 17 colours with a
// live preview, colour tools and ten presets kept as files; opened by the
// command ID_SEL_GRADE for the selected objects or the slide background.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

#include "app/InCharDlg.h"
#include "editor/GradeEditor.h"
#include "editor/GradePresets.h"

class CommandRegistry;
class EditPath;
class QCheckBox;
class QLabel;
class QPushButton;
class QToolButton;

class CGradeDlg : public QDialog {
  Q_OBJECT
 public:
  // `hasPrimary`: objects are edited, so the turn flag can be set.
  CGradeDlg(const QString& presetFolder, const GradeValue& start, bool hasPrimary, ColourPicker pickColour,
            QWidget* parent = nullptr);

  // The value 適用 returns (turn flag from its check box).
  GradeValue Value() const;
  QImage Preview() const { return preview_; }
  bool PresetUsed(int slot) const { return !presetPictures_[slot].isNull(); }

  QToolButton* PatternButton(int pattern) const;
  QToolButton* Cell(int cell) const { return cells_[cell]; }
  QLabel* CentreLabel() const { return centreLabel_; }
  QToolButton* ModeButton(GradeMode mode) const { return modes_[static_cast<int>(mode) - 1]; }
  QToolButton* ToolButton(int k) const { return tools_[k]; }  // 虹, 明上, 明下, 逆
  QToolButton* PresetBox(int slot) const { return presetBoxes_[slot]; }
  QToolButton* SaveButton(int slot) const { return saveButtons_[slot]; }
  QToolButton* DeleteButton(int slot) const { return deleteButtons_[slot]; }
  QCheckBox* RoundBox() const { return round_; }
  QPushButton* ApplyButton() const { return apply_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildPatterns();
  QWidget* BuildColours();
  QWidget* BuildPresets();
  void Refresh();
  void ClickCell(int cell);
  void LoadPresetPicture(int slot);
  void ShowPreset(int slot);
  void LoadPreset(int slot);
  void SavePreset(int slot);
  void DeletePreset(int slot);
  void DeleteAllPresets();

  GradeEditor editor_;
  GradePresets presets_;
  ColourPicker pickColour_;
  QImage preview_;
  QLabel* previewLabel_ = nullptr;
  std::array<QToolButton*, kGradePatterns> patterns_{};
  std::array<QToolButton*, kGradeColours> cells_{};
  QLabel* centreLabel_ = nullptr;
  std::array<QToolButton*, 3> modes_{};
  std::array<QToolButton*, 4> tools_{};
  QToolButton* colourButton_ = nullptr;
  std::array<QImage, kGradePresetSlots> presetPictures_{};
  std::array<QToolButton*, kGradePresetSlots> presetBoxes_{};
  std::array<QToolButton*, kGradePresetSlots> saveButtons_{};
  std::array<QToolButton*, kGradePresetSlots> deleteButtons_{};
  QToolButton* deleteAll_ = nullptr;
  QCheckBox* round_ = nullptr;
  QPushButton* apply_ = nullptr;
  QStringList badPresets_;  // told once, when the dialog first shows
  bool told_ = false;
};

// ID_SEL_GRADE ("グラデーション", always enabled): the primary object's gradient
// for every selected object, or without one the slide background's.
void RegisterGradeCommand(CommandRegistry& commands, EditPath& edits, std::function<int()> primary,
                          QWidget* owner, ColourPicker pickColour);
