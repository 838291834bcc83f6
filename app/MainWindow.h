// The main window of the authoring program: the ribbon and the few menus it
// does not replace, both built from the command registry, the editing view
// over the slide list, the document's name in the title, and the question
// before a modified document is closed or replaced.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/CommandIds.h"
#include "app/ExportCommands.h"
#include "app/ImageCommands.h"
#include "app/KansetValues.h"
#include "app/PrintCommand.h"
#include "app/RecentDlg.h"
#include "editor/CommandRegistry.h"

class CMiradoDoc;
class CMiradoView;
class CMySplitterWnd;
class MainRibbon;
class CPageView;
class EditCommands;
class UndoRedo;
class QAction;
class QMenu;
class QVBoxLayout;

inline constexpr int kMinimumWidth = 400;
inline constexpr int kMinimumHeight = 300;

// The file dialogs, replaceable in tests. Each returns an empty path on cancel.
struct FileDialogs {
  std::function<QString(QWidget*)> open;
  std::function<QString(QWidget*, const QString& suggested)> saveAs;
  std::function<QString(QWidget*)> openPicture;  // a picture to insert
  ExportDialogs exports = ExportDialogs::Standard();
  InsatuDialogs print = InsatuDialogs::Standard();
  ImageDialogs images = ImageDialogs::Standard();
  ShowFolder showFolder = StandardShowFolder();  // the recent-file manager's double-click
  static FileDialogs Standard();
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(CMiradoDoc& doc, FileDialogs dialogs = FileDialogs::Standard(),
             QWidget* parent = nullptr);
  ~MainWindow() override;

  const CommandRegistry& Commands() const { return commands_; }
  // Opens `path` after asking about unsaved changes; true when it opened.
  bool OpenFile(const QString& path);
  // Asks whether to save a modified document; false means the user cancelled.
  bool SaveModified();
  void UpdateTitle();
  // Runs `then` once, soon after the editing view has first painted.
  void AfterFirstPaint(std::function<void()> then);
  CMiradoView* View() const { return view_; }
  CPageView* Pages() const { return pages_; }
  CMySplitterWnd* Splitter() const { return splitter_; }
  MainRibbon* RibbonBar() const { return ribbon_; }
  EditCommands& Editing() const { return *editing_; }
  // Where the settings dialog reads and keeps the application object's
  // animation and guide values; without it they come from the store.
  void SetAnimeGuide(std::function<AnimeGuide()> read, std::function<void(const AnimeGuide&)> keep);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RegisterCommands();
  void BuildRibbon(QVBoxLayout* rows);
  QAction* AddCommandAction(QMenu* menu, int id, const QString& text);
  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();

  CMiradoDoc& doc_;
  FileDialogs dialogs_;
  CommandRegistry commands_;
  CMiradoView* view_ = nullptr;
  CPageView* pages_ = nullptr;
  CMySplitterWnd* splitter_ = nullptr;
  MainRibbon* ribbon_ = nullptr;
  std::unique_ptr<UndoRedo> undo_;
  std::unique_ptr<ImageCommands> images_;
  std::unique_ptr<EditCommands> editing_;
  std::function<AnimeGuide()> readGuide_;
  std::function<void(const AnimeGuide&)> keepGuide_;
};
