#include "app/InsatuDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MiradoDoc.h"
#include "app/PrintOutput.h"
#include "app/SheetPreview.h"
#include "app/WorkProgress.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/Document.h"
#include "editor/CommandRegistry.h"

namespace {

const IntSetting kZoomed{"Insatu", "Zoomed", 0};
const IntSetting kPX{"Insatu", "PX", 0};
const IntSetting kPY{"Insatu", "PY", 0};
const IntSetting kSX{"Insatu", "SX", 640};
const IntSetting kSY{"Insatu", "SY", 480};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

template <typename T>
T* Named(T* widget, int id) {
  widget->setObjectName(QString::number(id));
  return widget;
}

QSpinBox* MarginSpin(int id) {
  auto* spin = Named(new QSpinBox, id);
  spin->setRange(0, kMaxMarginMm);
  spin->setSuffix(" mm");
  return spin;
}

QToolButton* PictureButton(int id, const QString& text, const QString& tip) {
  auto* button = Named(new QToolButton, id);
  button->setText(text);
  button->setToolTip(tip);
  button->setCheckable(true);
  button->setAutoExclusive(true);
  button->setMinimumSize(48, 40);
  return button;
}

}  // namespace

InsatuDialogs InsatuDialogs::Standard() {
  InsatuDialogs d;
  d.setup = [](QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    return dialog.exec() == QDialog::Accepted;
  };
  d.pdfFile = [](QWidget* owner, const QString& proposal) {
    return QFileDialog::getSaveFileName(owner, Utf8("保存するPDFファイルを指定"), proposal, "PDF File (*.PDF *.pdf)");
  };
  return d;
}

CInsatuDlg::CInsatuDlg(const Document& doc, const QString& pdfProposal, InsatuDialogs dialogs, QWidget* parent)
    : QDialog(parent), doc_(doc), pdfProposal_(pdfProposal), dialogs_(std::move(dialogs)),
      printer_(QPrinter::HighResolution) {
  setWindowTitle(Utf8("印刷"));
  setSizeGripEnabled(true);
  // No printer is normal: print into a PDF file instead.
  if (QPrinterInfo::defaultPrinterName().isEmpty()) printer_.setOutputFormat(QPrinter::PdfFormat);
  ApplyStoredPaper(printer_);

  auto* controls = new QVBoxLayout;
  for (QWidget* group : {BuildPrinter(), BuildRange(), BuildMargins(), BuildLayout()}) controls->addWidget(group);
  controls->addStretch();
  auto* print = Named(new QPushButton(Utf8("印刷実行(&S)")), 1);
  auto* cancel = Named(new QPushButton(Utf8("中止(&C)")), 2);
  print->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  controls->addLayout(buttons);
  connect(print, &QPushButton::clicked, this, &CInsatuDlg::OnPrint);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* pageRow = new QHBoxLayout;
  previewPage_ = Named(new QSpinBox, 1007);
  pageCount_ = Named(new QLabel, 1050);
  pageRow->addStretch();
  pageRow->addWidget(previewPage_);
  pageRow->addWidget(pageCount_);
  preview_ = Named(new SheetPreview(doc_), 1008);
  auto* previewColumn = new QVBoxLayout;
  previewColumn->addWidget(preview_, 1);
  previewColumn->addLayout(pageRow);
  auto* top = new QHBoxLayout(this);
  top->addLayout(controls);
  top->addLayout(previewColumn, 1);
  connect(previewPage_, &QSpinBox::valueChanged, this, &CInsatuDlg::UpdatePreview);

  Load();
  RestoreGeometry();
}

CInsatuDlg::~CInsatuDlg() = default;

QWidget* CInsatuDlg::BuildPrinter() {
  auto* box = new QGroupBox(Utf8("1 プリンタ"));
  auto* grid = new QGridLayout(box);
  printerName_ = Named(new QLabel, 604);
  paperName_ = Named(new QLabel, 1009);
  paperSize_ = Named(new QLabel, 1010);
  auto* setup = Named(new QPushButton(Utf8("設定(&P)")), 1040);
  portrait_ = Named(new QRadioButton(Utf8("縦")), 1020);
  landscape_ = Named(new QRadioButton(Utf8("横")), 1021);
  grid->addWidget(printerName_, 0, 0, 1, 2);
  grid->addWidget(setup, 0, 2);
  grid->addWidget(paperName_, 1, 0, 1, 3);
  grid->addWidget(paperSize_, 2, 0, 1, 3);
  grid->addWidget(portrait_, 3, 0);
  grid->addWidget(landscape_, 3, 1);
  connect(setup, &QPushButton::clicked, this, &CInsatuDlg::OnSetup);
  connect(portrait_, &QRadioButton::clicked, this, [this] { OnOrientation(1); });
  connect(landscape_, &QRadioButton::clicked, this, [this] { OnOrientation(2); });
  return box;
}

QWidget* CInsatuDlg::BuildRange() {
  auto* box = new QGroupBox(Utf8("2 印刷範囲"));
  auto* grid = new QGridLayout(box);
  rangeAll_ = Named(new QRadioButton(Utf8("すべての頁(&A)")), 1046);
  rangePreview_ = Named(new QRadioButton(Utf8("現在プレビューの頁(&N)")), 1047);
  rangePages_ = Named(new QRadioButton(Utf8("頁指定(&R)")), 1048);
  startPage_ = Named(new QLineEdit, 1002);
  endPage_ = Named(new QLineEdit, 1019);
  for (QLineEdit* edit : {startPage_, endPage_}) edit->setMaximumWidth(60);
  grid->addWidget(rangeAll_, 0, 0, 1, 4);
  grid->addWidget(rangePreview_, 1, 0, 1, 4);
  grid->addWidget(rangePages_, 2, 0);
  grid->addWidget(startPage_, 2, 1);
  grid->addWidget(new QLabel(Utf8("～")), 2, 2);
  grid->addWidget(endPage_, 2, 3);
  return box;
}

QWidget* CInsatuDlg::BuildMargins() {
  auto* box = new QGroupBox(Utf8("3 余白：(max : 50ﾐﾘ)"));
  auto* grid = new QGridLayout(box);
  top_ = MarginSpin(1006);
  bottom_ = MarginSpin(1013);
  left_ = MarginSpin(1012);
  right_ = MarginSpin(1024);
  grid->addWidget(new QLabel(Utf8("上")), 0, 0);
  grid->addWidget(top_, 0, 1);
  grid->addWidget(new QLabel(Utf8("下")), 0, 2);
  grid->addWidget(bottom_, 0, 3);
  grid->addWidget(new QLabel(Utf8("左")), 1, 0);
  grid->addWidget(left_, 1, 1);
  grid->addWidget(new QLabel(Utf8("右")), 1, 2);
  grid->addWidget(right_, 1, 3);
  for (QSpinBox* spin : {top_, bottom_, left_, right_})
    connect(spin, &QSpinBox::valueChanged, this, &CInsatuDlg::UpdatePreview);
  return box;
}

QWidget* CInsatuDlg::BuildLayout() {
  auto* box = new QGroupBox(Utf8("4 割付け"));
  auto* grid = new QGridLayout(box);
  const struct {
    int id, perSheet;
    const char* text;
  } counts[] = {{1004, 1, "1"}, {1011, 2, "2"}, {1015, 6, "6"}};
  auto* group = new QButtonGroup(box);
  for (int i = 0; i < 3; ++i) {
    QToolButton* button = PictureButton(counts[i].id, Utf8(counts[i].text),
                                        Utf8("1枚にスライド%1枚").arg(counts[i].perSheet));
    group->addButton(button);
    grid->addWidget(button, 0, i);
    connect(button, &QToolButton::clicked, this, [this, n = counts[i].perSheet] { OnPerSheet(n); });
  }
  across_ = PictureButton(1026, Utf8("1 2\n3 4\n5 6"), Utf8("横に並べてから下へ"));
  down_ = PictureButton(1027, Utf8("1 4\n2 5\n3 6"), Utf8("縦に並べてから右へ"));
  auto* order = new QButtonGroup(box);
  order->addButton(across_);
  order->addButton(down_);
  grid->addWidget(across_, 1, 0);
  grid->addWidget(down_, 1, 1);
  frame_ = Named(new QCheckBox(Utf8("スライドに枠を付ける(&F)")), 1001);
  marginLines_ = Named(new QCheckBox(Utf8("余白を表示(&M)")), 1022);
  grid->addWidget(frame_, 2, 0, 1, 3);
  grid->addWidget(marginLines_, 3, 0, 1, 3);
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{across_, down_, frame_, marginLines_})
    connect(b, &QAbstractButton::toggled, this, &CInsatuDlg::UpdatePreview);
  return box;
}

void CInsatuDlg::Load() {
  const SheetOptions stored = ReadSheetOptions();
  const SheetMargins& m = stored.margins;
  for (auto [spin, value] : {std::pair{top_, m.top}, {bottom_, m.bottom}, {left_, m.left}, {right_, m.right}})
    spin->setValue(value);
  const PrintRange range = ReadPrintRange();
  rangeAll_->setChecked(range == PrintRange::All);
  rangePreview_->setChecked(range == PrintRange::Preview);
  rangePages_->setChecked(range == PrintRange::Pages);
  (stored.acrossFirst ? across_ : down_)->setChecked(true);
  frame_->setChecked(stored.frame);
  marginLines_->setChecked(GetInt(insatu::DspYohaku) == 1);
  Control<QToolButton>(stored.perSheet == 6 ? 1015 : stored.perSheet == 2 ? 1011 : 1004)->setChecked(true);
  UpdatePaper();
  OnPerSheet(stored.perSheet);
}

SheetOptions CInsatuDlg::Options() const {
  SheetOptions o;
  o.perSheet = perSheet_;
  o.acrossFirst = across_->isChecked();
  o.frame = frame_->isChecked();
  o.margins = {left_->value(), top_->value(), right_->value(), bottom_->value()};
  return o;
}

int CInsatuDlg::Sheets() const { return SheetCount(doc_.Header().SlideCount, perSheet_); }

PrintRange CInsatuDlg::Range() const {
  if (rangePreview_->isChecked()) return PrintRange::Preview;
  return rangePages_->isChecked() ? PrintRange::Pages : PrintRange::All;
}

// The printer's name, paper and edge: after opening, a set-up or a turn.
void CInsatuDlg::UpdatePaper() {
  const bool pdf = printer_.outputFormat() == QPrinter::PdfFormat;
  printerName_->setText(pdf ? Utf8("PDFファイル") + (printer_.outputFileName().isEmpty()
                                                         ? QString()
                                                         : " (" + QFileInfo(printer_.outputFileName()).fileName() + ")")
                            : printer_.printerName());
  paperName_->setText(QString::fromLatin1(PaperName(PaperSizeCode(printer_))));
  const QSizeF mm = printer_.pageLayout().fullRect(QPageLayout::Millimeter).size();
  paperSize_->setText(QString::asprintf("%.1f X %.1fmm", mm.width(), mm.height()));
  const bool landscape = printer_.pageLayout().orientation() == QPageLayout::Landscape;
  landscape_->setChecked(landscape);
  portrait_->setChecked(!landscape);
  // Margins start at what the printer can reach; a spin keeps its value in range.
  const MarginLimits limits = DeviceMarginLimits(printer_.pageLayout());
  left_->setMinimum(limits.minX);
  right_->setMinimum(limits.minX);
  top_->setMinimum(limits.minY);
  bottom_->setMinimum(limits.minY);
  UpdatePreview();
}

void CInsatuDlg::UpdatePreview() {
  if (!preview_ || !previewPage_) return;
  across_->setEnabled(perSheet_ == 6);
  down_->setEnabled(perSheet_ == 6);
  PreviewSheet sheet;
  sheet.paperMm = printer_.pageLayout().fullRect(QPageLayout::Millimeter).size();
  sheet.options = Options();
  sheet.sheet = previewPage_->value() - 1;
  sheet.marginLines = marginLines_->isChecked();
  preview_->Show(sheet);
}

void CInsatuDlg::OnSetup() {
  const int paper = PaperSizeCode(printer_);
  const QPageLayout::Orientation orientation = printer_.pageLayout().orientation();
  if (!dialogs_.setup(printer_, this)) return;
  printer_.setFullPage(true);
  if (PaperSizeCode(printer_) != paper || printer_.pageLayout().orientation() != orientation) {
    SettingsBatch store;
    if (PaperSizeCode(printer_) > 0) store.WriteInt(insatu::PaperSize, PaperSizeCode(printer_));
    store.WriteInt(insatu::Orientation, printer_.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1);
  }
  UpdatePaper();
}

void CInsatuDlg::OnOrientation(int orientation) {
  printer_.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  WriteInt(insatu::Orientation, orientation);
  UpdatePaper();
}

void CInsatuDlg::OnPerSheet(int perSheet) {
  perSheet_ = perSheet;
  const int sheets = std::max(Sheets(), 1);
  previewPage_->setRange(1, sheets);
  previewPage_->setValue(1);
  pageCount_->setText(Utf8("/ %1頁").arg(sheets));
  startPage_->setText("1");
  endPage_->setText(QString::number(sheets));
  UpdatePreview();
}

void CInsatuDlg::OnPrint() {
  const SheetOptions options = Options();
  WriteSheetOptions(options, Range());
  const Result<SheetSpan> sheets = SheetsToPrint(Range(), Sheets(), previewPage_->value(),
                                                 startPage_->text().toInt(), endPage_->text().toInt());
  if (!sheets) {
    const int id = sheets.error().id;
    if (id == msg::PreviewPageUnknown) previewPage_->setFocus();
    if (id == msg::PrintStartUnknown) startPage_->setFocus();
    if (id == msg::PrintEndUnknown || id == msg::PrintEndBeforeStart) endPage_->setFocus();
    ShowFailure(sheets.error(), this);
    return;
  }
  const bool askFile = printer_.outputFormat() == QPrinter::PdfFormat && printer_.outputFileName().isEmpty();
  if (askFile) {
    QString path = dialogs_.pdfFile(this, pdfProposal_);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    if (QFileInfo(path).suffix().toUpper() != "PDF") {
      ShowMessage(msg::NeedPdfFile, this);
      return;
    }
    printer_.setOutputFileName(path);
  }
  WorkProgress progress(this, Utf8("印刷しています..."), sheets->last - sheets->first + 1, 1);
  const Result<void> printed = PrintDocument(doc_, printer_, {options, *sheets, 0, {}}, progress.Callback());
  if (!printed) {
    if (askFile) printer_.setOutputFileName(QString());
    ShowFailure(printed.error(), this);
    return;
  }
  accept();
}

void CInsatuDlg::RestoreGeometry() {
  setMinimumSize(sizeHint());
  const QPoint at(GetInt(kPX), GetInt(kPY));
  const QSize size(GetInt(kSX), GetInt(kSY));
  if (QGuiApplication::screenAt(at) != nullptr) {
    move(at);
    resize(size.expandedTo(minimumSize()));
  }
  if (GetInt(kZoomed) == 1) setWindowState(windowState() | Qt::WindowMaximized);
}

void CInsatuDlg::done(int result) {
  SettingsBatch store;
  store.WriteInt(insatu::DspYohaku, marginLines_->isChecked() ? 1 : 0);
  store.WriteInt(kZoomed, isMaximized() ? 1 : 0);
  const QRect normal = isMaximized() ? normalGeometry() : geometry();
  store.WriteInt(kPX, std::max(normal.x(), 0));
  store.WriteInt(kPY, std::max(normal.y(), 0));
  store.WriteInt(kSX, normal.width());
  store.WriteInt(kSY, normal.height());
  QDialog::done(result);
}

void RegisterPrintCommand(CommandRegistry& commands, CMiradoDoc& doc, InsatuDialogs dialogs, QWidget* owner) {
  const auto hasSlides = [&doc] { return doc.Data().Header().SlideCount > 0; };
  commands.Add({ID_FILE_PRINT, "ID_FILE_PRINT", Utf8("印刷(&P)..."),
                [&doc, dialogs, owner] {
                  const QString folder = doc.PathName().isEmpty() ? QDir::homePath()
                                                                  : QFileInfo(doc.PathName()).absolutePath();
                  const QString proposal = QDir(folder).filePath(QFileInfo(doc.Title()).completeBaseName() + ".pdf");
                  CInsatuDlg dialog(doc.Data(), proposal, dialogs, owner);
                  dialog.exec();
                },
                hasSlides});
}
