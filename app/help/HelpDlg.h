// The manual viewer on Qt PDF, built as the module "libtessaly_manual.so":
// Tessaly loads it from its own folder on F1, so the PDF libraries cost
// nothing at start-up.
#pragma once

#include <QDialog>

class QPdfDocument;
class QPdfView;

class CHelpDlg : public QDialog {
  Q_OBJECT
 public:
  CHelpDlg(const QString& pdfPath, const QString& title, QWidget* parent = nullptr);

  QPdfDocument* Pdf() const { return pdf_; }
  QPdfView* View() const { return view_; }

 private:
  QPdfDocument* pdf_ = nullptr;
  QPdfView* view_ = nullptr;
};

// The module's entry: the viewer with `pdfPath` loaded, or null when the file
// is not a readable PDF.
extern "C" Q_DECL_EXPORT QDialog* TessalyManualViewer(const QString& pdfPath, const QString& title, QWidget* parent);
