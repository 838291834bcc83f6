#include "app/InsertMenu.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "app/CharDlg.h"
#include "app/MiradoDoc.h"
#include "app/VertexCountDlg.h"
#include "app/store/Messages.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "editor/PageView.h"
#include "editor/factory/Requests.h"
#include "editor/factory/SetAsDefault.h"

namespace {

constexpr int kMsgNoImage = 30028;

struct GalleryGroup {
  const char8_t* title;
  int first;
  int last;
};

constexpr GalleryGroup kGroups[] = {
    {u8"線", 0, 5},
    {u8"平面図形", 6, 18},
    {u8"立体図形", 19, 22},
    {u8"吹き出し", 23, 26},
    {u8"その他", 27, 30},
};

// A JPEG, GIF or BMP file as it is, without a transparent colour.
bool LoadPictureFile(const QString& path, const Document& doc, ObjectContent& content) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) content.picture = Picture::Load(file.readAll(), doc.Dpi().x);
  if (!content.picture) return false;
  content.pictureSize = content.picture->NaturalPixels(doc.Dpi().x, doc.Dpi().y);
  return true;
}

void AddSetAsDefault(QMenu* menu, const InsertTarget& target) {
  menu->addSeparator();
  QAction* action = menu->addAction(QString::fromUtf8("初期値にする(&I)"));
  const auto primary = [&view = target.view] { return view.Selection().primary; };
  QObject::connect(menu, &QMenu::aboutToShow, action, [action, primary] { action->setEnabled(primary() >= 0); });
  QObject::connect(action, &QAction::triggered, menu, [&doc = target.doc.Data(), primary, owner = target.owner] {
    const int i = primary();
    if (i >= 0 && i < doc.ObjCount()) SetAsDefault(doc.Object(i), owner);
  });
}

}  // namespace

FactoryDialogs StandardFactoryDialogs(QWidget* owner) {
  return {[owner](const VertexCountAsk& ask) { return CVertexCountDlg::Ask(owner, ask); },
          [owner] { return CCharDlg::Ask(owner); },
          [owner](int id) { return ShowMessage(id, owner, QString(), MsgStyle::YesNo) == IDYES; },
          [owner](const Failure& f) {
            ShowMessage(f.messageId, owner, f.detail.isEmpty() ? QString() : f.detail + "\n", MsgStyle::Info);
          }};
}

QMenu* AddInsertMenu(QMenuBar* bar, const InsertTarget& target) {
  QMenu* menu = bar->addMenu(QString::fromUtf8("挿入(&I)"));
  for (const GalleryGroup& group : kGroups) {
    QMenu* sub = menu->addMenu(QString::fromUtf8(group.title));
    for (int request = group.first; request <= group.last; ++request) {
      QAction* action = sub->addAction(QString::fromUtf8(FindRequest(request)->galleryName));
      QObject::connect(action, &QAction::triggered, menu, [target, request] { InsertGalleryItem(target, request); });
    }
  }
  AddSetAsDefault(menu, target);
  return menu;
}

bool InsertGalleryItem(const InsertTarget& target, int request) {
  Document& doc = target.doc.Data();
  ObjectContent content;
  if (request == request::Picture) {
    const QString path = target.openPicture ? target.openPicture(target.owner) : QString();
    if (path.isEmpty()) return false;
    if (!LoadPictureFile(path, doc, content)) {
      ShowMessage(kMsgNoImage, target.owner, path + "\n");
      return false;
    }
  }
  CMakeObj factory(doc, target.dialogs, &ObjDefaults::FromStore, target.owner);
  factory.SetGlyphs(&target.view.Glyphs());
  const std::optional<int> index =
      factory.CreateObject(request, content, kViewCentre, target.view.VisibleArea());
  if (!index) return false;
  target.view.SelectNewObject(*index);
  target.doc.SetModifiedFlag();
  if (target.changed) target.changed();
  return true;
}
