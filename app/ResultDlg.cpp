#include "app/ResultDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "app/DocumentSlides.h"
#include "app/TimeSetDlg.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/EditPath.h"
#include "core/Records.h"
#include "render/Gradient.h"
#include "render/gdi/Color.h"
#include "render/gdi/Dc.h"
#include "show/TransDlg.h"

namespace {

const char kSection[] = "ResultDlg";
const char kOpacityKey[] = "Result";
constexpr int kTipVisibleMs = 5000;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kGraphTip =
    "※ グラフ内の境界線をドラッグ＆ドロップして各スライドの時間を変更し、自動切替え時間として保存できます\n"
    "※ スライド数が多いときは右下のメニューで【時間セット】をクリックし、一覧表を表示して時間をセットすることができます";
const char* const kButtonTips[kResultButtonCount] = {
    "【次頁へ】\n次の頁を表示します",
    "【前頁へ】\n前の頁を表示します",
    "【時間セット】\n一覧表を表示して、\n時間をセットします\n※ スライド数が多く、\nドラッグ＆ドロップでは\nセットできないときに使用できます",
    "【保存】\n現在の各スライドの時間を\n自動切替えリハーサル時の\nスライド切り替え時間\nとして保存します",
    "【終了】\n終了します",
};
// What each button of the strip shows.
const char* const kButtonFaces[kResultButtonCount] = {"次", "前", "表", "保", "終"};

QFont LabelFont(int clientWidth) {
  QFont font(U("ＭＳ Ｐゴシック"));
  font.setPointSize(ResultLabelPointSize(clientWidth));
  font.setBold(true);
  return font;
}

QRect Desktop(const QWidget* w) {
  const QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1600, 1000);
}

}  // namespace

CResultDlg::CResultDlg(ShowMode mode, std::vector<int> times, QSize slideSize, SlideSource& thumbnails,
                       KeepTimes keep, QWidget* parent)
    : QDialog(parent), results_(mode, std::move(times)), slideSize_(slideSize),
      thumbnailSource_(thumbnails), keep_(std::move(keep)),
      tip_(new QLabel(this, Qt::ToolTip)) {
  setWindowTitle(U(mode == ShowMode::ResultsOnly ? "自動切替え時間の設定" : "時間計測結果"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  tip_->setStyleSheet(QStringLiteral("background: rgb(123,158,247); color: rgb(255,247,198); padding: 1px 2px;"));
  ApplyDialogOpacity(this, kOpacityKey);
  Place();
  ready_ = BuildPage();
}

CResultDlg::~CResultDlg() = default;

// The size kept from the last time, centred on the desktop.
void CResultDlg::Place() {
  setMinimumSize(kResultMinSize);
  const QRect desktop = Desktop(this);
  const QSize size(std::max(GetInt(kSection, "SX", kResultMinSize.width()), kResultMinSize.width()),
                   std::max(GetInt(kSection, "SY", kResultMinSize.height()), kResultMinSize.height()));
  resize(size.boundedTo(desktop.size()).expandedTo(kResultMinSize));
  move(desktop.center() - QPoint(width() / 2, height() / 2));
  if (GetInt(kSection, "Zoomed", 0) == 1) setWindowState(windowState() | Qt::WindowMaximized);
}

// The thumbnails and background are drawn when a page is built, not while a boundary moves.
bool CResultDlg::BuildPage() {
  builtFor_ = size();
  background_ = QImage(builtFor_, QImage::Format_RGB32);
  if (background_.isNull()) return false;
  {
    COLORREF colours[kGradeColours] = {};
    colours[0] = gdi::Rgb(247, 243, 215);
    colours[6] = gdi::Rgb(173, 195, 255);
    colours[4] = gdi::Rgb(0, 0, 66);
    colours[2] = gdi::Rgb(0, 0, 66);
    gdi::Dc dc(background_);
    FillGradient(dc, colours, 2, background_.rect());
  }
  thumbnails_.assign(kSlidesPerPage, QImage());
  const int onPage = results_.OnPage();
  for (int k = 0; k < onPage; ++k) {
    const QRect cell = ResultCell(builtFor_, onPage, k);
    const QRect rect = ThumbnailRect(cell, slideSize_);
    if (rect.isEmpty()) continue;
    QImage& image = thumbnails_[static_cast<size_t>(k)];
    image = QImage(rect.size(), QImage::Format_RGB32);
    if (image.isNull()) return false;
    thumbnailSource_.RenderSlide(results_.FirstOnPage() + k, ThumbnailScale(cell.size(), slideSize_), image);
  }
  return true;
}

void CResultDlg::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), background_);
  QFont title(U("Meiryo UI"));
  title.setPointSize(24);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(247, 247, 8));
  painter.drawText(QRect(0, 0, width(), kResultTitleHeight), Qt::AlignCenter, windowTitle());
  painter.setFont(LabelFont(width()));
  PaintThumbnails(painter);
  PaintGraph(painter);
  PaintSide(painter);
}

void CResultDlg::PaintThumbnails(QPainter& painter) {
  const QFontMetrics metrics(painter.font());
  const int onPage = results_.OnPage();
  for (int k = 0; k < onPage; ++k) {
    const int slide = results_.FirstOnPage() + k;
    const int column = k % kResultColumns;
    const QColor colour = ResultColumnColour(column);
    const QRect cell = ResultCell(size(), onPage, k);
    const QRect rect = ThumbnailRect(cell, slideSize_);
    painter.drawImage(rect, thumbnails_[static_cast<size_t>(k)]);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(colour);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    const QString number = QString::number(slide + 1);
    const QRect box(rect.x() + 4, rect.y() + 4, metrics.horizontalAdvance(number) + 10, metrics.height() + 2);
    painter.setBrush(colour);
    painter.drawRoundedRect(box, 4, 2.5);
    painter.setPen(ResultNumberColour(column));
    painter.drawText(box, Qt::AlignCenter, number);
    painter.setPen(colour);
    painter.drawText(QRect(cell.x(), rect.y() + rect.height() + 1, cell.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, FormatResultTime(results_.Time(slide)));
  }
}

void CResultDlg::PaintGraph(QPainter& painter) {
  const QRect graph = ResultGraphRect(size());
  const QColor frame(66, 107, 156);
  painter.fillRect(graph, Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(frame);
  painter.drawRect(graph.adjusted(-1, -1, 0, 0));
  painter.drawRect(graph.adjusted(-2, -2, 1, 1));
  const QFontMetrics metrics(painter.font());
  const std::vector<QRect> bars = ResultBars(results_.Times(), graph);
  for (int j = 0; j < static_cast<int>(bars.size()); ++j) {
    const QRect& bar = bars[static_cast<size_t>(j)];
    if (bar.isEmpty()) continue;
    painter.fillRect(bar, ResultColumnColour(j));
    painter.save();
    painter.setClipRect(bar);
    const QRect upper(bar.x(), bar.y(), bar.width(), bar.height() / 2);
    painter.setPen(frame);
    painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QString::number(j + 1));
    const QString time = FormatResultTime(results_.Time(j));
    if (metrics.horizontalAdvance(time) <= bar.width()) {
      painter.setPen(QColor(66, 107, 154));
      painter.drawText(upper.translated(0, upper.height()), Qt::AlignHCenter | Qt::AlignTop, time);
    }
    painter.restore();
  }
}

void CResultDlg::PaintSide(QPainter& painter) {
  painter.setPen(QColor(16, 16, 222));
  painter.drawText(ResultTotalRect(size()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Total-") + FormatResultTime(results_.Total()));
  painter.drawText(ResultPageRect(size()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("(%1/%2) ").arg(results_.Page() + 1).arg(results_.Pages()));
  painter.fillRect(ResultButtonStrip(size()), QColor(0, 0, 66));
  for (int b = 0; b < kResultButtonCount; ++b) {
    const QRect button = ResultButtonRect(size(), static_cast<ResultButton>(b));
    painter.setPen(QColor(66, 107, 156));
    painter.setBrush(QColor(173, 195, 255));
    painter.drawRoundedRect(button.adjusted(0, 0, -1, -1), 4, 4);
    painter.setPen(QColor(0, 0, 66));
    painter.drawText(button, Qt::AlignCenter, U(kButtonFaces[b]));
  }
}

int CResultDlg::DragSeconds(int x) const {
  return DraggedSeconds(drag_.start, x - drag_.x0, drag_.total, drag_.graphWidth);
}

void CResultDlg::ShowTip(const QString& text, QPoint globalPos) {
  if (text.isEmpty()) {
    tip_->hide();
    return;
  }
  if (tip_->text() != text || !tip_->isVisible()) {
    tip_->setText(text);
    tip_->adjustSize();
    QTimer::singleShot(kTipVisibleMs, tip_, [tip = tip_, text] {
      if (tip->text() == text) tip->hide();
    });
  }
  tip_->move(globalPos + QPoint(12, 16));
  tip_->show();
}

QString CResultDlg::TooltipText() const { return tip_->isVisible() ? tip_->text() : QString(); }

void CResultDlg::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    RunOpacitySlider(this, event->globalPosition().toPoint(), QString::fromLatin1(kOpacityKey));
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const QRect graph = ResultGraphRect(size());
  const int slide = ResultHandleAt(ResultBars(results_.Times(), graph), point);
  if (slide >= 0) {
    drag_ = {slide, point.x(), results_.Time(slide), results_.Total(), graph.width()};
    ShowTip(FormatResultTime(drag_.start), event->globalPosition().toPoint());
    return;
  }
  if (const ResultButton button = ResultButtonAt(size(), point); button != ResultButton::None) {
    Press(button);
    return;
  }
  moving_ = true;
  grip_ = event->globalPosition().toPoint() - pos();
}

void CResultDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  const QPoint global = event->globalPosition().toPoint();
  if (drag_.slide >= 0) {
    ShowTip(FormatResultTime(DragSeconds(point.x())), global);
    return;
  }
  if (moving_) {
    const QRect desktop = Desktop(this);
    const QPoint wanted = global - grip_;
    move(std::clamp(wanted.x(), desktop.left(), std::max(desktop.left(), desktop.right() + 1 - width())),
         std::clamp(wanted.y(), desktop.top(), std::max(desktop.top(), desktop.bottom() + 1 - height())));
    return;
  }
  const QRect graph = ResultGraphRect(size());
  if (ResultHandleAt(ResultBars(results_.Times(), graph), point) >= 0) {
    setCursor(Qt::SizeHorCursor);
    return;
  }
  unsetCursor();
  const ResultButton button = ResultButtonAt(size(), point);
  if (button != ResultButton::None)
    ShowTip(U(kButtonTips[static_cast<int>(button)]), global);
  else if (graph.contains(point))
    ShowTip(U(kGraphTip), global);
  else
    ShowTip(QString(), global);
}

// A press and release in place changes nothing; a move keeps what the tooltip showed.
void CResultDlg::mouseReleaseEvent(QMouseEvent* event) {
  moving_ = false;
  if (drag_.slide < 0) return;
  const int x = event->position().toPoint().x();
  if (x != drag_.x0) results_.SetTime(drag_.slide, DragSeconds(x));
  drag_ = {};
  ShowTip(QString(), QPoint());
  update();
}

void CResultDlg::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (isMaximized())
    showNormal();
  else
    showMaximized();
}

// Thumbnails are drawn again only when the size changed by more than a little.
void CResultDlg::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (std::abs(width() - builtFor_.width()) > 10 || std::abs(height() - builtFor_.height()) > 10)
    BuildPage();
}

void CResultDlg::Press(ResultButton button) {
  switch (button) {
    case ResultButton::NextPage:
    case ResultButton::PreviousPage: {
      const bool moved = button == ResultButton::NextPage ? results_.NextPage() : results_.PreviousPage();
      if (moved) {
        BuildPage();
        update();
      }
      break;
    }
    case ResultButton::TimeTable: OpenTimeTable(); break;
    case ResultButton::Save: Save(); break;
    case ResultButton::End: End(); break;
    case ResultButton::None: break;
  }
}

void CResultDlg::OpenTimeTable() {
  ShowTip(QString(), QPoint());
  CTimeSetDlg table(results_.Times(), results_.Page(), this);
  if (table.exec() != QDialog::Accepted) return;
  results_.SetTimes(table.Times());
  update();
}

void CResultDlg::Save() {
  keep_(results_.Keep());
  update();
  ShowMessage(msg::TimesSaved, this, QString(), MsgStyle::Info);
}

// Measured times not kept are asked about too, rather than lost without a word.
bool CResultDlg::End() {
  if (results_.Unkept() && ShowMessage(msg::AskUnsavedTimes, this, QString(), MsgStyle::YesNo) != IDYES)
    return false;
  ending_ = true;
  accept();
  return true;
}

void CResultDlg::reject() {
  if (!ending_) End();
}

void CResultDlg::done(int result) {
  tip_->hide();
  SettingsBatch batch;
  batch.WriteInt(kSection, "Zoomed", isMaximized() ? 1 : 0);
  const QSize normal = isMaximized() ? normalGeometry().size() : size();
  if (normal.isValid()) {
    batch.WriteInt(kSection, "SX", normal.width());
    batch.WriteInt(kSection, "SY", normal.height());
  }
  QDialog::done(result);
}

bool KeepSwitchTimes(EditPath& edits, const std::vector<std::uint16_t>& times) {
  return edits.Apply(EditKind::Undoable, [&times](Document& doc) {
    DocHeader& header = doc.Header();
    const size_t count = std::min<size_t>({times.size(), header.SlideCount, kMaxSlides});
    bool changed = false;
    for (size_t i = 0; i < count; ++i) {
      if (header.SwitchTime[i] == times[i]) continue;
      header.SwitchTime[i] = times[i];
      changed = true;
    }
    return changed;
  });
}

void RunResults(EditPath& edits, ShowMode mode, const std::vector<int>& times, QWidget* owner) {
  DocumentSlides slides(edits.Doc());
  const DocHeader& header = edits.Doc().Header();
  CResultDlg dlg(mode, times, QSize(header.SlideW, header.SlideH), slides,
                 [&edits](const std::vector<std::uint16_t>& kept) { KeepSwitchTimes(edits, kept); }, owner);
  if (!dlg.Ready()) {
    ShowMessage(msg::NoMemory, owner);
    return;
  }
  dlg.exec();
}
