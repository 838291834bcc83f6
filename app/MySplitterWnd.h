// The main window's splitter (CMySplitterWnd): the editing view above, the
// slide list below. The list row is either closed or 50 to 300 pixels high;
// double-clicking the bar closes an open list or opens a closed one.
#pragma once

#include <QSplitter>

inline constexpr int kListMin = 50;
inline constexpr int kListMax = 300;
inline constexpr int kListOpened = 60;  // a double-click opens the list this high
inline constexpr int kListStart = 100;

// The list row's height after the bar was dragged to `height`.
int ListRowAfterDrag(int height);

class CMySplitterWnd : public QSplitter {
  Q_OBJECT
 public:
  // The top row starts at "Last"/"cyCur" (default 400), the list at 100.
  CMySplitterWnd(QWidget* top, QWidget* list, QWidget* parent = nullptr);

  int ListHeight() const { return sizes().value(1); }
  void SetListHeight(int height);
  // Closes an open list, opens a closed one.
  void ToggleList();
  // Writes the top row's height to "Last"/"cyCur".
  void SaveTopHeight() const;

 signals:
  // The bar's note while the list is closed, for the operation guide.
  void Note(const QString& text);

 protected:
  QSplitterHandle* createHandle() override;
  void showEvent(QShowEvent* event) override;

 private:
  void Moved();
  bool started_ = false;
};

QString ClosedListNote();
