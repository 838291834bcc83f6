#include "app/ShoriDlg.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

CShoriDlg::CShoriDlg(std::function<bool()> work, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      work_(std::move(work)) {
  setWindowTitle(QString::fromUtf8("処理中"));
  auto* bar = new QProgressBar(this);
  bar->setRange(0, 0);  // busy: the step reports no progress
  bar->setTextVisible(false);
  auto* hide = new QPushButton(QString::fromUtf8("非表示"), this);
  hide->setVisible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  setFixedSize(300, 48);
}

void CShoriDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  // Let the dialog paint once before the step blocks the event loop.
  QTimer::singleShot(50, this, [this] { work_() ? accept() : reject(); });
}

bool CShoriDlg::Run(QWidget* owner, std::function<bool()> work) {
  if (!owner) return work();
  CShoriDlg dlg(std::move(work), owner);
  return dlg.exec() == QDialog::Accepted;
}
