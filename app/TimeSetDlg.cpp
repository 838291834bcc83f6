#include "app/TimeSetDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "show/RehearsalResults.h"
#include "show/TransDlg.h"

namespace {

const char kOpacityKey[] = "TimeSet";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QTime TimeOf(int seconds) { return QTime(0, 0).addSecs(seconds); }

}  // namespace

CTimeSetDlg::CTimeSetDlg(std::vector<int> times, int page, QWidget* parent)
    : QDialog(parent), times_(std::move(times)) {
  for (int& t : times_) t = StoredSeconds(t);
  setWindowTitle(U("リハーサル(自動切替えモード)での自動切替え時間セット"));
  ApplyDialogOpacity(this, kOpacityKey);
  auto* grid = new QGridLayout;
  for (int k = 0; k < kSlidesPerPage; ++k) {
    auto* label = new QLabel;
    auto* picker = new QTimeEdit;
    // The pickers reach no further than the document can hold.
    picker->setDisplayFormat(QStringLiteral("H:mm:ss"));
    picker->setTimeRange(QTime(0, 0), TimeOf(kMaxSwitchSeconds));
    picker->setObjectName(QString::number(1000 + k));
    connect(picker, &QTimeEdit::timeChanged, this, [this, k] { PickerChanged(k); });
    connect(picker, &QTimeEdit::editingFinished, this, [this] { ShowTimes(); });
    const int row = k / 5 * 2;
    grid->addWidget(label, row, k % 5);
    grid->addWidget(picker, row + 1, k % 5);
    labels_.push_back(label);
    pickers_.push_back(picker);
  }
  pageLabel_ = new QLabel;
  total_ = new QLabel;
  next_ = new QPushButton(U("次頁(&N)"));
  previous_ = new QPushButton(U("前頁(&P)"));
  auto* same = new QPushButton(U("すべて 1 と同じ時間にする(&A)"));
  auto* save = new QPushButton(U("保存して終了(&S)"));
  auto* cancel = new QPushButton(U("中止(&C)"));
  save->setDefault(true);
  connect(next_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
  connect(previous_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
  connect(same, &QPushButton::clicked, this, &CTimeSetDlg::CopyFirstToAll);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* texts = new QHBoxLayout;
  texts->addWidget(pageLabel_);
  texts->addWidget(total_);
  texts->addStretch();
  texts->addWidget(previous_);
  texts->addWidget(next_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(same);
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(texts);
  layout->addLayout(buttons);
  ShowPage(page);
}

QString CTimeSetDlg::PageText() const {
  return QStringLiteral("(%1/%2)").arg(page_ + 1).arg(PageCount(static_cast<int>(times_.size())));
}

QString CTimeSetDlg::TotalText() const {
  std::int64_t total = 0;
  for (int t : times_) total += t;
  return QStringLiteral("Total-") + FormatResultTime(total);
}

void CTimeSetDlg::ShowPage(int page) {
  const int count = static_cast<int>(times_.size());
  page_ = std::clamp(page, 0, PageCount(count) - 1);
  ShowTimes();
}

void CTimeSetDlg::ShowTimes() {
  const int count = static_cast<int>(times_.size());
  const int onPage = SlidesOnPage(count, page_);
  for (int k = 0; k < kSlidesPerPage; ++k) {
    const int slide = page_ * kSlidesPerPage + k;
    const bool used = k < onPage;
    labels_[static_cast<size_t>(k)]->setText(used ? QString::number(slide + 1) : QString());
    labels_[static_cast<size_t>(k)]->setVisible(used);
    QTimeEdit* picker = pickers_[static_cast<size_t>(k)];
    picker->setVisible(used);
    if (used && !picker->hasFocus()) {
      const QSignalBlocker quiet(picker);
      picker->setTime(TimeOf(times_[static_cast<size_t>(slide)]));
    }
  }
  pageLabel_->setText(PageText());
  total_->setText(TotalText());
  next_->setVisible(page_ + 1 < PageCount(count));
  previous_->setVisible(page_ > 0);
}

// The picker keeps what is being typed; it shows the kept time once editing ends.
void CTimeSetDlg::PickerChanged(int k) {
  const size_t slide = static_cast<size_t>(page_ * kSlidesPerPage + k);
  if (slide >= times_.size()) return;
  const QTime t = pickers_[static_cast<size_t>(k)]->time();
  times_[slide] = TableSeconds(t.hour(), t.minute(), t.second());
  pageLabel_->setText(PageText());
  total_->setText(TotalText());
}

void CTimeSetDlg::CopyFirstToAll() {
  if (times_.empty() || ShowMessage(msg::AskSameSwitchTime, this, QString(), MsgStyle::YesNo) != IDYES) return;
  std::fill(times_.begin(), times_.end(), times_.front());
  for (QTimeEdit* picker : pickers_) picker->clearFocus();
  ShowTimes();
}

void CTimeSetDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    RunOpacitySlider(this, event->globalPosition().toPoint(), QString::fromLatin1(kOpacityKey));
  else
    QDialog::mousePressEvent(event);
}
