// The object factory: every new object enters the document here, through the
// edit path (creating an object takes no undo snapshot), filled from the
// user's stored defaults, with its default outline.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "base/Color.h"
#include "base/Failure.h"
#include "editor/factory/CharDialogValues.h"
#include "editor/factory/ObjDefaults.h"
#include "editor/factory/VertexCount.h"

class EditPath;
class GlyphCache;
class Picture;
struct DocHeader;

// The visible part of the editing view: its client size and scroll position.
struct ViewArea {
  QPoint scroll;
  QSize client;
};

// A request at this point goes to the centre of the visible part of the slide.
inline constexpr QPoint kViewCentre(0, 0);

// What a new object carries besides its kind.
struct ObjectContent {
  QString text;
  std::shared_ptr<const Picture> picture;  // image objects only
  COLORREF transparent = kNoColor;
  QSize pictureSize;  // pixels
};

// What BuildObject makes: class, kind, outline variant, vertex count, and
// whether fill and line start without colour.
struct ObjectShape {
  std::uint16_t objClass = 0;
  std::uint16_t kind = 0;
  int variant = 0;
  int n = 0;
  bool noColour = false;
};

// The questions the factory asks; tests answer them without a window.
struct FactoryDialogs {
  // The vertex count of a regular polygon or star; nullopt when closed without OK.
  std::function<std::optional<int>(const VertexCountAsk&)> askVertexCount;
  // The character dialog of the polygon character; nullopt when closed without OK.
  std::function<std::optional<CharDialogValues>()> askCharacter;
  // A Yes/No question by message id (msg::AskTooManyVertices); true for Yes.
  std::function<bool(int messageId)> askYesNo;
};

class CMakeObj {
 public:
  using DefaultsSource = std::function<ObjDefaults()>;

  explicit CMakeObj(EditPath& edits, FactoryDialogs dialogs = {},
                    DefaultsSource defaults = &ObjDefaults::FromStore);
  ~CMakeObj();

  // Creates the object of creation request 0..30 at `point` (editing-view
  // pixels; kViewCentre for the centre of the slide's visible part in
  // `area`). The selection is cleared first. Returns the index of the new,
  // selected object; the caller makes it the view's primary object. Fails
  // as BuildObject does, and with msg::None when the request is unknown or
  // the vertex count was not given.
  Result<int> CreateObject(int request, const ObjectContent& content, QPoint point,
                           const ViewArea& area);

  // Appends one object of `shape` on the current slide at `point`
  // (editing-view pixels), every attribute from the defaults. Fails, with
  // the table unchanged, with 30163 when the table is full, 30045 when a
  // character's outline has too many vertices even straight, msg::None when an
  // image has no picture or no size, or the outline cannot be built.
  Result<int> BuildObject(const ObjectShape& shape, const ObjectContent& content, QPoint point);

  // The fonts character outlines and design text frames are measured with; the
  // factory opens its own when none is given.
  void SetGlyphs(GlyphCache* glyphs) { glyphs_ = glyphs; }
  // The font choices a polygon character is built with (the dialog sets them).
  void SetCharChoice(const CharChoice& choice) { charChoice_ = choice; }

 private:
  std::optional<int> AskVertexCount(bool star);
  void ClearSelection();
  GlyphCache& Glyphs();
  // The outline of the character in r.Text; fails as BuildObject does.
  Result<void> BuildCharacter(ObjectRecord& r, QPoint at);

  EditPath& edits_;
  FactoryDialogs dialogs_;
  DefaultsSource defaults_;
  CharChoice charChoice_;
  GlyphCache* glyphs_ = nullptr;
  std::unique_ptr<GlyphCache> ownGlyphs_;
};

// The centre of the visible part of the slide, in editing-view pixels.
QPoint VisibleSlideCentre(const DocHeader& header, const ViewArea& area);

// The size a picture of `picture` pixels is inserted at on a slide of
// `slide` units: unchanged when it fits; otherwise scaled to the width
// `imageW`, or to the slide's height when that is the smaller ratio.
QSize FitPicture(QSize picture, QSize slide, int imageW);
