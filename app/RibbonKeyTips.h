// Keyboard access to the ribbon: Alt pressed and released alone shows a key
// tip beside the application button, the quick-access buttons, the tab and
// the tab-row buttons; the tab's letter shows the tips of its controls;
// typing a tip's letters runs its control. Esc or a click hides the tips.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "app/Ribbon.h"

class QLabel;

class RibbonKeyTips : public QObject {
  Q_OBJECT
 public:
  RibbonKeyTips(Ribbon& ribbon, QWidget& window);

  bool Showing() const { return !shown_.empty(); }
  void ShowTop();
  void ShowTab();
  void Hide();
  // One typed character; true when it was taken.
  bool Type(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(std::vector<RibbonKeyTip> tips);

  Ribbon& ribbon_;
  QWidget& window_;
  std::vector<RibbonKeyTip> shown_;
  std::vector<QLabel*> labels_;
  QString typed_;
  bool altAlone_ = false;
};
