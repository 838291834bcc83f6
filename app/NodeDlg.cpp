#include "app/NodeDlg.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "app/TransDlg.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/EditPath.h"
#include "core/picture/Picture.h"
#include "editor/ImageEdits.h"
#include "editor/NodeRules.h"
#include "editor/RotateDrag.h"
#include "export/CGIFSub.h"
#include "export/ImageEncoder.h"
#include "render/gdi/Color.h"

namespace {

constexpr int kPreviewSide = 225;  // 150 dialog units

// A spin box whose arrow steps are handed to the dialog, which sets the value.
class StepSpin : public QSpinBox {
 public:
  StepSpin(std::function<void(int)> step, QWidget* parent) : QSpinBox(parent), step_(std::move(step)) {}
  void stepBy(int steps) override { step_(steps); }

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

 private:
  std::function<void(int)> step_;
};

class PaintBox : public QWidget {
 public:
  PaintBox(std::function<void(QPainter&)> paint, QWidget* parent) : QWidget(parent), paint_(std::move(paint)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The picture resampled to `size`: drawn without smoothing, so a keyed colour
// stays exact, then held as a bitmap or as a JPEG.
std::shared_ptr<const Picture> Resample(const Picture& picture, QSize size, bool bitmap, int dpi) {
  QImage scaled(size, QImage::Format_RGB32);
  if (scaled.isNull()) return nullptr;
  scaled.fill(Qt::white);
  {
    QPainter painter(&scaled);
    picture.Render(painter, scaled.rect());
  }
  if (bitmap) return Picture::Wrap(scaled, dpi);
  const std::optional<QByteArray> jpeg = EncodeImage(scaled, ImageFormat::Jpeg);
  return jpeg ? Picture::Load(*jpeg, dpi) : nullptr;
}

// The transparent colour as the dialog names it.
QString TransColourText(const ObjectRecord& r) {
  if (!r.TransOn) return U("設定なし");
  return U("RGB(%1, %2, %3)").arg(r.refTrans & 0xFF).arg(r.refTrans >> 8 & 0xFF).arg(r.refTrans >> 16 & 0xFF);
}

}  // namespace

NodeDlgHooks NodeDlgHooks::Standard() {
  NodeDlgHooks h;
  h.chooseColour = [](COLORREF current, QWidget* owner) -> std::optional<COLORREF> {
    const QColor c = QColorDialog::getColor(gdi::ToQColor(current), owner);
    if (!c.isValid()) return std::nullopt;
    return gdi::Rgb(c.red(), c.green(), c.blue());
  };
  h.editTransparency = [](std::shared_ptr<const Picture> picture, int kind, COLORREF trans,
                          QWidget* owner) -> std::optional<EditedPicture> {
    return CMakeTransDlg::Edit(std::move(picture), kind, trans, owner);
  };
  return h;
}

CNodeDlg::CNodeDlg(EditPath& edits, int index, NodeDlgHooks hooks, QWidget* parent)
    : QDialog(parent), edits_(edits), index_(index), hooks_(std::move(hooks)) {
  setWindowTitle(U("イメージのプロパティ"));
  const Document& doc = edits_.Doc();
  const DocHeader& h = doc.Header();
  const ObjectRecord& r = doc.Object(index_);
  auto* layout = new QVBoxLayout(this);
  const auto button = [this](int control, const QString& text) {
    auto* b = new QPushButton(text, this);
    buttons_[control] = b;
    return b;
  };

  auto* size = new QGroupBox(U("1 オブジェクトの大きさ"), this);
  auto* sizeGrid = new QGridLayout(size);
  width_ = new StepSpin([this](int s) { StepSize(true, s); }, size);
  height_ = new StepSpin([this](int s) { StepSize(false, s); }, size);
  width_->setRange(30, std::max<int>(30, h.SlideW));
  height_->setRange(30, std::max<int>(30, h.SlideH));
  sizeGrid->addWidget(new QLabel(U("幅："), size), 0, 0);
  sizeGrid->addWidget(width_, 0, 1);
  sizeGrid->addWidget(new QLabel(U("(%1～%2px)").arg(30).arg(h.SlideW), size), 0, 2);
  sizeGrid->addWidget(new QLabel(U("高さ："), size), 1, 0);
  sizeGrid->addWidget(height_, 1, 1);
  sizeGrid->addWidget(new QLabel(U("(%1～%2px)").arg(30).arg(h.SlideH), size), 1, 2);
  layout->addWidget(size);

  auto* tilt = new QGroupBox(U("2 オブジェクトの傾き"), this);
  auto* tiltRow = new QHBoxLayout(tilt);
  angle_ = new StepSpin([this](int s) { StepAngle(s); }, tilt);
  angle_->setRange(0, 359);
  angle_->setValue(AngleSpinPosition(r.Angle));
  tiltRow->addWidget(new QLabel(U("角度："), tilt));
  tiltRow->addWidget(angle_);
  tiltRow->addWidget(new QLabel(U("(0～359度)"), tilt));
  layout->addWidget(tilt);

  auto* image = new QGroupBox(U("3 イメージ"), this);
  auto* grid = new QGridLayout(image);
  pictureSize_ = new QLabel(image);
  bytes_ = new QLabel(image);
  grid->addWidget(new QLabel(U("メモリ内の大きさ："), image), 0, 0);
  grid->addWidget(pictureSize_, 0, 1);
  grid->addWidget(new QLabel(U("メモリ内のサイズ："), image), 1, 0);
  grid->addWidget(bytes_, 1, 1);
  QPushButton* actual = button(1006, U("実寸にする(&M)"));
  actual->setToolTip(U("ノードが縮小されている場合は、原本に合せて拡大されます"));
  grid->addWidget(actual, 2, 0);
  grid->addWidget(new QLabel(U("ノードの大きさをメモリ内のイメージの大きさと同じにします。"), image), 2, 1);
  QPushButton* aspect = button(1003, U("縦横比同じにする(&R)"));
  aspect->setToolTip(U("原本の縦横比と異なる場合は、ノードの縦横比を調整します"));
  grid->addWidget(aspect, 3, 0);
  byWidth_ = new QRadioButton(U("幅基準"), image);
  byHeight_ = new QRadioButton(U("高さ基準"), image);
  byWidth_->setChecked(true);
  auto* basis = new QHBoxLayout;
  basis->addWidget(byWidth_);
  basis->addWidget(byHeight_);
  grid->addLayout(basis, 3, 1);
  QPushButton* fit = button(1040, U("ノードの大きさにする(&F)"));
  fit->setToolTip(U("再読込みし、ノードイメージをノードサイズに合せます"));
  grid->addWidget(fit, 4, 0);
  auto* fitRow = new QHBoxLayout;
  fitRow->addWidget(button(1018, U("↶")));
  fitRow->addWidget(new QLabel(U("メモリ内のイメージの大きさをノードの大きさになるように変更します。"), image));
  grid->addLayout(fitRow, 4, 1);
  grid->addWidget(button(1016, U("256色以内に減色する(&M)")), 5, 0);
  auto* reduceRow = new QHBoxLayout;
  reduceRow->addWidget(button(1017, U("↶")));
  reduceRow->addWidget(new QLabel(U("※ イメージを透過GIFファイルとして保存するときに必要です。"), image));
  grid->addLayout(reduceRow, 5, 1);
  preview_ = new PaintBox([this](QPainter& p) { p.drawImage(0, 0, Preview()); }, image);
  preview_->setFixedSize(kPreviewSide + 2, kPreviewSide + 2);
  grid->addWidget(preview_, 6, 0, 1, 2, Qt::AlignHCenter);
  auto* bgRow = new QHBoxLayout;
  bgRow->addWidget(new QLabel(U("背景色："), image));
  bgRow->addWidget(button(1013, U("...")));
  bgRow->addWidget(new QLabel(U("※ 透過状態が判別しにくいときは、背景色を変更してください。"), image));
  grid->addLayout(bgRow, 7, 0, 1, 2);
  layout->addWidget(image);

  auto* trans = new QGroupBox(U("4 透過色"), this);
  auto* transGrid = new QGridLayout(trans);
  swatch_ = new PaintBox(
      [this](QPainter& p) {
        const ObjectRecord& o = edits_.Doc().Object(index_);
        if (o.TransOn) p.fillRect(swatch_->rect(), gdi::ToQColor(o.refTrans));
        p.setPen(Qt::black);
        p.drawRect(swatch_->rect().adjusted(0, 0, -1, -1));
      },
      trans);
  swatch_->setFixedSize(24, 16);
  transText_ = new QLabel(trans);
  editorNote_ = new QLabel(trans);
  transGrid->addWidget(swatch_, 0, 0);
  transGrid->addWidget(transText_, 0, 1);
  transGrid->addWidget(button(1015, U("透過設定エディタ(&E)")), 1, 0);
  transGrid->addWidget(editorNote_, 1, 1);
  layout->addWidget(trans);

  auto* back = new QPushButton(U("戻る(&C)"), this);
  connect(back, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(back, 0, Qt::AlignRight);

  connect(actual, &QPushButton::clicked, this, &CNodeDlg::ActualSize);
  connect(aspect, &QPushButton::clicked, this, &CNodeDlg::SameAspectRatio);
  connect(fit, &QPushButton::clicked, this, &CNodeDlg::FitPicture);
  connect(buttons_[1018], &QPushButton::clicked, this, [this] { Restore(false); });
  connect(buttons_[1017], &QPushButton::clicked, this, [this] { Restore(true); });
  connect(buttons_[1016], &QPushButton::clicked, this, &CNodeDlg::Reduce);
  connect(buttons_[1013], &QPushButton::clicked, this, &CNodeDlg::ChooseBackground);
  connect(buttons_[1015], &QPushButton::clicked, this, &CNodeDlg::EditTransparency);

  for (int control : {1015, 1016, 1017, 1018}) buttons_[control]->setEnabled(false);
  ShowFrameSize();
  RefreshPicture();
  const Picture* picture = doc.PictureOf(index_);
  if (r.ImageKind != 2 && picture && !DrawnOnWhite(*picture, doc.Dpi().x).isNull())
    buttons_[1016]->setEnabled(true);
  background_ = GetColor("NodeDlg", "refBk", 0);
  const bool on = r.TransOn != 0;
  transText_->setText(TransColourText(r));
  buttons_[1015]->setEnabled(on);
  editorNote_->setText(on ? U("※ イメージを編集して\n  透過部分を作成します。")
                          : U("※ イメージに透過色が指定されてい\n 　ないとエディタは使用できません。"));
}

QPushButton* CNodeDlg::Button(int control) const {
  const auto it = buttons_.find(control);
  return it == buttons_.end() ? nullptr : it->second;
}

QString CNodeDlg::PictureSizeText() const { return pictureSize_->text(); }
QString CNodeDlg::ByteText() const { return bytes_->text(); }
QString CNodeDlg::TransText() const { return transText_->text(); }

void CNodeDlg::ShowFrameSize() {
  const QSize frame = FrameSize(edits_.Doc().Object(index_));
  const QSignalBlocker bw(width_), bh(height_);
  width_->setValue(frame.width());
  height_->setValue(frame.height());
}

void CNodeDlg::RefreshFrameButtons() {
  const QSize frame = FrameSize(edits_.Doc().Object(index_));
  const bool differs = frame != pixels_;
  for (int control : {1006, 1003, 1040}) buttons_[control]->setEnabled(differs);
  if (differs && SameAspect(pixels_, frame)) buttons_[1003]->setEnabled(false);
}

void CNodeDlg::RefreshPicture() {
  const Document& doc = edits_.Doc();
  const Picture* picture = IsImageWithPicture(doc, index_) ? doc.PictureOf(index_) : nullptr;
  if (!picture) {
    for (int control : {1006, 1003, 1040}) buttons_[control]->setEnabled(false);
    return;
  }
  pixels_ = picture->NaturalPixels(doc.Dpi().x, doc.Dpi().y);
  pictureSize_->setText(U("%1 × %2").arg(pixels_.width()).arg(pixels_.height()));
  RefreshFrameButtons();
  bytes_->setText(ByteCountText(picture->Save().size()));
  update();
}

void CNodeDlg::StepSize(bool widthSpin, int steps) {
  QSpinBox* spin = widthSpin ? width_ : height_;
  const int v = std::clamp(spin->value() + steps, spin->minimum(), spin->maximum());
  const QSize frame = FrameSize(edits_.Doc().Object(index_));
  const int W = widthSpin ? v : frame.width();
  const int H = widthSpin ? frame.height() : v;
  edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
    ResizeFrame(d.Object(index_), W, H);
    PushInside(d, index_);
    return true;
  });
  const QSignalBlocker block(spin);
  spin->setValue(v);
  RefreshFrameButtons();
}

void CNodeDlg::StepAngle(int steps) {
  const int n = angle_->value() + steps;
  const double pi = 4 * std::atan(1.0);
  const double angle = pi * (360 - n) / 180;  // a step down from 0 stores 361 degrees
  edits_.Apply(EditKind::Undoable, [&](Document& d) { return TurnSelected(d, angle); });
  const QSignalBlocker block(angle_);
  angle_->setValue(n > 359 ? 0 : n < 0 ? 359 : n);
}

void CNodeDlg::ActualSize() {
  if (pixels_.width() == 0 && pixels_.height() == 0) return;
  const Document& doc = edits_.Doc();
  const std::optional<ObjectRecord> sized =
      ActualSizeFrame(doc.Object(index_), pixels_, QSize(doc.Header().SlideW, doc.Header().SlideH));
  // Checked before the undo step is taken, so a refusal leaves no empty step.
  if (!sized) {
    ShowMessage(msg::TooLargeForView, this);
    return;
  }
  edits_.Apply(EditKind::Undoable, [&](Document& d) {
    d.Object(index_) = *sized;
    PushInside(d, index_);
    return true;
  });
  ShowFrameSize();
  RefreshFrameButtons();
}

void CNodeDlg::SameAspectRatio() {
  const Document& doc = edits_.Doc();
  const DocHeader& h = doc.Header();
  const QRect bounds = DrawnBounds(doc.Object(index_), h.Zoom);
  const std::optional<QSize> target =
      AspectTarget(pixels_, bounds.size(), byWidth_->isChecked(), QSize(h.SlideW, h.SlideH));
  if (!target) return;
  edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
    ObjectRecord& r = d.Object(index_);
    const int L = bounds.left(), T = bounds.top(), W = target->width(), H = target->height();
    r.Points[0] = {L, T};
    r.Points[1] = {L + W, T};
    r.Points[2] = {L + W, T + H};
    r.Points[3] = {L, T + H};
    r.CenterX = L + W / 2;
    r.CenterY = T + H / 2;
    PushInside(d, index_);
    return true;
  });
  ShowFrameSize();
  buttons_[1003]->setEnabled(false);
  update();
}

bool CNodeDlg::ReplacePicture(std::shared_ptr<const Picture> picture) {
  return edits_.Apply(EditKind::NoSnapshot, [&](Document& d) { return SwapPicture(d, index_, std::move(picture)); });
}

void CNodeDlg::FitPicture() {
  const Document& doc = edits_.Doc();
  const std::shared_ptr<const Picture> current = doc.Pictures().Share(doc.Object(index_).Picture);
  if (!current) return;
  restoreCopy_ = current;
  buttons_[1018]->setEnabled(true);
  buttons_[1017]->setEnabled(false);
  const DocHeader& h = doc.Header();
  const QRect bounds = DrawnBounds(doc.Object(index_), h.Zoom);
  const QSize size = AspectTarget(pixels_, bounds.size(), byWidth_->isChecked(), QSize(h.SlideW, h.SlideH))
                         .value_or(bounds.size());
  bool bitmap = false;
  if (doc.Object(index_).refTrans != kNoColor) {
    const int answer = ShowMessage(msg::AskKeepTransparency, this, QString(), MsgStyle::YesNoCancel);
    if (answer != IDYES && answer != IDNO) return;
    bitmap = answer == IDYES;
  }
  std::shared_ptr<const Picture> resampled;
  {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    resampled = size.isEmpty() ? nullptr : Resample(*current, size, bitmap, doc.Dpi().x);
    QApplication::restoreOverrideCursor();
  }
  if (!resampled) {
    ShowMessage(msg::NoImage, this);
    return;
  }
  ReplacePicture(resampled);
  RefreshPicture();
  for (int control : {1006, 1003, 1040}) buttons_[control]->setEnabled(false);
}

void CNodeDlg::Reduce() {
  const Document& doc = edits_.Doc();
  restoreCopy_ = doc.Pictures().Share(doc.Object(index_).Picture);
  if (!restoreCopy_) return;
  keptKind_ = doc.Object(index_).ImageKind;
  buttons_[1017]->setEnabled(true);
  buttons_[1018]->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool reduced = edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
    if (!CGIFSub::ReduceObjectColors(d, index_)) return false;
    d.Object(index_).ImageKind = 2;
    return true;
  });
  QApplication::restoreOverrideCursor();
  if (!reduced) return;
  RefreshPicture();
  const ObjectRecord& r = edits_.Doc().Object(index_);
  transText_->setText(TransColourText(r));
  update();
  ShowMessage(msg::ReducedTo256, this, QString(), MsgStyle::Info);
}

void CNodeDlg::Restore(bool afterReduction) {
  if (!restoreCopy_) return;
  std::shared_ptr<const Picture> copy = std::move(restoreCopy_);
  restoreCopy_.reset();
  edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
    if (!SwapPicture(d, index_, copy)) return false;
    ObjectRecord& r = d.Object(index_);
    if (afterReduction) r.ImageKind = static_cast<decltype(r.ImageKind)>(keptKind_);
    return true;
  });
  RefreshPicture();
  buttons_[afterReduction ? 1017 : 1018]->setEnabled(false);
}

void CNodeDlg::ChooseBackground() {
  const std::optional<COLORREF> chosen = hooks_.chooseColour ? hooks_.chooseColour(background_, this) : std::nullopt;
  if (!chosen) return;
  background_ = *chosen;
  WriteColor("NodeDlg", "refBk", background_);
  update();
}

void CNodeDlg::EditTransparency() {
  const Document& doc = edits_.Doc();
  const ObjectRecord& r = doc.Object(index_);
  const std::shared_ptr<const Picture> picture = doc.Pictures().Share(r.Picture);
  if (!picture || !hooks_.editTransparency) return;
  const std::optional<EditedPicture> edited = hooks_.editTransparency(picture, r.ImageKind, r.refTrans, this);
  if (!edited || !edited->picture) return;
  edits_.Apply(EditKind::NoSnapshot, [&](Document& d) {
    if (!SwapPicture(d, index_, edited->picture)) return false;
    d.Object(index_).refTrans = edited->trans;
    return true;
  });
  RefreshPicture();
  transText_->setText(TransColourText(edits_.Doc().Object(index_)));
  update();
}

QImage CNodeDlg::Preview() const {
  QImage area(kPreviewSide + 2, kPreviewSide + 2, QImage::Format_RGB32);
  area.fill(gdi::ToQColor(background_));
  const Document& doc = edits_.Doc();
  if (!IsImageWithPicture(doc, index_) || pixels_.isEmpty()) return area;
  const ObjectRecord& r = doc.Object(index_);
  if (previewOf_.get() != doc.PictureOf(index_)) {
    previewOf_ = doc.Pictures().Share(r.Picture);
    previewDrawn_ = DrawnOnWhite(*previewOf_, doc.Dpi().x);
  }
  const QImage drawn = previewDrawn_.mirrored(r.FlipH, r.FlipV);
  QSize shown = pixels_;
  if (pixels_.width() >= kPreviewSide || pixels_.height() >= kPreviewSide) {
    const float scale = std::min(float(kPreviewSide) / pixels_.width(), float(kPreviewSide) / pixels_.height());
    shown = QSize(std::max(1, int(pixels_.width() * scale)), std::max(1, int(pixels_.height() * scale)));
  }
  // Only the object's own transparent colour is left out; a picture without
  // one shows every pixel, whatever its colour.
  QImage keyed = drawn.scaled(shown).convertToFormat(QImage::Format_ARGB32);
  if (r.TransOn) {
    const QRgb key = gdi::ToQRgb(r.refTrans) & 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
      for (int x = 0; x < keyed.width(); ++x)
        if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
    }
  }
  const QPoint at(1 + (kPreviewSide - shown.width()) / 2, 1 + (kPreviewSide - shown.height()) / 2);
  QPainter painter(&area);
  painter.drawImage(at, keyed);
  if (r.refLine != kNoColor) {
    painter.setPen(gdi::ToQColor(r.refLine));
    painter.drawRect(QRect(at - QPoint(1, 1), shown + QSize(1, 1)));
  }
  return area;
}
