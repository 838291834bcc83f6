// The 31 creation requests: what each item of the object gallery (plus the
// text boxes and pictures of pasting and dropping) becomes.
#pragma once

#include <cstdint>

inline constexpr int kRequestCount = 31;

namespace request {
inline constexpr int TextBox = 27;
inline constexpr int Picture = 28;
inline constexpr int DesignText = 29;
inline constexpr int PolygonChar = 30;
}  // namespace request

enum class TextRule {
  Empty,         // figures start without text
  GivenOrPrompt, // the given text, or the prompt when none is given
  Fixed,         // always the table's text
};

enum class AskCount { No, Polygon, Star };  // the vertex-count dialog

struct ObjectRequest {
  const char8_t* galleryName;
  std::uint16_t objClass;
  std::uint16_t kind;
  int variant;  // selects the default outline of Line, Polygon and Ellipse
  int n;        // vertex count handed to the outline; see `ask`
  bool noColour;
  TextRule textRule;
  const char8_t* text;  // the prompt or the fixed text
  AskCount ask;
};

// nullptr outside 0 .. kRequestCount - 1.
const ObjectRequest* FindRequest(int request);
