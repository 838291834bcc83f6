#include "app/InsertMenu.h"

#include <QApplication>

#include "app/CharDlg.h"
#include "app/MiradoDoc.h"
#include "app/VertexCountDlg.h"
#include "base/MessageIds.h"
#include "base/MessageSink.h"
#include "core/Document.h"
#include "core/picture/Picture.h"
#include "core/picture/PictureFileType.h"
#include "editor/CommandRegistry.h"
#include "editor/MiradoView.h"
#include "editor/factory/ObjDefaults.h"
#include "editor/factory/Requests.h"
#include "export/PictureLoader.h"

FactoryDialogs StandardFactoryDialogs(QWidget* owner) {
  return {[owner](const VertexCountAsk& ask) { return CVertexCountDlg::Ask(owner, ask); },
          [owner] { return CCharDlg::Ask(owner); },
          [owner](int id) { return ShowMessage(id, owner, QString(), MsgStyle::YesNo) == IDYES; }};
}

void RegisterSetAsDefault(const InsertTarget& target) {
  const auto primary = [&view = target.view] {
    const int i = view.Selection().primary;
    return i < view.Doc().ObjCount() ? i : -1;
  };
  target.commands.Add({ID_SET_DEFAULT, "ID_SET_DEFAULT", QString::fromUtf8(MenuItemLabel(ID_SET_DEFAULT)),
                       [&view = target.view, primary, owner = target.owner] {
                         const int i = primary();
                         if (i < 0 || ShowMessage(msg::AskSetDefault, owner, QString(), MsgStyle::YesNo) != IDYES)
                           return;
                         SetAsDefault(view.Doc().Object(i));
                         ShowMessage(msg::DefaultSet, owner, QString(), MsgStyle::Info);
                       },
                       [primary] { return primary() >= 0; }});
}

std::optional<ObjectContent> LoadImageContent(const QString& path, const QString& type, int dpi,
                                              QWidget* owner) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Result<LoadedPicture> loaded = LoadPictureFile(path, type, dpi);
  QApplication::restoreOverrideCursor();
  if (!loaded) {
    if (loaded.error().id != msg::NoImage) ShowFailure(loaded.error(), owner);
    ShowMessage(msg::NoImage, owner, path + "\n");
    return std::nullopt;
  }
  ObjectContent content;
  content.picture = loaded->picture;
  content.transparent = loaded->trans;
  content.pictureSize = loaded->pixels;
  return content;
}

bool InsertGalleryItem(const InsertTarget& target, int request) {
  ObjectContent content;
  if (request == request::Picture) {
    const QString path = target.openPicture ? target.openPicture(target.owner) : QString();
    if (path.isEmpty()) return false;
    std::optional<ObjectContent> loaded =
        LoadImageContent(path, PictureFileType(path), target.doc.Data().Dpi().x, target.owner);
    if (!loaded) return false;
    content = std::move(*loaded);
  }
  return InsertObject(target, request, content);
}

bool InsertObject(const InsertTarget& target, int request, const ObjectContent& content) {
  CMakeObj factory(target.doc.Edits(), target.dialogs, &ObjDefaults::FromStore);
  factory.SetGlyphs(&target.view.Glyphs());
  const Result<int> index = factory.CreateObject(request, content, kViewCentre, target.view.VisibleArea());
  if (!index) {
    ShowFailure(index.error(), target.owner);
    return false;
  }
  target.view.SelectNewObject(*index);
  if (target.changed) target.changed();
  return true;
}
