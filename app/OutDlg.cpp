#include "app/OutDlg.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/MiradoDoc.h"
#include "app/OutSummary.h"
#include "app/ShowSet.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/Records.h"
#include "export/ShowPackageExport.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename T>
T* Named(T* widget, int id) {
  widget->setObjectName(QString::number(id));
  return widget;
}

const int kSummaryIds[6] = {1008, 1009, 1011, 590, 591, 592};
const char* const kSummaryLabels[6] = {"スライド数 : ",       "メニュー表示時間 : ",
                                       "スライドショーの繰り返し : ", "モニタよりスライドが小さいとき : ",
                                       "スライドの自動切替え: ", "ラストメッセージ : "};

struct Column {
  const char* title;
  int width;
  Qt::Alignment alignment;
};
const Column kColumns[4] = {{"No", 30, Qt::AlignCenter},
                            {"自動切替え時間", 140, Qt::AlignCenter},
                            {"延べ時間", 140, Qt::AlignCenter},
                            {"表示パターン", 180, Qt::AlignLeft | Qt::AlignVCenter}};

QTableWidget* SlideList() {
  auto* list = Named(new QTableWidget(0, 4), 1028);
  for (int c = 0; c < 4; ++c) {
    list->setHorizontalHeaderItem(c, new QTableWidgetItem(U(kColumns[c].title)));
    list->setColumnWidth(c, kColumns[c].width);
  }
  list->verticalHeader()->hide();
  list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
  list->setShowGrid(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setMinimumWidth(30 + 140 + 140 + 180 + 24);
  return list;
}

QPushButton* Button(const char* label, int id) { return Named(new QPushButton(U(label)), id); }

}  // namespace

COutDlg::COutDlg(CMiradoDoc& doc, ExportDialogs dialogs, QString playerPath, QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(std::move(dialogs)), playerPath_(std::move(playerPath)) {
  setWindowTitle(U("出張スライドショーファイル作成"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(U("「参照」ボタンをクリックして\n保存するファイルを指定してください。")));
  auto* pathRow = new QHBoxLayout;
  path_ = Named(new QLineEdit(GetText("Last", "WritePath", QString())), 1002);
  auto* browse = Button("参照(&R)", 1003);
  pathRow->addWidget(path_, 1);
  pathRow->addWidget(browse);
  layout->addLayout(pathRow);

  auto* settings = new QGroupBox;
  auto* form = new QFormLayout(settings);
  for (int i = 0; i < 6; ++i) {
    summary_[i] = Named(new QLabel, kSummaryIds[i]);
    form->addRow(U(kSummaryLabels[i]), summary_[i]);
  }
  auto* change = Button("設定変更(&D)", 1004);
  form->addRow(QString(), change);
  layout->addWidget(settings);
  slides_ = SlideList();
  layout->addWidget(slides_, 1);
  progress_ = Named(new QProgressBar, 1018);
  progress_->setTextVisible(false);
  progress_->setValue(0);
  layout->addWidget(progress_);

  auto* buttons = new QDialogButtonBox;
  auto* create = Button("作成実行(&S)", 1);
  auto* cancel = Button("中止(&C)", 2);
  create->setDefault(true);
  buttons->addButton(create, QDialogButtonBox::AcceptRole);
  buttons->addButton(cancel, QDialogButtonBox::RejectRole);
  layout->addWidget(buttons);

  connect(browse, &QPushButton::clicked, this, &COutDlg::Browse);
  connect(change, &QPushButton::clicked, this, &COutDlg::ChangeSettings);
  connect(create, &QPushButton::clicked, this, &COutDlg::Create);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  Refresh();
}

void COutDlg::Refresh() {
  const DocHeader& header = doc_.Data().Header();
  const OutSummary s = SummaryOf(header);
  const QString texts[6] = {s.slides, s.menu, s.repeat, s.enlarge, s.autoSwitch, s.endText};
  for (int i = 0; i < 6; ++i) summary_[i]->setText(texts[i]);
  const std::vector<OutRow> rows = SlideRowsOf(header);
  slides_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const QString cells[4] = {rows[r].number, rows[r].time, rows[r].total, rows[r].pattern};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setTextAlignment(kColumns[c].alignment);
      slides_->setItem(r, c, item);
    }
  }
}

void COutDlg::Browse() {
  const QString field = path_->text();
  const QString source = !field.isEmpty() ? field : !doc_.PathName().isEmpty() ? doc_.PathName() : doc_.Title();
  const QFileInfo info(source);
  const QString folder = info.isAbsolute() ? info.absolutePath() : QDir::homePath();
  const QString chosen =
      dialogs_.saveFile(this, U("保存するファイルを指定"), QDir(folder).filePath(PackageProposal(field, source)),
                        U("実行ファイル(*.run);;すべてのファイル(*)"), false);
  if (!chosen.isEmpty()) path_->setText(QDir::toNativeSeparators(chosen));
}

void COutDlg::ChangeSettings() {
  EditShowSettings(doc_.Edits(), this);
  Refresh();
}

void COutDlg::Create() {
  const QString path = path_->text();
  if (path.isEmpty()) {
    ShowMessage(msg::NoTarget, this);
    return;
  }
  WriteText("Last", "WritePath", path);
  if (QFileInfo::exists(path) && ShowMessage(msg::AskOverwriteExisting, this, QString(), MsgStyle::YesNo) != IDYES)
    return;
  const int steps = std::min<int>(doc_.Data().Header().SlideCount, kMaxSlides) + 2;
  progress_->setRange(0, steps);
  progress_->setValue(0);
  const auto progress = [this](int done, int) {
    progress_->setValue(done);
    progress_->repaint();
    return true;
  };
  const Result<void> written = ExportShowPackage(doc_.Data(), {path, playerPath_}, progress);
  progress_->setValue(0);
  if (!written) {
    ShowFailure(written.error(), this);
    return;
  }
  if (ShowMessage(msg::AskShowPackage, this, QString(), MsgStyle::YesNo) == IDYES &&
      !dialogs_.showFolder(QFileInfo(path).absolutePath()))
    ShowMessage(msg::ExplorerFailed, this);
  accept();
}

void MakeShowPackage(CMiradoDoc& doc, const ExportDialogs& dialogs, QWidget* owner) {
  COutDlg dlg(doc, dialogs, QCoreApplication::applicationDirPath() + '/' + kPlayerFileName, owner);
  dlg.exec();
}
