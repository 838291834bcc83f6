// The dialog "1文字入力": the character of a new polygon character and its font.
#pragma once

#include <QDialog>
#include <optional>

#include "editor/factory/CharDialogValues.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

class CCharDlg : public QDialog {
  Q_OBJECT
 public:
  CCharDlg(const CharDialogValues& start, const QStringList& fonts, QWidget* parent = nullptr);

  CharDialogValues Values() const;
  QLineEdit* Text() const { return text_; }
  QComboBox* Fonts() const { return fonts_; }
  QToolButton* Bold() const { return bold_; }
  QToolButton* Italic() const { return italic_; }
  QCheckBox* Curve() const { return curve_; }

  // Shows the dialog with the last choices; the choices made with 決定, or nullopt
  // when the window was closed.
  static std::optional<CharDialogValues> Ask(QWidget* owner);

 private:
  void Decide();

  QLineEdit* text_;
  QComboBox* fonts_;
  QToolButton* bold_;
  QToolButton* italic_;
  QCheckBox* curve_;
};

// The entry of `fonts` a dialog selects for `face`: the first that begins with it,
// else with the family the face is drawn with, else the first.
int FontIndexFor(const QStringList& fonts, const QString& face);

// A checkable button showing "B" in bold or "I" in italics, with its tool tip.
QToolButton* MakeStyleToggle(bool italic, QWidget* parent);
