// The results of a rehearsal: every slide's thumbnail and time, a bar graph
// whose boundaries drag to change the times, the time table, and keeping the
// times as the slides' automatic switching times. Also opened on the stored
// times alone.
#pragma once

#include <QDialog>
#include <QImage>
#include <cstdint>
#include <functional>
#include <vector>

#include "show/RehearsalResults.h"
#include "show/ResultGraph.h"

class EditPath;
class QLabel;
class SlideSource;

class CResultDlg : public QDialog {
  Q_OBJECT
 public:
  // Stores the kept times (each 1..65535) in the document.
  using KeepTimes = std::function<void(const std::vector<std::uint16_t>& times)>;

  CResultDlg(ShowMode mode, std::vector<int> times, QSize slideSize, SlideSource& thumbnails,
             KeepTimes keep, QWidget* parent = nullptr);
  ~CResultDlg() override;

  // False when the thumbnails could not be made: the window is not to be shown.
  bool Ready() const { return ready_; }
  const RehearsalResults& Results() const { return results_; }
  void Press(ResultButton button);
  // "保存": the times go to the document and count as kept.
  void Save();
  // "終了": asks first when times are not kept; false when the user stays.
  bool End();
  void OpenTimeTable();
  QString TooltipText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void reject() override;
  void done(int result) override;

 private:
  void Place();
  bool BuildPage();
  void PaintBackground(QPainter& painter);
  void PaintThumbnails(QPainter& painter);
  void PaintGraph(QPainter& painter);
  void PaintSide(QPainter& painter);
  void ShowTip(const QString& text, QPoint globalPos);
  int DragSeconds(int x) const;

  RehearsalResults results_;
  QSize slideSize_;
  SlideSource& thumbnailSource_;
  KeepTimes keep_;
  bool ready_ = false;
  std::vector<QImage> thumbnails_;
  QSize builtFor_;  // the client size the thumbnails were drawn for
  QImage background_;
  QLabel* tip_ = nullptr;
  // A boundary drag: the slide, the press x, and the time, total and graph width it began with.
  struct Drag {
    int slide = -1;
    int x0 = 0;
    int start = 0;
    std::int64_t total = 0;
    int graphWidth = 0;
  } drag_;
  bool moving_ = false;  // the whole window follows the mouse
  QPoint grip_;
  bool ending_ = false;
};

// Stores `times` as the first slides' switching times: one undoable change,
// nothing when they are already stored. True when something changed.
bool KeepSwitchTimes(EditPath& edits, const std::vector<std::uint16_t>& times);

// Opens the results window modally on the document's slides (mode
// RehearsalMeasure or ResultsOnly); says so when it cannot be made.
void RunResults(EditPath& edits, ShowMode mode, const std::vector<int>& times, QWidget* owner);
