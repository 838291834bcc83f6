// The manual viewer: "Manual.pdf" from the program's folder, shown maximised.
#pragma once

#include <QDialog>

class QPdfDocument;
class QPdfView;

// The manual's path in `folder`.
QString ManualPath(const QString& folder);

class CHelpDlg : public QDialog {
  Q_OBJECT
 public:
  CHelpDlg(const QString& pdfPath, QWidget* parent = nullptr);

  QPdfDocument* Pdf() const { return pdf_; }
  QPdfView* View() const { return view_; }

 private:
  QPdfDocument* pdf_ = nullptr;
  QPdfView* view_ = nullptr;
};

// Shows the manual found in `folder`, or tells that it is missing.
void ShowManual(const QString& folder, QWidget* owner);
