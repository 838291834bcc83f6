// The print dialog "印刷": printer and paper, print range, margins, one, two or
// six slides per sheet, their order and frame, and a live preview of one sheet.
// No printer is normal: the dialog then prints into a PDF file.
#pragma once

#include <QDialog>
#include <QPrinter>

#include "app/PrintCommand.h"
#include "export/PrintSettings.h"
#include "export/SheetLayout.h"

class Document;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QToolButton;
class SheetPreview;

class CInsatuDlg : public QDialog {
  Q_OBJECT
 public:
  // `pdfProposal` is the file first offered when printing into a PDF file.
  CInsatuDlg(const Document& doc, const QString& pdfProposal, InsatuDialogs dialogs, QWidget* parent = nullptr);
  ~CInsatuDlg() override;

  // The control with the template's number, as tests and the layout name them.
  template <typename T>
  T* Control(int id) const { return findChild<T*>(QString::number(id)); }
  QPrinter& Printer() { return printer_; }
  SheetOptions Options() const;
  int Sheets() const;

  void done(int result) override;

 private:
  QWidget* BuildPrinter();
  QWidget* BuildRange();
  QWidget* BuildMargins();
  QWidget* BuildLayout();
  void Load();
  void OnSetup();
  void OnOrientation(int orientation);
  void OnPerSheet(int perSheet);
  void UpdatePaper();
  void UpdatePreview();
  void OnPrint();
  PrintRange Range() const;
  void RestoreGeometry();

  const Document& doc_;
  QString pdfProposal_;
  InsatuDialogs dialogs_;
  QPrinter printer_;
  int perSheet_ = 1;
  QLabel* printerName_ = nullptr;
  QLabel* paperName_ = nullptr;
  QLabel* paperSize_ = nullptr;
  QRadioButton* portrait_ = nullptr;
  QRadioButton* landscape_ = nullptr;
  QRadioButton* rangeAll_ = nullptr;
  QRadioButton* rangePreview_ = nullptr;
  QRadioButton* rangePages_ = nullptr;
  QLineEdit* startPage_ = nullptr;
  QLineEdit* endPage_ = nullptr;
  QSpinBox* top_ = nullptr;
  QSpinBox* bottom_ = nullptr;
  QSpinBox* left_ = nullptr;
  QSpinBox* right_ = nullptr;
  QToolButton* across_ = nullptr;
  QToolButton* down_ = nullptr;
  QCheckBox* frame_ = nullptr;
  QCheckBox* marginLines_ = nullptr;
  QSpinBox* previewPage_ = nullptr;
  QLabel* pageCount_ = nullptr;
  SheetPreview* preview_ = nullptr;
};
