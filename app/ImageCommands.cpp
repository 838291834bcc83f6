#include "app/ImageCommands.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "app/InsertMenu.h"
#include "app/MiradoDoc.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "core/picture/PictureFileType.h"
#include "editor/CommandRegistry.h"
#include "editor/ContextMenus.h"
#include "editor/ImageEdits.h"
#include "editor/MiradoView.h"
#include "editor/factory/Requests.h"
#include "export/CGIFSub.h"
#include "export/ImageEncoder.h"
#include "geometry/MathSub.h"
#include "geometry/Rotation.h"

namespace {

const char kOpenFilter[] =
    "イメージファイル(jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff);;"
    "JPEGファイル(*.jpeg) (*.jpg *.jpeg);;GIFファイル(*.gif) (*.gif);;ビットマップファイル(*.bmp) (*.bmp);;"
    "PNGファイル(*.png) (*.png);;TIFFファイル(*.tiff) (*.tif *.tiff)";

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// The save dialog's entries; GIF is named transparent when the picture is
// reduced and keyed, so the user sees what the file will be.
QStringList SaveFilters(const ObjectRecord& r) {
  const bool transparentGif = r.ImageKind == 2 && r.TransOn;
  return {QString::fromUtf8("JPEGファイル(*.jpeg)"),
          QString::fromUtf8(transparentGif ? "透過GIFファイル(*.gif)" : "GIFファイル(*.gif)"),
          QString::fromUtf8("ビットマップファイル(*.bmp)"), QString::fromUtf8("PNGファイル(*.png)"),
          QString::fromUtf8("TIFFファイル(*.tiff)")};
}

int PreselectedFilter(const ObjectRecord& r) { return r.ImageKind == 1 ? 2 : r.ImageKind == 2 ? 1 : 0; }

int YesNo(int id, QWidget* owner, MsgStyle style = MsgStyle::YesNo) {
  return ShowMessage(id, owner, QString(), style);
}

}  // namespace

ImageDialogs ImageDialogs::Standard() {
  ImageDialogs d;
  d.openPicture = [](QWidget* owner, const QString& title) {
    return QFileDialog::getOpenFileName(owner, title, QString(), QString::fromUtf8(kOpenFilter));
  };
  d.savePicture = [](QWidget* owner, const QStringList& filters, int selected) {
    QFileDialog dialog(owner, QString::fromUtf8("保存するファイルを指定"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the question is ours
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(selected));
    dialog.setDefaultSuffix("gif");
    dialog.selectFile(QString::fromUtf8("無題"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
  };
  return d;
}

ImageCommands::ImageCommands(CMiradoDoc& doc, CMiradoView& view, CommandRegistry& commands,
                             ImageDialogs dialogs, QWidget* owner)
    : doc_(doc), view_(view), commands_(commands), dialogs_(std::move(dialogs)), owner_(owner) {
  const auto label = [](int id) { return QString::fromUtf8(MenuItemLabel(id)); };
  const auto onImage = [this] { return PrimaryImage() >= 0; };
  commands.Add({ID_IMAGE_ADD, "ID_IMAGE_ADD", label(ID_IMAGE_ADD),
                [this] {
                  const QString path = dialogs_.openPicture(owner_, QString::fromUtf8("追加するイメージを指定"));
                  const QString type = PictureFileType(path);
                  if (!type.isEmpty()) Insert(path, type);
                },
                {}});
  commands.Add({ID_IMAGE_CHANGE, "ID_IMAGE_CHANGE", label(ID_IMAGE_CHANGE),
                [this] {
                  const int index = PrimaryImage();
                  const QString path = dialogs_.openPicture(owner_, QString::fromUtf8("変更するイメージを指定"));
                  if (index >= 0 && !path.isEmpty()) Replace(index, path, PictureFileType(path));
                },
                onImage});
  commands.Add({ID_IMAGE_SAVE, "ID_IMAGE_SAVE", label(ID_IMAGE_SAVE), [this] { SavePicture(); }, onImage});
  commands.Add({ID_TRANS_PICK, "ID_TRANS_PICK", label(ID_TRANS_PICK),
                [this] { view_.SetTransPicking(!view_.TransPicking()); }, {}});
  commands.Add({ID_TRANS_OFF, "ID_TRANS_OFF", label(ID_TRANS_OFF),
                [this] {
                  doc_.Edits().Apply(EditKind::NoSnapshot,
                                     [](Document& d) { return TransparencyOff(d, d.Header().CurSlide); });
                },
                {}});
  commands.Add({ID_IMAGE_PROPERTY, "ID_IMAGE_PROPERTY", label(ID_IMAGE_PROPERTY),
                [this] { OpenProperties(PrimaryImage()); }, onImage});
}

void ImageCommands::OpenProperties(int index) {
  if (!IsImageWithPicture(doc_.Data(), index)) return;
  CNodeDlg dialog(doc_.Edits(), index, dialogs_.properties, owner_);
  dialog.exec();
}

void ImageCommands::Hook(ViewHooks& hooks) {
  hooks.filesDropped = [this](const QStringList& paths, QPoint view) { FilesDropped(paths, view); };
  hooks.colourPicked = [this](COLORREF screen, QPoint view) { ColourPicked(screen, view); };
  hooks.openImageProperties = [this](int index) { OpenProperties(index); };
}

int ImageCommands::PrimaryImage() const {
  const Document& doc = doc_.Data();
  const int p = view_.Selection().primary;
  if (p < 0 || p >= doc.ObjCount()) return -1;
  const ObjectRecord& r = doc.Object(p);
  return r.ObjClass == objclass::Image && r.Slide == doc.Header().CurSlide ? p : -1;
}

bool ImageCommands::Insert(const QString& path, const QString& type) {
  std::optional<ObjectContent> content = LoadImageContent(path, type, doc_.Data().Dpi().x, owner_);
  if (!content) return false;
  const InsertTarget target{doc_, view_, commands_, {}, StandardFactoryDialogs(owner_), {}, owner_};
  return InsertObject(target, request::Picture, *content);
}

bool ImageCommands::Replace(int index, const QString& path, const QString& type) {
  const std::optional<ObjectContent> content = LoadImageContent(path, type, doc_.Data().Dpi().x, owner_);
  if (!content) return false;
  return doc_.Edits().Apply(EditKind::NoSnapshot, [&](Document& d) {
    return SetImagePicture(d, index, content->picture, content->transparent);
  });
}

void ImageCommands::FilesDropped(const QStringList& paths, QPoint view) {
  const Document& doc = doc_.Data();
  const int target = ImageAt(doc, doc.Header().CurSlide, view, doc.Header().Zoom);
  const DropPlan plan = PlanDrop(paths, target >= 0, [](const QString& p) { return QFileInfo(p).isDir(); });
  for (const QString& path : plan.refused) ShowMessage(msg::DropOnlyImages, owner_, path + "\n");
  for (const QString& path : plan.inserts) Insert(path, PictureFileType(path));
  if (target < 0 || plan.replacement.isEmpty()) return;
  if (YesNo(msg::AskChangeImage, owner_) == IDYES)
    Replace(target, plan.replacement, PictureFileType(plan.replacement));
}

void ImageCommands::ColourPicked(COLORREF screen, QPoint view) {
  const int index = PrimaryImage();
  const Document& doc = doc_.Data();
  if (index < 0 || !IsImageWithPicture(doc, index)) return;
  const std::vector<QPoint> frame = RotatePoints(doc.Object(index), doc.Header().Zoom);
  if (frame.size() < 4 || !CMathSub::PointInPolygon(std::span(frame.data(), 4), view)) return;

  const ObjectRecord& r = doc.Object(index);
  const int dpi = doc.Dpi().x;
  const QImage drawn = DrawnOnWhite(*doc.PictureOf(index), dpi);
  int kind = r.ImageKind;
  if (!r.TransOn && r.ImageKind != 2 && !drawn.isNull()) {
    std::optional<int> picked = PickedKind(CountColours(drawn), drawn.size());
    if (!picked) {
      const int answer = YesNo(msg::AskLargeMemory, owner_, MsgStyle::YesNoCancel);
      if (answer != IDYES && answer != IDNO) return;
      picked = answer == IDYES ? 1 : 2;
    }
    kind = *picked;
  }
  COLORREF colour = screen;
  std::shared_ptr<const Picture> reduced;
  if (kind == 2 && r.ImageKind != 2) {
    WaitCursor wait;
    const Result<ReducedPicture> result = CGIFSub::ReduceColors(*doc.PictureOf(index), colour, dpi);
    if (result) {
      reduced = result->picture;
      colour = result->transColor;
    } else {
      ShowFailure(result.error(), owner_);
    }
  }
  if (!reduced) colour = SnapColour(drawn, colour);
  doc_.Edits().Apply(EditKind::NoSnapshot, [&](Document& d) {
    if (reduced) SetImagePicture(d, index, reduced, colour);
    ObjectRecord& o = d.Object(index);
    o.ImageKind = static_cast<decltype(o.ImageKind)>(kind);
    o.refTrans = colour;
    o.TransOn = 1;
    return true;
  });
  emit view_.GuideChanged(QString());
}

void ImageCommands::SavePicture() {
  const int index = PrimaryImage();
  if (index < 0 || !IsImageWithPicture(doc_.Data(), index)) return;
  const ObjectRecord r = doc_.Data().Object(index);
  const QString path = dialogs_.savePicture(owner_, SaveFilters(r), PreselectedFilter(r));
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path) && YesNo(msg::AskOverwriteExisting, owner_) != IDYES) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  const bool gif = suffix == "gif";
  if (gif && r.ImageKind != 2 && r.TransOn && YesNo(msg::AskGifNot256, owner_) != IDYES) return;

  const QImage raster = DrawnOnWhite(*doc_.Data().PictureOf(index), doc_.Data().Dpi().x).mirrored(r.FlipH, r.FlipV);
  const std::optional<ImageFormat> format = ImageFormatFromSuffix(suffix);
  Result<void> written = format ? Result<void>() : Result<void>(Failure(msg::NoMemory));
  {
    WaitCursor wait;
    if (format) written = EncodeImageFile(raster, *format, path);
    if (written && gif && r.ImageKind == 2 && r.TransOn) {
      QFile file(path);
      QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
      file.close();
      if (CGIFSub::MakeTransparent(bytes, r.refTrans)) written = WriteFileAtomically(path, bytes);
    }
  }
  if (!written) {
    ShowFailure(written.error(), owner_);
    return;
  }
  if (YesNo(msg::AskShowPackage, owner_) == IDYES) dialogs_.showFolder(QFileInfo(path).absolutePath());
}
