// The ファイル menu's 印刷 (Ctrl+P): the print dialog on the document.
#pragma once

#include <QString>
#include <functional>

class CMiradoDoc;
class CommandRegistry;
class QPrinter;
class QWidget;

inline constexpr int ID_FILE_PRINT = 0xE107;

// The system dialogs the print dialog opens, replaceable in tests.
struct InsatuDialogs {
  // The printer set-up on `printer`; true on OK.
  std::function<bool(QPrinter& printer, QWidget* owner)> setup;
  // The PDF file to print into; empty when cancelled.
  std::function<QString(QWidget* owner, const QString& proposal)> pdfFile;
  static InsatuDialogs Standard();
};

// Opens the print dialog on the document; enabled while it has slides.
void RegisterPrintCommand(CommandRegistry& commands, CMiradoDoc& doc, InsatuDialogs dialogs, QWidget* owner);
