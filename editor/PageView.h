// The slide list (CPageView): a strip of thumbnails under the editing view.
// A click makes a slide current, a drag reorders slides, a right click opens
// the slide commands; the keys step through the slides. The layout, the
// thumbnails and the slide operations live in PageLayout, ThumbnailCache,
// PageMenu and core/SlideOps; every change goes through the edit path.
#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <future>
#include <optional>
#include <vector>

#include "base/Color.h"
#include "base/Failure.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/PageLayout.h"
#include "editor/ThumbnailCache.h"

// What the list asks of the application: questions, messages and the colour dialog.
struct PageViewHooks {
  std::function<bool(int messageId)> ask;  // a Yes/No question; true for Yes
  std::function<void(const Failure&)> failed;
  std::function<std::optional<COLORREF>(COLORREF current)> chooseColor;
};

class CPageView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  CPageView(EditPath& edits, CommandRegistry& commands, PageViewHooks hooks, QWidget* parent = nullptr);

  const PageLayout& Layout() const { return layout_; }
  const ThumbnailCache& Thumbnails() const { return thumbs_; }
  // Recomputes the layout for the pane's size and the document's slides.
  void LayoutStrip();
  // Makes slide `i` current with nothing selected and scrolls it into view.
  void MakeCurrent(int i);
  // The slide whose thumbnail lies under the screen point `global`, or -1;
  // and the point of that slide (slide units) it stands for.
  int SlideAtGlobal(QPoint global) const;
  std::optional<QPoint> SlidePointAtGlobal(QPoint global) const;
  // The strip point of a client point.
  QPoint StripPoint(QPoint client) const;
  void SetGuideOn(bool on) { guideOn_ = on; }

 signals:
  void GuideChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void RegisterCommands();
  void SyncThumbnails();
  void DrawAllThumbnails();
  void AdoptThumbnails();
  void OnEdited(EditKind kind);
  void OnReplaced();
  void ScrollToCurrent();
  void Hover(QPoint strip);
  void Drag(QPoint client);
  void Drop(QPoint client);
  void OpenContextMenu(QPoint client, QPoint global);
  void AddSlide(int at);
  void DeleteCurrent();
  void CopyCurrent();
  void Paste(int at);
  void ChooseBackColour();
  void Step(int delta);
  bool HasClip() const;
  int Current() const;
  int Count() const;
  void Report(const Failure& failure);

  EditPath& edits_;
  CommandRegistry& commands_;
  PageViewHooks hooks_;
  PageLayout layout_;
  ThumbnailCache thumbs_;
  std::vector<int> edited_;  // slides edited since the thumbnails were last brought up to date
  // Every thumbnail being drawn on a worker thread. Declared after thumbs_:
  // its destruction waits for the drawing, which uses thumbs_'s fonts.
  std::future<ThumbnailCache::Drawn> drawing_;
  bool drawingStale_ = false;  // the document was replaced while drawing
  bool drawSoon_ = false;      // DrawAllThumbnails is on its way
  int insertX_ = -1;         // the insertion line shown, strip x
  bool dragging_ = false;
  QPoint press_;             // strip point of the press
  QPoint grab_;              // the press inside the pressed thumbnail
  QPoint dragAt_;            // client point of the drag image
  int rightGap_ = -1;        // the gap under the last right click
  QString tip_;
  bool guideOn_ = true;
};
