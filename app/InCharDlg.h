// The dialog "文字イン文字設定": text-in-text for the selected objects, opened
// by the command ID_SET_CHARA. It stays open after 適用 for further changes.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "base/Color.h"
#include "editor/CharaTextSettings.h"

class CommandRegistry;
class EditPath;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

// Asks for a colour starting from `current`; nullopt when cancelled.
using ColourPicker = std::function<std::optional<COLORREF>(QWidget* owner, COLORREF current)>;
// The platform's colour chooser.
std::optional<COLORREF> StandardColourPicker(QWidget* owner, COLORREF current);

class CInCharDlg : public QDialog {
  Q_OBJECT
 public:
  // Shows the text-in-text of object `primary`; 適用 changes every selected
  // object through `edits`.
  CInCharDlg(EditPath& edits, int primary, const QStringList& fonts, ColourPicker pickColour,
             QWidget* parent = nullptr);

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

  EditPath& edits_;
  int primary_;
  ColourPicker pickColour_;
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
void RegisterInCharCommand(CommandRegistry& commands, EditPath& edits, std::function<int()> primary,
                           QWidget* owner);
