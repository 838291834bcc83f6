// The image-properties dialog: one image's frame size and tilt, its picture's
// size, bytes and transparent colour, and the commands that fit the frame to
// the picture or the picture to the frame. Every change is made at once.
#pragma once

#include <QDialog>
#include <QImage>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "base/Color.h"

class EditPath;
class Picture;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What the transparency editor gives back when it is closed by saving.
struct EditedPicture {
  std::shared_ptr<const Picture> picture;
  COLORREF trans = kNoColor;
};

// The dialogs the properties dialog opens; tests answer them without a window.
struct NodeDlgHooks {
  std::function<std::optional<COLORREF>(COLORREF current, QWidget* owner)> chooseColour;
  // The editor on (picture, image kind, transparent colour); nullopt when cancelled.
  std::function<std::optional<EditedPicture>(std::shared_ptr<const Picture>, int kind, COLORREF trans,
                                             QWidget* owner)>
      editTransparency;
  static NodeDlgHooks Standard();
};

class CNodeDlg : public QDialog {
  Q_OBJECT
 public:
  CNodeDlg(EditPath& edits, int index, NodeDlgHooks hooks, QWidget* parent = nullptr);

  // The dialog's buttons by their control numbers (1006 actual size, 1003 same
  // aspect, 1040 fit the picture, 1018 and 1017 restore, 1016 reduce, 1015 editor).
  QPushButton* Button(int control) const;
  QSpinBox* WidthSpin() const { return width_; }
  QSpinBox* HeightSpin() const { return height_; }
  QSpinBox* AngleSpin() const { return angle_; }
  QRadioButton* ByHeight() const { return byHeight_; }
  QString PictureSizeText() const;
  QString ByteText() const;
  QString TransText() const;
  // The preview as painted now.
  QImage Preview() const;

  void ActualSize();
  void SameAspectRatio();
  void FitPicture();
  void Reduce();
  void Restore(bool afterReduction);
  void ChooseBackground();
  void EditTransparency();
  void StepSize(bool widthSpin, int steps);
  void StepAngle(int steps);

 private:
  void RefreshPicture();
  void RefreshFrameButtons();
  void ShowFrameSize();
  bool ReplacePicture(std::shared_ptr<const Picture> picture);

  EditPath& edits_;
  int index_;
  NodeDlgHooks hooks_;
  QSize pixels_;
  std::shared_ptr<const Picture> restoreCopy_;
  int keptKind_ = 0;
  COLORREF background_ = 0;
  QSpinBox* width_ = nullptr;
  QSpinBox* height_ = nullptr;
  QSpinBox* angle_ = nullptr;
  QRadioButton* byWidth_ = nullptr;
  QRadioButton* byHeight_ = nullptr;
  QLabel* pictureSize_ = nullptr;
  QLabel* bytes_ = nullptr;
  QLabel* transText_ = nullptr;
  QLabel* editorNote_ = nullptr;
  QWidget* preview_ = nullptr;
  QWidget* swatch_ = nullptr;
  std::map<int, QPushButton*> buttons_;
  // The picture drawn at its pixel size, kept for repainting the preview.
  mutable std::shared_ptr<const Picture> previewOf_;
  mutable QImage previewDrawn_;
};
