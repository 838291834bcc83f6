// The document tables and the operations that keep their invariants.
#include "core/Document.h"

#include <algorithm>
#include <limits>
#include <new>

#include "base/Cp932.h"
#include "base/Settings.h"
#include "base/StringTable.h"

namespace {

constexpr IntSetting kDefPageSize{"Page", "DefPageSize", 3};
constexpr IntSetting kDefYoko{"Page", "DefYoko", 277};
constexpr IntSetting kDefTate{"Page", "DefTate", 190};

// Millimetres to slide units at `dpi`, truncated; 0 when the result is no slide size.
int SlideUnits(int mm, int dpi) {
  const long long units = static_cast<long long>(mm) * dpi * 10 / 254;
  return units >= 1 && units <= std::numeric_limits<std::uint16_t>::max() ? static_cast<int>(units) : 0;
}

std::uint16_t SlideSide(int mm, int defMm, int dpi) {
  const int units = SlideUnits(mm, dpi);
  return static_cast<std::uint16_t>(units ? units : SlideUnits(defMm, dpi > 0 ? dpi : 96));
}

}  // namespace

NewDocumentSettings NewDocumentSettings::FromStore() {
  return {GetInt(kDefPageSize), GetInt(kDefYoko), GetInt(kDefTate), GetInt(sys::AutoCng)};
}

// Settings out of range fall back to their defaults, so a new header always
// satisfies the invariants.
DocHeader NewDocHeader(const NewDocumentSettings& s, ScreenDpi dpi) {
  DocHeader h{};
  h.SlideCount = 1;
  h.PageSize = static_cast<std::uint16_t>(s.pageSize >= 1 && s.pageSize <= 4 ? s.pageSize : 3);
  h.Zoom = 1.0f;
  h.ConsoleX = 79;
  h.ConsoleY = 79;
  h.ConsoleAlways = 1;
  h.SlideW = SlideSide(s.yokoMm, kDefYoko.def, dpi.x);
  h.SlideH = SlideSide(s.tateMm, kDefTate.def, dpi.y);
  h.refBack = 0xFFFFFF;
  h.refFrame = 0x7B5A4A;
  h.BackGradePattern = -1;
  std::fill(std::begin(h.refBackGrade), std::end(h.refBackGrade), 0xBD9A73);
  h.refListBack = 0xFFFFFF;
  h.SlideMax = kMaxSlides;
  const bool autoOk = s.autoCng >= 0 && s.autoCng <= std::numeric_limits<std::uint16_t>::max();
  std::fill(std::begin(h.SwitchTime), std::end(h.SwitchTime),
            static_cast<std::uint16_t>(autoOk ? s.autoCng : sys::AutoCng.def));
  h.MenuMode = 1;
  StoreCp932(h.EndText, sizeof h.EndText, LoadString(msg::EndTextJapanese).value_or(QString()));
  h.RepeatOnce = 1;
  h.ShowClock = 1;
  h.NoEnlarge = 1;
  h.ShowPointNo = 1;
  h.refPointNo = 0xBD9273;
  return h;
}

Document::Document(ScreenDpi dpi) : dpi_(dpi) { NewDocument(); }

Document::Document(ScreenDpi dpi, const NewDocumentSettings& settings) : dpi_(dpi) {
  NewDocument(settings);
}

Document Document::EmptyLike() const { return Document(dpi_, settings_); }

void Document::NewDocument() { NewDocument(NewDocumentSettings::FromStore()); }

void Document::NewDocument(const NewDocumentSettings& settings) {
  settings_ = settings;
  ClearPictures();
  ClearTables();
  header_ = NewDocHeader(settings, dpi_);
}

void Document::NewDocumentForReading() {
  ClearPictures();
  ClearTables();
  header_ = NewDocHeader(settings_, dpi_);
}

void Document::ClearTables() {
  objects_.clear();
  views_.clear();
  header_.ObjCount = 0;
}

void Document::ClearPictures() {
  for (ObjectRecord& r : objects_) r.Picture = kNoPicture;
  pictures_.Clear();  // each picture object goes exactly once, shared or not
}

int Document::ObjectsOnSlide(int slide) const {
  return static_cast<int>(std::count_if(objects_.begin(), objects_.end(),
                                        [slide](const ObjectRecord& r) { return r.Slide == slide; }));
}

std::int32_t Document::NextObjNo() const {
  std::int32_t largest = 0;
  for (const ObjectRecord& r : objects_) largest = std::max(largest, r.ObjNo);
  return largest == std::numeric_limits<std::int32_t>::max() ? largest : largest + 1;
}

Result<void> Document::HasRoomFor(int count) const {
  if (count <= kMaxObjects - ObjCount()) return {};
  return Failure{msg::TooManyObjects, QString(), MsgStyle::Info};
}

Result<int> Document::AddObject(const ObjectRecord& record) {
  if (Result<void> room = HasRoomFor(1); !room) return room.error();
  const std::int32_t objNo = NextObjNo();
  try {
    objects_.push_back(record);
    views_.push_back(ObjectViewState{});
  } catch (const std::bad_alloc&) {
    objects_.resize(views_.size());
    return Failure{msg::NoMemory};
  }
  const int index = ObjCount() - 1;
  objects_[index].ObjNo = objNo;
  views_[index].Selected = 1;
  header_.ObjCount = ObjCount();
  return index;
}

void Document::RemoveObject(int index) {
  if (index < 0 || index >= ObjCount()) return;
  if (objects_[index].ObjClass == objclass::Image) pictures_.Release(objects_[index].Picture);
  objects_.erase(objects_.begin() + index);
  views_.erase(views_.begin() + index);
  header_.ObjCount = ObjCount();
}

void Document::SetObjectCount(int count) {
  count = std::clamp(count, 0, kMaxObjects);
  for (int i = count; i < ObjCount(); ++i)
    if (objects_[i].ObjClass == objclass::Image) pictures_.Release(objects_[i].Picture);
  objects_.resize(count);
  views_.resize(count);
  header_.ObjCount = count;
}
