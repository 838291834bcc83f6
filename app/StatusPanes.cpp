#include "app/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

#include "core/Document.h"
#include "core/ObjectNames.h"
#include "geometry/ObjectFrame.h"

namespace {

struct PaneSpec {
  const char* key;
  const char* sample;  // the widest text the pane is made for
  const char* tooltip;
};

constexpr PaneSpec kPanes[StatusPanes::kCount] = {
    {"OBJECT", "Rectangle 9999", "主選択オブジェクトの種別と\nシリアル番号です"},
    {"POS", "9999, 9999", "主選択オブジェクトの左上角の\n水平位置と垂直位置です"},
    {"SIZE", "999×999", "主選択オブジェクトの幅と高さです"},
    {"CURSOR", "9999, 9999", "現在のマウスカーソル位置です"},
    {"SLIDE", "999(9999)", "現在表示しているスライド№とオブジェクト数です"},
    {"TOTAL", "9999", "全オブジェクトの合計数です"},
    {"ZOOM", " 100% ", "現在の表示倍率です"},
};

}  // namespace

StatusTexts StatusOf(const Document& doc, int primary, bool clearObject) {
  StatusTexts t;
  const DocHeader& h = doc.Header();
  t.slide = QStringLiteral("%1(%2)").arg(h.CurSlide + 1).arg(doc.ObjectsOnSlide(h.CurSlide));
  t.total = QString::number(doc.ObjCount());
  if (clearObject || primary < 0 || primary >= doc.ObjCount()) return t;
  const ObjectRecord& r = doc.Object(primary);
  const float zoom = h.Zoom > 0 ? h.Zoom : 1.0f;
  const Bounds b = FrameOf(r, zoom).bounds;
  const auto unzoom = [zoom](int v) { return static_cast<int>(static_cast<float>(v) / zoom); };
  t.object = ObjectStatusName(r);
  t.position = QStringLiteral("%1, %2").arg(unzoom(b.left)).arg(unzoom(b.top));
  t.size = QString::fromUtf8("%1×%2").arg(unzoom(b.right - b.left)).arg(unzoom(b.bottom - b.top));
  return t;
}

QString ZoomText(float zoom) { return QStringLiteral(" %1% ").arg(qRound(zoom * 100)); }

StatusPanes::StatusPanes(QStatusBar& bar) {
  for (int i = 0; i < kCount; ++i) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(kPanes[i].key));
    label->setToolTip(QString::fromUtf8(kPanes[i].tooltip));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(kPanes[i].sample)) + 8);
    bar.addPermanentWidget(label);
    panes_[i] = label;
  }
  panes_[Total]->setText(QStringLiteral("0"));
  panes_[Zoom]->setText(QStringLiteral("100%"));
}

void StatusPanes::Show(const StatusTexts& t) {
  panes_[Object]->setText(t.object);
  panes_[Pos]->setText(t.position);
  panes_[Size]->setText(t.size);
  panes_[Slide]->setText(t.slide);
  panes_[Total]->setText(t.total);
}

void StatusPanes::SetCursor(const QString& text) { panes_[Cursor]->setText(text); }
void StatusPanes::SetZoom(float zoom) { panes_[Zoom]->setText(ZoomText(zoom)); }
