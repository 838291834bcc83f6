// Inserting the object gallery's items, and 初期値にする. A new object
// appears selected at the centre of the visible part of the slide.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "editor/factory/MakeObj.h"

class CMiradoDoc;
class CMiradoView;
class CommandRegistry;
class QWidget;

struct InsertTarget {
  CMiradoDoc& doc;
  CMiradoView& view;
  CommandRegistry& commands;  // receives ID_SET_DEFAULT
  std::function<QString(QWidget*)> openPicture;  // an empty path when cancelled
  FactoryDialogs dialogs;
  std::function<void()> changed;  // after an object was added
  QWidget* owner = nullptr;
};

// The dialogs of the factory as the user sees them.
FactoryDialogs StandardFactoryDialogs(QWidget* owner);

// Registers ID_SET_DEFAULT: asks 30004, writes the primary object's
// attributes as the defaults of new objects and confirms with 30006.
void RegisterSetAsDefault(const InsertTarget& target);

// What choosing gallery item `request` does; true when an object was added.
// The picture item asks for an image file first and loads it by the file's
// extension as typed.
bool InsertGalleryItem(const InsertTarget& target, int request);

// The factory makes object `request` with `content` at the centre of the
// visible slide and the view selects it; a refusal is shown.
bool InsertObject(const InsertTarget& target, int request, const ObjectContent& content);

// The picture file loaded for a new image; on failure the reason (a damaged
// bitmap's), then the path with 30028, are shown and nullopt returned.
std::optional<ObjectContent> LoadImageContent(const QString& path, const QString& type, int dpi,
                                              QWidget* owner);
