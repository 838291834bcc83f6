// The slide list's thumbnails, redrawn only where something changed: all of
// them when the size, the scale or what every slide shows (slide size,
// background) changed, otherwise the slides whose objects changed and the
// slide the last edit was made on. A full redraw may be done aside on a
// worker thread (DrawAll, then Adopt) so that the list shows before its
// pictures are ready.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/Records.h"

class Document;
class GlyphCache;

class ThumbnailCache {
  struct Frame {
    QSize size;
    float scale = 0;
    std::uint16_t slideW = 0, slideH = 0;
    COLORREF back = 0;
    std::int32_t gradePattern = 0;
    COLORREF grade[17] = {};
    bool operator==(const Frame&) const = default;
  };

 public:
  // Every thumbnail of one state of a document, drawn aside.
  struct Drawn {
    Frame frame;
    std::vector<QImage> images;
    std::vector<std::uint64_t> signatures;
  };

  ThumbnailCache();
  ~ThumbnailCache();

  // Draws every thumbnail again at the next Sync (an undo, an open).
  void Invalidate() { images_.clear(); }
  // Brings the thumbnails up to date; `edited` are slides to draw again in
  // any case. Returns the slides drawn.
  std::vector<int> Sync(const Document& doc, QSize size, float scale, std::span<const int> edited = {});

  // Whether the next Sync would draw every thumbnail.
  bool NeedsAll(const Document& doc, QSize size, float scale) const;
  // Draws every thumbnail with this cache's fonts. It may run on another
  // thread, but nothing else may use the cache until its result is adopted.
  Drawn DrawAll(const Document& doc, QSize size, float scale) const;
  // Takes thumbnails drawn aside; a later Sync redraws the slides that
  // changed since the state they were drawn from.
  void Adopt(Drawn drawn);

  int Count() const { return static_cast<int>(images_.size()); }
  const QImage& Image(int slide) const { return images_[static_cast<std::size_t>(slide)]; }

 private:
  static Frame FrameOf(const Document& doc, QSize size, float scale);

  Frame frame_;
  std::vector<QImage> images_;
  std::vector<std::uint64_t> signatures_;  // per slide: its objects' serial numbers in order
  std::unique_ptr<GlyphCache> glyphs_;
};

// Per slide, a value that changes when objects come, go or change order.
std::vector<std::uint64_t> SlideSignatures(const Document& doc);
