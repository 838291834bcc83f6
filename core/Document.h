// The one open presentation: header, object table, view-state table and the
// pictures the image records refer to. The application owns one; tests make their own.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/Records.h"
#include "core/picture/PictureTable.h"

class QWidget;

struct ScreenDpi {
  int x = 96;
  int y = 96;
};

// The settings a new document starts from ("Page" and "SYS" keys).
struct NewDocumentSettings {
  int pageSize = 3;
  int yokoMm = 277;
  int tateMm = 190;
  int autoCng = 60;

  static NewDocumentSettings FromStore();
};

class Document {
 public:
  // Allocates both tables once and starts a new document. When the memory
  // cannot be had, message 30001 is shown and IsUsable() is false.
  explicit Document(ScreenDpi dpi = {}, QWidget* owner = nullptr);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  bool IsUsable() const { return !objects_.empty(); }
  ScreenDpi Dpi() const { return dpi_; }
  void SetDpi(ScreenDpi dpi) { dpi_ = dpi; }

  DocHeader& Header() { return header_; }
  const DocHeader& Header() const { return header_; }
  int ObjCount() const { return header_.ObjCount; }
  // Slots 0 .. kScratchSlot; only 0 .. ObjCount()-1 are objects.
  ObjectRecord& Object(int index) { return objects_[index]; }
  const ObjectRecord& Object(int index) const { return objects_[index]; }
  ObjectRecord* Objects() { return objects_.data(); }
  const ObjectRecord* Objects() const { return objects_.data(); }
  ObjectViewState& View(int index) { return views_[index]; }
  const ObjectViewState& View(int index) const { return views_[index]; }

  // Every record that refers to a picture holds one reference in this table;
  // whoever copies such a record calls AddRef.
  PictureTable& Pictures() { return pictures_; }
  const PictureTable& Pictures() const { return pictures_; }
  const Picture* PictureOf(int index) const { return pictures_.Get(objects_[index].Picture); }

  void NewDocument();  // reads the settings store
  void NewDocument(const NewDocumentSettings& settings);
  // A new document for a reader to fill: the settings of the last
  // NewDocument (no store access), records not zeroed as they are overwritten.
  void NewDocumentForReading();
  // Frees every picture once, however many records share it; all Picture fields become 0.
  void ClearPictures();

  int ObjectsOnSlide(int slide) const;
  // One more than the largest ObjNo in use; 1 for an empty table.
  std::int32_t NextObjNo() const;
  // False with message 30163 when `count` more objects would pass the limit.
  bool HasRoomFor(int count, QWidget* owner = nullptr) const;
  // Appends `record` with a new ObjNo and a fresh, selected view state; the
  // record's picture reference passes to the document. nullopt (30163) when full.
  std::optional<int> AddObject(const ObjectRecord& record, QWidget* owner = nullptr);
  // Drops the object's picture reference and moves every later record and its
  // view state one place down.
  void RemoveObject(int index);

  // The editing view's scroll range: the slide plus a margin of 50 units.
  QSize ScrollRange() const { return QSize(header_.SlideW + 50, header_.SlideH + 50); }

 private:
  void ClearTables(bool records);

  DocHeader header_{};
  std::vector<ObjectRecord> objects_;
  std::vector<ObjectViewState> views_;
  PictureTable pictures_;
  ScreenDpi dpi_;
  NewDocumentSettings settings_;
};

// The new-document header for `settings` at the screen resolution `dpi`.
DocHeader NewDocHeader(const NewDocumentSettings& settings, ScreenDpi dpi);

// The status-bar name of an object: "Line 3", "D-Text  12", ...
QString ObjectStatusName(const ObjectRecord& record);
// The name of a class/kind pair, nullptr when the pair is not a known object.
const char* ObjectTypeName(std::uint16_t objClass, std::uint16_t objKind);
inline bool IsKnownObjectType(std::uint16_t objClass, std::uint16_t objKind) {
  return ObjectTypeName(objClass, objKind) != nullptr;
}
