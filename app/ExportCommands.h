// The ファイル menu's exports: イメージとして保存 (slides as image files),
// PDFに保存 (slides as one PDF file) and 出張ファイル作成 (a self-running
// show), with their questions, dialogs, progress and messages.
#pragma once

#include <QString>
#include <functional>

class CMiradoDoc;
class CommandRegistry;
class QWidget;

inline constexpr int ID_FILE_IMAGE = 574;
inline constexpr int ID_PDF_SAVE = 593;
inline constexpr int ID_FILE_SLIDE = 575;

// The dialogs and the file manager, replaceable in tests.
struct ExportDialogs {
  // A file to save to; empty when cancelled. With `confirmOverwrite` the dialog
  // itself asks before an existing file is chosen.
  std::function<QString(QWidget* owner, const QString& title, const QString& proposal,
                        const QString& filter, bool confirmOverwrite)>
      saveFile;
  // Shows `folder` in the file manager; false when that could not be started.
  std::function<bool(const QString& folder)> showFolder;
  static ExportDialogs Standard();
};

void RegisterExportCommands(CommandRegistry& commands, CMiradoDoc& doc, ExportDialogs dialogs,
                            QWidget* owner);

void SaveSlidesAsImages(CMiradoDoc& doc, const ExportDialogs& dialogs, QWidget* owner);
void SaveSlidesAsPdf(CMiradoDoc& doc, const ExportDialogs& dialogs, QWidget* owner);
