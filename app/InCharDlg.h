// The dialog "文字イン文字設定": text-in-text for the selected objects, opened
// by the command ID_SET_CHARA. It stays open after 適用 for further changes.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "app/store/Settings.h"
#include "editor/CharaTextSettings.h"

class CommandRegistry;
class Document;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

inline constexpr int ID_SET_CHARA = 515;

// Asks for a colour starting from `current`; nullopt when cancelled.
using ColourPicker = std::function<std::optional<COLORREF>(QWidget* owner, COLORREF current)>;

class CInCharDlg : public QDialog {
  Q_OBJECT
 public:
  // `applied` runs after the selected objects changed (redraw, modified flag).
  CInCharDlg(Document& doc, int primary, const QStringList& fonts, ColourPicker pickColour,
             std::function<void()> applied, QWidget* parent = nullptr);

  CharaTextSettings Values() const;
  QLineEdit* Text() const { return text_; }
  QComboBox* Fonts() const { return fonts_; }
  QSpinBox* Size() const { return size_; }
  QSpinBox* CharMargin() const { return charMargin_; }
  QSpinBox* LineMargin() const { return lineMargin_; }
  QSpinBox* Angle() const { return angle_; }
  QPushButton* ApplyButton() const { return apply_; }
  QPushButton* ColourButton() const { return colourButton_; }

 private:
  void Apply();
  void PickColour();
  void ShowColour();

  Document& doc_;
  int primary_;
  ColourPicker pickColour_;
  std::function<void()> applied_;
  COLORREF colour_ = 0;
  QLineEdit* text_;
  QComboBox* fonts_;
  QSpinBox* size_;
  QToolButton* bold_;
  QToolButton* italic_;
  QPushButton* colourButton_;
  QSpinBox* charMargin_;
  QSpinBox* lineMargin_;
  QSpinBox* angle_;
  QPushButton* apply_;
};

// ID_SET_CHARA: enabled when there is a primary object that is not an image.
void RegisterInCharCommand(CommandRegistry& commands, Document& doc, std::function<int()> primary,
                           std::function<void()> applied, QWidget* owner);
