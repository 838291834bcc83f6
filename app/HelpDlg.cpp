#include "app/HelpDlg.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfDocument>
#include <QPdfView>
#include <QScreen>
#include <QVBoxLayout>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/StringTable.h"

namespace {

QString ManualTitle() { return LoadString(msg::ManualTitle).value_or(QStringLiteral("Manual")); }

}  // namespace

QString ManualPath(const QString& folder) { return folder + '/' + ManualTitle() + QStringLiteral(".pdf"); }

CHelpDlg::CHelpDlg(const QString& pdfPath, QWidget* parent) : QDialog(parent) {
  setWindowTitle(ManualTitle());
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

void ShowManual(const QString& folder, QWidget* owner) {
  const QString path = ManualPath(folder);
  if (!QFileInfo(path).isFile()) {
    ShowFailure(Failure(msg::FileMissingBesideProgram, QFileInfo(path).fileName() + '\n', MsgStyle::Info), owner);
    return;
  }
  CHelpDlg dialog(path, owner);
  // A damaged file would show an empty viewer; say so instead.
  if (dialog.Pdf()->status() != QPdfDocument::Status::Ready) {
    ShowFailure(Failure(msg::CannotOpen, QFileInfo(path).fileName() + '\n'), owner);
    return;
  }
  // The whole screen also where no window manager maximises.
  if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    dialog.setGeometry(screen->availableGeometry());
  dialog.setWindowState(Qt::WindowMaximized);
  dialog.exec();
}
