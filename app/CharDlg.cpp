#include "app/CharDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/MessageSink.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

int FontIndexFor(const QStringList& fonts, const QString& face) {
  int i = FontListIndex(fonts, face);
  if (i < 0) i = FontListIndex(fonts, QFont::substitute(face));
  return std::max(0, i);
}

QToolButton* MakeStyleToggle(bool italic, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setCheckable(true);
  button->setText(italic ? "I" : "B");
  QFont font = button->font();
  font.setBold(!italic);
  font.setItalic(italic);
  button->setFont(font);
  button->setToolTip(italic ? U("【イタリック】\n斜めの字体と普通を切替えます")
                            : U("【ボールド】\n太字と普通を切替えます"));
  return button;
}

CCharDlg::CCharDlg(const CharDialogValues& start, const QStringList& fonts, QWidget* parent)
    : QDialog(parent),
      text_(new QLineEdit(start.text, this)),
      fonts_(new QComboBox(this)),
      bold_(MakeStyleToggle(false, this)),
      italic_(MakeStyleToggle(true, this)),
      curve_(new QCheckBox(U("アウトラインを曲線にする(&C)"), this)) {
  setWindowTitle(U("1文字入力"));
  fonts_->addItems(fonts);
  fonts_->setCurrentIndex(FontIndexFor(fonts, start.choice.face));
  bold_->setChecked(start.choice.bold);
  italic_->setChecked(start.choice.italic);
  curve_->setChecked(start.choice.curve);
  auto* note = new QLabel(U("※ 曲線にする場合は、1折点につき制御点\n  が2つ増えるため、曲線にしない場合に比\n"
                            "  べて3倍の折点数が必要になります。"),
                          this);
  auto* decide = new QPushButton(U("決定(&S)"), this);
  decide->setDefault(true);
  connect(decide, &QPushButton::clicked, this, &CCharDlg::Decide);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(U("セットする文字："), this), 0, 0);
  grid->addWidget(text_, 0, 1, 1, 3);
  grid->addWidget(new QLabel(U("フォント："), this), 1, 0);
  grid->addWidget(fonts_, 1, 1);
  grid->addWidget(bold_, 1, 2);
  grid->addWidget(italic_, 1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(curve_);
  layout->addWidget(note);
  layout->addWidget(decide, 0, Qt::AlignRight);
  text_->selectAll();
}

CharDialogValues CCharDlg::Values() const {
  return {text_->text(), {fonts_->currentText(), bold_->isChecked(), italic_->isChecked(), curve_->isChecked()}};
}

void CCharDlg::Decide() {
  const CharDialogValues values = Values();
  if (const Result<void> checked = CheckCharDialogValues(values); !checked) {
    ShowFailure(checked.error(), this);
    text_->setFocus();
    return;
  }
  SaveCharDialogValues(values);
  accept();
}

std::optional<CharDialogValues> CCharDlg::Ask(QWidget* owner) {
  CCharDlg dlg(LoadCharDialogValues(), QFontDatabase::families(), owner);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return dlg.Values();
}
