// The dialog "頂点数": the vertex count of a new regular polygon or star.
#pragma once

#include <QDialog>
#include <optional>

#include "editor/factory/VertexCount.h"

class QSpinBox;

class CVertexCountDlg : public QDialog {
  Q_OBJECT
 public:
  CVertexCountDlg(const VertexCountAsk& ask, QWidget* parent = nullptr);

  int Value() const;
  QSpinBox* Spin() const { return spin_; }

  // The count chosen with 決定, or nullopt when the dialog was closed.
  static std::optional<int> Ask(QWidget* owner, const VertexCountAsk& ask);

 private:
  QSpinBox* spin_;
};
