// The dialog "スライドショーの設定": every show setting the document carries.
#pragma once

#include <QDialog>
#include <memory>

#include "app/ShowSetForm.h"

class BellPlayer;
class EditPath;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTimeEdit;

inline constexpr int ID_SHOW_SETTEI = 573;

class CShowSet : public QDialog {
  Q_OBJECT
 public:
  // `bells` plays the test sounds; the program's own when null.
  CShowSet(const ShowSetForm& form, QWidget* parent = nullptr, BellPlayer* bells = nullptr);
  ~CShowSet() override;

  ShowSetForm Form() const;
  // The control with the template's number, as tests and the layout name them.
  template <typename T>
  T* Control(int id) const { return findChild<T*>(QString::number(id)); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QWidget* BuildGeneral();
  QWidget* BuildRehearsal();
  QWidget* BuildPackage();
  QWidget* BuildBell(int index, const char* check, const char* timeLabel, const char* test,
                     const int (&ids)[6]);
  void Load(const ShowSetForm& form);
  void UpdateEnabled();
  void MessageEdited();

  std::unique_ptr<BellPlayer> ownBells_;
  BellPlayer* bells_;
  QCheckBox* menuOn_ = nullptr;
  QRadioButton* menuAlways_ = nullptr;
  QRadioButton* menuTimed_ = nullptr;
  QSpinBox* menuSeconds_ = nullptr;
  QCheckBox* endOn_ = nullptr;
  QRadioButton* endJapanese_ = nullptr;
  QRadioButton* endEnglish_ = nullptr;
  QRadioButton* endCustom_ = nullptr;
  QPlainTextEdit* endEdit_ = nullptr;
  QLabel* endCounter_ = nullptr;
  QLabel* endRefused_ = nullptr;
  QString endAccepted_;  // the message as last accepted, to tell what was typed
  QCheckBox* noEnlarge_ = nullptr;
  struct BellControls {
    QCheckBox* on = nullptr;
    QRadioButton* kinds[3] = {};
    QTimeEdit* time = nullptr;
    QAbstractButton* test = nullptr;
  };
  BellControls bellControls_[2];
  QCheckBox* showClock_ = nullptr;
  QCheckBox* repeat_ = nullptr;
  QCheckBox* autoSwitch_ = nullptr;
};

// Opens the dialog on the open document; OK changes the header through the
// edit path (marked modified when something changed). True when it changed.
bool EditShowSettings(EditPath& edits, QWidget* owner);
