// The document tables and the operations that keep their invariants.
#include "core/Document.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <unordered_set>

#include "app/store/Messages.h"
#include "app/store/Settings.h"
#include "app/store/StringTable.h"
#include "core/text/Cp932.h"

namespace {

constexpr int kMsgNoMemory = 30001;
constexpr int kMsgTooManyObjects = 30163;
constexpr int kStrEndText = 30053;

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
  StoreCp932(h.EndText, sizeof h.EndText, LoadString(kStrEndText).value_or(QString()));
  h.RepeatOnce = 1;
  h.ShowClock = 1;
  h.NoEnlarge = 1;
  h.ShowPointNo = 1;
  h.refPointNo = 0xBD9273;
  return h;
}

Document::Document(ScreenDpi dpi, QWidget* owner) : dpi_(dpi) {
  try {
    objects_.resize(kObjectSlots);
    views_.resize(kObjectSlots);
  } catch (const std::bad_alloc&) {
    objects_ = {};
    views_ = {};
    ShowMessage(kMsgNoMemory, owner);
    header_ = NewDocHeader({}, dpi_);
    return;
  }
  NewDocument();
}

void Document::NewDocument() { NewDocument(NewDocumentSettings::FromStore()); }

void Document::NewDocument(const NewDocumentSettings& settings) {
  settings_ = settings;
  ClearPictures();
  ClearTables(true);
  header_ = NewDocHeader(settings, dpi_);
}

void Document::NewDocumentForReading() {
  ClearPictures();
  ClearTables(false);
  header_ = NewDocHeader(settings_, dpi_);
}

// Zeroes the used records and the scratch slot, as fresh tables would be.
void Document::ClearTables(bool records) {
  if (!IsUsable()) return;
  if (records) {
    const int used = std::clamp(header_.ObjCount, 0, kMaxObjects);
    std::memset(static_cast<void*>(objects_.data()), 0, used * sizeof(ObjectRecord));
    std::memset(static_cast<void*>(&objects_[kScratchSlot]), 0, sizeof(ObjectRecord));
  }
  std::memset(static_cast<void*>(views_.data()), 0, views_.size() * sizeof(ObjectViewState));
  header_.ObjCount = 0;
}

void Document::ClearPictures() {
  if (IsUsable()) {
    const int used = std::clamp(header_.ObjCount, 0, kMaxObjects);
    for (int i = 0; i < used; ++i) objects_[i].Picture = kNoPicture;
    objects_[kScratchSlot].Picture = kNoPicture;
  }
  pictures_.Clear();  // each picture object goes exactly once, shared or not
}

int Document::ObjectsOnSlide(int slide) const {
  return static_cast<int>(std::count_if(objects_.begin(), objects_.begin() + ObjCount(),
                                        [slide](const ObjectRecord& r) { return r.Slide == slide; }));
}

std::int32_t Document::NextObjNo() const {
  std::int32_t largest = 0;
  for (int i = 0; i < ObjCount(); ++i) largest = std::max(largest, objects_[i].ObjNo);
  return largest == std::numeric_limits<std::int32_t>::max() ? largest : largest + 1;
}

bool Document::HasRoomFor(int count, QWidget* owner) const {
  if (IsUsable() && count <= kMaxObjects - ObjCount()) return true;
  ShowMessage(kMsgTooManyObjects, owner, QString(), MsgStyle::Info);
  return false;
}

std::optional<int> Document::AddObject(const ObjectRecord& record, QWidget* owner) {
  if (!HasRoomFor(1, owner)) return std::nullopt;
  const std::int32_t objNo = NextObjNo();
  const int index = header_.ObjCount++;
  objects_[index] = record;
  objects_[index].ObjNo = objNo;
  views_[index] = ObjectViewState{};
  views_[index].Selected = 1;
  return index;
}

void Document::RemoveObject(int index) {
  const int count = ObjCount();
  if (index < 0 || index >= count) return;
  if (objects_[index].ObjClass == objclass::Image) pictures_.Release(objects_[index].Picture);
  std::copy(objects_.begin() + index + 1, objects_.begin() + count, objects_.begin() + index);
  std::copy(views_.begin() + index + 1, views_.begin() + count, views_.begin() + index);
  objects_[count - 1] = ObjectRecord{};
  views_[count - 1] = ObjectViewState{};
  header_.ObjCount = count - 1;
}
