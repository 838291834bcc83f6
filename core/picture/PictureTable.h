// Shared pictures addressed by the non-zero 32-bit handles that object
// records store; each handle is reference-counted and freed once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/picture/Picture.h"

using PictureHandle = std::uint32_t;  // 0 = no picture
inline constexpr PictureHandle kNoPicture = 0;

class PictureTable {
 public:
  // Adds a picture with one reference and returns its new handle.
  PictureHandle Add(std::shared_ptr<const Picture> picture);
  // nullptr for 0 or an unknown handle.
  const Picture* Get(PictureHandle handle) const;
  std::shared_ptr<const Picture> Share(PictureHandle handle) const;
  // Another owner of the same picture.
  void AddRef(PictureHandle handle);
  // Drops one reference; the picture is freed with the last. Unknown handles are ignored.
  void Release(PictureHandle handle);
  void Clear();
  std::size_t Count() const { return entries_.size(); }
  // Every picture the table holds, once each.
  std::vector<std::shared_ptr<const Picture>> All() const;
  int RefCount(PictureHandle handle) const;

 private:
  struct Entry {
    std::shared_ptr<const Picture> picture;
    int refs = 0;
  };
  std::unordered_map<PictureHandle, Entry> entries_;
  PictureHandle next_ = 1;
};
