// The data file: magic, document header, big-endian object count, the object
// records and the picture payloads of the image objects. Version 2 is written,
// versions 1 and 2 are read. Undo snapshots are the same body without the magic.
#pragma once

#include <QString>

#include "base/Failure.h"

class Document;
class PictureTable;
class QIODevice;

inline constexpr int kDataFileVersion = 2;
inline constexpr int kDataMagicSize = 10;

// Writes the whole file to an open device, checking every write and, for a
// file, the final flush. False means the bytes on the device are not a document.
bool WriteDataFile(const Document& doc, QIODevice& out);
// Writes to `path` through a temporary file in the same folder that replaces
// the old file only when every byte has reached the disk.
bool WriteDataFile(const Document& doc, const QString& path);

// Reads a data file into `doc`. A wrong magic or version leaves `doc` as it
// was; any other refusal leaves a valid empty document. A refusal gives the
// message to show: 30019 (not a data file), "ver 003\n" + 30020 (a version
// other than 1 or 2), "10001 > 10000\n" + 30043 (too many objects).
[[nodiscard]] Result<void> ReadDataFile(Document& doc, QIODevice& in);

// The body without the magic, for undo snapshots. A payload whose bytes equal
// those a picture of `shareFrom` saves to shares that picture instead of
// being decoded again.
bool WriteDataBody(const Document& doc, QIODevice& out);
[[nodiscard]] Result<void> ReadDataBody(Document& doc, QIODevice& in, int version = kDataFileVersion,
                                        const PictureTable* shareFrom = nullptr);

// The object count, the records and their picture payloads: the body after
// the header, and the slide clipboard file after its two values. Reading
// checks every record against `doc`'s header (its slide count) and replaces
// `doc`'s objects; a refusal leaves it without any.
bool WriteObjectTable(const Document& doc, QIODevice& out);
[[nodiscard]] Result<void> ReadObjectTable(Document& doc, QIODevice& in);
