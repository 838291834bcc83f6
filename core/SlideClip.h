// The slide clipboard: one slide's automatic-switch time, transition and
// objects in the file "Copy.tmp" of the work folder, so that every Tessaly
// window of the user can paste it. Layout: time, transition and object count
// as 32-bit big-endian integers, the records in table order, then the
// picture payloads as the data file keeps them.
#pragma once

#include <QString>
#include <cstdint>

#include "base/Failure.h"
#include "core/Document.h"

class QIODevice;

struct SlideClip {
  std::uint16_t switchTime = 0;
  std::uint16_t transition = 0;
  Document objects;  // the slide's records, Slide 0, with their own pictures
};

// Writes slide `slide`. Refuses an empty slide with 30062; a failed write is
// 30063 (the device then holds no slide).
[[nodiscard]] Result<void> WriteSlideClip(const Document& doc, int slide, QIODevice& out);
// Reads a clip, checked as a data file is. A damaged or foreign one is 30063.
// `like` gives the screen resolution its pictures are decoded for.
[[nodiscard]] Result<SlideClip> ReadSlideClip(const Document& like, QIODevice& in);

// The same through the file at `path`, which is replaced only by a complete
// clip. 30026 when the file cannot be opened.
[[nodiscard]] Result<void> CopySlideToFile(const Document& doc, int slide, const QString& path);
[[nodiscard]] Result<SlideClip> ReadSlideClipFile(const Document& like, const QString& path);

// Inserts the clip as a new current slide at `at`. Checks the slide limit
// (30005) and the object limit (30163) before changing anything; the pasted
// objects get new serial numbers and are not selected.
[[nodiscard]] Result<void> PasteSlide(Document& doc, const SlideClip& clip, int at);
