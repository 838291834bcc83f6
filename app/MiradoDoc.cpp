#include "app/MiradoDoc.h"

#include <QFile>
#include <QFileInfo>

#include "app/ShoriDlg.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "base/Settings.h"
#include "core/DataFile.h"
#include "core/Document.h"
#include "core/container/Container.h"
#include "core/container/WorkFolder.h"

namespace {

constexpr COLORREF kTransKey = 0x00FFF7FF;

// Fields are packed: take and give values, never references.
COLORREF NoKey(COLORREF c) { return c == kTransKey ? kNoColor : c; }

}  // namespace

void CMiradoDoc::NewDocument() {
  Document fresh(doc_.Dpi());
  path_.clear();
  edits_.Replace(std::move(fresh));
}

Result<Document> ReadDocumentFile(const QString& path, ScreenDpi dpi, const std::function<void(const std::function<bool()>&)>& unpackIn) {
  if (!HasTvlExtension(path)) return Failure{msg::CannotOpen, path + "\n"};
  const QFileInfo info(path);
  if (!info.exists()) return Failure{msg::FileNotFound};
  if (info.isDir()) return Failure{msg::FolderCannotOpen};

  Result<UnpackedCabinet> unpacked = Failure{};
  const auto unpack = [&] {
    unpacked = Unpack(info.absoluteFilePath());
    return unpacked.has_value();
  };
  if (unpackIn) unpackIn(unpack);
  else unpack();
  if (!unpacked) return unpacked.error();

  QFile data(unpacked->DataFilePath());
  if (!data.open(QIODevice::ReadOnly)) return Failure{msg::OpenFailed, path + "\n"};
  Document fresh(dpi);
  if (const Result<void> read = ReadDataFile(fresh, data); !read) return read.error();
  NormaliseOpenedDocument(fresh);
  return fresh;
}

bool CMiradoDoc::OpenDocument(const QString& path, QWidget* owner) {
  return AdoptDocument(path, ReadDocumentFile(path, doc_.Dpi(), [owner](const std::function<bool()>& unpack) {
                         CShoriDlg::Run(owner, unpack);
                       }),
                       owner);
}

bool CMiradoDoc::AdoptDocument(const QString& path, Result<Document> read, QWidget* owner) {
  if (!read) {
    ShowFailure(read.error(), owner);
    return false;
  }
  path_ = QFileInfo(path).absoluteFilePath();
  edits_.Replace(std::move(*read));
  return true;
}

bool CMiradoDoc::SaveDocument(const QString& path, QWidget* owner) {
  const QFileInfo info(path);
  if (info.fileName().isEmpty()) return false;
  const Result<WorkFile> dataFile = WorkFile::Create();
  if (!dataFile) {
    ShowFailure(dataFile.error(), owner);
    return false;
  }
  if (!WriteDataFile(doc_, dataFile->Path())) {
    ShowMessage(msg::SaveFailed, owner, dataFile->Path() + "\n");
    return false;
  }
  Result<void> packed = Failure{};
  CShoriDlg::Run(owner, [&] {
    packed = Pack(dataFile->Path(), info.absoluteFilePath(), GetInt(sys::MakeBackup) == 1);
    return packed.has_value();
  });
  if (!packed) {
    ShowFailure(packed.error(), owner);
    return false;
  }
  path_ = info.absoluteFilePath();
  WriteText("Last", "FilePath", path_);
  edits_.SetModified(false);
  return true;
}

QString CMiradoDoc::Title() const {
  return path_.isEmpty() ? QString::fromUtf8("無題") : QFileInfo(path_).fileName();
}

void NormaliseOpenedDocument(Document& doc) {
  DocHeader& h = doc.Header();
  h.refBack = NoKey(h.refBack);
  h.refFrame = NoKey(h.refFrame);
  h.refListBack = NoKey(h.refListBack);
  h.refPointNo = NoKey(h.refPointNo);
  for (int i = 0; i < doc.ObjCount(); ++i) {
    doc.View(i).Selected = 0;
    ObjectRecord& r = doc.Object(i);
    r.refTrans = NoKey(r.refTrans);
    r.refTextBk = NoKey(r.refTextBk);
    r.refMen = NoKey(r.refMen);
    r.refSecondMen = NoKey(r.refSecondMen);
    r.refLine = NoKey(r.refLine);
    r.refKage = NoKey(r.refKage);
    r.ChararefText = NoKey(r.ChararefText);
    for (LineEnd& e : r.Ends) {
      e.refEnd = NoKey(e.refEnd);
      e.refEndLine = NoKey(e.refEndLine);
    }
    if (r.ObjClass != objclass::Image && r.Picture != kNoPicture) {
      doc.Pictures().Release(r.Picture);
      r.Picture = kNoPicture;
    }
  }
}
