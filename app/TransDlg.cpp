#include "app/TransDlg.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/picture/Picture.h"
#include "editor/ImageEdits.h"
#include "export/ImageEncoder.h"
#include "render/gdi/Color.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QString RgbText(COLORREF c) {
  return QString::asprintf("RGB(%3d, %3d, %3d)", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
}

std::optional<COLORREF> AskColour(COLORREF current, QWidget* owner) {
  const QColor c = QColorDialog::getColor(gdi::ToQColor(current), owner, QString(), QColorDialog::DontUseNativeDialog);
  if (!c.isValid()) return std::nullopt;
  return gdi::Rgb(c.red(), c.green(), c.blue());
}

}  // namespace

// The working image over the display background: pixels of the transparent
// colour show the background. Fit scales a large image down, a zoom enlarges
// every pixel to z x z.
class TransImageView : public QWidget {
 public:
  explicit TransImageView(CMakeTransDlg& dlg) : dlg_(dlg) { setMouseTracking(true); }

  void Set(const QImage& image, COLORREF trans, COLORREF background, int zoom, QSize viewport) {
    image_ = image;
    trans_ = trans;
    background_ = background;
    zoom_ = zoom;
    if (zoom == 0) {
      const bool fits = image.width() < viewport.width() && image.height() < viewport.height();
      const double s = fits ? 1.0
                            : std::min(double(viewport.width()) / image.width(), double(viewport.height()) / image.height());
      shown_ = QSize(std::max(1, int(image.width() * s)), std::max(1, int(image.height() * s)));
      resize(viewport);
    } else {
      shown_ = image.size() * zoom;
      resize(shown_.expandedTo(viewport));
    }
    origin_ = QPoint((width() - shown_.width()) / 2, (height() - shown_.height()) / 2);
    update();
  }

  // The image pixel under widget point `p`, clamped to the image.
  QPoint ImagePoint(QPoint p) const {
    if (image_.isNull() || shown_.isEmpty()) return QPoint();
    const int x = int(double(image_.width()) / shown_.width() * (p.x() - origin_.x()));
    const int y = int(double(image_.height()) / shown_.height() * (p.y() - origin_.y()));
    return QPoint(std::clamp(x, 0, image_.width() - 1), std::clamp(y, 0, image_.height() - 1));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), gdi::ToQColor(background_));
    QImage keyed = image_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = gdi::ToQRgb(trans_) & 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
      for (int x = 0; x < keyed.width(); ++x)
        if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
    }
    painter.drawImage(QRect(origin_, shown_), keyed);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) dlg_.ClickImage(ImagePoint(e->position().toPoint()));
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint at = ImagePoint(e->position().toPoint());
    dlg_.Hover(at);
    if (e->buttons() & Qt::LeftButton) dlg_.DragImage(at);
  }

 private:
  CMakeTransDlg& dlg_;
  QImage image_;
  COLORREF trans_ = kNoColor;
  COLORREF background_ = 0;
  int zoom_ = 0;
  QSize shown_;
  QPoint origin_;
};

std::optional<EditedPicture> CMakeTransDlg::Edit(std::shared_ptr<const Picture> picture, int kind, COLORREF trans,
                                                 QWidget* owner) {
  const QImage working = picture ? DrawnOnWhite(*picture, 96) : QImage();
  if (working.isNull()) {
    ShowMessage(msg::ImageSetFailed, owner);
    return std::nullopt;
  }
  CMakeTransDlg dlg(working, kind, trans, owner);
  dlg.exec();
  return dlg.Result();
}

CMakeTransDlg::CMakeTransDlg(QImage working, int kind, COLORREF trans, QWidget* parent)
    : QDialog(parent), model_(std::move(working), trans), kind_(kind) {
  setWindowTitle(U("透過設定エディタ"));
  mode_ = GetInt("MTrans", "Mode", 1);
  if (mode_ < 1 || mode_ > 4) mode_ = 1;
  whole_ = GetInt("MTrans", "Target", 2) == 1;
  radius_ = std::clamp(GetInt("MTrans", "Hani", 60), 1, 200);
  tolerance_ = GetInt("MTrans", "Kinji", 3);
  if (tolerance_ < 1 || tolerance_ > 6) tolerance_ = 3;
  zoom_ = GetInt("MTrans", "Zoom", 0);
  if (zoom_ != 1 && zoom_ != 2 && zoom_ != 4 && zoom_ != 8) zoom_ = 0;
  pen_ = GetColor("MTrans", "refPen", 0);
  background_ = GetColor("MTrans", "refBk", 0);

  auto* grid = new QGridLayout(this);
  auto* side = new QVBoxLayout;
  grid->addLayout(side, 0, 0);
  const auto group = [this, side](const char* title, std::initializer_list<std::pair<int, const char*>> items,
                                  int checked) {
    auto* box = new QGroupBox(U(title), this);
    auto* lay = new QVBoxLayout(box);
    auto* buttons = new QButtonGroup(box);
    for (const auto& [id, text] : items) {
      auto* radio = new QRadioButton(U(text), box);
      buttons->addButton(radio, id);
      lay->addWidget(radio);
      radio->setChecked(id == checked);
    }
    side->addWidget(box);
    return std::pair(buttons, lay);
  };
  modes_ = group("1 処理モード", {{1, "透過設定"}, {2, "ペン"}, {3, "ペイント"}, {4, "スポイト"}}, mode_).first;
  QVBoxLayout* rangeLayout = nullptr;
  std::tie(ranges_, rangeLayout) =
      group("2 処理範囲", {{1, "イメージ内全部を処理"}, {2, "指定範囲内を処理"}}, whole_ ? 1 : 2);
  radiusSpin_ = new QSpinBox(this);
  radiusSpin_->setRange(1, 200);
  radiusSpin_->setValue(radius_);
  radiusSpin_->setPrefix(U("半径:"));
  radiusSpin_->setSuffix(U(" (1-200pixel)"));
  radiusSpin_->setEnabled(!whole_);
  rangeLayout->addWidget(radiusSpin_);
  levels_ = group("3 近似範囲",
                  {{1, "極小(&1)"}, {2, "やや小(&2)"}, {3, "普通(&3)"}, {4, "やや大(&4)"}, {5, "極大(&5)"}, {6, "すべての色(&6)"}},
                  tolerance_)
                .first;

  auto* colours = new QGroupBox(U("4 透過色"), this);
  auto* colourGrid = new QGridLayout(colours);
  auto* transButton = new QPushButton(U("..."), colours);
  transText_ = new QLabel(colours);
  auto* toWhite = new QPushButton(U("透過色を白に(&T)"), colours);
  auto* penButton = new QPushButton(U("描画色"), colours);
  penText_ = new QLabel(colours);
  colourGrid->addWidget(transButton, 0, 0);
  colourGrid->addWidget(transText_, 0, 1);
  colourGrid->addWidget(toWhite, 1, 0, 1, 2);
  colourGrid->addWidget(penButton, 2, 0);
  colourGrid->addWidget(penText_, 2, 1);
  side->addWidget(colours);

  auto* top = new QHBoxLayout;
  grid->addLayout(top, 1, 1);
  zooms_ = new QButtonGroup(this);
  for (const auto& [id, text] : {std::pair(0, "画面に合せる"), {1, "1倍"}, {2, "2倍"}, {4, "4倍"}, {8, "8倍"}}) {
    auto* b = new QRadioButton(U(text), this);
    zooms_->addButton(b, id);
    b->setChecked(id == zoom_);
    top->addWidget(b);
  }
  undo_ = new QPushButton(U("元に戻す"), this);
  redo_ = new QPushButton(U("やり直し"), this);
  auto* back = new QPushButton(U("透過背景色変更(&B)"), this);
  top->addWidget(undo_);
  top->addWidget(redo_);
  top->addWidget(back);
  position_ = new QLabel(this);
  colour_ = new QLabel(this);
  top->addWidget(position_);
  top->addWidget(colour_);

  scroll_ = new QScrollArea(this);
  view_ = new TransImageView(*this);
  scroll_->setWidget(view_);
  scroll_->setMinimumSize(480, 360);
  grid->addWidget(scroll_, 0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(0, 1);

  auto* save = new QPushButton(U("保存終了(&S)"), this);
  auto* cancel = new QPushButton(U("中止(&C)"), this);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(save);
  bottom->addWidget(cancel);
  grid->addLayout(bottom, 2, 1);

  connect(modes_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetMode);
  connect(ranges_, &QButtonGroup::idClicked, this, [this](int id) { SetWholeImage(id == 1); });
  connect(levels_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetTolerance);
  connect(zooms_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetZoom);
  connect(radiusSpin_, &QSpinBox::valueChanged, this, [this](int r) {
    radius_ = r;
    SetWholeImage(false);
  });
  connect(transButton, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(model_.TransColor(), this)) {
      model_.SetTransColor(*c);
      Refresh();
    }
  });
  connect(penButton, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(pen_, this)) SetPenColour(*c);
  });
  connect(back, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(background_, this)) {
      background_ = *c;
      Refresh();
    }
  });
  connect(toWhite, &QPushButton::clicked, this, [this] {
    model_.TransToWhite(false);
    Refresh();
  });
  connect(undo_, &QPushButton::clicked, this, [this] {
    model_.Undo();
    Refresh();
  });
  connect(redo_, &QPushButton::clicked, this, [this] {
    model_.Redo();
    Refresh();
  });
  connect(save, &QPushButton::clicked, this, &CMakeTransDlg::SaveAndClose);
  connect(cancel, &QPushButton::clicked, this, &CMakeTransDlg::reject);
  resize(std::max(GetInt("MTrans", "SX", 640), 640), std::max(GetInt("MTrans", "SY", 480), 480));
  SetPenColour(pen_);
  Refresh();
}

void CMakeTransDlg::SetMode(int mode) { mode_ = mode; }

void CMakeTransDlg::SetWholeImage(bool whole) {
  whole_ = whole;
  radiusSpin_->setEnabled(!whole);
  if (QAbstractButton* b = ranges_->button(whole ? 1 : 2)) b->setChecked(true);
}

void CMakeTransDlg::SetRadius(int radius) { radiusSpin_->setValue(std::clamp(radius, 1, 200)); }
void CMakeTransDlg::SetTolerance(int level) { tolerance_ = std::clamp(level, 1, 6); }

void CMakeTransDlg::SetZoom(int zoom) {
  zoom_ = zoom;
  if (QAbstractButton* b = zooms_->button(zoom)) b->setChecked(true);
  Refresh();
}

void CMakeTransDlg::SetPenColour(COLORREF c) {
  pen_ = c;
  penText_->setText(RgbText(c));
}

void CMakeTransDlg::ClickImage(QPoint at) {
  switch (mode_) {
    case Transparency: model_.SetTransparent(at, tolerance_, whole_, radius_); break;
    case Pen: model_.PenDown(at, pen_, whole_ ? 1 : radius_); break;
    case PaintFill: model_.Paint(at, pen_); break;
    case Picker: SetPenColour(model_.ColourAt(at)); return;
  }
  Refresh();
}

void CMakeTransDlg::DragImage(QPoint at) {
  if (mode_ != Pen) return;
  model_.PenMove(at, pen_, whole_ ? 1 : radius_);
  Refresh();
}

void CMakeTransDlg::Hover(QPoint at) {
  position_->setText(QString::asprintf("(%d, %d)", at.x(), at.y()));
  colour_->setText(RgbText(model_.ColourAt(at)));
}

QString CMakeTransDlg::PositionText() const { return position_->text(); }
QString CMakeTransDlg::ColourText() const { return colour_->text(); }

void CMakeTransDlg::Refresh() {
  transText_->setText(RgbText(model_.TransColor()));
  undo_->setEnabled(model_.UndoCount() > 0);
  redo_->setEnabled(model_.RedoCount() > 0);
  view_->Set(model_.Image(), model_.TransColor(), background_, zoom_, scroll_->viewport()->size());
}

void CMakeTransDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  Refresh();
}

void CMakeTransDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Refresh();
}

void CMakeTransDlg::WriteSettings() {
  WriteInt("MTrans", "Mode", mode_);
  WriteInt("MTrans", "Target", whole_ ? 1 : 2);
  WriteInt("MTrans", "Hani", radius_);
  WriteInt("MTrans", "Kinji", tolerance_);
  WriteInt("MTrans", "Zoom", zoom_);
  WriteColor("MTrans", "refPen", pen_);
  WriteColor("MTrans", "refBk", background_);
  WriteInt("MTrans", "SX", width());
  WriteInt("MTrans", "SY", height());
}

void CMakeTransDlg::SaveAndClose() {
  WriteSettings();
  // Kind 1 stays a lossless bitmap; anything else becomes a GIF picture.
  std::shared_ptr<const Picture> picture;
  COLORREF trans = model_.TransColor();
  if (kind_ == 1) {
    picture = Picture::Wrap(model_.Image());
  } else if (const std::optional<QByteArray> gif = EncodeImage(model_.Image(), ImageFormat::Gif)) {
    picture = Picture::Load(*gif);
  }
  if (!picture) {
    ShowMessage(msg::ImageSetFailed, this);
    return;  // the editor stays open with the work
  }
  if (kind_ == 2) trans = SnapColour(picture->Image().convertToFormat(QImage::Format_RGB32), trans);
  result_ = EditedPicture{std::move(picture), trans};
  accept();
}

void CMakeTransDlg::reject() {
  WriteSettings();
  if (model_.Changed() && ShowMessage(msg::AskQuitUnsaved, this, QString(), MsgStyle::YesNo) != IDYES) return;
  QDialog::reject();
}
