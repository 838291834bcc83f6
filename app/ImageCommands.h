// The image commands of the editing view: insert a picture file, replace and
// save an image's picture, pick and remove its transparent colour, and files
// dropped on the view. They ask through ImageDialogs and the message sink.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "app/NodeDlg.h"
#include "app/RecentDlg.h"
#include "base/Color.h"

class CMiradoDoc;
class CMiradoView;
class CommandRegistry;
class QPoint;
class QWidget;
struct ViewHooks;

// The file dialogs of the image commands; each returns an empty path on cancel.
struct ImageDialogs {
  // An image file to open, under the dialog title given.
  std::function<QString(QWidget*, const QString& title)> openPicture;
  // The file to save a picture to: the filter entries and the preselected one.
  std::function<QString(QWidget*, const QStringList& filters, int selected)> savePicture;
  ShowFolder showFolder = StandardShowFolder();
  NodeDlgHooks properties = NodeDlgHooks::Standard();
  static ImageDialogs Standard();
};

class ImageCommands {
 public:
  // Registers 611, 612, 595, 495, 516 and 402 in `commands`.
  ImageCommands(CMiradoDoc& doc, CMiradoView& view, CommandRegistry& commands, ImageDialogs dialogs,
                QWidget* owner);

  // Lends the view the drop, the picking press and the properties dialog.
  void Hook(ViewHooks& hooks);

  // A picture file as a new image at the centre of the visible slide; the
  // type chooses the loading path. False, after telling why, when it failed.
  bool Insert(const QString& path, const QString& type);
  // Image `index` shows the picture of `path`; on failure it keeps its own.
  bool Replace(int index, const QString& path, const QString& type);
  void FilesDropped(const QStringList& paths, QPoint view);
  void ColourPicked(COLORREF screen, QPoint view);
  void SavePicture();
  // The image-properties dialog on image `index`.
  void OpenProperties(int index);

 private:
  int PrimaryImage() const;

  CMiradoDoc& doc_;
  CMiradoView& view_;
  CommandRegistry& commands_;
  ImageDialogs dialogs_;
  QWidget* owner_;
};
