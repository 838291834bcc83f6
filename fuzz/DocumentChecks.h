// What every document a reader accepts must satisfy; a breach stops the fuzzer.
#pragma once

#include <QCoreApplication>
#include <QLoggingCategory>

#include "core/Document.h"
#include "core/ObjectNames.h"

// The Qt application the readers need, without the image plugins' warnings
// about the broken pictures they are fed.
struct QuietApp {
  QuietApp() { QLoggingCategory::setFilterRules("qt.gui.imageio*=false"); }

  int argc = 1;
  char name[8] = "fuzzer";
  char* argv[2] = {name, nullptr};
  QCoreApplication app{argc, argv};
};

inline void CheckInvariants(const Document& doc) {
  const DocHeader& h = doc.Header();
  if (h.SlideCount < 1 || h.SlideCount > kMaxSlides || h.CurSlide >= h.SlideCount) __builtin_trap();
  if (doc.ObjCount() < 0 || doc.ObjCount() > kMaxObjects) __builtin_trap();
  if (!(h.Zoom >= 0.08f && h.Zoom <= 4.0f) || h.EndText[sizeof h.EndText - 1] != 0) __builtin_trap();
  for (int i = 0; i < doc.ObjCount(); ++i) {
    const ObjectRecord& r = doc.Object(i);
    if (!IsKnownObjectType(r.ObjClass, r.ObjKind) || r.Slide >= h.SlideCount) __builtin_trap();
    if (r.PointNum > kMaxPoints || r.Text[sizeof r.Text - 1] != 0) __builtin_trap();
    if (r.ObjClass != objclass::Image && r.Picture != kNoPicture) __builtin_trap();
  }
}
