// The document class: opens and saves .tvl files into the document state and
// keeps the document's path and modified flag.
#pragma once

#include <QString>

class Document;
class QWidget;

class CMiradoDoc {
 public:
  explicit CMiradoDoc(Document& doc) : doc_(doc) {}

  // A fresh document from the settings; the path becomes empty.
  void NewDocument();
  // Unpacks and reads `path`. On failure the message was shown and the
  // document is a valid empty one without a path. `owner` null: no dialog.
  bool OpenDocument(const QString& path, QWidget* owner);
  // Writes and packs the document to `path`; on failure the old file and the
  // document are as they were (still modified).
  bool SaveDocument(const QString& path, QWidget* owner);

  Document& Data() { return doc_; }
  const QString& PathName() const { return path_; }
  // The file name shown in the title; "無題" for a document never saved.
  QString Title() const;
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) { modified_ = modified; }

 private:
  Document& doc_;
  QString path_;
  bool modified_ = false;
};

// What an opened document gets before it is first shown: nothing selected,
// the transparency key 0xFFF7FF as a colour turned into none, and picture
// references only on image records.
void NormaliseOpenedDocument(Document& doc);
