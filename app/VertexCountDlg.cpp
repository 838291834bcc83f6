#include "app/VertexCountDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/StringTable.h"

CVertexCountDlg::CVertexCountDlg(const VertexCountAsk& ask, QWidget* parent)
    : QDialog(parent), spin_(new QSpinBox(this)) {
  setWindowTitle(QString::fromUtf8("頂点数"));
  spin_->setRange(kMinVertexCount, ask.limit);
  spin_->setValue(ask.start);
  auto* range = new QLabel(QString::fromUtf8("( 3～%1 )").arg(ask.limit), this);
  auto* example = new QLabel(LoadString(ask.exampleId).value_or(QString()), this);
  auto* decide = new QPushButton(QString::fromUtf8("決定(&S)"), this);
  decide->setDefault(true);
  connect(decide, &QPushButton::clicked, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(spin_);
  row->addWidget(range);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(example);
  layout->addWidget(decide, 0, Qt::AlignRight);
  spin_->selectAll();
}

int CVertexCountDlg::Value() const { return spin_->value(); }

std::optional<int> CVertexCountDlg::Ask(QWidget* owner, const VertexCountAsk& ask) {
  CVertexCountDlg dlg(ask, owner);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.Value();
}
