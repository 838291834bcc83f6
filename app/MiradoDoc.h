// The document class: opens and saves .tvl files and keeps the document's
// path. It owns the edit path, which holds the modified flag, so every part
// of the window changes the document through it.
#pragma once

#include <QString>
#include <functional>

#include "base/Failure.h"
#include "core/EditPath.h"

class Document;
class QWidget;
struct ScreenDpi;

class CMiradoDoc {
 public:
  explicit CMiradoDoc(Document& doc) : doc_(doc), edits_(doc) {}

  // A fresh document from the settings; the path becomes empty.
  void NewDocument();
  // Unpacks and reads `path` into a fresh document that takes the place of
  // the open one only when it was read whole. On failure the message was
  // shown and the open document, its path and its modified flag are as they
  // were. `owner` null: no processing dialog.
  bool OpenDocument(const QString& path, QWidget* owner);
  // OpenDocument with the reading already done by ReadDocumentFile.
  bool AdoptDocument(const QString& path, Result<Document> read, QWidget* owner);
  // Writes and packs the document to `path`; on failure the old file and the
  // document are as they were (still modified).
  bool SaveDocument(const QString& path, QWidget* owner);

  const Document& Data() const { return doc_; }
  EditPath& Edits() { return edits_; }
  const QString& PathName() const { return path_; }
  // The file name shown in the title; "無題" for a document never saved.
  QString Title() const;
  bool IsModified() const { return edits_.IsModified(); }
  void SetModifiedFlag(bool modified = true) { edits_.SetModified(modified); }

 private:
  Document& doc_;
  EditPath edits_;
  QString path_;
};

// Unpacks and reads `path` into a fresh document, showing nothing; safe on a
// worker thread. `unpackIn`, when given, runs the unpacking (the processing
// dialog does).
Result<Document> ReadDocumentFile(const QString& path, ScreenDpi dpi,
                                  const std::function<void(const std::function<bool()>&)>& unpackIn = {});

// What an opened document gets before it is first shown: nothing selected,
// the transparency key 0xFFF7FF as a colour turned into none, and picture
// references only on image records.
void NormaliseOpenedDocument(Document& doc);
