#include "app/ShowSet.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "base/StringTable.h"
#include "core/EditPath.h"
#include "core/Records.h"
#include "show/Bells.h"
#include "show/TransDlg.h"

namespace {

const char kOpacityKey[] = "ShowSet";

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename T>
T* Named(T* widget, int id) {
  widget->setObjectName(QString::number(id));
  return widget;
}

QLabel* Note(const char* utf8) {
  auto* label = new QLabel(U(utf8));
  label->setWordWrap(true);
  return label;
}

QTime TimeOf(int seconds) { return QTime(0, 0).addSecs(seconds); }

}  // namespace

CShowSet::CShowSet(const ShowSetForm& form, QWidget* parent, BellPlayer* bells)
    : QDialog(parent), bells_(bells) {
  if (!bells_) {
    ownBells_ = std::make_unique<QtBellPlayer>();
    bells_ = ownBells_.get();
  }
  setWindowTitle(U("スライドショーの設定"));
  ApplyDialogOpacity(this, kOpacityKey);
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(U("保存して終了(&S)"), QDialogButtonBox::AcceptRole);
  buttons->addButton(U("中止(&C)"), QDialogButtonBox::RejectRole);
  ok->setObjectName(QStringLiteral("1"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildGeneral());
  layout->addWidget(BuildRehearsal());
  layout->addWidget(BuildPackage());
  layout->addWidget(buttons);
  Load(form);
  for (QCheckBox* box : {menuOn_, endOn_, bellControls_[0].on, bellControls_[1].on})
    connect(box, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
  connect(menuSeconds_, &QSpinBox::valueChanged, this, [this](int value) {
    if (value != ClampMenuSeconds(value)) menuSeconds_->setValue(ClampMenuSeconds(value));
  });
  connect(endEdit_, &QPlainTextEdit::textChanged, this, [this] { MessageEdited(); });
}

CShowSet::~CShowSet() = default;

QWidget* CShowSet::BuildGeneral() {
  auto* group = new QGroupBox(U("全般設定"));
  auto* grid = new QGridLayout(group);
  menuOn_ = Named(new QCheckBox(U("1 開始時にメニューを表示する(&M)")), 1011);
  menuAlways_ = Named(new QRadioButton(U("常に表示する(&A)")), 1004);
  menuTimed_ = Named(new QRadioButton(U("次に設定した時間表示する(&W)")), 1005);
  menuSeconds_ = Named(new QSpinBox, 1000);
  menuSeconds_->setRange(0, 99);  // typed values are brought into 2..10 as they come
  auto* menuGroup = new QButtonGroup(group);
  menuGroup->addButton(menuAlways_);
  menuGroup->addButton(menuTimed_);
  grid->addWidget(menuOn_, 0, 0, 1, 4);
  grid->addWidget(menuAlways_, 1, 1);
  grid->addWidget(menuTimed_, 2, 1);
  grid->addWidget(menuSeconds_, 2, 2);
  grid->addWidget(new QLabel(U("( 2～10秒 )")), 2, 3);

  endOn_ = Named(new QCheckBox(U("2 終了時にメッセージを表示する(&Z)")), 1012);
  endJapanese_ = Named(new QRadioButton(U("ご静聴ありがとうございました。(&J)")), 1006);
  endEnglish_ = Named(new QRadioButton(U("Thank you very much for kind attention.(&E)")), 1007);
  endCustom_ = Named(new QRadioButton(U("次に設定するテキストを表示する(&T)")), 1008);
  auto* endGroup = new QButtonGroup(group);
  for (QRadioButton* r : {endJapanese_, endEnglish_, endCustom_}) endGroup->addButton(r);
  endEdit_ = Named(new QPlainTextEdit, 1009);
  endEdit_->setFixedHeight(64);
  endCounter_ = Named(new QLabel, 328);
  endRefused_ = new QLabel(U("※ 96 バイトを超える文字と使えない文字は入力できません。"));
  endRefused_->setStyleSheet(QStringLiteral("color: rgb(200,0,0);"));
  QSizePolicy keepPlace = endRefused_->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);  // the dialog does not jump when it shows
  endRefused_->setSizePolicy(keepPlace);
  endRefused_->setVisible(false);
  grid->addWidget(endOn_, 3, 0, 1, 4);
  grid->addWidget(endJapanese_, 4, 1, 1, 3);
  grid->addWidget(endEnglish_, 5, 1, 1, 3);
  grid->addWidget(endCustom_, 6, 1, 1, 3);
  grid->addWidget(endEdit_, 7, 1, 1, 2);
  grid->addWidget(endCounter_, 7, 3, Qt::AlignBottom);
  grid->addWidget(endRefused_, 8, 1, 1, 3);

  noEnlarge_ = Named(new QCheckBox(U("3 モニタよりスライドが小さいときは拡大しない(&Q)")), 1022);
  grid->addWidget(noEnlarge_, 9, 0, 1, 4);
  grid->addWidget(Note("※ 上下左右に黒い余白が生じますが画質は落ちません。"), 10, 1, 1, 3);
  grid->setColumnMinimumWidth(0, 16);
  return group;
}

QWidget* CShowSet::BuildBell(int index, const char* check, const char* timeLabel, const char* test,
                             const int (&ids)[6]) {
  BellControls& c = bellControls_[index];
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  c.on = Named(new QCheckBox(U(check)), ids[0]);
  const char* kinds[3] = {"音で知らせる(&Q)", "画面に表示する(&G)", "音と画面表示で知らせる(&F)"};
  auto* kindGroup = new QButtonGroup(box);
  grid->addWidget(c.on, 0, 0, 1, 4);
  for (int k = 0; k < 3; ++k) {
    c.kinds[k] = Named(new QRadioButton(U(kinds[k])), ids[1 + k]);
    kindGroup->addButton(c.kinds[k]);
    grid->addWidget(c.kinds[k], 1 + k, 1, 1, 3);
  }
  c.time = Named(new QTimeEdit, ids[4]);
  c.time->setDisplayFormat(QStringLiteral("H:mm:ss"));
  c.time->setTimeRange(QTime(0, 0), TimeOf(kBellSecondsMax));
  c.test = Named(new QPushButton(U(test)), ids[5]);
  connect(c.test, &QAbstractButton::clicked, this, [this, index] { bells_->Play(index + 1); });
  grid->addWidget(new QLabel(U(timeLabel)), 4, 1);
  grid->addWidget(c.time, 4, 2);
  grid->addWidget(c.test, 4, 3);
  grid->setColumnMinimumWidth(0, 16);
  return box;
}

QWidget* CShowSet::BuildRehearsal() {
  auto* group = new QGroupBox(U("リハーサル(自動切替え)中の設定"));
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(BuildBell(0, "4 予鈴を鳴らす。または表示する(&B)", "予鈴時間：", "テスト(&D)",
                              {1013, 1010, 1014, 1015, 1027, 1001}));
  layout->addWidget(BuildBell(1, "5 発表時間終了を通知する(&X)", "終了時間：", "テスト(&V)",
                              {1016, 1017, 1018, 1019, 1028, 1002}));
  showClock_ = Named(new QCheckBox(U("6 時間を表示する(&U)")), 1021);
  repeat_ = Named(new QCheckBox(U("7 連続に繰り返す(&L)")), 1020);
  layout->addWidget(showClock_);
  layout->addWidget(repeat_);
  return group;
}

QWidget* CShowSet::BuildPackage() {
  auto* group = new QGroupBox(U("出張スライドショーの設定"));
  auto* layout = new QVBoxLayout(group);
  autoSwitch_ = Named(new QCheckBox(U("8 スライドの自動切替えをする(&B)")), 1023);
  layout->addWidget(autoSwitch_);
  layout->addWidget(Note("※ 展示会場での自動プレゼンなどの時にチェックしてください。"));
  layout->addWidget(Note("この他に 4～6 以外の設定が適用されます。"));
  return group;
}

void CShowSet::Load(const ShowSetForm& form) {
  menuOn_->setChecked(form.menuOn);
  (form.menuAlways ? menuAlways_ : menuTimed_)->setChecked(true);
  menuSeconds_->setValue(ClampMenuSeconds(form.menuSeconds));
  endOn_->setChecked(form.endOn);
  switch (form.endChoice) {
    case ShowSetForm::EndChoice::Japanese: endJapanese_->setChecked(true); break;
    case ShowSetForm::EndChoice::English: endEnglish_->setChecked(true); break;
    case ShowSetForm::EndChoice::Custom: endCustom_->setChecked(true); break;
  }
  {
    const QSignalBlocker quiet(endEdit_);
    endEdit_->setPlainText(form.endEdit);
  }
  endAccepted_ = form.endEdit;
  endCounter_->setText(QStringLiteral("[%1 / %2]").arg(std::max(0, EndTextBytes(endAccepted_))).arg(kEndTextMaxBytes));
  noEnlarge_->setChecked(form.noEnlarge);
  for (int b = 0; b < 2; ++b) {
    const ShowSetForm::Bell& bell = form.bells[static_cast<size_t>(b)];
    BellControls& c = bellControls_[b];
    c.on->setChecked(bell.on);
    c.kinds[std::clamp(bell.kind, 1, 3) - 1]->setChecked(true);
    c.time->setTime(TimeOf(std::clamp(bell.seconds, 0, kBellSecondsMax)));
  }
  showClock_->setChecked(form.showClock);
  repeat_->setChecked(form.repeat);
  autoSwitch_->setChecked(form.autoSwitch);
  UpdateEnabled();
}

void CShowSet::UpdateEnabled() {
  for (QWidget* w : std::initializer_list<QWidget*>{menuAlways_, menuTimed_, menuSeconds_})
    w->setEnabled(menuOn_->isChecked());
  for (QWidget* w : std::initializer_list<QWidget*>{endJapanese_, endEnglish_, endCustom_, endEdit_})
    w->setEnabled(endOn_->isChecked());
  for (BellControls& c : bellControls_) {
    const bool on = c.on->isChecked();
    for (QRadioButton* r : c.kinds) r->setEnabled(on);
    c.time->setEnabled(on);
    c.test->setEnabled(on);
  }
}

// Only what was just typed or pasted is held back, and the user hears and
// sees that it was.
void CShowSet::MessageEdited() {
  const LimitedEndText limited = LimitEndText(endAccepted_, endEdit_->toPlainText());
  if (limited.text != endEdit_->toPlainText()) {
    const QSignalBlocker quiet(endEdit_);
    endEdit_->setPlainText(limited.text);
    QTextCursor cursor = endEdit_->textCursor();
    cursor.setPosition(limited.cursor);
    endEdit_->setTextCursor(cursor);
  }
  endAccepted_ = limited.text;
  endRefused_->setVisible(limited.refused);
  if (limited.refused) QApplication::beep();
  endCounter_->setText(QStringLiteral("[%1 / %2]").arg(std::max(0, EndTextBytes(endAccepted_))).arg(kEndTextMaxBytes));
  if (!endAccepted_.isEmpty()) endCustom_->setChecked(true);
}

ShowSetForm CShowSet::Form() const {
  ShowSetForm form;
  form.menuOn = menuOn_->isChecked();
  form.menuAlways = menuAlways_->isChecked();
  form.menuSeconds = ClampMenuSeconds(menuSeconds_->value());
  form.endOn = endOn_->isChecked();
  form.endChoice = endJapanese_->isChecked()  ? ShowSetForm::EndChoice::Japanese
                   : endEnglish_->isChecked() ? ShowSetForm::EndChoice::English
                                              : ShowSetForm::EndChoice::Custom;
  form.endEdit = endAccepted_;
  form.noEnlarge = noEnlarge_->isChecked();
  for (int b = 0; b < 2; ++b) {
    const BellControls& c = bellControls_[b];
    ShowSetForm::Bell& bell = form.bells[static_cast<size_t>(b)];
    bell.on = c.on->isChecked();
    bell.kind = c.kinds[0]->isChecked() ? ShowSetForm::Sound
                : c.kinds[1]->isChecked() ? ShowSetForm::Picture
                                          : ShowSetForm::Both;
    const QTime t = c.time->time();
    bell.seconds = BellSeconds(t.hour(), t.minute(), t.second());
  }
  form.repeat = repeat_->isChecked();
  form.showClock = showClock_->isChecked();
  form.autoSwitch = autoSwitch_->isChecked();
  return form;
}

void CShowSet::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    RunOpacitySlider(this, event->globalPosition().toPoint(), QString::fromLatin1(kOpacityKey));
  else
    QDialog::mousePressEvent(event);
}

bool EditShowSettings(EditPath& edits, QWidget* owner) {
  CShowSet dlg(FormFromHeader(edits.Doc().Header()), owner);
  if (dlg.exec() != QDialog::Accepted) return false;
  const ShowSetForm form = dlg.Form();
  return edits.Apply(EditKind::NoSnapshot, [&form](Document& doc) { return FormToHeader(form, doc.Header()); });
}
