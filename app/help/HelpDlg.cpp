#include "app/help/HelpDlg.h"

#include <QPdfDocument>
#include <QPdfView>
#include <QVBoxLayout>

CHelpDlg::CHelpDlg(const QString& pdfPath, const QString& title, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CHelpDlg"));
  setWindowTitle(title);
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  pdf_ = new QPdfDocument(this);
  view_ = new QPdfView(this);
  view_->setPageMode(QPdfView::PageMode::MultiPage);
  view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
  view_->setDocument(pdf_);
  layout->addWidget(view_);
  pdf_->load(pdfPath);
}

QDialog* TessalyManualViewer(const QString& pdfPath, const QString& title, QWidget* parent) {
  auto* dialog = new CHelpDlg(pdfPath, title, parent);
  if (dialog->Pdf()->status() == QPdfDocument::Status::Ready) return dialog;
  delete dialog;
  return nullptr;
}
