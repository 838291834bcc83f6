// Inserting the object gallery's items, and 初期値にする. A new object
// appears selected at the centre of the visible part of the slide.
#pragma once

#include <QString>
#include <functional>

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
// The picture item asks for a JPEG, GIF or BMP file first.
bool InsertGalleryItem(const InsertTarget& target, int request);
