// The recent-file manager "最近使ったファイルの管理": removes checked or all
// entries of the recent-file list and shows the folder of a double-clicked one.
#pragma once

#include <QDialog>
#include <functional>

class QTableWidget;

// Opens the desktop's file manager on a folder; false when it could not.
using ShowFolder = std::function<bool(const QString& folder)>;
ShowFolder StandardShowFolder();

class CRecentDlg : public QDialog {
  Q_OBJECT
 public:
  CRecentDlg(ShowFolder showFolder, QWidget* parent = nullptr);

  QTableWidget* List() const { return list_; }
  void RemoveChecked();
  void RemoveAll();
  // The double-click on `row`: the file manager on the entry's folder.
  void ShowFolderOf(int row);

 private:
  void Fill(const QStringList& files);

  ShowFolder showFolder_;
  QTableWidget* list_ = nullptr;
};
