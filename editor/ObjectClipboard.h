// Objects on the system clipboard. A copy carries the records with the bytes
// of every picture they use under our own MIME type, so another Tessaly
// window can paste them, beside a PNG picture of the objects for other
// programs and the text marker "[OBJ]". A paste takes our objects first,
// then text, then a picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <memory>
#include <vector>

#include "base/Failure.h"
#include "core/Document.h"

class QMimeData;

inline constexpr char kObjectsMime[] = "application/x-tessaly-objects";
inline constexpr char kObjectsMarker[] = "[OBJ]";

enum class ClipKind { None, Objects, Text, Picture };

// The selected objects of `slide` in table order, sharing their pictures, in a
// document of their own; no records when nothing is selected there.
Document SelectedObjects(const Document& doc, int slide);

// The objects as clipboard bytes: count, records and picture payloads.
QByteArray EncodeObjects(const Document& objects);
// Back from bytes; each image gets a picture of its own, decoded from the
// bytes. A damaged or foreign block is 30063.
[[nodiscard]] Result<Document> DecodeObjects(const Document& like, const QByteArray& bytes);

// What a copy of the selection puts on the clipboard, or null with nothing
// selected on `slide`: our objects, a picture of them at the document's zoom
// cut to their common box, and the marker text.
std::unique_ptr<QMimeData> CopyToMime(const Document& doc, int slide);

ClipKind Classify(const QMimeData* data);
// The clipboard text without its trailing line break.
QString PastedText(const QMimeData& data);
// The pieces a text paste makes: the whole text as one, or each non-empty line
// with its tabs turned into line breaks.
std::vector<QString> TextPieces(const QString& text, bool onePerLine);

// (10, 10) slide units after a paste by key (no right click since the view
// opened); else how far the pointer moved between the copy and the right click.
QPoint PasteOffset(QPoint rightClick, QPoint copyPoint, float zoom);

// Appends the clipboard objects to `slide`, moved by `offset` and pushed back
// onto the slide, with new serial numbers; they become the slide's selection.
// Refused with 30163, changing nothing, when they would pass the object limit.
// Returns their indices.
[[nodiscard]] Result<std::vector<int>> PasteObjects(Document& doc, const Document& clip, int slide, QPoint offset);
