// The status bar's seven panes: the primary object's kind and number, its
// position and size, the pointer, the slide with its object count, all
// objects, and the zoom.
#pragma once

#include <QString>
#include <array>

class Document;
class QLabel;
class QStatusBar;

struct StatusTexts {
  QString object, position, size, slide, total;
};

// UpdateStatus's texts: with `clearObject` or no primary object the three
// object panes are empty.
StatusTexts StatusOf(const Document& doc, int primary, bool clearObject);
// " 100% " for zoom 1.0.
QString ZoomText(float zoom);

class StatusPanes {
 public:
  enum Pane { Object, Pos, Size, Cursor, Slide, Total, Zoom, kCount };
  // Adds the panes, each named after its key ("OBJECT", ...) with its tooltip.
  explicit StatusPanes(QStatusBar& bar);

  void Show(const StatusTexts& texts);
  void SetCursor(const QString& text);
  void SetZoom(float zoom);
  QLabel* PaneLabel(Pane pane) const { return panes_[pane]; }

 private:
  std::array<QLabel*, kCount> panes_{};
};
