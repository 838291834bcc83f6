#include "app/ExportCommands.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "app/MiradoDoc.h"
#include "app/OutDlg.h"
#include "app/WorkProgress.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/Document.h"
#include "core/container/WorkFolder.h"
#include "editor/CommandRegistry.h"
#include "export/PdfExport.h"
#include "export/SlideImages.h"

namespace {

QString ExportLabel() { return QString::fromUtf8("スライドを書き出しています..."); }

const char kImageFilter[] =
    "JPEGファイル(*.jpeg);;GIFファイル(*.gif);;BMPファイル(*.bmp);;PNGファイル(*.png);;TIFFファイル(*.tiff)";

// Where proposals start: the document's folder, else the last one used.
QString ProposalFolder(const CMiradoDoc& doc) {
  const QString path = doc.PathName().isEmpty() ? GetText("Last", "FilePath", QString()) : doc.PathName();
  return path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
}

// The document's title with its extension replaced by `extension` (dropped when empty).
QString TitleWith(const CMiradoDoc& doc, const QString& extension) {
  const QString base = QFileInfo(doc.Title()).completeBaseName();
  return QDir(ProposalFolder(doc)).filePath(extension.isEmpty() ? base : base + '.' + extension);
}

// After a success: offer to show where the files went.
void OfferLocation(int messageId, const QString& prefix, const QString& folder, const ExportDialogs& dialogs,
                   QWidget* owner) {
  if (ShowMessage(messageId, owner, prefix, MsgStyle::YesNo) != IDYES) return;
  if (!dialogs.showFolder(folder)) ShowMessage(msg::ExplorerFailed, owner);
}

// true: all slides, false: the current one, nullopt: cancelled.
std::optional<bool> AskAllSlides(const Document& doc, int messageId, QWidget* owner) {
  if (doc.Header().SlideCount <= 1) return false;
  switch (ShowMessage(messageId, owner, QString(), MsgStyle::YesNoCancel)) {
    case IDYES: return true;
    case IDNO: return false;
    default: return std::nullopt;
  }
}

bool HasSlides(const CMiradoDoc& doc) { return doc.Data().Header().SlideCount > 0; }

}  // namespace

ExportDialogs ExportDialogs::Standard() {
  ExportDialogs d;
  d.saveFile = [](QWidget* owner, const QString& title, const QString& proposal, const QString& filter,
                  bool confirmOverwrite) {
    QString selected;
    QString path = QFileDialog::getSaveFileName(
        owner, title, proposal, filter, &selected,
        confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension takes the chosen filter's first one.
    const QRegularExpressionMatch extension = QRegularExpression("\\*\\.(\\w+)").match(selected);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && extension.hasMatch())
      path += '.' + extension.captured(1);
    return path;
  };
  d.showFolder = [](const QString& folder) { return QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); };
  return d;
}

void SaveSlidesAsImages(CMiradoDoc& file, const ExportDialogs& dialogs, QWidget* owner) {
  const Document& doc = file.Data();
  if (!HasSlides(file)) return;
  const std::optional<bool> all = AskAllSlides(doc, msg::AskImageAllSlides, owner);
  if (!all) return;
  const QString chosen = dialogs.saveFile(owner, QString::fromUtf8("保存するファイルを指定"),
                                          TitleWith(file, *all ? QString() : "jpeg"),
                                          QString::fromUtf8(kImageFilter), false);
  if (chosen.isEmpty()) return;
  const QFileInfo info(chosen);
  const std::optional<ImageFormat> named = ImageFormatFromSuffix(info.suffix());
  const ImageFormat format = named.value_or(ImageFormat::Jpeg);
  // A name without a known image extension gets one (one slide) or keeps it whole (a folder).
  const QString target = named ? (*all ? info.dir().filePath(info.completeBaseName()) : chosen)
                               : (*all ? chosen : chosen + ".jpeg");
  if (QFileInfo::exists(target) &&
      ShowMessage(msg::AskOverwriteExisting, owner, QString(), MsgStyle::YesNo) != IDYES)
    return;
  if (!*all) {
    if (const Result<void> saved = ExportSlideImage(doc, doc.Header().CurSlide, 1.0f, format, target); !saved) {
      ShowFailure(saved.error(), owner);
      return;
    }
    return OfferLocation(msg::AskShowPackage, QString(), QFileInfo(target).absolutePath(), dialogs, owner);
  }
  WorkProgress progress(owner, ExportLabel(), doc.Header().SlideCount, 3);
  if (const Result<void> saved = ExportSlideImages(doc, target, 1.0f, format, progress.Callback()); !saved) {
    ShowFailure(saved.error(), owner);
    return;
  }
  OfferLocation(msg::AskShowSavedFolder, target + '\n', target, dialogs, owner);
}

void SaveSlidesAsPdf(CMiradoDoc& file, const ExportDialogs& dialogs, QWidget* owner) {
  const Document& doc = file.Data();
  if (!HasSlides(file)) return;
  const std::optional<bool> all = AskAllSlides(doc, msg::AskAllPages, owner);
  if (!all) return;
  QString chosen = dialogs.saveFile(owner, QString::fromUtf8("保存するPDFファイルを指定"), TitleWith(file, "PDF"),
                                    "PDF File (*.PDF *.pdf)", true);
  if (chosen.isEmpty()) return;
  if (QFileInfo(chosen).suffix().isEmpty()) chosen += ".PDF";
  if (QFileInfo(chosen).suffix().toUpper() != "PDF") {
    ShowMessage(msg::NeedPdfFile, owner);
    return;
  }
  PdfExportRequest request;
  const Result<QString> work = GetWorkFolder();
  if (!work) {
    ShowFailure(work.error(), owner);
    return;
  }
  request.workFolder = *work;
  if (*all)
    for (int k = 0; k < doc.Header().SlideCount; ++k) request.slides.push_back(k);
  else
    request.slides = {doc.Header().CurSlide};
  request.output = chosen;
  request.title = file.Title();
  request.time = QDateTime::currentDateTime();
  request.helperFolder = QCoreApplication::applicationDirPath();
  WorkProgress progress(owner, ExportLabel(), static_cast<int>(request.slides.size()), 3);
  if (const Result<void> saved = ExportPdf(doc, request, progress.Callback()); !saved) {
    ShowFailure(saved.error(), owner);
    return;
  }
  OfferLocation(msg::AskShowPackage, QString(), QFileInfo(chosen).absolutePath(), dialogs, owner);
}

void RegisterExportCommands(CommandRegistry& commands, CMiradoDoc& doc, ExportDialogs dialogs, QWidget* owner) {
  commands.Add({ID_FILE_IMAGE, "ID_FILE_IMAGE", QString::fromUtf8("イメージとして保存(&I)"),
                [&doc, dialogs, owner] { SaveSlidesAsImages(doc, dialogs, owner); }, [&doc] { return HasSlides(doc); }});
  commands.Add({ID_PDF_SAVE, "ID_PDF_SAVE", QString::fromUtf8("PDFに保存(&F)"),
                [&doc, dialogs, owner] { SaveSlidesAsPdf(doc, dialogs, owner); }, [&doc] { return HasSlides(doc); }});
  commands.Add({ID_FILE_SLIDE, "ID_FILE_SLIDE", QString::fromUtf8("出張ファイル作成(&D)"),
                [&doc, dialogs, owner] { MakeShowPackage(doc, dialogs, owner); }, [&doc] { return HasSlides(doc); }});
}
