#include "app/PageDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/PageMenu.h"
#include "show/TransDlg.h"

namespace {

const char kSection[] = "Page";
const char kOpacityKey[] = "Page";

const char* const kPresetLabels[] = {"モニタサイズ", "A4 縦 (210 × 297mm)", "A4 横 (297 × 210mm)", "自由設定"};

QSpinBox* MmBox() {
  auto* box = new QSpinBox;
  box->setRange(pagesize::kMinMm, pagesize::kMaxMm);
  box->setGroupSeparatorShown(true);
  box->setSuffix(QStringLiteral(" mm"));
  return box;
}

}  // namespace

CPageDlg::CPageDlg(const Document& doc, QSize screen, ScreenDpi dpi, QWidget* parent)
    : QDialog(parent), doc_(doc), screen_(screen), dpi_(dpi) {
  setWindowTitle(QString::fromUtf8("スライドサイズ設定"));
  ApplyDialogOpacity(this, QString::fromLatin1(kOpacityKey));
  auto* grid = new QGridLayout(this);
  auto* group = new QButtonGroup(this);
  for (int p = 1; p <= 4; ++p) {
    presets_[p - 1] = new QRadioButton(QString::fromUtf8(kPresetLabels[p - 1]));
    group->addButton(presets_[p - 1], p);
    grid->addWidget(presets_[p - 1], p - 1, 0);
  }
  grid->addWidget(new QLabel(QString::fromUtf8("( %1 × %2pixel)").arg(screen.width()).arg(screen.height())), 0, 1);
  yoko_ = MmBox();
  tate_ = MmBox();
  grid->addWidget(new QLabel(QString::fromUtf8("幅")), 4, 0);
  grid->addWidget(yoko_, 4, 1);
  grid->addWidget(new QLabel(QString::fromUtf8("高さ")), 5, 0);
  grid->addWidget(tate_, 5, 1);
  pixels_ = new QLabel;
  grid->addWidget(pixels_, 6, 0, 1, 2);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QString::fromUtf8("保存して終了(&S)"), QDialogButtonBox::AcceptRole);
  QPushButton* def = buttons->addButton(QString::fromUtf8("初期設定にする(&D)"), QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  grid->addWidget(buttons, 7, 0, 1, 2);
  connect(buttons, &QDialogButtonBox::accepted, this, &CPageDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CPageDlg::reject);
  connect(def, &QPushButton::clicked, this, &CPageDlg::MakeDefault);
  connect(group, &QButtonGroup::idClicked, this, &CPageDlg::PresetChosen);
  connect(yoko_, &QSpinBox::valueChanged, this, &CPageDlg::MmEdited);
  connect(tate_, &QSpinBox::valueChanged, this, &CPageDlg::MmEdited);

  const DocHeader& h = doc.Header();
  const int preset = h.PageSize >= 1 && h.PageSize <= 4 ? h.PageSize : pagesize::Free;
  PresetChosen(preset);
  if (preset == pagesize::Free) {
    const int yoko = GetInt(kSection, "Yoko", 0);
    const int tate = GetInt(kSection, "Tate", 0);
    if (yoko > 0 && tate > 0) {
      yoko_->setValue(ClampMm(yoko));
      tate_->setValue(ClampMm(tate));  // the free size follows the fields
    }
  }
}

void CPageDlg::PresetChosen(int preset) {
  presets_[preset - 1]->setChecked(true);
  const QSize current(doc_.Header().SlideW, doc_.Header().SlideH);
  pixels_px_ = PresetPixels(preset, dpi_, screen_, current);
  loading_ = true;
  yoko_->setValue(ClampMm(PixelsToMm(pixels_px_.width(), dpi_.x)));
  tate_->setValue(ClampMm(PixelsToMm(pixels_px_.height(), dpi_.y)));
  loading_ = false;
  ShowPixels();
}

// Typing a size makes it a free one.
void CPageDlg::MmEdited() {
  if (loading_) return;
  presets_[pagesize::Free - 1]->setChecked(true);
  pixels_px_ = QSize(MmToPixels(yoko_->value(), dpi_.x), MmToPixels(tate_->value(), dpi_.y));
  ShowPixels();
}

void CPageDlg::ShowPixels() {
  pixels_->setText(QString::fromUtf8("幅 %1 × 高さ %2pixel").arg(pixels_px_.width()).arg(pixels_px_.height()));
}

PageSizeChoice CPageDlg::Choice() const {
  int preset = pagesize::Free;
  for (int p = 1; p <= 4; ++p)
    if (presets_[p - 1]->isChecked()) preset = p;
  return {preset, pixels_px_};
}

// A size that would cut objects off is refused and the dialog stays open.
void CPageDlg::accept() {
  {
    SettingsBatch batch;
    batch.WriteInt(kSection, "Yoko", yoko_->value());
    batch.WriteInt(kSection, "Tate", tate_->value());
  }
  if (ObjectsOutside(doc_, Choice().pixels)) {
    ShowMessage(msg::ObjectsOutsideArea, this, QString(), MsgStyle::Info);
    return;
  }
  QDialog::accept();
}

void CPageDlg::MakeDefault() {
  {
    SettingsBatch batch;
    batch.WriteInt(kSection, "DefPageSize", Choice().preset);
    batch.WriteInt(kSection, "DefYoko", yoko_->value());
    batch.WriteInt(kSection, "DefTate", tate_->value());
  }
  ShowMessage(msg::DefaultSet, this, QString(), MsgStyle::Info);
}

void CPageDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton)
    RunOpacitySlider(this, event->globalPosition().toPoint(), QString::fromLatin1(kOpacityKey));
  QDialog::mousePressEvent(event);
}

void RegisterPageSizeCommand(CommandRegistry& commands, EditPath& edits, QWidget* owner) {
  commands.Add({ID_PAGE_SET, "ID_PAGE_SET", QString::fromUtf8("スライドサイズ設定"),
                [&edits, owner] {
                  const QScreen* screen = QGuiApplication::primaryScreen();
                  const QSize size = screen ? screen->size() : QSize(1920, 1080);
                  CPageDlg dialog(edits.Doc(), size, edits.Doc().Dpi(), owner);
                  if (dialog.exec() != QDialog::Accepted) return;
                  edits.Apply(EditKind::Undoable, [&](Document& d) { return ApplyPageSize(d, dialog.Choice()); });
                },
                {}});
}
