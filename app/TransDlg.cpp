#include "app/TransDlg.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QWheelEvent>

#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/picture/Picture.h"
#include "editor/ImageEdits.h"
#include "export/CGIFSub.h"
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

constexpr int kOverviewSide = 105;

// The tooltips, by the control they explain.
const char* const kZoomTips[] = {
    "【画面に合せて表示】\n画面に合せて倍率を自動調整します\nイメージサイズが画面より大きい場合は縮小されます",
    "【1倍】\n実際のイメージサイズで表示します",
    "【2倍】\n実際のイメージサイズを2倍に拡大して表示します",
    "【4倍】\n実際のイメージサイズを4倍に拡大して表示します",
    "【8倍】\n実際のイメージサイズを8倍に拡大して表示します",
};
const char* const kModeTips[] = {
    "【透過設定モード】\nイメージ内の透過させたい箇所を\nクリックして、透過色にします\n「適用」が実行されるまでは、\n実際のイメージは変更されません",
    "【ペンモード】\nクリックした指定範囲内を\n描画色で塗りつぶします",
    "【ペイントモード】\nクリックした点を起点にして\n起点から連続する同色の領域を\n描画色で塗りつぶします",
    "【スポイトモード】\nクリックした点の色を\n描画色にセットします",
};
const char kBackTip[] = "【透過背景色変更】\nイメージ内の透過部分が確認しづらい\nときは背景色を変更してください";
const char kTransTip[] = "【透過色】\n透過色に設定されている色です";
const char kToWhiteTip[] =
    "【透過色を白に】\nモニタの色深度が、High Color(16 bit)のとき\n任意に設定した透過色では透過設定できない色が\n"
    "ある場合はこのボタンをクリックしてください\n※ 既に白[RGB(255,255,255)]である部分の色は\n";
const char kPenTip[] = "【描画色】\nペンモードおよびペイントモード\nで使用します";
const char kUndoTip[] = "【アンドウ】\n元に戻します";
const char kRedoTip[] = "【リドウ】\nやり直します";
const char kSaveTip[] = "【保存終了】\n変更内容を保存して終了します";
const char kCancelTip[] = "【中止】\n処理を中止して終了します\n変更がある場合は、確認メッセージを表示します";

// Where `image` of `size` sits in `box`: 1:1 when it fits, else scaled down
// keeping its proportions; centred either way.
QRect FittedIn(QSize size, QSize box) {
  if (size.isEmpty()) return QRect();
  const bool fits = size.width() < box.width() && size.height() < box.height();
  const double s = fits ? 1.0 : std::min(double(box.width()) / size.width(), double(box.height()) / size.height());
  const QSize shown(std::max(1, int(size.width() * s)), std::max(1, int(size.height() * s)));
  return QRect(QPoint((box.width() - shown.width()) / 2, (box.height() - shown.height()) / 2), shown);
}

// The image with its transparent colour left out, for drawing over a background.
QImage Keyed(const QImage& image, COLORREF trans) {
  QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = gdi::ToQRgb(trans) & 0xFFFFFF;
  for (int y = 0; y < keyed.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x)
      if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
  }
  return keyed;
}

}  // namespace

int TransWheelStep(int notches, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  const bool ctrl = modifiers & Qt::ControlModifier;
  if (ctrl && (modifiers & Qt::ShiftModifier)) return -100 * notches;
  if (ctrl) return 100 * notches;
  if (buttons & Qt::RightButton) return -10 * notches;
  return 10 * notches;
}

COLORREF RangeFrameColour(COLORREF under) {
  const std::uint32_t product = std::uint32_t(under & 0xFF) * (under >> 8 & 0xFF) * (under >> 16 & 0xFF);
  return COLORREF(std::uint32_t(16581375) - product) & 0xFFFFFF;
}

// The working image over the display background: pixels of the transparent
// colour show the background. Fit scales a large image down, a zoom enlarges
// every pixel to z x z.
class TransImageView : public QWidget {
 public:
  explicit TransImageView(CMakeTransDlg& dlg) : dlg_(dlg) { setMouseTracking(true); }

  void Set(const QImage& image, COLORREF trans, COLORREF background, int zoom, QSize viewport) {
    size_ = image.size();
    background_ = background;
    if (zoom == 0) {
      resize(viewport);
      shownRect_ = FittedIn(size_, viewport);
      // Scaled first without smoothing, so a large picture is keyed at the size shown.
      keyed_ = Keyed(shownRect_.size() == size_ ? image : image.scaled(shownRect_.size()), trans);
    } else {
      keyed_ = Keyed(image, trans);
      const QSize shown = size_ * zoom;
      resize(shown.expandedTo(viewport));
      shownRect_ = QRect(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    }
    update();
  }

  // The image pixel under widget point `p`, clamped to the image.
  QPoint ImagePoint(QPoint p) const {
    if (size_.isEmpty() || shownRect_.isEmpty()) return QPoint();
    const int x = int(double(size_.width()) / shownRect_.width() * (p.x() - shownRect_.x()));
    const int y = int(double(size_.height()) / shownRect_.height() * (p.y() - shownRect_.y()));
    return QPoint(std::clamp(x, 0, size_.width() - 1), std::clamp(y, 0, size_.height() - 1));
  }
  // Image pixels to widget pixels.
  QRect WidgetRect(const QRect& image) const {
    if (size_.isEmpty()) return QRect();
    const double sx = double(shownRect_.width()) / size_.width(), sy = double(shownRect_.height()) / size_.height();
    return QRect(QPoint(shownRect_.x() + int(image.x() * sx), shownRect_.y() + int(image.y() * sy)),
                 QSize(std::max(1, int(image.width() * sx)), std::max(1, int(image.height() * sy))));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), gdi::ToQColor(background_));
    painter.drawImage(shownRect_, keyed_);
    if (const std::optional<QRect> frame = dlg_.RangeFrame()) {
      painter.setPen(gdi::ToQColor(dlg_.RangeFrameColor()));
      painter.drawRect(WidgetRect(*frame).adjusted(0, 0, -1, -1));
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) dlg_.ClickImage(ImagePoint(e->position().toPoint()));
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint at = ImagePoint(e->position().toPoint());
    dlg_.Hover(at);
    if (e->buttons() & Qt::LeftButton) dlg_.DragImage(at);
  }
  void leaveEvent(QEvent*) override { dlg_.Hover(QPoint(-1, -1)); }
  void wheelEvent(QWheelEvent* e) override {
    dlg_.Wheel(-e->angleDelta().y() / 120, e->modifiers(), e->buttons());
    e->accept();
  }

 private:
  CMakeTransDlg& dlg_;
  QImage keyed_;
  QSize size_;
  COLORREF background_ = 0;
  QRect shownRect_;
};

// The whole image in a small box with a frame around the part the view shows;
// dragging the frame moves the view.
class TransOverview : public QWidget {
 public:
  explicit TransOverview(CMakeTransDlg& dlg) : dlg_(dlg) {
    setFixedSize(kOverviewSide, kOverviewSide);
    setCursor(Qt::PointingHandCursor);
  }

  void Set(const QImage& image, COLORREF trans, COLORREF background) {
    size_ = image.size();
    shown_ = FittedIn(size_, size());
    picture_ = Keyed(image.scaled(shown_.size()), trans);
    background_ = background;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), gdi::ToQColor(background_));
    painter.drawImage(shown_.topLeft(), picture_);
    painter.setPen(Qt::red);
    painter.drawRect(Frame().adjusted(0, 0, -1, -1));
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton || !Frame().contains(e->position().toPoint())) return;
    grab_ = e->position().toPoint();
    from_ = dlg_.ScrollPosition();
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (!grab_ || size_.isEmpty()) return;
    // Overview pixels to image pixels, then to the zoomed view's pixels.
    const QPoint moved = e->position().toPoint() - *grab_;
    const double scale = double(size_.width()) / shown_.width() * dlg_.Zoom();
    dlg_.ScrollTo(from_ + QPoint(int(moved.x() * scale), int(moved.y() * scale)));
  }
  void mouseReleaseEvent(QMouseEvent*) override { grab_.reset(); }

 private:
  QRect Frame() const {
    const QRect visible = dlg_.VisiblePart();
    if (size_.isEmpty() || visible.isEmpty()) return shown_;
    const double s = double(shown_.width()) / size_.width();
    return QRect(shown_.x() + int(visible.x() * s), shown_.y() + int(visible.y() * s),
                 std::max(2, int(visible.width() * s)), std::max(2, int(visible.height() * s)));
  }

 private:
  CMakeTransDlg& dlg_;
  QSize size_;
  QRect shown_;
  QImage picture_;
  COLORREF background_ = 0;
  std::optional<QPoint> grab_;
  QPoint from_;
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
  ReadSettings();
  BuildControls();
  ConnectControls();
  AddToolTips();
  RestoreGeometry();
  SetPenColour(pen_);
  Refresh();
}

void CMakeTransDlg::ReadSettings() {
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
}

QButtonGroup* CMakeTransDlg::AddRadioGroup(QBoxLayout* into, const char* title,
                                           std::initializer_list<std::pair<int, const char*>> items, int checked) {
  auto* box = new QGroupBox(U(title), this);
  auto* lay = new QVBoxLayout(box);
  auto* buttons = new QButtonGroup(box);
  for (const auto& [id, text] : items) {
    auto* radio = new QRadioButton(U(text), box);
    buttons->addButton(radio, id);
    lay->addWidget(radio);
    radio->setChecked(id == checked);
  }
  into->addWidget(box);
  return buttons;
}

void CMakeTransDlg::BuildControls() {
  auto* grid = new QGridLayout(this);
  auto* side = new QVBoxLayout;
  grid->addLayout(side, 0, 0, 3, 1);
  modes_ = AddRadioGroup(side, "1 処理モード", {{1, "透過設定"}, {2, "ペン"}, {3, "ペイント"}, {4, "スポイト"}}, mode_);
  ranges_ = AddRadioGroup(side, "2 処理範囲", {{1, "イメージ内全部を処理"}, {2, "指定範囲内を処理"}}, whole_ ? 1 : 2);
  radiusSpin_ = new QSpinBox(this);
  radiusSpin_->setRange(1, 200);
  radiusSpin_->setValue(radius_);
  radiusSpin_->setPrefix(U("半径:"));
  radiusSpin_->setSuffix(U(" (1-200pixel)"));
  radiusSpin_->setEnabled(!whole_);
  side->addWidget(radiusSpin_);
  levels_ = AddRadioGroup(side, "3 近似範囲",
                          {{1, "極小(&1)"}, {2, "やや小(&2)"}, {3, "普通(&3)"}, {4, "やや大(&4)"}, {5, "極大(&5)"},
                           {6, "すべての色(&6)"}},
                          tolerance_);

  auto* colours = new QGroupBox(U("4 透過色"), this);
  auto* colourGrid = new QGridLayout(colours);
  transButton_ = new QPushButton(U("..."), colours);
  transText_ = new QLabel(colours);
  toWhite_ = new QPushButton(U("透過色を白に(&T)"), colours);
  penButton_ = new QPushButton(U("描画色"), colours);
  penText_ = new QLabel(colours);
  colourGrid->addWidget(transButton_, 0, 0);
  colourGrid->addWidget(transText_, 0, 1);
  colourGrid->addWidget(toWhite_, 1, 0, 1, 2);
  colourGrid->addWidget(penButton_, 2, 0);
  colourGrid->addWidget(penText_, 2, 1);
  side->addWidget(colours);
  overview_ = new TransOverview(*this);
  side->addWidget(overview_, 0, Qt::AlignHCenter);
  side->addStretch();

  position_ = new QLabel(this);
  position_->setMinimumWidth(position_->fontMetrics().horizontalAdvance("(00000, 00000)"));
  swatch_ = new QLabel(this);
  swatch_->setFixedSize(16, 16);
  swatch_->setAutoFillBackground(true);
  colour_ = new QLabel(this);
  colour_->setMinimumWidth(colour_->fontMetrics().horizontalAdvance("RGB(000, 000, 000)"));
  auto* top = new QHBoxLayout;
  grid->addLayout(top, 0, 1);
  zooms_ = new QButtonGroup(this);
  for (const auto& [id, text] : {std::pair(0, "画面に合せる"), {1, "1倍"}, {2, "2倍"}, {4, "4倍"}, {8, "8倍"}}) {
    auto* b = new QRadioButton(U(text), this);
    zooms_->addButton(b, id);
    b->setChecked(id == zoom_);
    top->addWidget(b);
  }
  top->addStretch();
  top->addWidget(position_);
  top->addWidget(swatch_);
  top->addWidget(colour_);
  undo_ = new QPushButton(U("元に戻す"), this);
  redo_ = new QPushButton(U("やり直し"), this);
  backButton_ = new QPushButton(U("透過背景色変更(&B)"), this);

  scroll_ = new QScrollArea(this);
  view_ = new TransImageView(*this);
  scroll_->setWidget(view_);
  scroll_->setMinimumSize(480, 360);
  scroll_->horizontalScrollBar()->setSingleStep(40);
  scroll_->verticalScrollBar()->setSingleStep(40);
  grid->addWidget(scroll_, 1, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);

  auto* bottom = new QHBoxLayout;
  save_ = new QPushButton(U("保存終了(&S)"), this);
  cancel_ = new QPushButton(U("中止(&C)"), this);
  bottom->addWidget(undo_);
  bottom->addWidget(redo_);
  bottom->addWidget(backButton_);
  bottom->addStretch();
  bottom->addWidget(save_);
  bottom->addWidget(cancel_);
  grid->addLayout(bottom, 2, 1);
}

void CMakeTransDlg::ConnectControls() {
  connect(modes_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetMode);
  connect(ranges_, &QButtonGroup::idClicked, this, [this](int id) { SetWholeImage(id == 1); });
  connect(levels_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetTolerance);
  connect(zooms_, &QButtonGroup::idClicked, this, &CMakeTransDlg::SetZoom);
  connect(radiusSpin_, &QSpinBox::valueChanged, this, [this](int r) {
    radius_ = r;
    SetWholeImage(false);
  });
  connect(transButton_, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(model_.TransColor(), this)) {
      model_.SetTransColor(*c);
      Refresh();
    }
  });
  connect(penButton_, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(pen_, this)) SetPenColour(*c);
  });
  connect(backButton_, &QPushButton::clicked, this, [this] {
    if (const auto c = AskColour(background_, this)) {
      background_ = *c;
      Refresh();
    }
  });
  connect(toWhite_, &QPushButton::clicked, this, [this] {
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
  connect(save_, &QPushButton::clicked, this, &CMakeTransDlg::SaveAndClose);
  connect(cancel_, &QPushButton::clicked, this, &CMakeTransDlg::reject);
}

void CMakeTransDlg::AddToolTips() {
  const int zooms[] = {0, 1, 2, 4, 8};
  for (int i = 0; i < 5; ++i) zooms_->button(zooms[i])->setToolTip(U(kZoomTips[i]));
  for (int mode = 1; mode <= 4; ++mode) modes_->button(mode)->setToolTip(U(kModeTips[mode - 1]));
  const std::pair<QWidget*, const char*> tips[] = {
      {backButton_, kBackTip}, {transButton_, kTransTip}, {toWhite_, kToWhiteTip}, {penButton_, kPenTip},
      {undo_, kUndoTip},       {redo_, kRedoTip},         {save_, kSaveTip},       {cancel_, kCancelTip},
  };
  for (const auto& [widget, tip] : tips) widget->setToolTip(U(tip));
}

// The stored size (never below what the controls need) and position, when that
// position is on a screen; maximised when it was.
void CMakeTransDlg::RestoreGeometry() {
  // The layout keeps the window from shrinking below what its controls need.
  resize(QSize(GetInt("MTrans", "SX", 640), GetInt("MTrans", "SY", 480)).expandedTo(sizeHint()));
  const QPoint at(GetInt("MTrans", "PX", 0), GetInt("MTrans", "PY", 0));
  if (QScreen* screen = QGuiApplication::screenAt(at)) {
    if (screen->virtualGeometry().contains(at)) move(at);
  }
  if (GetInt("MTrans", "Zoomed", 0) == 1) setWindowState(windowState() | Qt::WindowMaximized);
}

void CMakeTransDlg::SetMode(int mode) {
  mode_ = mode;
  if (QAbstractButton* b = modes_->button(mode)) b->setChecked(true);
  ShowCursorFor();
}

// Pen and picking carry the editing view's pen; painting and the colour
// picker take a cross, where one pixel is what counts.
void CMakeTransDlg::ShowCursorFor() {
  if (mode_ == Transparency || mode_ == Pen)
    view_->setCursor(cursors_.Get(CursorId::Pen));
  else
    view_->setCursor(mode_ == PaintFill ? Qt::PointingHandCursor : Qt::CrossCursor);
}

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
  Hover(at);  // the pixel under the cursor may have changed
}

void CMakeTransDlg::DragImage(QPoint at) {
  if (mode_ != Pen) return;
  model_.PenMove(at, pen_, whole_ ? 1 : radius_);
  Refresh();
}

void CMakeTransDlg::Hover(QPoint at) {
  const COLORREF under = model_.ColourAt(at);
  const bool inside = under != kNoColor;
  position_->setText(inside ? QString::asprintf("(%d, %d)", at.x(), at.y()) : QString());
  colour_->setText(inside ? RgbText(under) : QString());
  QPalette palette = swatch_->palette();
  palette.setColor(QPalette::Window, inside ? gdi::ToQColor(under) : palette.color(QPalette::Base));
  swatch_->setPalette(palette);
  // The square a click would change follows the cursor where it means something.
  const bool square = inside && !whole_ && radius_ >= 2 && (mode_ == Transparency || mode_ == Pen);
  frame_ = square ? std::optional(QRect(at.x() - radius_, at.y() - radius_, 2 * radius_, 2 * radius_)) : std::nullopt;
  if (square) frameColour_ = RangeFrameColour(under);
  view_->update();
}

QString CMakeTransDlg::PositionText() const { return position_->text(); }
QString CMakeTransDlg::ColourText() const { return colour_->text(); }

QPoint CMakeTransDlg::ScrollPosition() const {
  return QPoint(scroll_->horizontalScrollBar()->value(), scroll_->verticalScrollBar()->value());
}

void CMakeTransDlg::ScrollTo(QPoint position) {
  scroll_->horizontalScrollBar()->setValue(position.x());
  scroll_->verticalScrollBar()->setValue(position.y());
  overview_->update();
}

QRect CMakeTransDlg::VisiblePart() const {
  const QSize size = model_.Image().size();
  if (zoom_ == 0) return QRect(QPoint(0, 0), size);
  const QSize viewport = scroll_->viewport()->size();
  const QPoint scroll = ScrollPosition();  // QPoint's own division would round
  const QRect part(QPoint(scroll.x() / zoom_, scroll.y() / zoom_),
                   QSize(viewport.width() / zoom_ + 1, viewport.height() / zoom_ + 1));
  return part & QRect(QPoint(0, 0), size);
}

void CMakeTransDlg::Wheel(int notches, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  bar->setValue(bar->value() + TransWheelStep(notches, modifiers, buttons));
  overview_->update();
}

void CMakeTransDlg::Refresh() {
  // Fitted, the image never needs scrolling; bars would only shrink the view.
  const Qt::ScrollBarPolicy bars = zoom_ == 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
  scroll_->setHorizontalScrollBarPolicy(bars);
  scroll_->setVerticalScrollBarPolicy(bars);
  transText_->setText(RgbText(model_.TransColor()));
  undo_->setEnabled(model_.UndoCount() > 0);
  redo_->setEnabled(model_.RedoCount() > 0);
  view_->Set(model_.Image(), model_.TransColor(), background_, zoom_, scroll_->viewport()->size());
  overview_->Set(model_.Image(), model_.TransColor(), background_);
  ShowCursorFor();
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
  const bool maximised = isMaximized();
  const QRect normal = maximised ? normalGeometry() : geometry();
  WriteInt("MTrans", "Zoomed", maximised ? 1 : 0);
  WriteInt("MTrans", "PX", normal.x());
  WriteInt("MTrans", "PY", normal.y());
  WriteInt("MTrans", "SX", normal.width());
  WriteInt("MTrans", "SY", normal.height());
}

void CMakeTransDlg::SaveAndClose() {
  WriteSettings();
  // Kind 1 stays a lossless bitmap; anything else becomes a picture of at
  // most 256 colours whose palette keeps the transparent colour exactly.
  std::shared_ptr<const Picture> picture;
  COLORREF trans = model_.TransColor();
  if (kind_ == 1) {
    picture = Picture::Wrap(model_.Image());
  } else if (const std::shared_ptr<const Picture> working = Picture::Wrap(model_.Image())) {
    if (const ::Result<ReducedPicture> reduced = CGIFSub::ReduceColors(*working, trans, 96)) {
      picture = reduced->picture;
      trans = reduced->transColor;
    }
  }
  if (!picture) {
    ShowMessage(msg::ImageSetFailed, this);
    return;  // the editor stays open with the work
  }
  result_ = EditedPicture{std::move(picture), trans};
  accept();
}

void CMakeTransDlg::reject() {
  WriteSettings();
  if (model_.Changed() && ShowMessage(msg::AskQuitUnsaved, this, QString(), MsgStyle::YesNo) != IDYES) return;
  QDialog::reject();
}
