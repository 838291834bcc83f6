// The transparency editor: the picture's pixels made transparent by colour
// and tolerance, retouched with a pen and a fill, with ten undo steps. The
// pixel work is TransEditModel's; this is its window.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "app/NodeDlg.h"
#include "editor/Cursors.h"
#include "editor/TransEditModel.h"

class QBoxLayout;
class QButtonGroup;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class TransImageView;
class TransOverview;

// Pixels the image view scrolls down for a wheel turn of `notches` (positive
// towards the user): 10 each, 100 with Ctrl, the other way with Ctrl and Shift
// or while the right button is held.
int TransWheelStep(int notches, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
// The colour of the range frame over a pixel of colour `under`, so that it
// stands out from what it crosses.
COLORREF RangeFrameColour(COLORREF under);

class CMakeTransDlg : public QDialog {
  Q_OBJECT
 public:
  enum Mode { Transparency = 1, Pen = 2, PaintFill = 3, Picker = 4 };

  // Opens the editor on `picture`; the new picture and colour after 保存終了,
  // nullopt when it was cancelled or could not start (after 30088).
  static std::optional<EditedPicture> Edit(std::shared_ptr<const Picture> picture, int kind, COLORREF trans,
                                           QWidget* owner);

  CMakeTransDlg(QImage working, int kind, COLORREF trans, QWidget* parent = nullptr);

  TransEditModel& Model() { return model_; }
  const std::optional<EditedPicture>& Result() const { return result_; }
  void SetMode(int mode);
  void SetWholeImage(bool whole);
  void SetRadius(int radius);
  void SetTolerance(int level);
  void SetZoom(int zoom);  // 0 fit, 1, 2, 4, 8
  void SetPenColour(COLORREF c);
  // A click at image point `at` in the current mode; Move continues a pen stroke.
  void ClickImage(QPoint at);
  void DragImage(QPoint at);
  void Hover(QPoint at);
  QString PositionText() const;
  QString ColourText() const;
  // The square the next click would change, in image pixels, while it is shown.
  std::optional<QRect> RangeFrame() const { return frame_; }
  COLORREF RangeFrameColor() const { return frameColour_; }
  int Zoom() const { return zoom_; }
  // The image view's scroll position and the visible part of the image.
  QPoint ScrollPosition() const;
  void ScrollTo(QPoint position);
  QRect VisiblePart() const;
  void Wheel(int notches, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
  QPushButton* UndoButton() const { return undo_; }
  QPushButton* RedoButton() const { return redo_; }
  void SaveAndClose();
  void reject() override;

 protected:
  // The fitted view follows the window's size.
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ReadSettings();
  void BuildControls();
  QButtonGroup* AddRadioGroup(QBoxLayout* into, const char* title,
                              std::initializer_list<std::pair<int, const char*>> items, int checked);
  void ConnectControls();
  void AddToolTips();
  void RestoreGeometry();
  void WriteSettings();
  void Refresh();
  void ShowCursorFor();

  TransEditModel model_;
  int kind_;
  int mode_ = Transparency;
  bool whole_ = false;
  int radius_ = 60;
  int tolerance_ = 3;
  int zoom_ = 0;
  COLORREF pen_ = 0;
  COLORREF background_ = 0;
  std::optional<EditedPicture> result_;
  std::optional<QRect> frame_;
  CursorSet cursors_;
  COLORREF frameColour_ = 0;
  TransImageView* view_ = nullptr;
  TransOverview* overview_ = nullptr;
  QWidget* swatch_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  QSpinBox* radiusSpin_ = nullptr;
  QLabel* transText_ = nullptr;
  QLabel* penText_ = nullptr;
  QLabel* position_ = nullptr;
  QLabel* colour_ = nullptr;
  QPushButton* undo_ = nullptr;
  QPushButton* redo_ = nullptr;
  QButtonGroup* modes_ = nullptr;
  QButtonGroup* ranges_ = nullptr;
  QButtonGroup* levels_ = nullptr;
  QButtonGroup* zooms_ = nullptr;
  QPushButton* transButton_ = nullptr;
  QPushButton* toWhite_ = nullptr;
  QPushButton* penButton_ = nullptr;
  QPushButton* backButton_ = nullptr;
  QPushButton* save_ = nullptr;
  QPushButton* cancel_ = nullptr;
};
