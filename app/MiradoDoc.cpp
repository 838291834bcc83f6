#include "app/MiradoDoc.h"

#include <QFile>
#include <QFileInfo>

#include "app/ShoriDlg.h"
#include "app/store/Messages.h"
#include "app/store/Settings.h"
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
  doc_.NewDocument();
  path_.clear();
  modified_ = false;
}

bool CMiradoDoc::OpenDocument(const QString& path, QWidget* owner) {
  // Whatever happens below, the previous document is gone.
  doc_.NewDocument();
  path_.clear();
  modified_ = false;

  if (!HasTvlExtension(path)) {
    ShowMessage(30070, owner, path + "\n");
    return false;
  }
  const QFileInfo info(path);
  if (!info.exists()) {
    ShowMessage(30077, owner);
    return false;
  }
  if (info.isDir()) {
    ShowMessage(30066, owner);
    return false;
  }

  std::optional<UnpackedCabinet> unpacked;
  CShoriDlg::Run(owner, [&] {
    unpacked = Unpack(info.absoluteFilePath());
    return unpacked.has_value();
  });
  if (!unpacked) return false;

  QFile data(unpacked->DataFilePath());
  if (!data.open(QIODevice::ReadOnly)) {
    ShowMessage(30026, owner, path + "\n");
    return false;
  }
  if (!ReadDataFile(doc_, data, owner)) return false;
  NormaliseOpenedDocument(doc_);
  path_ = info.absoluteFilePath();
  return true;
}

bool CMiradoDoc::SaveDocument(const QString& path, QWidget* owner) {
  const QFileInfo info(path);
  if (info.fileName().isEmpty()) return false;
  std::optional<WorkFile> dataFile = WorkFile::Create();
  if (!dataFile) return false;
  if (!WriteDataFile(doc_, dataFile->Path())) {
    ShowMessage(30018, owner, dataFile->Path() + "\n");
    return false;
  }
  const bool packed = CShoriDlg::Run(owner, [&] {
    return Pack(dataFile->Path(), info.absoluteFilePath(), GetInt(sys::MakeBackup) == 1);
  });
  if (!packed) return false;
  path_ = info.absoluteFilePath();
  WriteText("Last", "FilePath", path_);
  modified_ = false;
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
