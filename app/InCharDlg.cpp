#include "app/InCharDlg.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CharDlg.h"
#include "app/CommandIds.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "render/CharaText.h"
#include "render/gdi/Color.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QSpinBox* Spin(int lo, int hi, int value, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(lo, hi);
  spin->setValue(std::clamp(value, lo, hi));
  return spin;
}

}  // namespace

std::optional<COLORREF> StandardColourPicker(QWidget* owner, COLORREF current) {
  const QColor c = QColorDialog::getColor(gdi::ToQColor(current), owner);
  if (!c.isValid()) return std::nullopt;
  return gdi::Rgb(c.red(), c.green(), c.blue());
}

CInCharDlg::CInCharDlg(EditPath& edits, int primary, const QStringList& fonts, ColourPicker pickColour,
                       QWidget* parent)
    : QDialog(parent), edits_(edits), primary_(primary), pickColour_(std::move(pickColour)) {
  setWindowTitle(U("文字イン文字設定"));
  const CharaTextSettings s = CharaTextSettings::FromRecord(edits_.Doc().Object(primary_));
  colour_ = s.colour;
  text_ = new QLineEdit(s.text, this);
  fonts_ = new QComboBox(this);
  fonts_->addItems(fonts);
  fonts_->setCurrentIndex(FontIndexFor(fonts, s.face));
  size_ = Spin(kCharaSizeMin, kCharaSizeMax, s.size, this);
  size_->setToolTip(U("【フォントサイズ】\nフォントサイズを変更します"));
  bold_ = MakeStyleToggle(false, this);
  bold_->setChecked(s.bold);
  italic_ = MakeStyleToggle(true, this);
  italic_->setChecked(s.italic);
  colourButton_ = new QPushButton(this);
  colourButton_->setToolTip(U("【文字色】\nテキストの色を変更します"));
  connect(colourButton_, &QPushButton::clicked, this, &CInCharDlg::PickColour);
  ShowColour();
  charMargin_ = Spin(0, kCharaMarginMax, s.charMargin, this);
  lineMargin_ = Spin(0, kCharaMarginMax, s.lineMargin, this);
  angle_ = Spin(0, kCharaAngleMax, s.angle, this);
  apply_ = new QPushButton(U("適用(&R)"), this);
  apply_->setDefault(true);
  connect(apply_, &QPushButton::clicked, this, &CInCharDlg::Apply);
  auto* close = new QPushButton(U("閉じる(&C)"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* textBox = new QGroupBox(U("1 セットする文字："), this);
  auto* textRows = new QGridLayout(textBox);
  textRows->addWidget(text_, 0, 0);
  textRows->addWidget(new QLabel("max:16byte", textBox), 0, 1);
  textRows->addWidget(new QLabel(U("※ 設定を解除する場合は、空欄にしてください。"), textBox), 1, 0, 1, 2);
  auto* fontBox = new QGroupBox(U("2 フォント："), this);
  auto* fontRow = new QHBoxLayout(fontBox);
  for (QWidget* w : {static_cast<QWidget*>(fonts_), static_cast<QWidget*>(size_)}) fontRow->addWidget(w);
  fontRow->addWidget(new QLabel(U("( 5～64 )"), fontBox));
  for (QWidget* w : {static_cast<QWidget*>(bold_), static_cast<QWidget*>(italic_),
                     static_cast<QWidget*>(colourButton_)})
    fontRow->addWidget(w);
  auto* marginBox = new QGroupBox(U("3 マージン："), this);
  auto* marginRows = new QGridLayout(marginBox);
  marginRows->addWidget(new QLabel(U("字間："), marginBox), 0, 0);
  marginRows->addWidget(charMargin_, 0, 1);
  marginRows->addWidget(new QLabel(U("( 0～20 )"), marginBox), 0, 2);
  marginRows->addWidget(new QLabel(U("行間："), marginBox), 1, 0);
  marginRows->addWidget(lineMargin_, 1, 1);
  marginRows->addWidget(new QLabel(U("( 0～20 )"), marginBox), 1, 2);
  auto* angleBox = new QGroupBox(U("4 角度："), this);
  auto* angleRow = new QHBoxLayout(angleBox);
  angleRow->addWidget(angle_);
  angleRow->addWidget(new QLabel(U("( 0～359 )"), angleBox));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(apply_);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  for (QWidget* box : {textBox, fontBox, marginBox, angleBox}) layout->addWidget(box);
  layout->addLayout(buttons);
}

CharaTextSettings CInCharDlg::Values() const {
  CharaTextSettings s;
  s.text = text_->text();
  s.face = fonts_->currentText();
  s.size = size_->value();
  s.bold = bold_->isChecked();
  s.italic = italic_->isChecked();
  s.colour = colour_;
  s.charMargin = charMargin_->value();
  s.lineMargin = lineMargin_->value();
  s.angle = angle_->value();
  return s;
}

void CInCharDlg::ShowColour() {
  const QColor c = gdi::ToQColor(colour_);
  colourButton_->setText(U("文字色"));
  colourButton_->setStyleSheet(QString("QPushButton { border: 3px solid %1; padding: 2px 6px; }").arg(c.name()));
}

void CInCharDlg::PickColour() {
  if (!pickColour_) return;
  if (const std::optional<COLORREF> c = pickColour_(this, colour_)) {
    colour_ = *c;
    ShowColour();
  }
}

void CInCharDlg::Apply() {
  const CharaTextSettings s = Values();
  const Result<CharaTextChange> change = CheckCharaText(s, HasCharaText(edits_.Doc().Object(primary_)));
  if (!change) {
    ShowFailure(change.error(), this);
    text_->setFocus();
    return;
  }
  if (change->remove && ShowMessage(msg::AskRemoveCharaText, this, QString(), MsgStyle::YesNo) != IDYES) return;
  ApplyCharaText(edits_, s, *change);
}

void RegisterInCharCommand(CommandRegistry& commands, EditPath& edits, std::function<int()> primary,
                           QWidget* owner) {
  const auto usable = [&edits, primary] {
    const int i = primary();
    return i >= 0 && i < edits.Doc().ObjCount() && edits.Doc().Object(i).ObjClass != objclass::Image;
  };
  commands.Add({ID_SET_CHARA, "ID_SET_CHARA", U("文字イン文字(&T)..."),
                [&edits, primary, owner, usable] {
                  if (!usable()) return;
                  CInCharDlg dlg(edits, primary(), QFontDatabase::families(), StandardColourPicker, owner);
                  dlg.exec();
                },
                usable});
}
