#include "core/picture/PictureTable.h"

PictureHandle PictureTable::Add(std::shared_ptr<const Picture> picture) {
  if (!picture) return kNoPicture;
  while (next_ == kNoPicture || entries_.contains(next_)) ++next_;
  const PictureHandle handle = next_++;
  entries_[handle] = Entry{std::move(picture), 1};
  return handle;
}

const Picture* PictureTable::Get(PictureHandle handle) const {
  const auto it = entries_.find(handle);
  return it == entries_.end() ? nullptr : it->second.picture.get();
}

std::shared_ptr<const Picture> PictureTable::Share(PictureHandle handle) const {
  const auto it = entries_.find(handle);
  return it == entries_.end() ? nullptr : it->second.picture;
}

void PictureTable::AddRef(PictureHandle handle) {
  const auto it = entries_.find(handle);
  if (it != entries_.end()) ++it->second.refs;
}

void PictureTable::Release(PictureHandle handle) {
  const auto it = entries_.find(handle);
  if (it != entries_.end() && --it->second.refs <= 0) entries_.erase(it);
}

std::vector<std::shared_ptr<const Picture>> PictureTable::All() const {
  std::vector<std::shared_ptr<const Picture>> all;
  all.reserve(entries_.size());
  for (const auto& [handle, entry] : entries_) all.push_back(entry.picture);
  return all;
}

void PictureTable::Clear() { entries_.clear(); }

int PictureTable::RefCount(PictureHandle handle) const {
  const auto it = entries_.find(handle);
  return it == entries_.end() ? 0 : it->second.refs;
}
