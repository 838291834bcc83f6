// The dialog "出張スライドショーファイル作成": the show settings and slide
// times the package will carry, the target path, and the button that writes
// the self-running show.
#pragma once

#include <QDialog>

#include "app/ExportCommands.h"

class CMiradoDoc;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTableWidget;

class COutDlg : public QDialog {
  Q_OBJECT
 public:
  // `playerPath` is the player the package starts with ("Tavorun.dll" beside the program).
  COutDlg(CMiradoDoc& doc, ExportDialogs dialogs, QString playerPath, QWidget* parent = nullptr);

  // The control with the template's number, as tests and the layout name them.
  template <typename T>
  T* Control(int id) const { return findChild<T*>(QString::number(id)); }

  void Browse();
  void ChangeSettings();
  // Writes the package; the dialog closes only after a success.
  void Create();

 private:
  void Refresh();

  CMiradoDoc& doc_;
  ExportDialogs dialogs_;
  QString playerPath_;
  QLineEdit* path_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* summary_[6] = {};
  QTableWidget* slides_ = nullptr;
};

// Opens the dialog from the ファイル menu.
void MakeShowPackage(CMiradoDoc& doc, const ExportDialogs& dialogs, QWidget* owner);
