#include "app/KansetDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "show/TransDlg.h"

namespace {

const char kOpacityKey[] = "Kanset";

// A number box that takes any number while typing and clamps it to its range
// when left, where a plain spin box would refuse the digit or go back.
class ClampSpinBox : public QSpinBox {
 public:
  ClampSpinBox(int low, int high) {
    setRange(low, high);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  }

 protected:
  QValidator::State validate(QString& input, int& pos) const override {
    if (input.isEmpty()) return QValidator::Intermediate;
    bool ok = false;
    const int n = input.toInt(&ok);
    if (!ok || n < 0) return QValidator::Invalid;
    return n >= minimum() && n <= maximum() ? QSpinBox::validate(input, pos) : QValidator::Intermediate;
  }
  void fixup(QString& input) const override {
    if (input.isEmpty()) return;
    input = QString::number(std::clamp(input.toInt(), minimum(), maximum()));
  }
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QWidget* SizeRow(const char* label, QSpinBox* box) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(U(label)));
  layout->addWidget(box);
  layout->addWidget(new QLabel(U("( 30 ～ 500px )")));
  layout->addStretch();
  return row;
}

}  // namespace

CKansetDlg::CKansetDlg(const KansetValues& v, QWidget* parent) : QDialog(parent) {
  setWindowTitle(U("システムの環境設定"));
  ApplyDialogOpacity(this, QString::fromLatin1(kOpacityKey));
  auto* layout = new QVBoxLayout(this);

  firstOpen_ = new QCheckBox(U("1 起動時に前回のファイルを開く(&L)"));
  firstOpen_->setChecked(v.firstOpen);
  layout->addWidget(firstOpen_);

  layout->addWidget(new QLabel(U("2 オブジェクト新規作成時の大きさ")));
  auto* sizes = new QHBoxLayout;
  auto* image = new QGroupBox(U("イメージ"));
  auto* imageLayout = new QVBoxLayout(image);
  imageW_ = new ClampSpinBox(kMinObjectSize, kMaxObjectSize);
  imageW_->setValue(v.imageW);
  imageLayout->addWidget(SizeRow("幅：", imageW_));
  imageLayout->addWidget(new QLabel(U("※ 高さは自動調整されます。\n※ エリアのサイズを超えない時は、\n　実寸で作成されます。")));
  auto* other = new QGroupBox(U("その他のオブジェクト"));
  auto* otherLayout = new QVBoxLayout(other);
  objW_ = new ClampSpinBox(kMinObjectSize, kMaxObjectSize);
  objW_->setValue(v.objW);
  objH_ = new ClampSpinBox(kMinObjectSize, kMaxObjectSize);
  objH_->setValue(v.objH);
  otherLayout->addWidget(SizeRow("幅：", objW_));
  otherLayout->addWidget(SizeRow("高さ：", objH_));
  sizes->addWidget(image);
  sizes->addWidget(other);
  layout->addLayout(sizes);

  layout->addWidget(new QLabel(U("3 スライド新規作成時の自動切替え時間")));
  auto* times = new QHBoxLayout;
  const char* const timeLabels[] = {"30秒", "１分", "３分", "４分", "５分"};
  for (size_t k = 0; k < autoCng_.size(); ++k) {
    autoCng_[k] = new QRadioButton(U(timeLabels[k]));
    times->addWidget(autoCng_[k]);
  }
  autoCng_[AutoCngChoice(v.autoCng)]->setChecked(true);
  times->addStretch();
  layout->addLayout(times);

  anime_ = new QCheckBox(U("4 オブジェクト上にマウスカーソルが乗ったとき、アニメを表示する(&A)"));
  anime_->setChecked(v.playAnime > 0);
  layout->addWidget(anime_);
  auto* animeRow = new QHBoxLayout;
  animeCount_ = new ClampSpinBox(1, kMaxAnimeCount);
  animeCount_->setValue(AnimeSpinValue(v.playAnime));
  animeRow->addWidget(new QLabel(U("表示するアニメの個数：")));
  animeRow->addWidget(animeCount_);
  animeRow->addWidget(new QLabel(U("(1 - 10個)")));
  animeRow->addStretch();
  layout->addLayout(animeRow);
  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(new QLabel(U("アニメ表示速度：　速い")));
  auto* speeds = new QButtonGroup(this);
  for (int k = 0; k < kAnimeSpeeds; ++k) {
    speed_[k] = new QRadioButton;
    speeds->addButton(speed_[k], k);
    speedRow->addWidget(speed_[k]);
  }
  speed_[SpeedChoice(v.speedAnime)]->setChecked(true);
  speedRow->addWidget(new QLabel(U("遅い")));
  speedRow->addStretch();
  layout->addLayout(speedRow);

  makeBackup_ = new QCheckBox(U("5 上書き保存時、バックアップファイルを作成する(&B)"));
  makeBackup_->setChecked(v.makeBackup);
  layout->addWidget(makeBackup_);
  dspGuide_ = new QCheckBox(U("6 ステータスバーに操作ガイドを表示する(&G)"));
  dspGuide_->setChecked(v.dspGuide);
  layout->addWidget(dspGuide_);
  layout->addWidget(new QLabel(U("※ F2キーで、表示と非表示を切り替えることができます。")));

  auto* buttons = new QDialogButtonBox;
  buttons->addButton(U("保存して終了(&S)"), QDialogButtonBox::AcceptRole);
  buttons->addButton(U("閉じる(&C)"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

KansetValues CKansetDlg::Values() const {
  int autoCng = 0;
  for (size_t k = 0; k < autoCng_.size(); ++k)
    if (autoCng_[k]->isChecked()) autoCng = int(k);
  int speed = 0;
  for (int k = 0; k < kAnimeSpeeds; ++k)
    if (speed_[k]->isChecked()) speed = k;
  // The typed text, not value(): an emptied count field counts as none typed.
  const auto number = [](const QSpinBox* box) { return box->cleanText().toInt(); };
  return CollectKanset(firstOpen_->isChecked(), number(imageW_), number(objW_), number(objH_),
                       autoCng, anime_->isChecked(), number(animeCount_), speed,
                       makeBackup_->isChecked(), dspGuide_->isChecked());
}

void CKansetDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    RunOpacitySlider(this, event->globalPosition().toPoint(), QString::fromLatin1(kOpacityKey));
  QDialog::mousePressEvent(event);
}

std::optional<KansetValues> RunKansetDlg(const KansetValues& values, QWidget* owner) {
  CKansetDlg dialog(values, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Values();
}
