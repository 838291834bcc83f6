#include "app/RecentDlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/RecentFiles.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

ShowFolder StandardShowFolder() {
  return [](const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
}

CRecentDlg::CRecentDlg(ShowFolder showFolder, QWidget* parent)
    : QDialog(parent), showFolder_(std::move(showFolder)) {
  setWindowTitle(U("最近使ったファイルの管理"));
  auto* layout = new QVBoxLayout(this);
  list_ = new QTableWidget(0, 2);
  list_->setHorizontalHeaderLabels({U("№"), U("パス")});
  list_->verticalHeader()->hide();
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setColumnWidth(0, 60);
  list_->setColumnWidth(1, 450);
  list_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(list_);
  layout->addWidget(new QLabel(U("※ 行をＷクリックするとファイルの場所を表示します。")));

  auto* buttons = new QDialogButtonBox;
  QPushButton* checked = buttons->addButton(U("チェックのある履歴を削除(&P)"), QDialogButtonBox::ActionRole);
  QPushButton* all = buttons->addButton(U("すべての履歴を削除(&A)"), QDialogButtonBox::ActionRole);
  buttons->addButton(U("戻る(&B)"), QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);
  connect(checked, &QPushButton::clicked, this, &CRecentDlg::RemoveChecked);
  connect(all, &QPushButton::clicked, this, &CRecentDlg::RemoveAll);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { ShowFolderOf(row); });
  resize(580, 300);
  Fill(LoadRecentFiles());
}

void CRecentDlg::Fill(const QStringList& files) {
  list_->setRowCount(int(files.size()));
  for (int row = 0; row < files.size(); ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    number->setCheckState(Qt::Unchecked);
    number->setTextAlignment(Qt::AlignCenter);
    list_->setItem(row, 0, number);
    auto* path = new QTableWidgetItem(files[row]);
    path->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    list_->setItem(row, 1, path);
  }
}

void CRecentDlg::RemoveChecked() {
  QStringList files;
  QList<bool> checked;
  for (int row = 0; row < list_->rowCount(); ++row) {
    files << list_->item(row, 1)->text();
    checked << (list_->item(row, 0)->checkState() == Qt::Checked);
  }
  const QStringList kept = WithoutChecked(files, checked);
  StoreRecentFiles(kept);
  Fill(kept);
}

void CRecentDlg::RemoveAll() {
  StoreRecentFiles({});
  Fill({});
}

void CRecentDlg::ShowFolderOf(int row) {
  if (row < 0 || row >= list_->rowCount()) return;
  if (!showFolder_(RecentFileFolder(list_->item(row, 1)->text()))) ShowMessage(msg::ExplorerFailed, this);
}
