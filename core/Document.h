// One presentation: header, object table, view-state table and the pictures
// the image records refer to. The object table grows with use (10,000 objects
// stay the limit) and a copy is cheap: records are copied, pictures shared
// (they never change), so undo, the clipboard and worker threads can take one.
#pragma once

#include <QSize>
#include <cstdint>
#include <vector>

#include "base/Failure.h"
#include "core/Records.h"
#include "core/picture/PictureTable.h"

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
  // A new document from the settings store.
  explicit Document(ScreenDpi dpi = {});
  // A new empty document with this one's screen resolution and new-document
  // settings, for a reader to fill; the settings store is not read.
  Document EmptyLike() const;

  ScreenDpi Dpi() const { return dpi_; }
  void SetDpi(ScreenDpi dpi) { dpi_ = dpi; }

  DocHeader& Header() { return header_; }
  const DocHeader& Header() const { return header_; }
  // The used records; the header's ObjCount follows it.
  int ObjCount() const { return static_cast<int>(objects_.size()); }
  ObjectRecord& Object(int index) { return objects_[index]; }
  const ObjectRecord& Object(int index) const { return objects_[index]; }
  ObjectRecord* Objects() { return objects_.data(); }
  const ObjectRecord* Objects() const { return objects_.data(); }
  // The selection flags are the views' run-time state kept beside the records,
  // not part of the document: they change through a const document too, and
  // never take part in saving, undo or the modified flag.
  ObjectViewState& View(int index) const { return views_[index]; }

  // Every record that refers to a picture holds one reference in this table;
  // whoever copies such a record calls AddRef.
  PictureTable& Pictures() { return pictures_; }
  const PictureTable& Pictures() const { return pictures_; }
  const Picture* PictureOf(int index) const { return pictures_.Get(objects_[index].Picture); }

  void NewDocument();  // reads the settings store
  void NewDocument(const NewDocumentSettings& settings);
  // A new document for a reader to fill: the settings of the last
  // NewDocument, without reading the store.
  void NewDocumentForReading();
  // Frees every picture once, however many records share it; all Picture fields become 0.
  void ClearPictures();

  int ObjectsOnSlide(int slide) const;
  // One more than the largest ObjNo in use; 1 for an empty table.
  std::int32_t NextObjNo() const;
  // Fails with 30163 when `count` more objects would pass the limit.
  Result<void> HasRoomFor(int count) const;
  // Appends `record` with a new ObjNo and a fresh, selected view state; the
  // record's picture reference passes to the document. Fails with 30163 when
  // full, 30001 when the memory cannot be had.
  Result<int> AddObject(const ObjectRecord& record);
  // Drops the object's picture reference and moves every later record and its
  // view state one place down.
  void RemoveObject(int index);
  // Makes the table hold `count` records (0..10,000): new ones are zero and not
  // selected, dropped ones give up their pictures. For readers, which fill the
  // records in place.
  void SetObjectCount(int count);

  // The editing view's scroll range: the slide plus a margin of 50 units.
  QSize ScrollRange() const { return QSize(header_.SlideW + 50, header_.SlideH + 50); }

 private:
  Document(ScreenDpi dpi, const NewDocumentSettings& settings);
  void ClearTables();

  DocHeader header_{};
  std::vector<ObjectRecord> objects_;
  mutable std::vector<ObjectViewState> views_;
  PictureTable pictures_;
  ScreenDpi dpi_;
  NewDocumentSettings settings_;
};

// The new-document header for `settings` at the screen resolution `dpi`.
DocHeader NewDocHeader(const NewDocumentSettings& settings, ScreenDpi dpi);
