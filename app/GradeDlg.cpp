#include "app/GradeDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/CommandIds.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/GradeApply.h"
#include "export/ImageEncoder.h"
#include "render/gdi/Color.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

constexpr int kPreview = 180;     // pixels of the preview square
constexpr int kCell = 16;         // a colour cell
constexpr int kMargin = kCell + 4;  // room for the cells around the preview
constexpr QSize kPresetBox(28, 28);
constexpr QSize kPatternIcon(20, 20);

constexpr int kPatternOrder[] = {0, 1, 2, 3, 4, 5, 6, 10, 11, 12, 13, 14, 15, 16};

QToolButton* Button(const QString& text, const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setToolTip(tip);
  return button;
}

// A cell just outside the preview beside its reference point; the centre's below
// the bottom-middle cell.
QPoint CellPlace(int cell, const QRect& preview) {
  const QPoint p = ReferencePoints(preview)[cell];
  if (cell == 8) return {p.x() - kCell / 2, preview.y() + preview.height() + kCell + 4};
  const int l = preview.x(), t = preview.y(), r = l + preview.width(), b = t + preview.height();
  const int x = p.x() == l ? l - kCell - 2 : p.x() == r ? r + 2 : p.x() - kCell / 2;
  const int y = p.y() == t ? t - kCell - 2 : p.y() == b ? b + 2 : p.y() - kCell / 2;
  return {x, y};
}

void PaintCell(QToolButton* cell, COLORREF colour) {
  cell->setStyleSheet(QString("QToolButton { background: %1; border: 1px solid black; }")
                          .arg(gdi::ToQColor(colour).name()));
}

// The picture fitted into the box keeping its proportions, centred on white,
// with a white frame around it.
QPixmap BoxPicture(const QImage& picture) {
  QPixmap box(kPresetBox);
  box.fill(Qt::transparent);
  if (picture.isNull()) return box;
  const QImage fitted = picture.width() <= kPresetBox.width() - 2 && picture.height() <= kPresetBox.height() - 2
                            ? picture
                            : picture.scaled(kPresetBox - QSize(2, 2), Qt::KeepAspectRatio);
  QPainter p(&box);
  const QRect at(QPoint((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2), fitted.size());
  p.fillRect(at.adjusted(-1, -1, 1, 1), Qt::white);
  p.drawImage(at, fitted);
  return box;
}

}  // namespace

CGradeDlg::CGradeDlg(const QString& presetFolder, const GradeValue& start, bool hasPrimary,
                     ColourPicker pickColour, QWidget* parent)
    : QDialog(parent), editor_(start), presets_(presetFolder), pickColour_(std::move(pickColour)) {
  setWindowTitle(U("グラデーション設定"));
  round_ = new QCheckBox(U("4 オブジェクトに\n 合せて回転させる"), this);
  round_->setChecked(start.round);
  round_->setEnabled(hasPrimary);
  apply_ = new QPushButton(U("適用(&R)"), this);
  apply_->setDefault(true);
  connect(apply_, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(U("中止(&C)"), this);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* left = new QVBoxLayout;
  left->addWidget(BuildPatterns());
  left->addWidget(BuildColours());
  auto* right = new QVBoxLayout;
  right->addWidget(BuildPresets());
  right->addWidget(round_);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(apply_);
  buttons->addWidget(cancel);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right);
  for (int slot = 0; slot < kGradePresetSlots; ++slot) LoadPresetPicture(slot);
  Refresh();
}

QWidget* CGradeDlg::BuildPatterns() {
  auto* box = new QGroupBox(U("1 パターン"), this);
  auto* grid = new QGridLayout(box);
  auto* group = new QButtonGroup(box);
  GradeValue shown = GradeEditor(GradeValue{-1, {}, false}).Value();
  for (int k = 0; k < static_cast<int>(std::size(kPatternOrder)); ++k) {
    const int pattern = kPatternOrder[k];
    shown.pattern = pattern;
    auto* button = Button(QString(), U("【グラデーションパターン】\n") + GradePatternLabel(pattern), box);
    button->setCheckable(true);
    button->setIconSize(kPatternIcon);
    button->setIcon(QPixmap::fromImage(GradePresetPicture(shown, kPatternIcon)));
    group->addButton(button);
    connect(button, &QToolButton::clicked, this, [this, pattern] {
      editor_.SetPattern(pattern);
      Refresh();
    });
    patterns_[pattern] = button;
    grid->addWidget(button, k / 7, k % 7);
  }
  return box;
}

QWidget* CGradeDlg::BuildColours() {
  auto* box = new QGroupBox(U("2 色"), this);
  auto* canvas = new QWidget(box);
  const QRect preview(kMargin, kMargin, kPreview, kPreview);
  canvas->setFixedSize(kPreview + 2 * kMargin + 30, kPreview + 2 * kMargin + kCell + 4);
  previewLabel_ = new QLabel(canvas);
  previewLabel_->setObjectName("preview");
  previewLabel_->setGeometry(preview);
  for (int cell = 0; cell < kGradeColours; ++cell) {
    auto* button = new QToolButton(canvas);
    button->setGeometry(QRect(CellPlace(cell, preview), QSize(kCell, kCell)));
    connect(button, &QToolButton::clicked, this, [this, cell] { ClickCell(cell); });
    cells_[cell] = button;
  }
  centreLabel_ = new QLabel(U("中央"), canvas);
  centreLabel_->move(cells_[8]->geometry().topRight() + QPoint(4, 0));

  auto* modes = new QButtonGroup(box);
  const char* modeText[] = {"セット", "スポイト", "貼付"};
  const char* modeTip[] = {"【色セットモード】\nグラデーションの色をセットします",
                           "【スポイトモード】\nセットされている色をコピーして\n他に貼り付けできるようにします",
                           "【貼り付けモード】\nスポイトモードでコピーした色を\n貼り付けします"};
  for (int k = 0; k < 3; ++k) {
    modes_[k] = Button(U(modeText[k]), U(modeTip[k]), box);
    modes_[k]->setCheckable(true);
    modes->addButton(modes_[k]);
    connect(modes_[k], &QToolButton::clicked, this, [this, k] { editor_.SetMode(static_cast<GradeMode>(k + 1)); });
  }
  modes_[0]->setChecked(true);
  tools_ = {Button(U("虹"), U("【虹色セット】\n虹色のパターンになるように色\nをセットします"), box),
            Button(U("明上"), U("【明るさアップ】\n全体の色の明るさを増して薄くします"), box),
            Button(U("明下"), U("【明るさダウン】\n全体の色の明るさを減らしてハッキリさせます"), box),
            Button(U("逆"), U("【セット方向逆転】\nセットされている色を対角線方向\nに入れ替えます"), box)};
  const std::function<void()> actions[] = {[this] { editor_.Rainbow(); }, [this] { editor_.Brighter(); },
                                           [this] { editor_.Darker(); }, [this] { editor_.Reverse(); }};
  for (int k = 0; k < 4; ++k)
    connect(tools_[k], &QToolButton::clicked, this, [this, run = actions[k]] {
      run();
      Refresh();
    });
  colourButton_ = new QToolButton(box);
  colourButton_->setFixedSize(kCell + 8, kCell + 8);

  auto* row = new QHBoxLayout;
  for (QToolButton* b : tools_) row->addWidget(b);
  row->addSpacing(8);
  for (QToolButton* b : modes_) row->addWidget(b);
  row->addWidget(colourButton_);
  row->addStretch();
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(canvas, 0, Qt::AlignHCenter);
  layout->addLayout(row);
  return box;
}

QWidget* CGradeDlg::BuildPresets() {
  auto* box = new QGroupBox(U("3 設定の読込・保存・削除"), this);
  auto* grid = new QGridLayout(box);
  const QIcon stop = style()->standardIcon(QStyle::SP_BrowserStop);
  for (int slot = 0; slot < kGradePresetSlots; ++slot) {
    presetBoxes_[slot] = new QToolButton(box);
    presetBoxes_[slot]->setIconSize(kPresetBox);
    presetBoxes_[slot]->setFixedSize(kPresetBox + QSize(4, 4));
    saveButtons_[slot] = Button(U("保存"), QString(), box);
    deleteButtons_[slot] = Button(QString(), QString(), box);
    deleteButtons_[slot]->setIcon(stop);
    connect(presetBoxes_[slot], &QToolButton::clicked, this, [this, slot] { LoadPreset(slot); });
    connect(saveButtons_[slot], &QToolButton::clicked, this, [this, slot] { SavePreset(slot); });
    connect(deleteButtons_[slot], &QToolButton::clicked, this, [this, slot] { DeletePreset(slot); });
    grid->addWidget(new QLabel(QString::number(slot + 1), box), slot, 0);
    grid->addWidget(presetBoxes_[slot], slot, 1);
    grid->addWidget(saveButtons_[slot], slot, 2);
    grid->addWidget(deleteButtons_[slot], slot, 3);
  }
  deleteAll_ = Button("all", QString(), box);
  deleteAll_->setIcon(stop);
  deleteAll_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  connect(deleteAll_, &QToolButton::clicked, this, &CGradeDlg::DeleteAllPresets);
  grid->addWidget(deleteAll_, kGradePresetSlots, 2, 1, 2);
  return box;
}

GradeValue CGradeDlg::Value() const {
  GradeValue value = editor_.Value();
  value.round = round_->isEnabled() && round_->isChecked();
  return value;
}

QToolButton* CGradeDlg::PatternButton(int pattern) const {
  return IsGradePattern(pattern) ? patterns_[pattern] : nullptr;
}

// Pattern button, cells, preview and the colour button from the editor.
void CGradeDlg::Refresh() {
  const GradeValue& v = editor_.Value();
  patterns_[v.pattern]->setChecked(true);
  for (int cell = 0; cell < kGradeColours; ++cell) {
    cells_[cell]->setVisible(GradeCellShown(v.pattern, cell));
    PaintCell(cells_[cell], v.colours[cell]);
  }
  centreLabel_->setVisible(GradeCellShown(v.pattern, 8));
  preview_ = GradePresetPicture(v, QSize(kPreview, kPreview));
  previewLabel_->setPixmap(QPixmap::fromImage(preview_));
  PaintCell(colourButton_, editor_.Copied());
}

void CGradeDlg::ClickCell(int cell) {
  const GradeColourPicker pick = [this](COLORREF current) {
    return pickColour_ ? pickColour_(this, current) : std::nullopt;
  };
  editor_.ClickCell(cell, pick);
  Refresh();
}

// A slot is used when its picture loads and its text file reads; one that does
// not is shown empty and named once.
void CGradeDlg::LoadPresetPicture(int slot) {
  presetPictures_[slot] = QImage();
  const QString picturePath = presets_.PicturePath(slot);
  if (QFile::exists(picturePath)) {
    QImage picture(picturePath);
    if (!picture.isNull()) {
      if (presets_.Read(slot)) presetPictures_[slot] = picture;
      else badPresets_ << presets_.TextPath(slot);
    }
  }
  ShowPreset(slot);
}

void CGradeDlg::ShowPreset(int slot) { presetBoxes_[slot]->setIcon(BoxPicture(presetPictures_[slot])); }

void CGradeDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (told_ || badPresets_.isEmpty()) return;
  told_ = true;
  ShowMessage(msg::SettingsLoadFailed, this, badPresets_.join('\n') + '\n');
}

void CGradeDlg::LoadPreset(int slot) {
  if (!PresetUsed(slot)) return;
  const Result<GradeValue> value = presets_.Read(slot);
  if (!value) {
    presetPictures_[slot] = QImage();
    ShowPreset(slot);
    ShowFailure(value.error(), this);
    return;
  }
  editor_.Load(*value);
  Refresh();
}

void CGradeDlg::SavePreset(int slot) {
  const QString picturePath = presets_.PicturePath(slot);
  if (QFile::exists(picturePath) &&
      ShowMessage(msg::AskOverwriteSettings, this, QString(), MsgStyle::YesNo) != IDYES)
    return;
  const QImage picture = GradePresetPicture(editor_.Value(), kPresetBox);
  if (picture.isNull()) {
    ShowMessage(msg::NoMemory, this);
    return;
  }
  if (const Result<void> written = EncodeImageFile(picture, ImageFormat::Jpeg, picturePath); !written) {
    ShowFailure(written.error(), this);
    ShowMessage(msg::SettingsSaveFailed, this);
    return;
  }
  if (const Result<void> written = presets_.WriteText(slot, editor_.Value()); !written) {
    ShowFailure(written.error(), this);
    return;
  }
  LoadPresetPicture(slot);
  ShowMessage(msg::SettingsSaved, this, QString(), MsgStyle::Info);
}

void CGradeDlg::DeletePreset(int slot) {
  if (!PresetUsed(slot)) return;
  if (ShowMessage(msg::AskDeleteSettings, this, QString(), MsgStyle::YesNo) != IDYES) return;
  presets_.Remove(slot);
  presetPictures_[slot] = QImage();
  ShowPreset(slot);
}

void CGradeDlg::DeleteAllPresets() {
  bool any = false;
  for (int slot = 0; slot < kGradePresetSlots; ++slot) any = any || PresetUsed(slot);
  if (!any) return;
  if (ShowMessage(msg::AskDeleteSettings, this, U("すべての"), MsgStyle::YesNo) != IDYES) return;
  for (int slot = 0; slot < kGradePresetSlots; ++slot) {
    if (!PresetUsed(slot)) continue;
    presets_.Remove(slot);
    presetPictures_[slot] = QImage();
    ShowPreset(slot);
  }
}

void RegisterGradeCommand(CommandRegistry& commands, EditPath& edits, std::function<int()> primary,
                          QWidget* owner, ColourPicker pickColour) {
  commands.Add({ID_SEL_GRADE, "ID_SEL_GRADE", U("グラデーション(&G)..."),
                [&edits, primary, owner, pickColour] {
                  const Result<QString> folder = GradePresetFolder();
                  if (!folder) {
                    ShowFailure(folder.error(), owner);
                    return;
                  }
                  const int p = primary();
                  const bool objects = p >= 0 && p < edits.Doc().ObjCount();
                  CGradeDlg dlg(*folder, GradeInput(edits.Doc(), p), objects, pickColour, owner);
                  if (dlg.exec() == QDialog::Accepted) ApplyGrade(edits, dlg.Value(), objects);
                },
                {}});
}
