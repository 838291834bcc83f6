// Whole-slide changes of a document: adding, removing and reordering slides,
// moving objects between them. The per-slide arrays (automatic-switch time,
// transition) move with their slides and every object's Slide field follows.
// Each returns whether it changed anything, so the edit path can tell.
#pragma once

#include <QPoint>
#include <cstdint>
#include <span>

#include "base/Failure.h"

class Document;

// Inserts an empty slide at `at` (0..SlideCount) with automatic-switch time
// `switchTime` and transition 0, and makes it current. Refuses with 30005
// at 100 slides.
[[nodiscard]] Result<void> InsertSlide(Document& doc, int at, std::uint16_t switchTime);

// Removes slide `slide` with its objects (their pictures released). The
// slide after it becomes current, or the one before when it was the last.
// Nothing happens with fewer than 2 slides.
bool DeleteSlide(Document& doc, int slide);

// The gap under the pointer of a drop, 0 (before the first slide) to
// SlideCount (after the last), as the slide `from` is dropped there: the
// index the slide ends at, or -1 when the drop changes nothing (its own
// gaps, or a gap out of range).
int SlideDropTarget(int slideCount, int from, int gap);
// Moves slide `from` to gap `gap` with its objects, time and transition;
// it becomes current. False when that changes nothing.
bool MoveSlideToGap(Document& doc, int from, int gap);

// Moves the objects at `indices` to slide `slide`, each shifted by `offset`
// (slide units) and deselected. False when `slide` is out of range or no
// index names an object.
bool MoveObjectsToSlide(Document& doc, std::span<const int> indices, int slide, QPoint offset = {});

// The transition code of slide `slide`; false when it already has it.
bool SetTransition(Document& doc, int slide, std::uint16_t code);

// Makes `slide` current with nothing selected anywhere; false when it is
// out of range or current with nothing selected already.
bool MakeSlideCurrent(Document& doc, int slide);
