#include "app/TextDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/Cp932.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "editor/InPlaceText.h"

CTextDlg::CTextDlg(const QString& text, int limit, QWidget* parent)
    : QDialog(parent), edit_(new QPlainTextEdit(this)), counter_(new QLabel(this)), limit_(limit) {
  setWindowTitle(QString::fromUtf8("テキストの編集"));
  auto* save = new QPushButton(QString::fromUtf8("保存して終了(&S)"), this);
  auto* close = new QPushButton(QString::fromUtf8("閉じる(&C)"), this);
  connect(save, &QPushButton::clicked, this, &CTextDlg::accept);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(save);
  row->addWidget(close);
  row->addWidget(counter_);
  row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(edit_, 1);
  edit_->setPlainText(text);
  connect(edit_, &QPlainTextEdit::textChanged, this, &CTextDlg::UpdateCounter);
  UpdateCounter();
  resize(420, 260);
}

QString CTextDlg::Text() const { return edit_->toPlainText(); }

void CTextDlg::UpdateCounter() {
  const std::optional<QByteArray> bytes = EncodeCp932(Text());
  if (!bytes) {
    counter_->setText(RefusalNote(TextRefusal::NotCp932, limit_));
    return;
  }
  counter_->setText(QStringLiteral("[%1 / %2]").arg(bytes->size()).arg(limit_));
}

void CTextDlg::accept() {
  const std::optional<QByteArray> bytes = EncodeCp932(Text());
  if (bytes && bytes->size() <= limit_) {
    QDialog::accept();
    return;
  }
  if (bytes) ShowMessage(msg::TextTooLong, this);
  edit_->setFocus();
}

std::optional<QString> CTextDlg::Ask(QWidget* owner, const QString& text, int limit) {
  CTextDlg dlg(text, limit, owner);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.Text();
}
