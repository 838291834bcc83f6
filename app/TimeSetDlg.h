// The time table of the rehearsal results: the times of a page of slides in
// twenty pickers, for when the bars are too narrow to drag.
#pragma once

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTimeEdit;

class CTimeSetDlg : public QDialog {
  Q_OBJECT
 public:
  // `times` each 1..65535 seconds; opens on `page`.
  CTimeSetDlg(std::vector<int> times, int page, QWidget* parent = nullptr);

  // The edited times; what the pickers show.
  const std::vector<int>& Times() const { return times_; }
  int Page() const { return page_; }
  void ShowPage(int page);
  // "すべて 1 と同じ時間にする": asks first, as it cannot be undone.
  void CopyFirstToAll();
  QTimeEdit* Picker(int k) const { return pickers_[static_cast<size_t>(k)]; }
  QLabel* Label(int k) const { return labels_[static_cast<size_t>(k)]; }
  QString PageText() const;
  QString TotalText() const;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void PickerChanged(int k);
  void ShowTimes();

  std::vector<int> times_;
  int page_ = 0;
  std::vector<QTimeEdit*> pickers_;
  std::vector<QLabel*> labels_;
  QLabel* pageLabel_ = nullptr;
  QLabel* total_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* previous_ = nullptr;
};
