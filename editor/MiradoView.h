// The editing view: the current slide at the document's zoom in a scrollable
// area, painted through one screen-sized back buffer, with the zoom console.
// It knows what lies under the pointer and turns that into a cursor, a guide
// text, a selection change or a context menu; the logic lives in HitTest,
// PointerGuide, Selection, ContextMenus and ConsoleControl. Presses, drags,
// the wheel and the arrow keys go to EditorMouse; the view captures the mouse
// and paints the feedback it gives. Every change it
// makes to the document goes through the edit path, and it redraws when the
// path reports a change, whoever made it.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QTimer>
#include <functional>
#include <memory>

#include "base/Failure.h"
#include "core/EditPath.h"
#include "editor/CommandRegistry.h"
#include "editor/ConsoleControl.h"
#include "editor/ContextMenus.h"
#include "editor/Cursors.h"
#include "editor/EditorMouse.h"
#include "editor/HoverHighlight.h"
#include "editor/PointerGuide.h"
#include "editor/Selection.h"
#include "editor/factory/MakeObj.h"
#include "render/RenderContext.h"

class CMyEdit;
namespace gdi {
class Dc;
}
class GlyphCache;
class QMenu;

// What the main window lends the view: the slide list under a screen point
// and the word that objects left a slide, the question before the slide
// becomes free-sized, the image-properties dialog, files dropped on the view
// (at a point in view pixels) and the press that picks a transparent colour
// (the colour on screen and the point in view pixels).
struct ViewHooks {
  std::function<SlideDrop(QPoint global)> slideAt;
  std::function<void(int slide)> slideChanged;
  std::function<bool()> askFreeSlideSize;
  std::function<void(int index)> openImageProperties;
  std::function<void(const QStringList& paths, QPoint view)> filesDropped;
  std::function<void(COLORREF screen, QPoint view)> colourPicked;
};

class CMiradoView : public QAbstractScrollArea, private MouseHost {
  Q_OBJECT
 public:
  // Registers the view's own commands (zoom, console, select all) in `commands`,
  // which its context menus run.
  CMiradoView(EditPath& edits, CommandRegistry& commands, QWidget* parent = nullptr);
  ~CMiradoView() override;

  const Document& Doc() const { return edits_.Doc(); }

  // After the document was replaced or saved: the selection stays only while
  // its primary is still selected on the current slide.
  void DocumentChanged();
  // Moves to the slide `delta` away, within the document; to slide `slide`.
  void StepSlide(int delta);
  void GoToSlide(int slide);
  // Paints the visible part of the view into `target` (client pixels).
  void OnDraw(QImage& target);

  void SetHooks(ViewHooks hooks) { hooks_ = std::move(hooks); }

  const EditOverlay& Overlay() const { return overlay_; }
  const EditorMouse& Mouse() const { return mouse_; }
  // The in-place text editor while it is open, else null.
  CMyEdit* TextEditor() const { return textEdit_.get(); }
  const SelectionState& Selection() const { return sel_; }
  ConsoleState Console() const;
  // The last right-click point, view pixels.
  QPoint RightClickPoint() const { return rightClick_; }
  // While on, the next left press picks a transparent colour and turns it off.
  bool TransPicking() const { return transPicking_; }
  void SetTransPicking(bool on) { transPicking_ = on; }

  // The operation guide in the status bar, and the hover highlight's turns and speed.
  void SetGuideOn(bool on) { guideOn_ = on; }
  bool GuideOn() const { return guideOn_; }
  void SetHoverAnimation(int turns, int speed);

  // The zoom, clamped to 0.08..4.0; the scroll area and the console follow.
  void ChangeZoom(float zoom);
  void DeselectAll();
  // Puts a selection made by a command in place and shows it.
  void SetSelection(const SelectionState& selection);
  // What the pointer at `client` shows now.
  PointerReport Classify(QPoint client) const;

  // For the object factory: the visible part of the view, and the object it
  // just created, which becomes the selected primary object.
  ViewArea VisibleArea() const { return {ScrollPos(), viewport()->size()}; }
  void SelectNewObject(int index);
  // The fonts glyph outlines come from, kept for every drawing of the view.
  GlyphCache& Glyphs() { return *glyphs_; }

 signals:
  void PositionChanged(const QString& text);  // "x, y" in slide units, or empty
  void GuideChanged(const QString& text);     // the operation guide, or empty
  void SelectionChanged();
  void Failed(const Failure& failure);  // what could not be drawn, for the user to hear
  // Faces whose glyphs had to be drawn with another font; each is named once.
  void FontFallback(const QStringList& faces);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void UpdateScrollRange();
  QPoint ScrollPos() const;
  HitScene Scene() const;
  void Redraw();
  void ApplyPointer(const PointerReport& report, QPoint client);
  DragInput Input(const QMouseEvent& event) const;
  void ShowFeedback(Feedback feedback);
  void PaintFeedback(QPainter& painter, const QImage& visible);
  void PaintTextBoxHandles(QPainter& painter, const QImage& visible);
  Result<void> DrawOverStill(gdi::Dc& dc, const RenderContext& ctx, const std::vector<int>& live);

  // MouseHost
  void RefreshSelection() override;
  void ShowInfo(const QString& text) override { emit GuideChanged(text); }
  bool AskFreeSlideSize() override;
  SlideDrop SlideAt(QPoint global) override;
  void SlideChanged(int from) override;
  void OpenTextEditor(int index, QPoint client) override;
  void MoveTextEditor(const QRect& box) override;
  QString CloseTextEditor() override;
  void OpenImageProperties(int index) override;
  void OpenContextMenu(QPoint client, QPoint global);
  void RegisterCommands();
  void OnEdited();
  void DropStaleSelection();
  void StartHover(int object);
  void StopHover();
  void HoverTick();

  EditPath& edits_;
  CommandRegistry& commands_;
  EditOverlay overlay_;
  SelectionState sel_;
  ConsoleFlags consoleFlags_;
  bool transPicking_ = false;
  bool guideOn_ = true;
  int hoverTurns_ = 3;
  QPoint rightClick_;
  QString position_;
  QString tip_;
  bool redraw_ = true;
  QImage backBuffer_;
  QImage dial_, digits_, console_;
  float consoleZoom_ = -1;
  CursorSet cursors_;
  HoverHighlight hover_;
  QTimer hoverTimer_;
  std::unique_ptr<GlyphCache> glyphs_;
  ViewHooks hooks_;
  EditorMouse mouse_;
  Feedback feedback_;
  QRect feedbackArea_;  // client pixels the last feedback covered
  std::unique_ptr<CMyEdit> textEdit_;
  // The slide without the objects a drag changes as it goes, while it goes.
  QImage still_;
  std::vector<int> stillLeavesOut_;
  QPoint stillOrigin_;
};

// Fills `menu` with the items of `sub`, checked and greyed by their states;
// an item whose command is not `available` is present but disabled.
void FillContextMenu(QMenu& menu, SubMenu sub, const MenuContext& ctx,
                     const std::function<bool(int)>& available);
