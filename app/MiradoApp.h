// The application object: owns the document state for the life of the
// process and runs start-up and exit in their fixed order.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "app/MainWindow.h"
#include "app/MiradoDoc.h"
#include "app/PrinterDefaults.h"

struct CommandLine;
class Document;

class CMiradoApp {
 public:
  CMiradoApp();
  ~CMiradoApp();

  // Start-up; false means the program ends (the reason was shown).
  bool InitInstance(const CommandLine& cl, FileDialogs dialogs = FileDialogs::Standard());
  // Exit: writes back the start-up values and removes this process's work files.
  void ExitInstance();

  Document& Doc() { return *doc_; }
  CMiradoDoc& DocClass() { return *miradoDoc_; }
  MainWindow* Frame() { return frame_.get(); }
  // The default printer's settings, asked of the print system when first
  // wanted: finding the printers takes longer than the whole window's start.
  const PrinterDefaults& Printer();

  // Start-up values other parts read from here rather than from the store.
  int playAnime = 3;
  int speedAnime = 0;
  int dspGuide = 1;

 private:
  std::unique_ptr<Document> doc_;
  std::unique_ptr<CMiradoDoc> miradoDoc_;
  std::unique_ptr<MainWindow> frame_;
  std::optional<PrinterDefaults> printer_;
};

// The application identity that groups the program's windows.
inline constexpr char kAppUserModelId[] = "Orlinde.Mirado.Tessaly.1.00";
